#pragma once
// A result window with what it meets in the program: the frame (as the
// result side sees it), the dialogs that live for the whole run, boxes
// answered by the test, and example results copied into a temporary folder.
#include <QApplication>
#include <QCoreApplication>
#include <QPointer>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

#include "tests/platform/ModalAnswers.h"
#include "tests/platform/ScriptedDialogs.h"
#include "tests/support/TempFolder.h"
#include "viewer/app/ApproxForm.h"
#include "viewer/app/ChildWin.h"
#include "viewer/app/FormCur.h"
#include "viewer/app/ParamDlg.h"
#include "viewer/model/FDT.h"

class FakeFrame : public FrameServices {
public:
    FakeFrame() { MainFrame = this; }
    ~FakeFrame() override
    {
        MainFrame = nullptr;
        for (const QPointer<MdiChild>& child : children)
            delete child.data();
    }

    IntervalTexts Remembered() const override { return interval; }
    void Remember(const IntervalTexts& given) override
    {
        interval = given;
        ++remembered;
    }
    bool ZoomDown() const override { return zoomDown; }
    void SetZoomDown(bool down) override { zoomDown = down; }
    bool CursorDown() const override { return cursorDown; }
    void SetCursorDown(bool down) override { cursorDown = down; }
    // A new result window on the file, as the main window opens one.
    void OpenFile(const std::string& path) override
    {
        opened.push_back(path);
        auto* window = new TMDIChild;
        AddChild(window);
        window->OpenFdt(path);
    }
    // A top-level window here; it frees itself when closed.
    QMdiSubWindow* AddChild(MdiChild* child) override
    {
        child->setAttribute(Qt::WA_DeleteOnClose);
        child->show();
        children.push_back(child);
        return nullptr;
    }

    IntervalTexts interval{"10", "1e5", "0.001", true};
    int remembered = 0;
    bool zoomDown = false, cursorDown = false;
    std::vector<std::string> opened;
    std::vector<QPointer<MdiChild>> children;
};

// Lets the event loop run, deferred deletions included.
inline void ProcessEvents()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The pages of a PDF file that Qt wrote.
inline int PdfPages(const std::string& path)
{
    std::string pdf = ReadBytes(path);
    int pages = 0;
    for (std::size_t at = pdf.find("/Type /Page"); at != std::string::npos; at = pdf.find("/Type /Page", at + 1))
        pages += pdf.compare(at, 12, "/Type /Pages") != 0;
    return pages;
}

class ResultTest : public testing::Test {
protected:
    ResultTest()
    {
        window.resize(724, 483);
        window.show();
    }
    ~ResultTest() override { DropPendingAnswers(); }

    // Copies the result of examples/<name> into the folder.
    std::string Example(const std::string& name)
    {
        for (const char* ext : {".par", ".fdt"})
            std::filesystem::copy_file(std::string(TERVOX_SOURCE_DIR) + "/examples/" + name + ext,
                                       folder / (name + ext), std::filesystem::copy_options::overwrite_existing);
        return folder / (name + ".fdt");
    }
    FDT& Model() { return *window.Model(); }
    // The plot area as it shows now.
    QImage Plot() { return window.PaintBox1->Canvas().Image(); }

    TempFolder folder;
    ScriptedDialogs dialogs;
    FakeFrame frame;
    TParamDlg paramDlg;
    TFormCur formCur;
    TApproxForm approxForm;
    TMDIChild window;
};

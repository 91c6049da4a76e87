#pragma once
// A Tervox main window in a temporary program folder, with every box and
// file dialog answered by the test; the examples copied in on request.
#include <QCoreApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "editor/app/MainForm.h"
#include "tests/platform/ScriptedDialogs.h"
#include "tests/platform/WaitFor.h"
#include "tests/support/TempFolder.h"

class Frame {
public:
    // The program folder; the frame starts with Start().
    TempFolder folder;
    ScriptedDialogs dialogs;
    std::unique_ptr<TMainForm> form;

    TMainForm& Start()
    {
        form = std::make_unique<TMainForm>(folder.Folder());
        form->show();
        return *form;
    }
    std::string IniPath() const { return folder / "tervox.ini"; }

    // Copies the result of examples/<name> (.fdt, .par) into the folder or
    // a subfolder of it.
    std::string Example(const std::string& name, const std::string& sub = "") const
    {
        CopyExample(name + ".par", sub);
        return CopyExample(name + ".fdt", sub);
    }
    // Copies only the circuit file of examples/<name>.
    std::string Circuit(const std::string& name, const std::string& sub = "") const
    {
        return CopyExample(name + ".crc", sub);
    }
    // Copies a program of the build into the folder.
    void CopyProgram(const std::string& name) const
    {
        std::filesystem::copy(std::filesystem::path(TERVOX_BIN_DIR) / name, folder / name,
                              std::filesystem::copy_options::recursive);
    }

    std::string CopyExample(const std::string& file, const std::string& sub) const
    {
        std::filesystem::path to = folder.Path() / sub;
        std::filesystem::create_directories(to);
        std::filesystem::copy_file(std::string(TERVOX_SOURCE_DIR) + "/examples/" + file, to / file,
                                   std::filesystem::copy_options::overwrite_existing);
        return (to / file).string();
    }

    // The captions of the sub-windows, in the order they were opened.
    std::vector<std::string> Captions() const
    {
        std::vector<std::string> captions;
        for (QMdiSubWindow* sub : form->Area()->subWindowList(QMdiArea::CreationOrder))
            captions.push_back(sub->windowTitle().toStdString());
        return captions;
    }
};

// Lets the event loop run, deferred deletions included.
inline void ProcessEvents()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

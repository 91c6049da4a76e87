#pragma once
// TMainForm, the frame of Tervox: an MDI main window with its speed bar,
// menus and status line; the settings of tervox.ini; the receiving end of the
// engine's completion message; opening files by extension; File Close, Save,
// Save As, Copy and Print routed to the current child by its class name
// (Routing.h); what outlives single windows: the part clipboard of the
// schematic windows and the interval remembered for result windows.
// Seams for the windows built on it:
// - result windows (viewer/app) reach it as FrameServices through MainFrame;
// - schematic windows come from the maker given to SetSchematicWindows,
//   which receives the part clipboard, and may use MainForm directly
//   (SaveDialog1, SaveSub, InitialDir, SaveAsOf, ProgramFolder);
// - FormCur is the cursor window that ButtCur shows and hides, once it exists.
#include <QPointer>
#include <QPrinter>
#include <cstdint>
#include <functional>
#include <string>

#include "editor/app/SchematicChild.h"
#include "editor/editing/PartClipboard.h"
#include "platform/Dialogs.h"
#include "platform/IniFile.h"
#include "platform/MdiFrame.h"
#include "platform/MessageEndpoint.h"
#include "viewer/app/FrameServices.h"

class QMenu;
class QStatusBar;
class QToolBar;
class QToolButton;
class ResultChild;

class TMainForm : public MdiFrame, public FrameServices {
    Q_OBJECT
public:
    // A new schematic window in normal or subcircuit mode, pasting from the
    // part clipboard.
    using SchematicMaker = std::function<SchematicChild*(bool subcircuit, PartClipboard& clipboard)>;

    // programFolder (ending with '/') holds tervox.ini, Vimlo, help/ and SubCkt.
    explicit TMainForm(std::string programFolder, QWidget* parent = nullptr);
    ~TMainForm() override;

    const std::string& ProgramFolder() const { return programFolder_; }
    // Enables the commands that make schematic windows.
    void SetSchematicWindows(SchematicMaker maker);

    // A posted message: WM_ANALYSIS_DONE reloads or opens its result.
    void Dispatch(std::uint32_t message, const std::string& carried);
    // The result named by the message, or by "LastFile" when it names none.
    void LoadLastResult(const std::string& carriedPath);
    // ".fdt": a new result window; ".sch": a new schematic window; else nothing.
    void OpenFile(const std::string& path) override;
    void UpdateMenuItems();
    // Save As of a child window, also for a schematic's close question.
    void SaveAsOf(MdiChild* child);

    // FrameServices.
    IntervalTexts Remembered() const override;
    void Remember(const IntervalTexts& interval) override;
    bool ZoomDown() const override;
    void SetZoomDown(bool down) override;
    bool CursorDown() const override;
    void SetCursorDown(bool down) override;
    QMdiSubWindow* AddChild(MdiChild* child) override { return MdiFrame::AddChild(child); }

    void NewSchemaClick();
    void FileOpenItemClick();
    void FileCloseItemClick();
    void FileSaveItemClick();
    void FileSaveAsItemClick();
    void NewSubcircuit1Click();
    void OpenSubcircuit1Click();
    void FileExitItemClick();
    void ButtPrintClick();
    void ButtClipBClick();
    void ButtCurClick();
    void WindowCascadeItemClick();
    void WindowTileItemClick();
    void WindowArrangeItemClick();
    void WindowMinimizeItemClick();
    void HelpAboutItemClick();
    void Contents1Click();

    PartClipboard Clipboard;  // the part clipboard of all schematic windows
    std::string InitialDir;
    std::string Freqin;
    std::string Frefin;
    std::string EndTime;
    bool Hz = true;

    FileRequest OpenDialog;
    FileRequest SaveDialog1;
    FileRequest OpenSub;
    FileRequest SaveSub;
    QPrinter PrintD;

    QPointer<QWidget> FormCur;

    QToolBar* SpeedPanel;
    QToolButton* NewSchema;
    QToolButton* OpenBtn;
    QToolButton* SaveBtn;
    QToolButton* ButtSaveAs;
    QToolButton* ButtPrint;
    QToolButton* ButtClipB;
    QToolButton* ButtCur;
    QToolButton* ZoomB;
    QToolButton* SpeedButton1;
    QToolButton* ExitBtn;

    QMenu* File1;
    QAction* FileNewItem;
    QAction* FileOpenItem;
    QAction* FileCloseItem;
    QAction* FileSaveItem;
    QAction* FileSaveAsItem;
    QAction* NewSubcircuit1;
    QAction* OpenSubcircuit1;
    QAction* FileExitItem;
    QMenu* Window1;
    QAction* WindowCascadeItem;
    QAction* WindowTileItem;
    QAction* WindowArrangeItem;
    QAction* WindowMinimizeItem;
    QMenu* Help1;
    QAction* HelpAboutItem;
    QAction* Contents1;
    QStatusBar* StatusBar;

signals:
    // The frame closed: the program ends.
    void Closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildSpeedPanel();
    void BuildMenus();
    void ReadSettings();
    void FormClose();
    // A new schematic window shown in the area; nullptr while there is no
    // maker.
    SchematicChild* NewSchematic(bool subcircuit);
    void OpenResult(const std::string& path);
    void SaveResultAs(ResultChild* window);
    void SaveSchematicAs(SchematicChild* window);
    // The chosen folder becomes InitialDir.
    bool ChooseFile(FileRequest& request, bool save, std::string& path);

    std::string programFolder_;
    IniFile ini_;
    MessageEndpoint endpoint_;
    SchematicMaker newSchematic_;
};

extern TMainForm* MainForm;

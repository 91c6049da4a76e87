#include "editor/app/MainForm.h"

#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include "editor/app/Routing.h"
#include "editor/app/SpeedGlyphs.h"
#include "editor/commands/SaveRequests.h"
#include "formats/Handshake.h"
#include "platform/Application.h"
#include "platform/Help.h"

TMainForm* MainForm = nullptr;

namespace {

FileRequest Request(const char* title, const char* filter, const char* initialDir, const char* defaultExt)
{
    FileRequest request;
    request.title = title;
    request.filter = filter;
    request.initialDir = initialDir;
    request.defaultExt = defaultExt;
    return request;
}

}  // namespace

TMainForm::TMainForm(std::string programFolder, QWidget* parent)
    : MdiFrame(parent),
      OpenDialog(Request("Open", kSchematicFilesFilter, ".", "")),
      SaveDialog1(Request("Save", kSchematicFilesFilter, ".", "")),
      OpenSub(Request("Open SubCircuit", kSubcircuitFilesFilter, "", "xch")),
      SaveSub(Request("Save SubCircuit", kSubcircuitFilesFilter, "", "xch")),
      programFolder_(std::move(programFolder)),
      ini_(programFolder_ + IniFile::kFileName)
{
    setWindowTitle("Tervox");
    setWindowIcon(ProgramIcon());
    setGeometry(screen()->availableGeometry());  // where no window manager maximises
    setWindowState(Qt::WindowMaximized);
    BuildSpeedPanel();
    BuildMenus();
    StatusBar = statusBar();
    SetSchematicWindows(nullptr);
    ReadSettings();
    SetHelpFile(programFolder_ + "help/", this);
    MainForm = this;
    MainFrame = this;
    connect(&endpoint_, &MessageEndpoint::Received, this, Guarded(this, &TMainForm::Dispatch));
    connect(this, &MdiFrame::ActiveChildChanged, this, &TMainForm::UpdateMenuItems);
    UpdateMenuItems();
}

TMainForm::~TMainForm()
{
    MainForm = nullptr;
    MainFrame = nullptr;
}

void TMainForm::BuildSpeedPanel()
{
    SpeedPanel = addToolBar("SpeedPanel");
    SpeedPanel->setMovable(false);
    SpeedPanel->setIconSize(QSize(20, 20));
    auto button = [this](Glyph glyph, const char* hint, void (TMainForm::*command)()) {
        auto* b = new QToolButton(SpeedPanel);
        b->setIcon(GlyphIcon(glyph));
        b->setAutoRaise(true);
        b->setToolTip(hint);
        b->setStatusTip(hint);
        if (command)
            connect(b, &QToolButton::clicked, this, Guarded(this, command));
        SpeedPanel->addWidget(b);
        return b;
    };
    NewSchema = button(Glyph::New, "New", &TMainForm::NewSchemaClick);
    OpenBtn = button(Glyph::Open, "Open", &TMainForm::FileOpenItemClick);
    SaveBtn = button(Glyph::Save, "Save", &TMainForm::FileSaveItemClick);
    ButtSaveAs = button(Glyph::SaveAs, "Save As", &TMainForm::FileSaveAsItemClick);
    SpeedPanel->addSeparator();
    ButtPrint = button(Glyph::Print, "Print", &TMainForm::ButtPrintClick);
    ButtClipB = button(Glyph::Copy, "Copy in ClipBoard", &TMainForm::ButtClipBClick);
    ButtCur = button(Glyph::Cursor, "Cursor", &TMainForm::ButtCurClick);
    ZoomB = button(Glyph::Zoom, "Zoom", nullptr);
    SpeedPanel->addSeparator();
    SpeedButton1 = button(Glyph::Help, "Help", &TMainForm::Contents1Click);
    ExitBtn = button(Glyph::Exit, "Exit", &TMainForm::FileExitItemClick);
    for (QToolButton* b : {SaveBtn, ButtSaveAs, ButtPrint, ButtClipB, ButtCur, ZoomB})
        b->setEnabled(false);
    ButtCur->setCheckable(true);
    ZoomB->setCheckable(true);
}

void TMainForm::BuildMenus()
{
    auto item = [this](QMenu* menu, const char* caption, const char* hint, void (TMainForm::*command)()) {
        QAction* action = menu->addAction(caption, this, Guarded(this, command));
        action->setStatusTip(hint);
        return action;
    };
    File1 = menuBar()->addMenu("&File");
    File1->menuAction()->setStatusTip("File related commands");
    FileNewItem = item(File1, "&New Circuit", "Create a new file", &TMainForm::NewSchemaClick);
    FileOpenItem = item(File1, "&Open", "Open an existing file", &TMainForm::FileOpenItemClick);
    FileCloseItem = item(File1, "&Close", "Close current file", &TMainForm::FileCloseItemClick);
    FileSaveItem = item(File1, "&Save", "Save current file", &TMainForm::FileSaveItemClick);
    FileSaveAsItem = item(File1, "Save &As...", "Save current file as...", &TMainForm::FileSaveAsItemClick);
    File1->addSeparator();
    NewSubcircuit1 = item(File1, "New &Subcircuit", "", &TMainForm::NewSubcircuit1Click);
    OpenSubcircuit1 = item(File1, "Open Subcircuit", "", &TMainForm::OpenSubcircuit1Click);
    File1->addSeparator();
    FileExitItem = item(File1, "E&xit", "Exit the application", &TMainForm::FileExitItemClick);
    FileSaveItem->setEnabled(false);
    FileSaveAsItem->setEnabled(false);

    Window1 = menuBar()->addMenu("&Window");
    Window1->menuAction()->setStatusTip("Window related commands such as Tile and Cascade");
    WindowCascadeItem = item(Window1, "&Cascade", "Arrange windows to overlap", &TMainForm::WindowCascadeItemClick);
    WindowTileItem = item(Window1, "&Tile", "Arrange windows without overlap", &TMainForm::WindowTileItemClick);
    WindowArrangeItem = item(Window1, "&Arrange Icons", "Arrange window icons at bottom of main window",
                             &TMainForm::WindowArrangeItemClick);
    WindowMinimizeItem = item(Window1, "&Minimize All", "Minimize all windows", &TMainForm::WindowMinimizeItemClick);
    SetWindowMenu(Window1);
    SetChildMenuPlace(Window1->menuAction());

    Help1 = menuBar()->addMenu("&Help");
    Help1->menuAction()->setStatusTip("Help topics");
    HelpAboutItem = item(Help1, "&About", "", &TMainForm::HelpAboutItemClick);
    Contents1 = item(Help1, "Contents", "", &TMainForm::Contents1Click);
}

void TMainForm::SetSchematicWindows(SchematicMaker maker)
{
    newSchematic_ = std::move(maker);
    bool made = static_cast<bool>(newSchematic_);
    for (QAction* action : {FileNewItem, NewSubcircuit1, OpenSubcircuit1})
        action->setEnabled(made);
    NewSchema->setEnabled(made);
}

// Defaults of a missing file or key; "Main" names this window's endpoint.
void TMainForm::ReadSettings()
{
    InitialDir = ini_.ReadString(kIniSection, "InitialDir", "");
    Freqin = ini_.ReadString(kIniSection, "Freqin", "0.01");
    Frefin = ini_.ReadString(kIniSection, "Frefin", "100.0");
    EndTime = ini_.ReadString(kIniSection, "EndTime", "1.0");
    Hz = ini_.ReadInteger(kIniSection, "Hz", 1) != 0;
    if (!endpoint_.Listen())
        ShowMessage("Tervox cannot receive the results of the engine!");
    if (!ini_.WriteInteger(kIniSection, kMainKey, MessageEndpoint::Number()))
        ShowMessage("Cannot write " + ini_.Path() + "!");
}

void TMainForm::FormClose()
{
    bool written = ini_.WriteString(kIniSection, "InitialDir", InitialDir) &&
                   ini_.WriteString(kIniSection, "Freqin", Freqin) &&
                   ini_.WriteString(kIniSection, "Frefin", Frefin) &&
                   ini_.WriteString(kIniSection, "EndTime", EndTime) &&
                   ini_.WriteInteger(kIniSection, "Hz", Hz ? 1 : 0);
    if (!written)
        ShowMessage("Cannot write " + ini_.Path() + "!");
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    if (CloseWhenChildrenIdle() || !ChildrenAgreeToClose()) {
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
    emit Closed();
}

void TMainForm::UpdateMenuItems()
{
    if (MdiChild* child = ActiveChild()) {
        MenuEnabling enabling = EnablingOf(KindOf(child));
        for (QAction* action : {FileCloseItem, FileSaveItem, FileSaveAsItem})
            action->setEnabled(enabling.fileItems);
        for (QToolButton* button : {SaveBtn, ButtSaveAs})
            button->setEnabled(enabling.saveButtons);
        for (QToolButton* button : {ButtClipB, ButtPrint})
            button->setEnabled(enabling.copyPrint);
        for (QToolButton* button : {ZoomB, ButtCur})
            button->setEnabled(enabling.zoomCursor);
    }
    bool children = !Children().empty();
    for (QAction* action : {WindowCascadeItem, WindowTileItem, WindowArrangeItem, WindowMinimizeItem})
        action->setEnabled(children);
}

void TMainForm::Dispatch(std::uint32_t message, const std::string& carried)
{
    if (message == WM_ANALYSIS_DONE)
        LoadLastResult(carried);
}

IntervalTexts TMainForm::Remembered() const
{
    return {Freqin, Frefin, EndTime, Hz};
}

void TMainForm::Remember(const IntervalTexts& interval)
{
    Freqin = interval.start;
    Frefin = interval.end;
    EndTime = interval.endTime;
    Hz = interval.hz;
}

bool TMainForm::ZoomDown() const
{
    return ZoomB->isChecked();
}

void TMainForm::SetZoomDown(bool down)
{
    ZoomB->setChecked(down);
}

bool TMainForm::CursorDown() const
{
    return ButtCur->isChecked();
}

void TMainForm::SetCursorDown(bool down)
{
    ButtCur->setChecked(down);
}

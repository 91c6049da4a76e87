// The main window's commands: File, Window and Help, the speed bar, and the
// routing of Close, Save, Save As, Copy and Print by the current child's class.
#include <QToolButton>

#include "editor/app/AboutBox.h"
#include "editor/app/MainForm.h"
#include "editor/app/Routing.h"
#include "formats/Paths.h"
#include "platform/Help.h"
#include "viewer/app/ResultChild.h"
#include "viewer/app/ValueListChild.h"
#include "viewer/model/FDT.h"

bool TMainForm::ChooseFile(FileRequest& request, bool save, std::string& path)
{
    request.initialDir = InitialDir;
    bool chosen = save ? Dialogs().SaveFileName(request, path) : Dialogs().OpenFileName(request, path);
    if (chosen)
        InitialDir = ExtractFilePath(path);
    return chosen;
}

SchematicChild* TMainForm::NewSchematic(bool subcircuit)
{
    if (!newSchematic_)
        return nullptr;
    SchematicChild* window = newSchematic_(subcircuit, Clipboard);
    AddChild(window);
    return window;
}

void TMainForm::NewSchemaClick()
{
    NewSchematic(false);
}

void TMainForm::NewSubcircuit1Click()
{
    NewSchematic(true);
}

void TMainForm::OpenSubcircuit1Click()
{
    OpenSub.initialDir = programFolder_ + "SubCkt";
    std::string path;
    if (!Dialogs().OpenFileName(OpenSub, path))
        return;
    if (SchematicChild* window = NewSchematic(true))
        window->LoadSchema(path);
}

void TMainForm::FileOpenItemClick()
{
    std::string path;
    if (ChooseFile(OpenDialog, false, path))
        OpenFile(path);
}

void TMainForm::FileCloseItemClick()
{
    MdiChild* child = ActiveChild();
    if (child && (KindOf(child) == ChildKind::Result || KindOf(child) == ChildKind::Schematic))
        child->CloseWindow();
}

void TMainForm::FileSaveItemClick()
{
    MdiChild* child = ActiveChild();
    if (!child)
        return;
    if (KindOf(child) == ChildKind::Result) {
        if (child->Busy())
            return;
        FDT* model = dynamic_cast<ResultChild&>(*child).Model();
        std::string error;
        if (model && !model->SaveParFile("", error))
            ShowMessage(error);
    } else if (KindOf(child) == ChildKind::Schematic) {
        auto& window = dynamic_cast<SchematicChild&>(*child);
        if (window.IsSubcircuit())
            window.Saveassubc1Click();
        else if (window.FileName().empty())
            SaveSchematicAs(&window);
        else
            window.SaveSchema();
    }
}

void TMainForm::FileSaveAsItemClick()
{
    if (MdiChild* child = ActiveChild())
        SaveAsOf(child);
}

void TMainForm::SaveAsOf(MdiChild* child)
{
    if (KindOf(child) == ChildKind::Result) {
        if (!child->Busy())
            SaveResultAs(&dynamic_cast<ResultChild&>(*child));
    } else if (KindOf(child) == ChildKind::Schematic) {
        auto& window = dynamic_cast<SchematicChild&>(*child);
        if (window.IsSubcircuit())
            window.SaveSubcircuitAs();
        else
            SaveSchematicAs(&window);
    }
}

void TMainForm::SaveSchematicAs(SchematicChild* window)
{
    SaveDialog1.filterIndex = 1;
    SaveDialog1.defaultExt = "sch";
    SaveDialog1.fileName = window->FileName();
    std::string path;
    if (ChooseFile(SaveDialog1, true, path))
        window->SaveSchemaAs(path);
}

void TMainForm::ButtClipBClick()
{
    MdiChild* child = ActiveChild();
    if (!child)
        return;
    switch (KindOf(child)) {
    case ChildKind::Result: dynamic_cast<ResultChild&>(*child).CopyToClipboard(); break;
    case ChildKind::Schematic: dynamic_cast<SchematicChild&>(*child).CopyPicture(); break;
    case ChildKind::ValueList: dynamic_cast<ValueListChild&>(*child).CopyToClipboard(); break;
    case ChildKind::Other: break;
    }
}

void TMainForm::ButtPrintClick()
{
    MdiChild* child = ActiveChild();
    if (!child || KindOf(child) == ChildKind::Other || !Dialogs().ChoosePrinter(PrintD))
        return;
    switch (KindOf(child)) {
    case ChildKind::Result: dynamic_cast<ResultChild&>(*child).PrintView(PrintD); break;
    case ChildKind::Schematic: dynamic_cast<SchematicChild&>(*child).PrintSchema(PrintD); break;
    case ChildKind::ValueList: dynamic_cast<ValueListChild&>(*child).PrintGrid(PrintD); break;
    case ChildKind::Other: break;
    }
}

void TMainForm::ButtCurClick()
{
    if (FormCur)
        FormCur->setVisible(ButtCur->isChecked());
}

void TMainForm::FileExitItemClick()
{
    close();
}

void TMainForm::WindowCascadeItemClick()
{
    CascadeChildren();
}

void TMainForm::WindowTileItemClick()
{
    TileChildren();
}

void TMainForm::WindowArrangeItemClick()
{
    ArrangeIcons();
}

void TMainForm::WindowMinimizeItemClick()
{
    MinimizeAll();
}

void TMainForm::HelpAboutItemClick()
{
    if (AboutBox)
        AboutBox->show();
}

void TMainForm::Contents1Click()
{
    ShowHelp(kHelpContents);
}

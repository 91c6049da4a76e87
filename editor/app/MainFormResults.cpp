// The main window and its result windows: opening files, the completion
// message's reload, and Save As of a result.
#include "editor/app/MainForm.h"
#include "editor/app/Routing.h"
#include "formats/Handshake.h"
#include "formats/Paths.h"
#include "viewer/app/ChildWin.h"
#include "viewer/model/FDT.h"

#include <cctype>

void TMainForm::LoadLastResult(const std::string& carriedPath)
{
    std::string path = carriedPath.empty() ? ini_.ReadString(kIniSection, kLastFileKey, "") : carriedPath;
    std::string name = ExtractFileName(path);
    for (MdiChild* child : Children()) {
        auto* window = dynamic_cast<ResultChild*>(child);
        if (KindOf(child) != ChildKind::Result || !window || window->CaptionBase() != name)
            continue;
        window->WhenIdle([this, window, path] {
            if (window->Closed()) {  // closed while it was busy
                OpenResult(path);
                return;
            }
            window->OpenFdt(path);
            Activate(window);
        });
        return;
    }
    OpenResult(path);
}

void TMainForm::OpenFile(const std::string& path)
{
    std::string extension = ExtractFileExt(path);
    for (char& c : extension)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (extension == ".fdt") {
        OpenResult(path);
    } else if (extension == ".sch") {
        if (SchematicChild* window = NewSchematic(false))
            window->LoadSchema(path);
    }
}

void TMainForm::OpenResult(const std::string& path)
{
    auto* window = new TMDIChild;
    AddChild(window);
    window->OpenFdt(path);
}

// The pair under the chosen name: a question before other files are replaced.
void TMainForm::SaveResultAs(ResultChild* window)
{
    FDT* model = window->Model();
    if (!model)
        return;
    SaveDialog1.filterIndex = 2;
    SaveDialog1.defaultExt = "fdt";
    SaveDialog1.fileName = model->parPath;
    std::string path;
    if (!ChooseFile(SaveDialog1, true, path))
        return;
    if (model->SaveAsReplaces(path) &&
        MessageDlg(ChangeFileExt(path, ".fdt") + "\r\nalready exists. Replace it?", MsgIcon::Warning,
                   MsgButtons::YesNo) != MsgResult::Yes)
        return;
    std::string error;
    if (!model->SavePairAs(path, error)) {
        ShowMessage(error);
        return;
    }
    window->SavedAs(model->fdtPath);
}

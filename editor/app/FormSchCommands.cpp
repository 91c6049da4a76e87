// The schematic window's commands: node numbering, the analyses, the
// subcircuit save and the SPICE netlist. The core decides; the window asks
// for names in the frame's save dialogs, shows messages and starts programs.
#include <QStatusBar>

#include "editor/app/ElementDialogWindows.h"
#include "editor/app/FormApprox.h"
#include "editor/app/FormSch.h"
#include "editor/app/FormSpice.h"
#include "editor/app/MainForm.h"
#include "editor/commands/AnalysisCommands.h"
#include "editor/commands/NetlistCommand.h"
#include "editor/commands/SaveRequests.h"
#include "editor/commands/SubcircuitSave.h"
#include "formats/Paths.h"
#include "platform/CanvasView.h"
#include "platform/Dialogs.h"
#include "platform/PathText.h"
#include "platform/StartProgram.h"

void TFormSch::ChkNodiClick()
{
    editor_->CheckNodes();
    Refresh();
}

void TFormSch::ButtAnalisiClick()
{
    Run(CompleteAnalysis);
}

void TFormSch::ButtApproxClick()
{
    std::string appLine;
    if (!forms_.FormApprox.Execute(appLine))
        return;
    Run([appLine](Schematic& schematic, const CommandContext& context) {
        return ApproximateAnalysis(schematic, appLine, context);
    });
}

void TFormSch::Saveassubc1Click()
{
    Run(SaveAsSubcircuit);
}

void TFormSch::SaveSubcircuitAs()
{
    Run(SaveAsSubcircuit, true);
}

void TFormSch::CreateNetlist1Click()
{
    Run(CreateNetlist);
}

CommandContext TFormSch::Context() const
{
    CommandContext context;
    context.Canvas = &PBox->Canvas();
    context.ProgramFolder = programFolder_;
    context.InitialDir = MainForm ? MainForm->InitialDir : "";
    return context;
}

void TFormSch::Run(const Command& command, bool askFirst)
{
    CommandContext context = Context();
    CommandOutcome outcome;
    if (askFirst)
        outcome = CommandOutcome::AskFor(SubcircuitNameRequest(programFolder_));
    else
        outcome = command(Document(), context);
    if (outcome.Step == CommandOutcome::Next::AskName) {
        if (!AskName(outcome.NameRequest, context.ChosenName)) {
            Refresh();
            return;
        }
        outcome = command(Document(), context);
    }
    // Node numbering has made labels: the surface shows them once.
    editor_->Repaint();
    Refresh();
    Follow(outcome);
}

// The frame's "Save" dialog for a schematic, its "Save SubCircuit" dialog
// for a subcircuit, prepared as the command asks.
bool TFormSch::AskName(const FileRequest& request, std::string& path)
{
    if (!MainForm)
        return Dialogs().SaveFileName(request, path);
    bool subcircuit = request.defaultExt == "xch";
    FileRequest& dialog = subcircuit ? MainForm->SaveSub : MainForm->SaveDialog1;
    dialog.initialDir = request.initialDir;
    dialog.filterIndex = request.filterIndex;
    dialog.defaultExt = request.defaultExt;
    dialog.fileName = request.fileName;
    if (!Dialogs().SaveFileName(dialog, path))
        return false;
    if (!subcircuit)
        MainForm->InitialDir = ExtractFilePath(path);
    return true;
}

void TFormSch::Follow(const CommandOutcome& outcome)
{
    switch (outcome.Step) {
    case CommandOutcome::Next::ShowMessage: ShowMessage(outcome.Message); break;
    case CommandOutcome::Next::StartProgram:
        if (!StartProgram(outcome.Program.Program, outcome.Program.Arguments))
            ShowMessage(StartFailureText(outcome.Program));
        else if (!outcome.Status.empty() && MainForm)
            MainForm->StatusBar->showMessage(DisplayText(outcome.Status));
        break;
    case CommandOutcome::Next::OpenSpiceWindow: OpenSpiceWindow(this, outcome.Path); break;
    case CommandOutcome::Next::AskName:
    case CommandOutcome::Next::Nothing: break;
    }
}

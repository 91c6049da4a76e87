#pragma once
// The commands of a schematic window decide everything but the window's own
// acts: each returns what is left to the window (ask for a name, show a
// message, start a program, open a SPICE window).
#include "editor/analysis/ProgramCommand.h"
#include "editor/elements/Schematic.h"
#include "platform/Dialogs.h"

#include <string>

// What a command needs from its window and the shell.
struct CommandContext {
    TCanvas* Canvas = nullptr;  // node labels are made on it
    std::string ProgramFolder;  // the running program's folder, ending with '/'
    std::string InitialDir;     // where the shell's save dialog starts
    std::string ChosenName;     // the path the user chose after an AskName outcome
};

struct CommandOutcome {
    enum class Next { Nothing, AskName, ShowMessage, StartProgram, OpenSpiceWindow };

    static CommandOutcome AskFor(const FileRequest& request);
    static CommandOutcome Show(const std::string& message);
    static CommandOutcome Start(const ProgramCommand& program, const std::string& status);
    static CommandOutcome OpenSpice(const std::string& netlist);

    Next Step = Next::Nothing;
    // AskName: run this save dialog; on OK run the same command again with the
    // chosen path as ChosenName; on Cancel the command ends.
    FileRequest NameRequest;
    std::string Message;     // ShowMessage
    ProgramCommand Program;  // StartProgram; when it fails, show StartFailureText(Program)
    std::string Status;      // StartProgram: shown once the program started, when not empty
    std::string Path;        // OpenSpiceWindow: the netlist the window loads
};

// The naming step that starts a command: a chosen name saves the schematic
// under it first; an unnamed schematic asks for a name with the request. False
// with the outcome when the command ends here.
bool NameStep(Schematic& schematic, const CommandContext& context, const FileRequest& request,
              CommandOutcome& outcome);

#include "editor/commands/CommandOutcome.h"

#include "editor/files/SchematicFile.h"

// Fields in order: step, name request, message, program, status, path.
CommandOutcome CommandOutcome::AskFor(const FileRequest& request) { return {Next::AskName, request, "", {}, "", ""}; }

CommandOutcome CommandOutcome::Show(const std::string& message) { return {Next::ShowMessage, {}, message, {}, "", ""}; }

CommandOutcome CommandOutcome::Start(const ProgramCommand& program, const std::string& status)
{
    return {Next::StartProgram, {}, "", program, status, ""};
}

CommandOutcome CommandOutcome::OpenSpice(const std::string& netlist)
{
    return {Next::OpenSpiceWindow, {}, "", {}, "", netlist};
}

bool NameStep(Schematic& schematic, const CommandContext& context, const FileRequest& request,
              CommandOutcome& outcome)
{
    std::string error;
    if (!context.ChosenName.empty()) {
        if (SaveSchemaAs(schematic, context.ChosenName, error))
            return true;
        outcome = CommandOutcome::Show(error);
        return false;
    }
    if (!schematic.FileName.empty())
        return true;
    outcome = CommandOutcome::AskFor(request);
    return false;
}

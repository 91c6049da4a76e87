#include "editor/commands/NetlistCommand.h"

#include "editor/circuit/PartChecks.h"
#include "editor/commands/SaveRequests.h"
#include "editor/commands/SubcircuitSave.h"
#include "editor/files/SubcircuitFiles.h"
#include "editor/spice/SpiceNetlist.h"

CommandOutcome CreateNetlist(Schematic& schematic, const CommandContext& context)
{
    if (schematic.IsSubcircuit)
        return SaveAsSubcircuit(schematic, context);
    CommandOutcome outcome;
    if (!NameStep(schematic, context, SchematicNameRequest(context.InitialDir), outcome))
        return outcome;
    const std::string folder = SubcktFolder(context.ProgramFolder);
    std::string error;
    SpiceExport result;
    if (!CheckParts(schematic, folder, error) ||
        !ExportSpiceNetlist(schematic, context.Canvas, folder, result, error))
        return CommandOutcome::Show(error);
    if (!result.HasGround)
        return CommandOutcome::Show("Ground node missing!");
    return CommandOutcome::OpenSpice(result.Path);
}

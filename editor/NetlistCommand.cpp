#include "editor/NetlistCommand.h"

#include "editor/PartChecks.h"
#include "editor/SaveRequests.h"
#include "editor/SpiceNetlist.h"
#include "editor/SubcircuitFiles.h"
#include "editor/SubcircuitSave.h"

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

#include "editor/commands/SubcircuitSave.h"

#include "editor/circuit/PartChecks.h"
#include "editor/commands/SaveRequests.h"
#include "editor/files/SchematicFile.h"
#include "editor/files/SubcircuitFiles.h"
#include "editor/subcircuits/SubcircuitList.h"
#include "editor/subcircuits/SubcktLayout.h"

#include <filesystem>
#include <system_error>

CommandOutcome SaveAsSubcircuit(Schematic& subcircuit, const CommandContext& context)
{
    std::string error;
    // A name that the subcircuit file cannot take is refused before any file is written.
    if (!context.ChosenName.empty() && !CheckSubcircuitName(SubcircuitName(context.ChosenName), error))
        return CommandOutcome::Show(error);
    const std::string folder = SubcktFolder(context.ProgramFolder);
    std::error_code failed;
    std::filesystem::create_directories(folder, failed);
    if (failed)
        return CommandOutcome::Show("Cannot create folder \"" + folder + "\"");
    CommandOutcome outcome;
    const bool savedUnderChosenName = !context.ChosenName.empty();
    if (!NameStep(subcircuit, context, SubcircuitNameRequest(context.ProgramFolder), outcome))
        return outcome;
    if ((!savedUnderChosenName && !SaveSchema(subcircuit, error)) || !CheckParts(subcircuit, folder, error) ||
        !SaveSubcircuit(subcircuit, context.Canvas, folder, error))
        return CommandOutcome::Show(error);
    return {};
}

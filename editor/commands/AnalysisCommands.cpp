#include "editor/commands/AnalysisCommands.h"

#include "editor/analysis/EngineCommand.h"
#include "editor/circuit/CircuitWriter.h"
#include "editor/circuit/PartChecks.h"
#include "editor/commands/SaveRequests.h"
#include "editor/files/SubcircuitFiles.h"

namespace {

CommandOutcome AnalyseNamed(Schematic& schematic, const CommandContext& context)
{
    const std::string subcktFolder = SubcktFolder(context.ProgramFolder);
    std::string path, message;
    if (!CheckParts(schematic, subcktFolder, message)) {
        schematic.AppLine.clear();
        return CommandOutcome::Show(message);
    }
    if (!WriteCircuitFile(schematic, context.Canvas, subcktFolder, path, message))
        return CommandOutcome::Show(message);
    return CommandOutcome::Start(EngineCommand(context.ProgramFolder, path), "");
}

}  // namespace

CommandOutcome CompleteAnalysis(Schematic& schematic, const CommandContext& context)
{
    CommandOutcome outcome;
    if (!NameStep(schematic, context, SchematicNameRequest(context.InitialDir), outcome))
        return outcome;
    return AnalyseNamed(schematic, context);
}

CommandOutcome ApproximateAnalysis(Schematic& schematic, const std::string& appLine, const CommandContext& context)
{
    CommandOutcome outcome;
    if (!NameStep(schematic, context, SchematicNameRequest(context.InitialDir), outcome))
        return outcome;
    schematic.AppLine = appLine;
    return AnalyseNamed(schematic, context);
}

#include "editor/commands/SaveRequests.h"

#include "editor/files/SubcircuitFiles.h"

FileRequest SchematicNameRequest(const std::string& initialDir)
{
    return {"Save", initialDir, kSchematicFilesFilter, "sch", ""};
}

FileRequest SubcircuitNameRequest(const std::string& programFolder)
{
    return {"Save SubCircuit", SubcktFolder(programFolder), kSubcircuitFilesFilter, "xch", ""};
}

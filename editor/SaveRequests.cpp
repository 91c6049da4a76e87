#include "editor/SaveRequests.h"

#include "editor/SubcircuitFiles.h"

FileRequest SchematicNameRequest(const std::string& initialDir)
{
    return {"Save", initialDir, "Files *.sch|*.sch|Files *.fdt|*.fdt", "sch", ""};
}

FileRequest SubcircuitNameRequest(const std::string& programFolder)
{
    return {"Save SubCircuit", SubcktFolder(programFolder), "SubCircuit Files|*.xch", "xch", ""};
}

#include "editor/files/SubcircuitFiles.h"

#include "editor/circuit/PartLines.h"
#include "editor/numbering/NodeNumbering.h"
#include "editor/spice/SpiceNetlist.h"
#include "editor/subcircuits/SubcircuitList.h"
#include "editor/subcircuits/SubcktLayout.h"
#include "formats/Paths.h"
#include "formats/SideNames.h"
#include "formats/TextFile.h"

namespace {

bool Write(const std::string& path, const std::vector<std::string>& lines, std::string& error)
{
    if (WriteTextLines(path, lines))
        return true;
    error = CannotCreateText(path);
    return false;
}

}  // namespace

std::string SubcktFolder(const std::string& programFolder) { return programFolder + "SubCkt/"; }

bool SubcircuitElementLines(const Schematic& subcircuit, const std::string& subcktFolder,
                            std::vector<std::string>& lines, std::string& error)
{
    int counter = 1;
    for (const auto& part : subcircuit.Parts) {
        if (part->Kind == 'g' || part->Kind == 'v' || part->TermCount <= 0)
            continue;
        if (part->Kind == 'i') {  // it would become a current source in every instance
            error = "No current outputs in subcircuits!";
            return false;
        }
        if (!PartLines(*part, counter, subcktFolder, lines, error))
            return false;
        if (part->Kind == 'V' || part->Kind == 'I') {
            error = "No independent sources in subcircuits!";
            return false;
        }
    }
    return true;
}

bool SaveSubcircuit(Schematic& subcircuit, TCanvas* canvas, const std::string& subcktFolder,
                    std::string& error)
{
    if (subcircuit.FileName.empty()) {
        error = "Save the schematic first!";
        return false;
    }
    if (!CheckSubcircuitName(SubcircuitName(subcircuit), error))
        return false;
    NumberNodes(subcircuit, canvas);
    int ports = PortCount(subcircuit);
    if (ports > 4) {
        error = "No more than 4 terminals are allowed for SubCircuits !";
        return false;
    }
    std::vector<std::string> sbc{SymbolLine(subcircuit)};
    if (!SubcircuitElementLines(subcircuit, subcktFolder, sbc, error) ||
        !Write(subcktFolder + SubcircuitName(subcircuit) + ".sbc", sbc, error))
        return false;
    // The subcircuit is saved; its SPICE text fails on its own, the old one kept.
    SpiceExport sp;
    if (ExportSpiceNetlist(subcircuit, canvas, subcktFolder, sp, error))
        return true;
    error += "\r\nThe subcircuit was saved; its SPICE text \"" + ChangeFileExt(subcircuit.FileName, ".sp") +
             "\" was not written.";
    return false;
}

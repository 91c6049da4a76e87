#include "editor/circuit/CircuitWriter.h"

#include "editor/circuit/CircuitFields.h"
#include "editor/circuit/PartLines.h"
#include "editor/numbering/NodeNumbering.h"
#include "formats/Paths.h"
#include "formats/SideNames.h"
#include "formats/TextFile.h"

namespace {

struct Seen {
    bool output = false;
    bool ground = false;
    bool source = false;
};

// The output directive of a v or i part; false with the message of its check.
bool OutputLine(const GCompo& part, Seen& seen, std::vector<std::string>& lines, std::string& message)
{
    if (seen.output) {
        message = "Only one output is allowed!";
        return false;
    }
    seen.output = true;
    if (part.Kind == 'i') {
        lines.push_back(".IOUT" + NodeField(part, 0) + NodeField(part, 1));
        return true;
    }
    if (NodeField(part, 0) == " 0") {
        message = "Output node is connected to ground!";
        return false;
    }
    lines.push_back(".OUT" + NodeField(part, 0));
    return true;
}

bool PartsLines(const Schematic& schematic, const std::string& subcktFolder, Seen& seen,
                std::vector<std::string>& lines, std::string& message)
{
    int counter = 1;
    for (const auto& part : schematic.Parts) {
        char kind = part->Kind;
        if (kind == 'g')
            seen.ground = true;
        if (kind == 'g' || part->TermCount <= 0)
            continue;
        if (kind == 'v' || kind == 'i') {
            if (!OutputLine(*part, seen, lines, message))
                return false;
            continue;
        }
        if (kind == 'V' || kind == 'I')
            seen.source = true;
        if (!PartLines(*part, counter, subcktFolder, lines, message))
            return false;
    }
    return true;
}

}  // namespace

std::string CircuitPath(const std::string& schematicPath) { return ChangeFileExt(schematicPath, ".crc"); }

bool BuildCircuitLines(Schematic& schematic, TCanvas* canvas, const std::string& subcktFolder,
                       std::vector<std::string>& lines, std::string& message)
{
    lines.assign(1, schematic.FileName);
    if (!schematic.AppLine.empty())
        lines.push_back(schematic.AppLine);
    schematic.AppLine.clear();
    NumberNodes(schematic, canvas);
    if (schematic.NodeCount <= 2) {
        message = "Trivial Circuit! Less than 3 nodes!";
        return false;
    }
    Seen seen;
    if (!PartsLines(schematic, subcktFolder, seen, lines, message))
        return false;
    if (!seen.ground)
        message = "Ground node missing!";
    else if (!seen.source)
        message = "Independent source missing!";
    else if (!seen.output)
        message = "Output node missing!";
    else {
        lines.push_back(".END");
        return true;
    }
    return false;
}

bool WriteCircuitFile(Schematic& schematic, TCanvas* canvas, const std::string& subcktFolder,
                      std::string& circuitPath, std::string& message)
{
    circuitPath = CircuitPath(schematic.FileName);
    std::vector<std::string> lines;
    if (!BuildCircuitLines(schematic, canvas, subcktFolder, lines, message))
        return false;
    if (schematic.FileName.empty() || !WriteTextLines(circuitPath, lines)) {
        message = CannotCreateText(circuitPath);
        return false;
    }
    return true;
}

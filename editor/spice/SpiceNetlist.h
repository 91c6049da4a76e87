#pragma once
// The SPICE netlist of a schematic: an AC small-signal deck "<schematic>.cir"
// with the definitions of the subcircuits it uses, or, for a subcircuit
// schematic, its definition "<subcircuit>.sp" beside the schematic.
#include "editor/elements/Schematic.h"

#include <string>
#include <vector>

// The element and model lines of numbered parts; the names of the subcircuits
// used are added to subcircuits once each, in order of first use. An instance
// whose subcircuit's SPICE text <subcktFolder><name>.sp defines more ports
// than it has terminals calls it with a node of its own, above the schematic's
// nets, for each port more (a text that cannot be read: its terminals alone).
// False with a message when a number to write is not finite (a conductance of
// 0, a coupling with L1 x L2 not above 0).
bool SpiceElementLines(const Schematic& schematic, const std::string& subcktFolder, std::vector<std::string>& lines,
                       std::vector<std::string>& subcircuits, std::string& error);

// The whole netlist of a numbered schematic. A subcircuit gives its header,
// its lines and ".ENDS". A schematic gives its path as title, its lines, the
// texts <subcktFolder><name>.sp of the subcircuits it uses (also those used
// inside them), each between empty lines, and the analysis lines. False with a
// message when a subcircuit text cannot be read.
bool SpiceNetlistLines(const Schematic& schematic, const std::string& subcktFolder,
                       std::vector<std::string>& lines, std::string& error);

struct SpiceExport {
    std::string Path;        // the file written
    bool HasGround = false;  // a ground part was found
};

// Numbers the nodes and writes the netlist of a named schematic, replacing the
// old file only when the whole new one is written. A subcircuit first takes its
// header from its name and ports. False with a message, nothing written (an
// unnamed schematic is refused: the window saves it first).
bool ExportSpiceNetlist(Schematic& schematic, TCanvas* canvas, const std::string& subcktFolder,
                        SpiceExport& result, std::string& error);

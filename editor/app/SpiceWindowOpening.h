#pragma once
// "Spice Netlist" of a schematic window ends here, with the netlist written.
#include <string>

class QWidget;

// Opens the SPICE window on the netlist, owned by the schematic window.
void OpenSpiceWindow(const std::string& netlist, QWidget* owner);

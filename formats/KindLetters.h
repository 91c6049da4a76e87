#pragma once
// Element kind letters, the same in the schematic, the circuit file and both programs.

namespace Kind {
constexpr char Resistor = 'R';
constexpr char Conductance = 'G';
constexpr char Capacitor = 'C';
constexpr char Inductor = 'L';
constexpr char VoltageSource = 'V';
constexpr char CurrentSource = 'I';
constexpr char Vcvs = 'E';          // voltage-controlled voltage source
constexpr char Cccs = 'F';          // current-controlled current source
constexpr char Vccs = 'H';          // voltage-controlled current source
constexpr char Ccvs = 'Y';          // current-controlled voltage source
constexpr char OpAmp = 'O';         // ideal operational amplifier (nullor)
constexpr char Mutual = 'K';        // one coupling branch of a mutual inductance
constexpr char Transformer = 'N';   // ideal transformer in the circuit file
// Schematic-only kinds.
constexpr char SchTransformer = 'n';
constexpr char BjtHybrid = 'Q';
constexpr char BjtGiacoletto = 'q';
constexpr char Mosfet = 'M';
constexpr char Subcircuit = 'X';
constexpr char Wire = 'W';
constexpr char Text = 'T';
constexpr char Ground = 'g';
constexpr char VoltageOutput = 'v';
constexpr char CurrentOutput = 'i';
constexpr char NodeLabel = 't';

// The letters that start an element line of a circuit file (upper case).
constexpr bool IsCircuitElement(char upper)
{
    switch (upper) {
    case 'C': case 'G': case 'L': case 'R': case 'E': case 'F': case 'H':
    case 'I': case 'K': case 'N': case 'O': case 'V': case 'Y':
        return true;
    default:
        return false;
    }
}
}  // namespace Kind

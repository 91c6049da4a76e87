#pragma once
// Small circuits drawn on the grid, shared by the tests of the writers and
// the commands.
#include "CircuitBoard.h"
#include "editor/circuit/CircuitWriter.h"
#include "tests/support/TempFolder.h"

#include <complex>
#include <string>
#include <vector>

struct RcOptions {
    bool ground = true;
    bool source = true;
    const char* outputs = "v";    // output markers on the capacitor's top, in this order
    bool outputOnGround = false;  // then a voltage output on the ground under V1
};

// V1 (or R0 without source) from node a to ground, R1 from a to b, C1 from b to ground.
inline void DrawRc(CircuitBoard& board, RcOptions o)
{
    GCompo& v1 = board.Place(o.source ? 'V' : 'R', o.source ? "V1" : "R0", {100, 100});
    if (o.ground)
        board.Place('g', "", CircuitBoard::Terminal(v1, 1));
    GCompo& r1 = board.Place('R', "R1", {100, 100}, 0, 1, 0);
    r1.Value = 1000;
    GCompo& c1 = board.Place('C', "C1", CircuitBoard::Terminal(r1, 1));
    c1.Value = 1e-6;
    if (o.ground)
        board.Place('g', "", CircuitBoard::Terminal(c1, 1));
    for (const char* k = o.outputs; *k; ++k)
        board.Place(*k, "", CircuitBoard::Terminal(c1, 0));
    if (o.outputOnGround)
        board.Place('v', "", CircuitBoard::Terminal(v1, 1));
}

struct RcBoard : CircuitBoard {
    explicit RcBoard(RcOptions o = {}) { DrawRc(*this, o); }
    std::vector<std::string> Build(std::string& message)
    {
        std::vector<std::string> lines;
        message.clear();
        ok = BuildCircuitLines(schematic, &canvas, "", lines, message);
        return lines;
    }
    std::string Node(int part, int terminal) const
    {
        return std::to_string(schematic.Parts[static_cast<std::size_t>(part)]->Node[terminal]);
    }
    bool ok = false;
};

// A circuit that fails one check of the circuit file.
struct CheckCase {
    const char* name;
    RcOptions options;
    bool onlyTwoNodes;  // instead: V1 with its output on the one other node
    const char* message;
};

inline void DrawCheckCase(CircuitBoard& board, const CheckCase& c)
{
    if (!c.onlyTwoNodes)
        return DrawRc(board, c.options);
    GCompo& v1 = board.Place('V', "V1", {100, 100});
    board.Place('g', "", CircuitBoard::Terminal(v1, 1));
    board.Place('v', "", CircuitBoard::Terminal(v1, 0));
}

// Each check, with cases where a later check would fail too.
inline const CheckCase kChecks[] = {
    {"TwoNodes", {}, true, "Trivial Circuit! Less than 3 nodes!"},
    {"TwoOutputsBeforeMissingGround", {false, false, "vi"}, false, "Only one output is allowed!"},
    {"TwoVoltageOutputs", {true, true, "vv"}, false, "Only one output is allowed!"},
    {"OutputOnGround", {true, true, "", true}, false, "Output node is connected to ground!"},
    {"NoGroundBeforeNoSource", {false, false, "v"}, false, "Ground node missing!"},
    {"NoSourceBeforeNoOutput", {true, false, ""}, false, "Independent source missing!"},
    {"NoOutput", {true, true, ""}, false, "Output node missing!"},
};

inline std::string CheckName(const ::testing::TestParamInfo<CheckCase>& p) { return p.param.name; }

// V1 - R1 - a, C1 a to ground, R2 a - b, C2 b to ground, R3 b - c, C3 c to ground; output c.
struct LadderBoard : CircuitBoard {
    LadderBoard()
    {
        GCompo& v1 = Place('V', "V1", {100, 100});
        Place('g', "", Terminal(v1, 1));
        Pt at = Terminal(v1, 0);
        const double r[] = {1000, 2200, 4700}, c[] = {1e-6, 2.2e-7, 4.7e-8};
        for (int k = 0; k < 3; ++k) {
            GCompo& rk = Place('R', "R" + std::to_string(k + 1), at, 0, 1, 0);
            rk.Value = r[k];
            at = Terminal(rk, 1);
            GCompo& ck = Place('C', "C" + std::to_string(k + 1), at, 0, 0, 1);
            ck.Value = c[k];
            Place('g', "", Terminal(ck, 1));
        }
        Place('v', "", at);
    }
};

// Two instances X1 and X2 of the subcircuit "tee" in a chain from V1 to a load
// RL with the output; placed while tee had two ports (left and right), then
// its files are saved again with a third port, the node of a T section:
// R1 from port 1 to port 3, R2 from port 3 to port 2, C1 from port 3 to ground.
struct GrownTeeBoard : CircuitBoard {
    static constexpr double R1 = 1000, R2 = 2000, C1 = 1e-6, RL = 1000;

    explicit GrownTeeBoard(const std::string& subckt)
    {
        WriteBytes(subckt + "tee.sbc", "4 4 L2 R2 \r\nR1 1 2 100 0\r\n");
        GCompo& x1 = PlaceInstance("tee", subckt, "X1", {300, 200});
        GCompo& x2 = PlaceInstance("tee", subckt, "X2", Terminal(x1, 1));
        GCompo& v1 = Place('V', "V1", Terminal(x1, 0), 0, 0, 1);
        Place('g', "", Terminal(v1, 1));
        GCompo& rl = Place('R', "RL", Terminal(x2, 1), 0, 0, 1);
        rl.Value = RL;
        Place('g', "", Terminal(rl, 1));
        Place('v', "", Terminal(x2, 1));
        WriteBytes(subckt + "tee.sbc", "4 6 L1 L3 R3 \r\nR1 1 3 1000 1\r\nR2 3 2 2000 1\r\nC1 3 0 1e-6 1\r\n");
        WriteBytes(subckt + "tee.sp", ".SUBCKT tee 1 2 3\r\nR1 1 3 1000\r\nR2 3 2 2000\r\nC1 3 0 1e-06\r\n.ENDS\r\n");
    }

    // Vout / V1 by hand: each section's share of its input, loaded by what follows it.
    static std::complex<double> Gain(std::complex<double> s)
    {
        const std::complex<double> zc = 1.0 / (s * C1);
        auto section = [&](std::complex<double> load, std::complex<double>& input) {
            std::complex<double> shunt = zc * (R2 + load) / (zc + R2 + load);
            input = R1 + shunt;
            return shunt / (R1 + shunt) * load / (R2 + load);
        };
        std::complex<double> second, first;
        std::complex<double> h2 = section(RL, second);
        return section(second, first) * h2;
    }
};

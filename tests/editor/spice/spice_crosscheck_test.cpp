// Two roads out of one drawn schematic must give the same response: the
// circuit file through the engine and the viewer's evaluation of its network
// function, and the SPICE export through ngspice's AC analysis.
#include "editor/circuit/CircuitWriter.h"
#include "editor/files/SubcircuitFiles.h"
#include "editor/spice/SpiceNetlist.h"
#include "editor/spice/SpiceRun.h"
#include "formats/NumberText.h"
#include "formats/Paths.h"
#include "formats/TextFile.h"
#include "tests/editor/CircuitBoard.h"
#include "tests/support/EngineRun.h"
#include "tests/support/NgspiceRaw.h"
#include "tests/support/TempFolder.h"
#include "viewer/model/FDT.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <complex>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

void SetModel(GCompo& part, const std::vector<double>& params)
{
    std::copy(params.begin(), params.end(), part.Param);
}

// A schematic drawn part by part, as on the grid.
class Sketch {
public:
    explicit Sketch(const TempFolder& where) : folder(where) {}

    static Pt At(const GCompo& part, int i) { return CircuitBoard::Terminal(part, i); }
    GCompo& Part(char kind, const std::string& name, Pt at, int term = 0, int dx = 0, int dy = 0)
    {
        return board.Place(kind, name, at, term, dx, dy);
    }
    // A two-pole from `at` in the direction (dx, dy).
    GCompo& Two(char kind, const std::string& name, double value, Pt at, int dx, int dy)
    {
        GCompo& part = board.Place(kind, name, at, 0, dx, dy);
        part.Value = value;
        return part;
    }
    // A two-pole from `at` down to a ground.
    GCompo& Shunt(char kind, const std::string& name, double value, Pt at)
    {
        GCompo& part = Two(kind, name, value, at, 0, 1);
        Ground(At(part, 1));
        return part;
    }
    void Ground(Pt at) { board.Place('g', "", at); }
    void Wire(Pt from, Pt to) { board.Wire(from, to); }
    // A wire 60 to the right of `at`; returns its end.
    Pt Right(Pt at)
    {
        Pt end{at.x + 60, at.y};
        board.Wire(at, end);
        return end;
    }
    void Output(Pt at) { board.Place('v', "", at); }
    // A source with its bottom on ground and its top at (100, 100).
    GCompo& Source(char kind = 'V')
    {
        GCompo& source = board.Place(kind, std::string(1, kind) + "1", {100, 100});
        Ground(At(source, 1));
        return source;
    }
    // A transistor whose terminal 0 lies on `at`, with its parameters.
    GCompo& Transistor(char kind, const std::string& name, Pt at, const std::vector<double>& params)
    {
        GCompo& t = board.Place(kind, name, at);
        SetModel(t, params);
        return t;
    }

    const TempFolder& folder;
    CircuitBoard board;
};

// The small-signal circuit of a transistor as ngspice lines, after the
// definitions the circuit file expands it by. The SPICE export writes nominal
// devices without a bias point instead, which have no such small-signal
// circuit, so the cross-check puts these lines in their place.
Lines SmallSignalLines(const GCompo& t)
{
    auto node = [&](int i) { return " " + std::to_string(t.Node[i]); };
    auto number = [](double value) { return " " + GcvtText(value, 17); };
    const std::string n = t.Name + "_ss";
    const std::string in = node(0), common = node(1), out = node(2);
    switch (t.Kind) {
    case 'Q':  // hie, hre, hfe, hoe: hie, a sense of the base current, hre vce in series; hfe ib and hoe at the collector
        return {"R1" + n + in + " " + n + "a" + number(t.Param[0]),
                "V1" + n + " " + n + "a " + n + "b 0",
                "E1" + n + " " + n + "b" + common + out + common + number(t.Param[1]),
                "F1" + n + out + common + " V1" + n + number(t.Param[2]),
                "G1" + n + out + common + out + common + number(t.Param[3])};
    case 'q':  // Gbe, Ce, Cc, Gce, gm
        return {"G1" + n + in + common + in + common + number(t.Param[0]),
                "C1" + n + in + common + number(t.Param[1]),
                "C2" + n + in + out + number(t.Param[2]),
                "G2" + n + out + common + out + common + number(t.Param[3]),
                "G3" + n + out + common + in + common + number(t.Param[4])};
    case 'M':  // Cgs, Cgd, gm, Gd, Cds
        return {"C1" + n + in + common + number(t.Param[0]),
                "C2" + n + in + out + number(t.Param[1]),
                "G1" + n + out + common + in + common + number(t.Param[2]),
                "G2" + n + out + common + out + common + number(t.Param[3]),
                "C3" + n + out + common + number(t.Param[4])};
    default: return {};
    }
}

// The deck with each transistor's device and model lines replaced by its
// small-signal circuit.
void UseSmallSignalTransistors(const Schematic& schematic, Lines& deck)
{
    deck.erase(std::remove_if(deck.begin(), deck.end(),
                              [](const std::string& line) { return line.rfind(".MODEL ", 0) == 0; }),
               deck.end());
    for (const auto& part : schematic.Parts) {
        if (part->Kind != 'Q' && part->Kind != 'q' && part->Kind != 'M')
            continue;
        std::string device = Lower((part->Kind == 'q' ? "Q" : "") + part->Name + " ");
        auto line = std::find_if(deck.begin(), deck.end(),
                                 [&](const std::string& l) { return Lower(l).rfind(device, 0) == 0; });
        ASSERT_NE(line, deck.end()) << device;
        Lines replacement = SmallSignalLines(*part);
        line = deck.erase(line);
        deck.insert(line, replacement.begin(), replacement.end());
    }
}

// The name of the output in ngspice's raw file.
std::string OutputVector(const Schematic& schematic)
{
    for (const auto& part : schematic.Parts) {
        if (part->Kind == 'v')
            return "v(" + std::to_string(part->Node[0]) + ")";
        if (part->Kind == 'i')
            return "i(v" + Lower(part->Name) + ")";
    }
    return "";
}

struct Case {
    const char* name;
    double fromHz, toHz;  // five points, one per decade
    std::function<void(Sketch&)> draw;
    double tolerance = 1e-9;
    double spiceSign = 1;  // -1 where the netlist cannot carry a sign the engine keeps
};

// V1 - R1 - C1 to ground, L1 on to G1 to ground; the output on G1.
void Passive(Sketch& k)
{
    GCompo& r1 = k.Two('R', "R1", 1000, Sketch::At(k.Source(), 0), 1, 0);
    Pt a = Sketch::At(r1, 1);
    k.Shunt('C', "C1", 1e-7, a);
    GCompo& l1 = k.Two('L', "L1", 0.1, a, 1, 0);
    k.Shunt('G', "G1", 2.5e-3, Sketch::At(l1, 1));
    k.Output(Sketch::At(l1, 1));
}

// I1 through R1 into R2 || C1 || L1; the output across them.
void CurrentSource(Sketch& k)
{
    GCompo& r1 = k.Two('R', "R1", 2000, Sketch::At(k.Source('I'), 0), 1, 0);
    Pt a = Sketch::At(r1, 1);
    k.Shunt('R', "R2", 500, a);
    Pt b = k.Right(a);
    k.Shunt('C', "C1", 2e-7, b);
    k.Shunt('L', "L1", 0.05, k.Right(b));
    k.Output(a);
}

// A controlled source with its control port across C1 after R1 from V1 (for
// F and Y: the current of C1 through its control branch) and its output
// through R3 into C3 || R4.
void Controlled(Sketch& k, char kind, double gain)
{
    GCompo& r1 = k.Two('R', "R1", 1000, Sketch::At(k.Source(), 0), 1, 0);
    GCompo& e = k.Part(kind, std::string(1, kind) + "1", {400, 100}, 2);
    e.Value = gain;
    k.Wire(Sketch::At(r1, 1), Sketch::At(e, 2));
    if (kind == 'F' || kind == 'Y') {
        k.Shunt('C', "C1", 1e-7, Sketch::At(e, 3));
    } else {
        k.Shunt('C', "C1", 1e-7, Sketch::At(r1, 1));
        k.Ground(Sketch::At(e, 3));
    }
    k.Ground(Sketch::At(e, 1));
    GCompo& r3 = k.Two('R', "R3", 3300, Sketch::At(e, 0), 1, 0);
    Pt b = Sketch::At(r3, 1);
    k.Shunt('C', "C3", 2.2e-8, b);
    k.Shunt('R', "R4", 4700, k.Right(b));
    k.Output(b);
}

// A non-inverting amplifier: V1 - R1 - C1 on the + input, R2 || C2 in the
// feedback, Ra from the - input to ground.
void OpAmp(Sketch& k)
{
    GCompo& r1 = k.Two('R', "R1", 1000, Sketch::At(k.Source(), 0), 1, 0);
    GCompo& o = k.Part('O', "O1", {300, 100}, 2);
    k.Wire(Sketch::At(r1, 1), Sketch::At(o, 2));
    k.Shunt('C', "C1", 1e-7, Sketch::At(r1, 1));
    Pt minus = Sketch::At(o, 1), out = Sketch::At(o, 0);
    GCompo& r2 = k.Two('R', "R2", 2000, minus, 0, -1);
    Pt top = Sketch::At(r2, 1);
    GCompo& c2 = k.Two('C', "C2", 1e-8, minus, -1, 0);
    k.Wire(Sketch::At(c2, 1), {Sketch::At(c2, 1).x, top.y});
    k.Wire({Sketch::At(c2, 1).x, top.y}, top);
    k.Wire(top, {out.x, top.y});
    k.Wire({out.x, top.y}, out);
    GCompo& ra = k.Two('R', "Ra", 1000, minus, 1, 0);
    k.Ground(Sketch::At(ra, 1));
    k.Output(out);
}

// V1 - R1 into the first winding of a coupled pair or an ideal
// transformer, RL || CL on the second; the output on the second winding.
GCompo& TwoWindings(Sketch& k, char kind)
{
    GCompo& r1 = k.Two('R', "R1", 50, Sketch::At(k.Source(), 0), 1, 0);
    GCompo& t = k.Part(kind, std::string(1, kind) + "1", Sketch::At(r1, 1));
    k.Ground(Sketch::At(t, 1));
    k.Ground(Sketch::At(t, 3));
    GCompo& rl = k.Two('R', "RL", 200, Sketch::At(t, 2), 1, 0);
    k.Ground(Sketch::At(rl, 1));
    GCompo& cl = k.Two('C', "CL", 1e-7, Sketch::At(t, 2), 0, -1);
    k.Ground(Sketch::At(cl, 1));
    k.Output(Sketch::At(t, 2));
    return t;
}

// A stage driven through Rs, with Re || Ce from the emitter (source) to
// ground and RL || CL on the collector (drain); the output on the collector.
void Stage(Sketch& k, char kind, std::vector<double> params)
{
    GCompo& rs = k.Two('R', "Rs", 1000, Sketch::At(k.Source(), 0), 1, 0);
    GCompo& t = k.Transistor(kind, std::string(1, kind) + "1", Sketch::At(rs, 1), params);
    Pt emitter = Sketch::At(t, 1), collector = Sketch::At(t, 2);
    k.Shunt('R', "Re", 100, emitter);
    GCompo& ce = k.Two('C', "Ce", 1e-6, emitter, 1, 0);
    k.Ground(Sketch::At(ce, 1));
    GCompo& rl = k.Two('R', "RL", 4700, collector, 0, -1);
    k.Ground(Sketch::At(rl, 1));
    GCompo& cl = k.Two('C', "CL", 1e-9, collector, 1, 0);
    k.Ground(Sketch::At(cl, 1));
    k.Output(collector);
}

// V1 - R1 - the current output - C1 || R2 to ground; the output current.
void CurrentOutput(Sketch& k)
{
    GCompo& r1 = k.Two('R', "R1", 1000, Sketch::At(k.Source(), 0), 1, 0);
    GCompo& probe = k.Two('i', "i1", 0, Sketch::At(r1, 1), 0, 1);
    Pt a = Sketch::At(probe, 1);
    k.Shunt('C', "C1", 1e-7, a);
    k.Shunt('R', "R2", 2200, k.Right(a));
}

// An instance of a drawn and saved subcircuit: R1 from port 1 to C1, L1 on
// to port 2; V1 drives port 1, RL loads port 2.
void Subcircuit(Sketch& k)
{
    CircuitBoard sub;
    sub.schematic.IsSubcircuit = true;
    sub.schematic.FileName = k.folder / "sec.xch";
    GCompo& r1 = sub.Place('R', "R1", {100, 100}, 0, 1, 0);
    r1.Value = 1000;
    Pt a = CircuitBoard::Terminal(r1, 1);
    GCompo& c1 = sub.Place('C', "C1", a, 0, 0, 1);
    c1.Value = 1e-7;
    sub.Place('g', "", CircuitBoard::Terminal(c1, 1));
    GCompo& l1 = sub.Place('L', "L1", a, 0, 1, 0);
    l1.Value = 0.02;
    sub.Place('v', "", {100, 100});
    sub.Place('v', "", CircuitBoard::Terminal(l1, 1));
    std::string error;
    ASSERT_TRUE(SaveSubcircuit(sub.schematic, &sub.canvas, k.folder.Folder(), error)) << error;
    GCompo& x = k.board.PlaceInstance("sec", k.folder.Folder(), "X1", Sketch::At(k.Source(), 0));
    k.Shunt('R', "RL", 300, Sketch::At(x, 1));
    k.Output(Sketch::At(x, 1));
}

const Case kCases[] = {
    {"R, C, L and G", 10, 1e5, Passive},
    // The current leaves the source at its arrow, the first terminal: at
    // 10 Hz V(a) = Z = R2 || 1/(sC1) || sL1 = 0.0197400 + 3.14159j
    // by hand, as the engine has it; the netlist once wrote the nodes the
    // other way round and ngspice gave -Z.
    {"current source", 10, 1e5, CurrentSource},
    {"voltage-controlled voltage source", 10, 1e5, [](Sketch& k) { Controlled(k, 'E', -3); }},
    {"voltage-controlled current source", 10, 1e5, [](Sketch& k) { Controlled(k, 'H', 0.02); }},
    {"current-controlled current source", 10, 1e5, [](Sketch& k) { Controlled(k, 'F', 7); }},
    {"current-controlled voltage source", 10, 1e5, [](Sketch& k) { Controlled(k, 'Y', 470); }},
    // ngspice's op amp is a source of gain 1e6: the relative error is about
    // the noise gain (here up to 3) over 1e6.
    {"operational amplifier", 10, 1e5, OpAmp, 5e-6},
    {"mutual inductance", 10, 1e5,
     [](Sketch& k) {
         GCompo& t = TwoWindings(k, 'K');
         SetModel(t, {1e-3, 4e-3, 1.5e-3});
     }},
    // The netlist's coupling factor is |M| / sqrt(L1 L2): SPICE sees the
    // windings coupled with +|M|, which turns the output over. The engine
    // keeps the sign, as R1 L1 / L2 RL CL's two mesh equations want it:
    // Vout = -ZL s|M| / ((R1 + s L1)(ZL + s L2) - s^2 M^2).
    {"mutual inductance of negative M", 10, 1e5,
     [](Sketch& k) {
         GCompo& t = TwoWindings(k, 'K');
         SetModel(t, {1e-3, 4e-3, -1.5e-3});
     },
     1e-9, -1},
    {"ideal transformer", 10, 1e5, [](Sketch& k) { TwoWindings(k, 'n').Value = 2; }},
    {"hybrid transistor", 1, 1e4, [](Sketch& k) { Stage(k, 'Q', {2000, 2.5e-4, 100, 2.5e-5}); }},
    {"hybrid-pi transistor", 100, 1e6, [](Sketch& k) { Stage(k, 'q', {1e-3, 1e-10, 3e-12, 1.25e-5, 0.05}); }},
    {"MOS transistor", 100, 1e6, [](Sketch& k) { Stage(k, 'M', {2e-12, 5e-13, 0.02, 2e-5, 1e-12}); }},
    {"current output", 10, 1e5, CurrentOutput},
    {"subcircuit instance", 10, 1e5, Subcircuit},
};

TEST(SpiceCrossCheck, EngineAndNgspiceAgree)
{
    if (OnPath("ngspice").empty())
        GTEST_SKIP() << "ngspice is not installed";
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        Sketch sketch(folder);
        c.draw(sketch);
        Schematic& s = sketch.board.schematic;
        s.FileName = folder / "circuit.sch";
        TCanvas* canvas = &sketch.board.canvas;

        std::string crc, message;
        ASSERT_TRUE(WriteCircuitFile(s, canvas, folder.Folder(), crc, message)) << message;
        ASSERT_TRUE(RunEngineOn(crc, message)) << message << "\n" << ReadBytes(crc);
        FDT engine;
        ASSERT_TRUE(engine.LoadParFile(ChangeFileExt(crc, ".fdt"), message)) << message;
        ASSERT_TRUE(engine.EvaluateCoefficients(message)) << message;

        SpiceExport exported;
        ASSERT_TRUE(ExportSpiceNetlist(s, canvas, folder.Folder(), exported, message)) << message;
        Lines deck;
        ASSERT_TRUE(ReadTextLines(exported.Path, deck));
        UseSmallSignalTransistors(s, deck);
        ApplyAnalysisLine(deck, ".ac dec 1 " + GcvtText(c.fromHz, 9) + " " + GcvtText(c.toHz, 9));
        const std::string deckPath = folder / "check.cir", raw = folder / "check.raw", log = folder / "check.log";
        ASSERT_TRUE(WriteTextLines(deckPath, deck));
        std::system(("ngspice -b -o '" + log + "' -r '" + raw + "' '" + deckPath + "' >/dev/null 2>&1").c_str());
        auto vectors = ReadAcRaw(raw);
        const std::string out = OutputVector(s);
        const std::string context = ReadBytes(crc) + "\n" + ReadBytes(deckPath) + "\n" + ReadBytes(log);
        ASSERT_EQ(vectors["frequency"].size(), 5u) << context;
        ASSERT_EQ(vectors[out].size(), 5u) << out << "\n" << context;
        for (std::size_t k = 0; k < 5; ++k) {
            double hz = vectors["frequency"][k].real();
            std::complex<double> spice = c.spiceSign * vectors[out][k], road = engine.ResponseAt(2 * M_PI * hz);
            EXPECT_NEAR(std::abs(spice), std::abs(road), c.tolerance * std::abs(road))
                << hz << " Hz: ngspice " << spice << ", engine " << road << "\n" << context;
            EXPECT_NEAR(std::arg(spice / road), 0, c.tolerance)
                << hz << " Hz: ngspice " << spice << ", engine " << road << "\n" << context;
        }
    }
}

}  // namespace

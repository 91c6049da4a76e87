// End to end: schematics drawn in code, numbered and written as circuit files,
// analysed by the engine's core; the network function against the circuit's
// hand-written small-signal formula.
#include "editor/circuit/CircuitWriter.h"
#include "formats/Paths.h"
#include "tests/editor/CircuitBoard.h"
#include "tests/support/EngineRun.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <complex>
#include <functional>
#include <string>

namespace {

using Complex = std::complex<double>;
using Formula = std::function<Complex(Complex)>;

class EndToEnd : public ::testing::Test {
protected:
    // V1 with its bottom on ground and its top at (100, 100).
    GCompo& Source()
    {
        GCompo& v1 = board.Place('V', "V1", {100, 100});
        Ground(CircuitBoard::Terminal(v1, 1));
        return v1;
    }
    void Ground(Pt at) { board.Place('g', "", at); }
    // A two-pole from `at` in the direction (dx, dy).
    GCompo& TwoPole(char kind, const std::string& name, double value, Pt at, int dx, int dy)
    {
        GCompo& part = board.Place(kind, name, at, 0, dx, dy);
        part.Value = value;
        return part;
    }
    void Output(Pt at) { board.Place('v', "", at); }
    // The source, instances of two subcircuits in a chain, the output.
    void Chain(const std::string& first, const std::string& second)
    {
        GCompo& v1 = Source();
        GCompo& x1 = board.PlaceInstance(first, folder.Folder(), "X5", CircuitBoard::Terminal(v1, 0));
        GCompo& x2 = board.PlaceInstance(second, folder.Folder(), "X6", CircuitBoard::Terminal(x1, 1));
        Output(CircuitBoard::Terminal(x2, 1));
    }

    void ExpectFunction(const Formula& expected)
    {
        board.schematic.FileName = folder / "circuit.sch";
        std::string path, message;
        ASSERT_TRUE(WriteCircuitFile(board.schematic, &board.canvas, folder.Folder(), path, message)) << message;
        ASSERT_TRUE(RunEngineOn(path, message)) << message;
        NetworkFunction result = ReadNetworkFunction(ChangeFileExt(path, ".fdt"));
        for (double w : {1.0, 1e3, 1e5, 3e6}) {
            Complex s(0, w), want = expected(s), got = result.At(s);
            EXPECT_LE(std::abs(got - want), 1e-9 * std::abs(want)) << "w=" << w << " engine " << got << " formula "
                                                                   << want << "\n"
                                                                   << ReadBytes(path);
        }
    }

    // A common-emitter (or common-source) stage driven through Rs = 1000 with
    // RL = 4700 and CL = 1 nF on the collector; returns the transistor.
    GCompo& CommonEmitter(char kind)
    {
        GCompo& v1 = Source();
        GCompo& rs = TwoPole('R', "Rs", 1000, CircuitBoard::Terminal(v1, 0), 1, 0);
        GCompo& t = board.Place(kind, kind == 'M' ? "M1" : "Q1", CircuitBoard::Terminal(rs, 1));
        Pt collector = CircuitBoard::Terminal(t, 2);
        Ground(CircuitBoard::Terminal(t, 1));
        GCompo& rl = TwoPole('R', "RL", 4700, collector, 0, -1);
        Ground(CircuitBoard::Terminal(rl, 1));
        GCompo& cl = TwoPole('C', "CL", 1e-9, collector, 1, 0);
        Ground(CircuitBoard::Terminal(cl, 1));
        Output(collector);
        return t;
    }

    // The collector voltage of a stage with source conductance Gs, input
    // admittance Yin, feedback admittance Yf, output admittance Yout and
    // transconductance gm, from its two node equations.
    static Complex TwoNodeGain(double gs, Complex yin, Complex yf, Complex yout, double gm)
    {
        Complex det = (gs + yin + yf) * (yout + yf) + yf * (gm - yf);
        return -(gm - yf) * gs / det;
    }

    TempFolder folder;
    CircuitBoard board;
};

TEST_F(EndToEnd, RcLowPass)
{
    GCompo& v1 = Source();
    GCompo& r1 = TwoPole('R', "R1", 1000, CircuitBoard::Terminal(v1, 0), 1, 0);
    GCompo& c1 = TwoPole('C', "C1", 1e-6, CircuitBoard::Terminal(r1, 1), 0, 1);
    Ground(CircuitBoard::Terminal(c1, 1));
    Output(CircuitBoard::Terminal(c1, 0));
    ExpectFunction([](Complex s) { return 1.0 / (1.0 + s * 1000.0 * 1e-6); });
}

TEST_F(EndToEnd, HybridModelAmplifier)
{
    GCompo& q = CommonEmitter('Q');
    q.Param[0] = 2000;
    q.Param[1] = 2.5e-4;
    q.Param[2] = 100;
    q.Param[3] = 2.5e-5;
    ExpectFunction([](Complex s) {
        double rs = 1000, hie = 2000, hre = 2.5e-4, hfe = 100, hoe = 2.5e-5;
        Complex yl = 1.0 / 4700 + s * 1e-9 + hoe;
        return -hfe / ((rs + hie) * yl - hre * hfe);
    });
}

TEST_F(EndToEnd, HybridPiAmplifier)
{
    GCompo& q = CommonEmitter('q');
    double gbe = 1e-3, ce = 1e-10, cc = 3e-12, gce = 1.25e-5, gm = 0.05;
    double p[] = {gbe, ce, cc, gce, gm};
    std::copy(p, p + 5, q.Param);
    ExpectFunction([=](Complex s) {
        return TwoNodeGain(1e-3, gbe + s * ce, s * cc, 1.0 / 4700 + s * 1e-9 + gce, gm);
    });
}

TEST_F(EndToEnd, MosfetAmplifier)
{
    GCompo& m = CommonEmitter('M');
    double cgs = 2e-12, cgd = 5e-13, gm = 0.02, gd = 2e-5, cds = 1e-12;
    double p[] = {cgs, cgd, gm, gd, cds};
    std::copy(p, p + 5, m.Param);
    ExpectFunction([=](Complex s) {
        return TwoNodeGain(1e-3, s * cgs, s * cgd, 1.0 / 4700 + gd + s * (1e-9 + cds), gm);
    });
}

TEST_F(EndToEnd, InvertingIntegratorWithOpAmp)
{
    GCompo& v1 = Source();
    GCompo& r1 = TwoPole('R', "R1", 1000, CircuitBoard::Terminal(v1, 0), 1, 0);
    GCompo& o1 = board.Place('O', "O1", {200, 100}, 1);
    board.Wire(CircuitBoard::Terminal(r1, 1), {200, 100});
    Ground(CircuitBoard::Terminal(o1, 2));
    Pt out = CircuitBoard::Terminal(o1, 0);
    board.Wire({200, 100}, {200, 40});
    TwoPole('R', "R2", 10000, {200, 40}, 1, 0);
    TwoPole('C', "C2", 1e-8, {200, 40}, 1, 0);
    board.Wire({260, 40}, {out.x, 40});
    board.Wire({out.x, 40}, out);
    Output(out);
    ExpectFunction([](Complex s) { return -(1.0 / 1000) / (1.0 / 10000 + s * 1e-8); });
}

// V1 - R1 into the first winding, RL on the second; output on the second winding.
TEST_F(EndToEnd, MutualInductance)
{
    GCompo& v1 = Source();
    GCompo& r1 = TwoPole('R', "R1", 50, CircuitBoard::Terminal(v1, 0), 1, 0);
    GCompo& k = board.Place('K', "K1", CircuitBoard::Terminal(r1, 1));
    k.Param[0] = 1e-3;
    k.Param[1] = 4e-3;
    k.Param[2] = 1.5e-3;
    Ground(CircuitBoard::Terminal(k, 1));
    Ground(CircuitBoard::Terminal(k, 3));
    GCompo& rl = TwoPole('R', "RL", 200, CircuitBoard::Terminal(k, 2), 1, 0);
    Ground(CircuitBoard::Terminal(rl, 1));
    Output(CircuitBoard::Terminal(k, 2));
    ExpectFunction([](Complex s) {
        double rp = 50, l1 = 1e-3, l2 = 4e-3, m = 1.5e-3, load = 200;
        return load * s * m / ((rp + s * l1) * (load + s * l2) - s * m * s * m);
    });
}

TEST_F(EndToEnd, IdealTransformer)
{
    GCompo& v1 = Source();
    GCompo& r1 = TwoPole('R', "R1", 50, CircuitBoard::Terminal(v1, 0), 1, 0);
    GCompo& n = board.Place('n', "n1", CircuitBoard::Terminal(r1, 1));
    n.Value = 2;
    Ground(CircuitBoard::Terminal(n, 1));
    Ground(CircuitBoard::Terminal(n, 3));
    GCompo& rl = TwoPole('R', "RL", 200, CircuitBoard::Terminal(n, 2), 1, 0);
    GCompo& cl = TwoPole('C', "CL", 1e-7, CircuitBoard::Terminal(n, 2), 0, -1);
    Ground(CircuitBoard::Terminal(rl, 1));
    Ground(CircuitBoard::Terminal(cl, 1));
    Output(CircuitBoard::Terminal(n, 2));
    ExpectFunction([](Complex s) {
        Complex zl = 1.0 / (1.0 / 200 + s * 1e-7), reflected = zl / 4.0;
        return 2.0 * reflected / (50.0 + reflected);
    });
}

// Three RC sections: a nested subcircuit of two (lp2) and a plain one (lp).
TEST_F(EndToEnd, NestedSubcircuits)
{
    WriteBytes(folder / "lp.sbc", "4 4 L2 R2 \r\nR1 1 2 1000 0\r\nC1 2 0 1e-06 0\r\n");
    WriteBytes(folder / "lp2.sbc", "4 4 L2 R2 \r\nR1_X1  1 3 2000 0\r\nC1_X1  3 0 1e-06 0\r\n\r\n"
                                   "R1_X2  3 2 500 0\r\nC1_X2  2 0 2e-06 0\r\n\r\n");
    Chain("lp2", "lp");
    ExpectFunction([](Complex s) {
        // Chain matrices of series R, shunt C sections; open output: Vout/Vin = 1/A.
        Complex a = 1, b = 0, c = 0, d = 1;
        for (auto [r, cap] : {std::pair{2000.0, 1e-6}, {500.0, 2e-6}, {1000.0, 1e-6}}) {
            Complex a1 = a + b * s * cap + a * r * s * cap, b1 = a * r + b;
            Complex c1 = c + d * s * cap + c * r * s * cap, d1 = c * r + d;
            a = a1, b = b1, c = c1, d = d1;
        }
        return 1.0 / a;
    });
}

// Two instances of a transistor stage whose file holds model nodes: each
// instance gets its own internal nodes.
TEST_F(EndToEnd, TwoInstancesOfATransistorStage)
{
    WriteBytes(folder / "stage.sbc", "4 4 L2 R2 \r\nRb 1 3 1000 0\r\nRhie_Q1 3 _1 2000 0\r\n"
                                     "Fhfe_Q1 2 0 _1 0 50 0\r\nRL 2 0 5000 0\r\n");
    Chain("stage", "stage");
    ExpectFunction([](Complex) {
        double rin = 3000, hfe = 50, rl = 5000, loaded = rl * rin / (rl + rin);
        return (-hfe / rin * loaded) * (-hfe / rin * rl);
    });
}

}  // namespace

#pragma once
// The network function of one result window: components, coefficient rows per
// parameter curve, gains, roots, samples and the plot state.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "viewer/model/Compo.h"
#include "viewer/model/Messages.h"
#include "viewer/model/Polynomial.h"
#include "viewer/plots/PlotScale.h"

class Progress;
class TCanvas;
struct ParFile;

inline constexpr int kMaxCurves = 6;
inline constexpr int kSampleCount = 201;
inline constexpr int kRootSlots = 60;  // per curve; roots in slots 1..59
// Above this many terms in all, the symbolic text merges no equal products
// and is only built after the user agreed.
inline constexpr std::int64_t kSymbolicMergeLimit = 10000;

// How a long computation that the user may abort ended.
enum class Outcome { Done, Aborted, Failed };

namespace View {
inline constexpr int None = 0, Gain = 1, Phase = 2, Delay = 3, PoleZero = 4, Step = 5,
                     Impulse = 6, Symbolic = 7, Numeric = 8, Phasor = 9, Loss = 10;
}

// One coefficient per curve for each power of s.
using CurveRow = std::array<double, kMaxCurves>;

struct PlotFrame {
    int right = 0, left = 0, bottom = 0, top = 0;
};

struct SampleBlock {
    double y[kSampleCount][kMaxCurves] = {};
    double x[kSampleCount] = {};
    std::uint8_t invalid[kSampleCount][kMaxCurves] = {};
    double dataMax = 0, dataMin = 0;
    double axisMax = 0, axisMin = 0;
};

class FDT {
public:
    FDT();

    // Loading and saving (FdtFiles.cpp).
    bool LoadParFile(const std::string& fdtPath, std::string& error);
    bool SaveParFile(const std::string& name, std::string& error);
    // Save As under a name: the parameter file (".par") and, unless that is
    // the network-function file already read, a copy of it (".fdt"); both or
    // neither are written. The model then reads from the new pair.
    bool SavePairAs(const std::string& name, std::string& error);
    // True when SavePairAs would replace a file other than the model's own.
    bool SaveAsReplaces(const std::string& name) const;

    // Coefficients and single values (FdtCoefficients.cpp).
    bool EvaluateCoefficients(std::string& error);
    bool PrepareNumeric(std::string& error) { return EvaluateCoefficients(error); }
    bool ComputePhasor(std::string& error);
    // Why curve c has no network function to show after the evaluation: its
    // gain or coefficients are no finite numbers (values overflowed them), or
    // its denominator is identically zero; nullptr when it has one.
    const char* CurveProblem(int c) const;
    // Every curve has a network function; false with the text to show.
    bool FunctionExists(std::string& error) const;
    Complex ResponseAt(double w) const;

    // Symbolic text (FdtSymbolic.cpp). The window asks SymbolicQuestion when
    // SymbolicAsksFirst holds and calls DeclineSymbolic on No.
    std::string SymbolicPath() const;  // the .out file beside the .fdt
    bool SymbolicAsksFirst() const;
    std::string SymbolicQuestion() const;
    void DeclineSymbolic() { viewKind = View::Numeric; }
    // Reads the terms and writes the .out file. Aborted: nothing written, an
    // older .out kept; Failed: the same, with the message.
    Outcome BuildSymbolicText(std::string& error);
    // The lines of the .out file, built first when it is not built yet.
    Outcome SymbolicText(std::vector<std::string>& lines, std::string& error);

    // Roots (FdtRoots.cpp).
    bool FindRoots(int flag);
    bool PreparePoleZero(std::string& error);

    // Frequency responses (FdtFrequency.cpp); false with the text to show.
    bool ComputeGain(std::string& error);
    bool ComputePhase(std::string& error);
    bool ComputeDelay(std::string& error);

    // Time responses (FdtTime.cpp): kind 0 step, 1 impulse.
    bool ComputeTimeResponse(int kind, std::string& error);
    double DividePolynomials(int curve, int a, int b);

    // Plot arithmetic (FdtPlot.cpp).
    void SetPlotFrame(int w, int h);
    int SampleToX(int u) const;
    int ValueToY(double v) const;
    YAxis ScaleYAxis();  // sets the axis range from the data range
    PoleZeroMap ScalePoleZero();
    void Zoom(int x1, int y1, int x2, int y2);

    // Drawing of the current view on a canvas of w x h pixels (FdtDraw.cpp,
    // FdtMapDraw.cpp, FdtTextDraw.cpp); font sizes in points are taken at
    // pixelsPerInch. The Symbolic view is the window's memo: nothing is drawn.
    void Draw(TCanvas& canvas, int w, int h, int pixelsPerInch = 96);
    void DrawXAxis(TCanvas& canvas);
    void DrawLegend(TCanvas& canvas, int h);
    void DrawPoleZero(TCanvas& canvas, int w, int h);
    void DrawNumeric(TCanvas& canvas, int w, int h, int pixelsPerInch);
    void DrawPhasor(TCanvas& canvas, int w, int h, int pixelsPerInch);

    void SetViewKind(int kind);
    int GetViewKind() const { return viewKind; }
    int CompoCount() const { return static_cast<int>(components.size()); }
    const Compo& GetCompo(int i) const { return components[i]; }
    int CompoIndexOfRow(int row) const;
    int RowOfCompo(int i) const { return components[i].row; }
    // The swept component takes the curve's value, also in a single curve.
    double CompoValueForCurve(int i, int c) const;
    // With one curve the swept component's value is that curve's value:
    // setting the one sets the other.
    void SetCompoValue(int i, double v);
    Complex CompoPhasor(int i) const;

    Complex Zero(int slot, int curve) const { return zeros[slot * kMaxCurves + curve]; }
    Complex Pole(int slot, int curve) const { return poles[slot * kMaxCurves + curve]; }

    bool loaded = false;
    std::vector<Compo> components;
    std::string fdtPath, parPath;
    bool zoomed = false;
    double wStart = 0, wEnd = 0, fStart = 0, fEnd = 0, endTime = 0;
    bool hzUnits = true, yLinear = false, xLinear = false;
    std::array<Complex, kRootSlots * kMaxCurves> poles{}, zeros{};
    int zeroCount[kMaxCurves] = {}, poleCount[kMaxCurves] = {};  // roots found per curve
    int numeratorDegree = 0, denominatorDegree = 0;
    std::int64_t numeratorTerms = 0, denominatorTerms = 0;
    double curveValues[kMaxCurves] = {};
    int sweptComponent = -1;
    int curveCount = 1;
    PlotFrame frame;
    SampleBlock samples;
    bool symbolicBuilt = false;
    double mapExtentRe = 0, mapExtentIm = 0;
    std::vector<CurveRow> numeratorRows, denominatorRows;
    // Highest non-zero power of each curve after the last evaluation; -1 for
    // an identically zero polynomial.
    int numeratorEffective[kMaxCurves] = {}, denominatorEffective[kMaxCurves] = {};
    Complex phasorResult;
    // Why the phasor has no value (a pole at w start, a denominator that is
    // identically zero), or nullptr when phasorResult holds it.
    const char* phasorProblem = Msg::NoFiniteValue;
    bool PhasorValid() const { return !phasorProblem; }
    double gain[kMaxCurves] = {};
    std::uint32_t curveColours[kMaxCurves] = {};
    int viewKind = View::None;
    Progress* progress = nullptr;  // the window's wait window, not owned

private:
    ParFile ParRecord() const;
    bool FrequencyChecks(bool withRoots, std::string& error);
    // Coefficients, roots when asked, the interval check and a fresh data range.
    bool StartSweep(bool withRoots, std::string& error);
    // Angular frequency of sample u; writes its abscissa.
    double GridFrequency(int u);
    void StoreSample(int u, int curve, double y);
    void ResetDataRange();
    bool RootChecks(bool zerosOk, bool polesOk, std::string& error) const;
};

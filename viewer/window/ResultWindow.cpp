#include "viewer/window/ResultWindow.h"

#include "formats/NumberText.h"
#include "formats/Paths.h"
#include "viewer/approx/ApproxForm.h"
#include "viewer/texts/FloatText.h"

namespace {

const char* CaptionSuffix(int kind)
{
    switch (kind) {
    case View::Gain: return " - Gain";
    case View::Phase: return " - Phase";
    case View::Delay: return " - Delay";
    case View::PoleZero: return " - Poles/Zeros";
    case View::Step: return " - Step Response";
    case View::Impulse: return " - Impulse Response";
    case View::Symbolic: return " - Symbolic";
    case View::Numeric: return " - Numeric";
    case View::Phasor: return " - Phasor";
    default: return "";
    }
}

}  // namespace

bool ResultWindow::RunCommand(const std::function<void()>& command)
{
    if (busy_)
        return false;
    busy_ = true;
    command();
    while (reloadPending_) {
        reloadPending_ = false;
        Open(pendingPath_, pendingInterval_);
    }
    busy_ = false;
    return true;
}

void ResultWindow::OpenFdt(const std::string& path, const IntervalTexts& remembered)
{
    if (busy_) {
        reloadPending_ = true;
        pendingPath_ = path;
        pendingInterval_ = remembered;
        return;
    }
    RunCommand([&] { Open(path, remembered); });
}

void ResultWindow::Open(const std::string& path, const IntervalTexts& remembered)
{
    controls.start = remembered.start;
    controls.end = remembered.end;
    controls.endTime = remembered.endTime;
    controls.hz = remembered.hz;
    fdtPath_ = path;
    captionBase_ = ExtractFileName(path);
    controls.caption = captionBase_;
    plotReady_ = false;
    mouse_.Forget();
    std::string error;
    if (!model_.LoadParFile(path, error)) {
        controls.grid.clear();
        controls.parameterEnabled = false;
        controls.memoLines.clear();
        ++controls.memoVersion;
        controls.memoVisible = true;
        host_.ShowMessage(error);
        return;
    }
    Refresh();
}

void ResultWindow::Renamed(const std::string& fdtPath)
{
    fdtPath_ = fdtPath;
    captionBase_ = ExtractFileName(fdtPath);
    controls.caption = captionBase_;
}

void ResultWindow::FormDati()
{
    RunCommand([this] { Refresh(); });
}

void ResultWindow::Refresh()
{
    if (!model_.loaded)
        return;
    controls.grid = ComponentGridRows(model_);
    controls.gridVisible = !controls.grid.empty();
    controls.parameterEnabled = CanSweep();
    if (model_.GetViewKind() == View::Symbolic) {
        ShowSymbolic();
        return;
    }
    controls.memoVisible = false;
    plotReady_ = false;
    std::string error;
    if (!Compute(error))
        host_.ShowError(error);
    plotReady_ = true;
    UpdateCaption();
    // A computation that failed has switched to the Symbolic view.
    if (model_.GetViewKind() == View::Symbolic) {
        ShowSymbolic();
        return;
    }
    host_.RepaintPlot();
}

bool ResultWindow::Compute(std::string& error)
{
    switch (model_.GetViewKind()) {
    case View::Gain:
    case View::Loss: return model_.ComputeGain(error);
    case View::Phase: return model_.ComputePhase(error);
    case View::Delay: return model_.ComputeDelay(error);
    case View::PoleZero: return model_.PreparePoleZero(error);
    case View::Step: return model_.ComputeTimeResponse(0, error);
    case View::Impulse: return model_.ComputeTimeResponse(1, error);
    case View::Numeric:
    case View::Phasor:
        if (model_.PrepareNumeric(error))
            return true;
        model_.viewKind = View::Symbolic;
        return false;
    default: return true;
    }
}

// The memo with the symbolic text; declining a large one shows the Numeric
// view at once.
void ResultWindow::ShowSymbolic()
{
    controls.memoVisible = true;
    if (model_.SymbolicAsksFirst() && !host_.AskWarning("Warning!", model_.SymbolicQuestion())) {
        model_.DeclineSymbolic();
        Refresh();
        return;
    }
    std::vector<std::string> lines;
    std::string error;
    switch (model_.SymbolicText(lines, error)) {
    case Outcome::Done:
        if (lines != controls.memoLines) {  // the same text keeps the memo as it is
            controls.memoLines = std::move(lines);
            ++controls.memoVersion;
        }
        break;
    case Outcome::Aborted: break;
    case Outcome::Failed: host_.ShowMessage(error); break;
    }
}

void ResultWindow::UpdateCaption()
{
    const int kind = model_.GetViewKind();
    controls.frequencyLabel = kind == View::Phasor ? "Frequency" : "Frequency Interval";
    controls.intervalVisible = kind != View::Phasor;
    controls.caption = captionBase_ + CaptionSuffix(kind);
}

void ResultWindow::ShowView(int kind)
{
    if (!model_.loaded || busy_)
        return;
    if (kind != model_.GetViewKind())
        host_.ReleaseZoomButton();
    model_.SetViewKind(kind);
    RunCommand([&] {
        if (kind != View::Symbolic) {
            ReadPanel();
            return;
        }
        controls.memoVisible = true;
        UpdateCaption();
        ShowSymbolic();
    });
}

void ResultWindow::ValTxClick()
{
    RunCommand([this] { ReadPanel(); });
}

void ResultWindow::ReadPanel()
{
    UpdateCaption();
    double endTime = 0;
    if (!ReadFloatText(controls.endTime, endTime)) {
        host_.ShowMessage(FloatConversionError(controls.endTime));
        return;
    }
    if (!(endTime > 0)) {
        controls.endTime = "1";
        endTime = 1.0;
    }
    FDT& f = model_;
    std::string error;
    if (!ReadComponentGrid(f, controls.grid, error)) {
        host_.ShowMessage(error);
        return;
    }
    f.endTime = endTime;
    f.hzUnits = controls.hz;
    double start = StrToD(controls.start), end = StrToD(controls.end);
    if (f.hzUnits) {
        f.fStart = start;
        f.fEnd = end;
        f.wStart = start * 2 * kPi;
        f.wEnd = end * 2 * kPi;
    } else {
        f.wStart = start;
        f.wEnd = end;
        f.fStart = start * 0.5 * (1 / kPi);
        f.fEnd = end * 0.5 * (1 / kPi);
    }
    f.yLinear = controls.yLinear;
    f.xLinear = controls.xLinear;
    f.zoomed = false;
    Refresh();
}

void ResultWindow::LinearClick()
{
    if (busy_)
        return;
    model_.yLinear = controls.yLinear;
    model_.xLinear = controls.xLinear;
}

bool ResultWindow::CanSweep() const
{
    if (!model_.loaded)
        return false;
    for (const Compo& compo : model_.components)
        if (compo.row >= 0)
            return true;
    return false;
}

ParamDialogState ResultWindow::ParameterDialog() const { return FillParamDialog(model_, controls.grid); }

void ResultWindow::ParameterDone(bool ok, const ParamDialogState& dialog)
{
    if (!CanSweep())
        return;
    RunCommand([&] {
        std::string error;
        if (ok && !ApplyParamDialog(model_, dialog, controls.grid, error))
            host_.ShowMessage(error);
        ReadPanel();
    });
}

bool ResultWindow::Paint(TCanvas& canvas, int w, int h, int pixelsPerInch)
{
    if (!plotReady_ || controls.memoVisible || !model_.loaded)
        return false;
    model_.Draw(canvas, w, h, pixelsPerInch);
    mouse_.Forget();
    return true;
}

void ResultWindow::MouseDown(int x, int y)
{
    if (plotReady_ && !controls.memoVisible && !busy_)
        mouse_.Down(model_, x, y);
}

PlotMouse::Moved ResultWindow::MouseMove(TCanvas& canvas, int x, int y, bool zoomButtonDown, bool cursorVisible)
{
    if (!plotReady_ || controls.memoVisible || !model_.loaded || busy_)
        return {};
    return mouse_.Move(model_, canvas, x, y, zoomButtonDown, cursorVisible);
}

void ResultWindow::MouseUp(int x, int y)
{
    if (!busy_ && mouse_.Up(model_, x, y))
        FormDati();
}

void ResultWindow::CursorHidden(TCanvas& canvas)
{
    if (plotReady_ && !controls.memoVisible && model_.loaded && !busy_)
        mouse_.EraseCursorLine(model_, canvas);
}

std::string ResultWindow::MemoText() const
{
    std::string text;
    for (const std::string& line : controls.memoLines)
        text += line + "\r\n";
    return text;
}

std::vector<PrintPage> ResultWindow::MemoPrintPages(int lineHeight, int pageHeight) const
{
    return MemoPages(controls.memoLines, lineHeight, pageHeight);
}

void ResultWindow::PrintPlot(TCanvas& canvas, int w, int h, int pixelsPerInch)
{
    const PlotFrame frame = model_.frame;
    const double axisMax = model_.samples.axisMax, axisMin = model_.samples.axisMin;
    model_.Draw(canvas, w, h, pixelsPerInch);
    model_.frame = frame;
    model_.samples.axisMax = axisMax;
    model_.samples.axisMin = axisMin;
}

std::string ResultWindow::Approximation(const ApproxChoice& choice)
{
    std::string path;
    if (!model_.loaded)
        return path;
    RunCommand([&] {
        std::string error;
        path = RunApproximation(fdtPath_, choice, model_.progress, error);
        if (path.empty())
            host_.ShowMessage(error);
    });
    return path;
}

IntervalTexts ResultWindow::FormClose() const { return {controls.start, controls.end, controls.endTime, controls.hz}; }

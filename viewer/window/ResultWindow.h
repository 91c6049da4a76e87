#pragma once
// The result window's decisions without Qt: views, refresh, caption, the
// component grid, the sweep, the mouse over the plot, copying, printing and
// closing. The window copies its panel into `controls` before each call and
// shows `controls` after it, answers boxes through ResultHost and draws the
// plot area with Paint.
//
// A computation lets the message loop run, so commands can arrive while one
// runs: they are refused, and a reload waits until the computation ends.
// The window opens no dialog and does not close while Busy().
#include <functional>
#include <string>
#include <vector>

#include "viewer/model/FDT.h"
#include "viewer/plots/PlotMouse.h"
#include "viewer/window/ComponentGrid.h"
#include "viewer/window/ParamDialog.h"
#include "viewer/window/PrintLayout.h"

struct ApproxChoice;

// What the core asks of the window while it works.
class ResultHost {
public:
    virtual ~ResultHost() = default;
    virtual void ShowMessage(const std::string& text) = 0;  // a plain message box
    virtual void ShowError(const std::string& text) = 0;    // caption "Error", stop icon
    // Yes/No with the exclamation icon; true on Yes.
    virtual bool AskWarning(const std::string& caption, const std::string& text) = 0;
    // Draw the plot area afresh now (through Paint).
    virtual void RepaintPlot() = 0;
    // The main window's zoom button goes up.
    virtual void ReleaseZoomButton() = 0;
};

// The interval, end time and unit that a closing window hands to the next.
struct IntervalTexts {
    std::string start, end, endTime;
    bool hz = true;
};

// The panel and the client area as the core sees them.
struct ResultControls {
    std::string start, end, endTime;        // Start, End, EndTime
    bool hz = true;                         // HzButt; RadButt shows the opposite
    bool yLinear = false, xLinear = false;  // Linear, LinearX
    std::vector<GridRow> grid;              // StringGrid1
    bool gridVisible = true;
    bool parameterEnabled = true;  // Button2: false without a component to sweep
    // Label1, EndTime, End, Label2, Label3, Label6, Linear, LinearX, Button2.
    bool intervalVisible = true;
    std::string frequencyLabel = "Frequency Interval";  // Label7
    std::string caption;
    bool memoVisible = true;  // Memo1 shown and PaintBox1 hidden, or the reverse
    std::vector<std::string> memoLines;
    int memoVersion = 0;  // counts the changes of memoLines, for the window to show them
};

class ResultWindow {
public:
    explicit ResultWindow(ResultHost& host) : host_(host) {}

    ResultControls controls;

    // Runs a command of the window (a value list's filling, Save) unless
    // one runs already; false when refused.
    bool RunCommand(const std::function<void()>& command);
    bool Busy() const { return busy_; }

    // Loads the file; the first view is Symbolic. The edits show the interval
    // remembered by the main window. While Busy() the reload waits.
    void OpenFdt(const std::string& path, const IntervalTexts& remembered);
    // Save As moved the model to the pair of this network-function file:
    // the caption is its name.
    void Renamed(const std::string& fdtPath);
    // Fills the grid and computes and shows the current view.
    void FormDati();
    void UpdateCaption();
    // A view menu item (View kinds 1 to 10).
    void ShowView(int kind);
    // "Refresh": reads the panel into the model and recomputes.
    void ValTxClick();
    // `Linear` clicked: the axis flags only, nothing recomputed.
    void LinearClick();

    // "Parameter" is enabled: some component is not numeric.
    bool CanSweep() const;
    // The dialog's contents before ShowModal.
    ParamDialogState ParameterDialog() const;
    // After the dialog, OK or not: applies it on OK, then refreshes.
    void ParameterDone(bool ok, const ParamDialogState& dialog);

    // Draws the view on the plot area; false (nothing drawn) while it
    // computes, when the memo shows, or with nothing loaded.
    bool Paint(TCanvas& canvas, int w, int h, int pixelsPerInch = 96);
    void MouseDown(int x, int y);
    PlotMouse::Moved MouseMove(TCanvas& canvas, int x, int y, bool zoomButtonDown, bool cursorVisible);
    // Ends a zoom drag: the view is zoomed and computed again.
    void MouseUp(int x, int y);
    const CursorReadouts& Readouts() const { return mouse_.Readouts(); }
    // The cursor window was hidden: its line goes from the plot.
    void CursorHidden(TCanvas& canvas);

    // Copy and Print: the memo's text when it shows, else the plot.
    bool ShowsText() const { return controls.memoVisible; }
    std::string MemoText() const;  // CR LF after each line
    std::vector<PrintPage> MemoPrintPages(int lineHeight, int pageHeight) const;
    // The plot on a printer canvas; the plot area keeps its frame for the mouse.
    void PrintPlot(TCanvas& canvas, int w, int h, int pixelsPerInch);

    // "Approximation" after the dialog's OK: the _App.fdt path to open in a
    // new window, or "" after a message.
    std::string Approximation(const ApproxChoice& choice);

    // What the main window remembers for the next window.
    IntervalTexts FormClose() const;

    // The same object for the window's whole life: a reload refills it, so a
    // value list that refers to it follows the new network function.
    FDT& Model() { return model_; }
    const FDT& Model() const { return model_; }
    const std::string& FdtPath() const { return fdtPath_; }
    const std::string& CaptionBase() const { return captionBase_; }
    bool PlotReady() const { return plotReady_; }

private:
    void Open(const std::string& path, const IntervalTexts& remembered);
    void Refresh();
    void ReadPanel();
    bool Compute(std::string& error);
    void ShowSymbolic();

    ResultHost& host_;
    FDT model_;
    std::string fdtPath_, captionBase_;
    bool plotReady_ = false;
    PlotMouse mouse_;
    bool busy_ = false;
    bool reloadPending_ = false;
    std::string pendingPath_;
    IntervalTexts pendingInterval_;
};

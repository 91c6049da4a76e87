#include <gtest/gtest.h>

#include "tests/viewer/DrawLog.h"
#include "tests/viewer/ViewFixtures.h"
#include "viewer/model/Messages.h"
#include "viewer/texts/NumericText.h"
#include "viewer/values/ValueListTable.h"

namespace {

struct Opened {
    explicit Opened(const std::string& path, const IntervalTexts& remembered = Remembered())
    {
        window.OpenFdt(path, remembered);
    }
    FakeHost host;
    ResultWindow window{host};
};

// Every computed view shows the text in an error box and falls back to the
// Symbolic text; both tables of the value list give it and stay unfilled.
void ExpectEveryComputedViewReports(Opened& w, const std::string& text)
{
    for (int kind : {View::Gain, View::Loss, View::Phase, View::Delay, View::PoleZero, View::Step, View::Impulse}) {
        SCOPED_TRACE(kind);
        w.host.errors.clear();
        w.window.ShowView(kind);
        ASSERT_EQ(w.host.errors, std::vector<std::string>{text});
        EXPECT_EQ(w.window.Model().GetViewKind(), View::Symbolic);
        EXPECT_TRUE(w.window.controls.memoVisible);
    }
    std::string error;
    ListTable table;
    EXPECT_FALSE(FillValueTable(w.window.Model(), NewListSettings("1", "10", true), table, error));
    EXPECT_EQ(error, text);
    EXPECT_FALSE(FillPoleZeroTable(w.window.Model(), table, error));
    EXPECT_EQ(error, text);
    EXPECT_FALSE(table.visible);
}

}  // namespace

TEST(ResultWindow, OpensOnTheSymbolicTextWithTheRememberedInterval)
{
    TempFolder dir;
    Opened w(WriteLowPass(dir), Remembered("1", "100", "2", false));
    const ResultControls& c = w.window.controls;
    EXPECT_EQ(c.caption, "h.fdt");
    EXPECT_EQ(w.window.CaptionBase(), "h.fdt");
    EXPECT_TRUE(c.memoVisible);
    ASSERT_FALSE(c.memoLines.empty());
    EXPECT_EQ(c.memoLines[0], "(  +1)");
    EXPECT_EQ(c.grid, (std::vector<GridRow>{{"R", "1000"}, {"C", "1E-6"}}));
    EXPECT_TRUE(c.gridVisible);
    EXPECT_TRUE(w.window.CanSweep());
    EXPECT_EQ(c.start, "1");
    EXPECT_EQ(c.end, "100");
    EXPECT_EQ(c.endTime, "2");
    EXPECT_FALSE(c.hz);
    EXPECT_TRUE(w.host.messages.empty() && w.host.errors.empty());
    // The window hands its interval back when it closes.
    IntervalTexts back = w.window.FormClose();
    EXPECT_EQ(back.start, "1");
    EXPECT_EQ(back.end, "100");
    EXPECT_EQ(back.endTime, "2");
    EXPECT_FALSE(back.hz);
}

TEST(ResultWindow, CaptionsAndControlsByView)
{
    TempFolder dir;
    Opened w(WriteLowPass(dir));
    struct Case {
        int kind;
        const char* caption;
    };
    for (const Case& c : {Case{View::Gain, "h.fdt - Gain"}, Case{View::Phase, "h.fdt - Phase"},
                          Case{View::Delay, "h.fdt - Delay"}, Case{View::PoleZero, "h.fdt - Poles/Zeros"},
                          Case{View::Step, "h.fdt - Step Response"}, Case{View::Impulse, "h.fdt - Impulse Response"},
                          Case{View::Numeric, "h.fdt - Numeric"}, Case{View::Loss, "h.fdt"},
                          Case{View::Phasor, "h.fdt - Phasor"}, Case{View::Symbolic, "h.fdt - Symbolic"}}) {
        int repaints = w.host.repaints;
        w.window.ShowView(c.kind);
        const ResultControls& controls = w.window.controls;
        EXPECT_EQ(controls.caption, c.caption);
        EXPECT_EQ(controls.memoVisible, c.kind == View::Symbolic) << c.kind;
        EXPECT_EQ(w.host.repaints, repaints + (c.kind != View::Symbolic)) << c.kind;
        EXPECT_EQ(controls.intervalVisible, c.kind != View::Phasor);
        EXPECT_EQ(controls.frequencyLabel, c.kind == View::Phasor ? "Frequency" : "Frequency Interval");
    }
    EXPECT_TRUE(w.host.errors.empty()) << w.host.errors[0];
    EXPECT_EQ(w.host.zoomReleases, 10);
}

TEST(ResultWindow, ComputationErrorsShowTheSymbolicText)
{
    TempFolder dir;
    Opened w(WriteLowPass(dir), Remembered("0", "100"));
    w.window.ShowView(View::Gain);
    EXPECT_EQ(w.host.errors, (std::vector<std::string>{Msg::BadFrequencyLimits}));
    EXPECT_EQ(w.window.controls.caption, "h.fdt - Symbolic");
    EXPECT_TRUE(w.window.controls.memoVisible);
    EXPECT_FALSE(w.window.controls.memoLines.empty());
    w.window.controls.endTime = "-1";
    w.window.controls.start = "10";
    w.window.ShowView(View::Step);  // not above 0: 1 second
    EXPECT_EQ(w.window.controls.endTime, "1");
    EXPECT_EQ(w.window.Model().endTime, 1.0);
    EXPECT_EQ(w.window.controls.caption, "h.fdt - Step Response");
}

TEST(ResultWindow, EndTimeThatIsNoNumberStopsTheRefresh)
{
    TempFolder dir;
    Opened w(WriteLowPass(dir));
    w.window.ShowView(View::Gain);
    const int repaints = w.host.repaints;
    w.window.controls.endTime = "abc";
    w.window.controls.start = "20";
    w.window.ValTxClick();
    EXPECT_EQ(w.host.messages, (std::vector<std::string>{"'abc' is not a valid floating point value"}));
    EXPECT_EQ(w.host.repaints, repaints);
    EXPECT_EQ(w.window.Model().fStart, 10);  // nothing was read
}

TEST(ResultWindow, RefreshReadsEditsAndGrid)
{
    TempFolder dir;
    Opened w(WriteSourceLowPass(dir));
    ResultControls& c = w.window.controls;
    EXPECT_EQ(c.grid, (std::vector<GridRow>{{"V1", "1"}, {"R", "1000"}, {"C", "1E-6"}}));
    c.start = "12abc";  // read as strtod reads it
    c.end = "1e3";
    c.hz = false;
    c.yLinear = true;
    c.grid[1].value = "2k";
    w.window.ShowView(View::Gain);
    const FDT& f = w.window.Model();
    EXPECT_EQ(f.wStart, 12);
    EXPECT_EQ(f.wEnd, 1000);
    EXPECT_DOUBLE_EQ(f.fEnd, 1000 / (2 * kPi));
    EXPECT_TRUE(f.yLinear);
    EXPECT_EQ(f.GetCompo(1).value, 2);
    EXPECT_EQ(c.grid[1].value, "2");

    // In the Phasor view a source's cell holds magnitude P phase.
    c.start = "0";
    c.grid[0].value = "2P45";
    w.window.ShowView(View::Phasor);
    EXPECT_EQ(f.GetCompo(0).value, 2);
    EXPECT_EQ(f.GetCompo(0).phase, 45);
    EXPECT_EQ(c.grid[0].value, "2 P 45");
    EXPECT_EQ(c.grid[1].value, "2");
    EXPECT_EQ(PhasorTextOf(f).value, "1.4142 + j 1.4142  =  2  arg(45\xB0)");
    // In the Gain view the same row shows the value only.
    w.window.ShowView(View::Gain);
    EXPECT_EQ(c.grid[0].value, "2");
    EXPECT_EQ(f.GetCompo(0).phase, 45);
}

TEST(ResultWindow, PhasorAtAPoleOrWithValuesThatAreNoNumbers)
{
    // V1 / (s R C): a pole at 0 Hz.
    TempFolder dir;
    Opened w(WriteFunction(dir, "i", "V1 R C", "1 1000 1e-6", {{1, 0, {0}}}, {{1, 1, {1, 2}}}), Remembered("0"));
    w.window.ShowView(View::Phasor);
    EXPECT_FALSE(w.window.Model().PhasorValid());
    EXPECT_TRUE(w.host.errors.empty());
    EXPECT_EQ(w.window.controls.caption, "i.fdt - Phasor");
    w.window.controls.start = "1";
    w.window.ValTxClick();
    EXPECT_TRUE(w.window.Model().PhasorValid());
    // A value that is no finite number is refused: the phasor stays.
    w.window.controls.grid[1].value = "nan";
    w.window.ValTxClick();
    EXPECT_EQ(w.host.messages, std::vector<std::string>{"'nan' is not a valid floating point value"});
    EXPECT_EQ(w.window.Model().GetCompo(1).value, 1000);
    EXPECT_TRUE(w.window.Model().PhasorValid());
}

// Values whose products overflow a double leave no finite coefficient: every
// computed view and the value list say so instead of drawing nothing.
TEST(ResultWindow, CoefficientsBeyondADoubleAreReported)
{
    TempFolder dir;
    Opened w(WriteLowPass(dir));
    w.window.controls.grid = {{"R", "1e300"}, {"C", "1e300"}};
    ExpectEveryComputedViewReports(w, Msg::NotFiniteCoefficients);
}

// R1 + s R2 over nothing when both are 0: no view shows a value, each says
// why, and the window shows the function again once a value is back.
TEST(ResultWindow, AVanishingDenominatorIsReportedByEveryView)
{
    TempFolder dir;
    Opened w(WriteFunction(dir, "v", "R1 R2", "1000 1000", {{4.7e5, 0, {}}}, {{1, 0, {0}}, {1, 1, {1}}}));
    ResultControls& c = w.window.controls;
    c.grid = {{"R1", "0"}, {"R2", "0"}};
    ExpectEveryComputedViewReports(w, Msg::NoFiniteFunction);
    w.host.errors.clear();
    for (int kind : {View::Numeric, View::Phasor}) {
        SCOPED_TRACE(kind);
        w.window.ShowView(kind);
        EXPECT_TRUE(w.host.errors.empty());
        DrawLog log;
        ASSERT_TRUE(w.window.Paint(log, 700, 480));
        std::vector<std::string> texts;
        for (const DrawLog::Text& t : log.texts)
            texts.push_back(t.text);
        EXPECT_EQ(texts.back(), Msg::NoFiniteFunction);
        EXPECT_EQ(texts.size(), kind == View::Numeric ? 1u : 2u);  // the Phasor's frequency stays
        EXPECT_TRUE(log.strokes.empty());
    }
    // One value back: every view has its function again, the Numeric view at
    // the next Refresh.
    w.window.ShowView(View::Numeric);
    c.grid[1].value = "1000";
    w.window.ValTxClick();
    EXPECT_EQ(NumericTextOf(w.window.Model()).gain, "470");
    DrawLog log;
    ASSERT_TRUE(w.window.Paint(log, 700, 480));
    EXPECT_FALSE(log.Find(Msg::NoFiniteFunction));
    w.window.ShowView(View::Phasor);
    EXPECT_TRUE(w.window.Model().PhasorValid());
    for (int kind : {View::Gain, View::Loss, View::Phase, View::Delay, View::PoleZero, View::Step, View::Impulse}) {
        SCOPED_TRACE(kind);
        w.window.ShowView(kind);
        EXPECT_EQ(w.window.Model().GetViewKind(), kind);
    }
    EXPECT_TRUE(w.host.errors.empty());
    std::string error;
    ListTable table;
    EXPECT_TRUE(FillPoleZeroTable(w.window.Model(), table, error)) << error;
}

// One curve of a sweep: the grid shows the swept value, and an edit of it counts.
TEST(ResultWindow, OneCurveSweepIsTheValueInTheGrid)
{
    TempFolder dir;
    Opened w(WriteLowPass(dir, {"10 10000 0.01", "0", "0 2000 0 0 0 0"}));
    ResultControls& c = w.window.controls;
    EXPECT_EQ(c.grid[0], (GridRow{"R", "0"}));
    w.window.ShowView(View::Numeric);
    NumericText t = NumericTextOf(w.window.Model());
    EXPECT_TRUE(t.constant);
    EXPECT_EQ(t.gain, "1");
    c.grid[0].value = "2000";
    w.window.ValTxClick();
    EXPECT_EQ(NumericTextOf(w.window.Model()).gain, "500");
    // A sweep emptied in the dialog: the component keeps the value it shows.
    ParamDialogState dialog = w.window.ParameterDialog();
    dialog.edits = {"3000", "4000", "", "", "", ""};
    w.window.ParameterDone(true, dialog);
    ASSERT_EQ(w.window.Model().curveCount, 2);
    DeleteAllValues(dialog);
    w.window.ParameterDone(true, dialog);
    EXPECT_EQ(c.grid[0], (GridRow{"R", "2000"}));
    EXPECT_EQ(NumericTextOf(w.window.Model()).gain, "500");
}

TEST(ResultWindow, SweptComponentShowsParamAndIsNotReadBack)
{
    TempFolder dir;
    Opened w(WriteLowPassSweep(dir));
    ResultControls& c = w.window.controls;
    EXPECT_EQ(c.grid[0], (GridRow{"R", "Param."}));
    w.window.ShowView(View::Gain);
    EXPECT_EQ(w.window.Model().GetCompo(0).value, 1000);
    EXPECT_EQ(w.window.Model().curveCount, 3);
}

TEST(ResultWindow, AllNumericComponentsHideTheGridAndTheSweep)
{
    TempFolder dir;
    Opened w(WriteFunction(dir, "n", "$ $", "1000 1e-6", {{1, 0, {}}}, {{1, 0, {}}, {1, 1, {0, 1}}}));
    EXPECT_TRUE(w.window.controls.grid.empty());
    EXPECT_FALSE(w.window.controls.gridVisible);
    EXPECT_FALSE(w.window.CanSweep());
    EXPECT_FALSE(w.window.controls.parameterEnabled);
    // A dialog answered anyway changes nothing.
    ParamDialogState dialog = w.window.ParameterDialog();
    EXPECT_TRUE(dialog.items.empty());
    dialog.edits[0] = "5";
    w.window.ParameterDone(true, dialog);
    EXPECT_EQ(w.window.Model().curveCount, 1);
    EXPECT_EQ(w.window.Model().GetCompo(0).value, 1000);
}

TEST(ResultWindow, SweepDialogRoundTrip)
{
    TempFolder dir;
    Opened w(WriteLowPass(dir));
    w.window.ShowView(View::Gain);
    const FDT& f = w.window.Model();

    ParamDialogState dialog = w.window.ParameterDialog();
    EXPECT_EQ(dialog.items, (std::vector<std::string>{"R", "C"}));
    EXPECT_EQ(dialog.selected, 0);
    for (const std::string& edit : dialog.edits)
        EXPECT_EQ(edit, "");
    // Values close up over an empty edit.
    dialog.edits = {"1000", "", "2000", "5000", "", ""};
    w.window.ParameterDone(true, dialog);
    EXPECT_EQ(f.curveCount, 3);
    EXPECT_EQ(f.sweptComponent, 0);
    EXPECT_EQ(f.curveValues[1], 2000);
    EXPECT_EQ(f.curveValues[2], 5000);
    EXPECT_EQ(w.window.controls.grid[0].value, "Param.");
    EXPECT_EQ(w.window.controls.caption, "h.fdt - Gain");

    dialog = w.window.ParameterDialog();
    EXPECT_EQ(dialog.edits, (std::array<std::string, 6>{"1000", "2000", "5000", "", "", ""}));
    EXPECT_EQ(dialog.selected, 0);
    // Cancel keeps the sweep.
    w.window.ParameterDone(false, dialog);
    EXPECT_EQ(f.curveCount, 3);

    // "Delete All" and OK: no sweep, and the component keeps its own value.
    DeleteAllValues(dialog);
    EXPECT_EQ(dialog.selected, 0);
    w.window.ParameterDone(true, dialog);
    EXPECT_EQ(f.curveCount, 1);
    EXPECT_EQ(f.GetCompo(0).value, 1000);
    EXPECT_EQ(w.window.controls.grid[0].value, "1000");

    // One value becomes the component's value.
    dialog = w.window.ParameterDialog();
    dialog.selected = 1;
    dialog.edits[3] = "2.2e-6";
    w.window.ParameterDone(true, dialog);
    EXPECT_EQ(f.curveCount, 1);
    EXPECT_EQ(f.GetCompo(1).value, 2.2e-6);
    EXPECT_EQ(w.window.controls.grid[1].value, "2.2E-6");
    EXPECT_EQ(f.GetCompo(0).value, 1000);

    // A value beyond a double is reported and changes nothing.
    dialog = w.window.ParameterDialog();
    dialog.edits = {"1000", "1e999", "", "", "", ""};
    w.window.ParameterDone(true, dialog);
    EXPECT_EQ(w.host.messages, std::vector<std::string>{"'1e999' is not a valid floating point value"});
    EXPECT_EQ(f.curveCount, 1);
    EXPECT_EQ(f.curveValues[1], 2000);
    EXPECT_EQ(w.window.controls.caption, "h.fdt - Gain");
}

TEST(ResultWindow, DecliningALargeSymbolicTextShowsTheNumericView)
{
    TempFolder dir;
    std::vector<FileTerm> num(10000, FileTerm{1e-4, 0, {}});
    FakeHost host;
    host.answer = false;
    ResultWindow window(host);
    window.OpenFdt(WriteFunction(dir, "big", "C", "1e-3", num, {{1, 0, {}}, {1, 1, {0}}}), Remembered());
    ASSERT_EQ(host.questions.size(), 1u);
    EXPECT_EQ(host.questions[0].substr(0, 9), "Warning!|");
    EXPECT_NE(host.questions[0].find("10002 terms"), std::string::npos);
    EXPECT_EQ(window.Model().GetViewKind(), View::Numeric);
    EXPECT_EQ(window.controls.caption, "big.fdt - Numeric");
    EXPECT_FALSE(window.controls.memoVisible);
    EXPECT_EQ(host.repaints, 1);
}

TEST(ResultWindow, AFileThatCannotBeReadLeavesAnEmptyWindow)
{
    TempFolder dir;
    Opened w(dir / "missing.fdt");
    ASSERT_EQ(w.host.messages.size(), 1u);
    EXPECT_NE(w.host.messages[0].find("cannot be read"), std::string::npos);
    EXPECT_TRUE(w.window.controls.grid.empty());
    EXPECT_FALSE(w.window.CanSweep());
    w.window.ShowView(View::Gain);
    w.window.ValTxClick();
    EXPECT_EQ(w.host.repaints, 0);
    EXPECT_TRUE(w.host.errors.empty());
}

TEST(ResultWindow, ReloadRefillsTheSameModel)
{
    TempFolder dir;
    Opened w(WriteLowPass(dir));
    const FDT* model = &w.window.Model();
    w.window.ShowView(View::Gain);
    w.window.OpenFdt(WriteLowPassSweep(dir), Remembered());
    EXPECT_EQ(&w.window.Model(), model);
    EXPECT_EQ(w.window.Model().curveCount, 3);
    EXPECT_EQ(w.window.Model().GetViewKind(), View::Symbolic);
    EXPECT_EQ(w.window.controls.caption, "h.fdt");
}

TEST(ResultWindow, CopyAndPrintOfTheMemo)
{
    TempFolder dir;
    Opened w(WriteLowPass(dir));
    EXPECT_TRUE(w.window.ShowsText());
    std::string text = w.window.MemoText();
    EXPECT_EQ(text.substr(0, 8), "(  +1)\r\n");
    std::vector<PrintPage> pages = w.window.MemoPrintPages(20, 100);
    std::size_t printed = 0;
    for (const PrintPage& page : pages)
        for (const PrintedText& line : page) {
            EXPECT_LE(line.y + 20, 100);
            EXPECT_EQ(line.text, w.window.controls.memoLines[printed++]);
        }
    EXPECT_EQ(printed, w.window.controls.memoLines.size());
    EXPECT_GT(pages.size(), 1u);
}

namespace {

// A wait window whose message loop brings other commands of the window,
// as a user's clicks and a completion message would.
class NestedCommands : public RecordingProgress {
public:
    void ProcessMessages() override
    {
        RecordingProgress::ProcessMessages();
        if (done || !window)
            return;
        done = true;
        busy = window->Busy();
        window->ShowView(View::Phase);
        window->ValTxClick();
        refused = !window->RunCommand([] {});
        window->OpenFdt(reload, Remembered());
        captionDuring = window->controls.caption;
    }
    ResultWindow* window = nullptr;
    std::string reload, captionDuring;
    bool done = false, busy = false, refused = false;
};

}  // namespace

TEST(ResultWindow, CommandsDuringAComputationWaitOrAreRefused)
{
    TempFolder dir;
    std::vector<FileTerm> num(2000, FileTerm{1e-3, 0, {0}});
    FakeHost host;
    ResultWindow window(host);
    window.OpenFdt(WriteFunction(dir, "big", "R C", "1000 1e-6", num, {{1, 0, {}}, {1, 1, {0, 1}}}), Remembered());
    NestedCommands nested;
    nested.window = &window;
    nested.reload = WriteLowPass(dir);
    window.Model().progress = &nested;

    window.ShowView(View::Gain);
    EXPECT_TRUE(nested.done);
    EXPECT_TRUE(nested.busy);
    EXPECT_TRUE(nested.refused);
    EXPECT_EQ(nested.captionDuring, "big.fdt - Gain");  // the Phase view was refused
    // The reload followed the computation.
    EXPECT_FALSE(window.Busy());
    EXPECT_EQ(window.Model().fdtPath, dir / "h.fdt");
    EXPECT_EQ(window.Model().numeratorTerms, 1);
    EXPECT_EQ(window.controls.caption, "h.fdt");
    EXPECT_EQ(window.controls.grid, (std::vector<GridRow>{{"R", "1000"}, {"C", "1E-6"}}));
    EXPECT_TRUE(host.errors.empty());
}

// From a drawn circuit to a result window, with real Vimlo processes started
// by the schematic window from the program's folder: "Complete Analysis",
// "Approximate Analysis" through its dialog, the checks of the circuit file,
// and a subcircuit drawn, saved and used in another window.
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <complex>
#include <filesystem>
#include <gtest/gtest.h>

#include "editor/app/FormSpice.h"
#include "formats/Paths.h"
#include "tests/editor/app/ResultWindows.h"
#include "tests/editor/app/SchematicFrame.h"
#include "tests/support/EngineRun.h"
#include "viewer/app/ChildWin.h"
#include "viewer/model/FDT.h"

namespace {

using Complex = std::complex<double>;

class SchematicAnalysis : public testing::Test {
protected:
    SchematicAnalysis() { f.CopyProgram("Vimlo"); }

    std::vector<TMDIChild*> Results() const { return ResultWindows(*f.form); }
    // Waits for the result of that name to be (re)loaded.
    TMDIChild* ResultOf(const std::string& fdt)
    {
        TMDIChild* found = nullptr;
        WaitFor([&] {
            for (TMDIChild* result : Results())
                if (result->Model() && result->Model()->fdtPath == fdt)
                    found = result;
            return found != nullptr;
        });
        return found;
    }
    // The network function against a formula at a few frequencies.
    void ExpectFunction(const std::string& fdt, const std::function<Complex(Complex)>& formula)
    {
        NetworkFunction result = ReadNetworkFunction(fdt);
        for (double w : {0.1, 1.0, 3.0, 100.0}) {
            Complex s(0, w), want = formula(s), got = result.At(s);
            EXPECT_LE(std::abs(got - want), 1e-9 * std::abs(want)) << "w=" << w;
        }
    }

    SchematicFrame f;
};

}  // namespace

TEST_F(SchematicAnalysis, CompleteAnalysisOpensTheResultOfTheSchematic)
{
    TFormSch& w = f.Open(f.Schematic("rc_lowpass.sch"));
    w.findChild<QAction*>("CompleteAnalysis1")->trigger();
    TMDIChild* result = ResultOf(f.folder / "rc_lowpass.fdt");
    ASSERT_TRUE(result) << testing::PrintToString(f.Messages());
    EXPECT_EQ(result->windowTitle().toStdString(), "rc_lowpass.fdt");
    for (const char* file : {"rc_lowpass.crc", "rc_lowpass.fdt", "rc_lowpass.par"})
        EXPECT_TRUE(std::filesystem::exists(f.folder / file)) << file;
    ExpectFunction(f.folder / "rc_lowpass.fdt", [](Complex s) { return 1.0 / (1.0 + s * 1000.0 * 1e-7); });
    EXPECT_TRUE(f.dialogs.shown.empty());
    EXPECT_FALSE(w.Document().Modified);
}

// An unnamed schematic is named in the frame's save dialog first.
TEST_F(SchematicAnalysis, AnUnnamedSchematicIsNamedThenAnalysed)
{
    TFormSch& w = f.New();
    DrawRcLowPass(w);
    f.form->InitialDir = f.folder.Folder();
    QTest::mouseClick(w.ButtAnalisi, Qt::LeftButton);  // cancelled
    ASSERT_EQ(f.dialogs.requests.size(), 1u);
    const FileRequest& request = f.dialogs.requests[0];
    EXPECT_EQ(request.title, "Save");
    EXPECT_EQ(request.filterIndex, 1);
    EXPECT_EQ(request.defaultExt, "sch");
    EXPECT_EQ(request.fileName, "");
    EXPECT_EQ(request.initialDir, f.folder.Folder());
    for (const std::string& name : f.folder.Names())
        EXPECT_TRUE(name == "Vimlo" || name.starts_with("tervox.ini")) << name << " written";

    std::filesystem::create_directories(f.folder / "circuits");
    f.dialogs.files = {f.folder / "circuits/rc.sch"};
    QTest::mouseClick(w.ButtAnalisi, Qt::LeftButton);
    EXPECT_EQ(w.windowTitle().toStdString(), "Schema: " + f.folder / "circuits/rc.sch");
    EXPECT_EQ(f.form->InitialDir, f.folder / "circuits/");
    ASSERT_TRUE(ResultOf(f.folder / "circuits/rc.fdt"));
    ExpectFunction(f.folder / "circuits/rc.fdt", [](Complex s) { return 1.0 / (1.0 + s); });
}

TEST_F(SchematicAnalysis, ApproximateAnalysisThroughItsDialogKeepsFewerTerms)
{
    TFormSch& w = f.Open(f.Schematic("sallen_key.sch"));
    QTest::mouseClick(w.ButtAnalisi, Qt::LeftButton);
    TMDIChild* result = ResultOf(f.folder / "sallen_key.fdt");
    ASSERT_TRUE(result);
    auto terms = [&] { return result->Model()->numeratorTerms + result->Model()->denominatorTerms; };
    const std::int64_t exactTerms = terms();

    AnswerModal([&](QDialog&) {
        TFormApprox& a = *f.formApprox;
        Type(a.EdFreq1, "10");
        Type(a.EdFreq2, "100000");
        a.NumFreq->setCurrentText("5");
        Type(a.EdLim, "99.9");
        QTest::mouseClick(a.OK, Qt::LeftButton);
    });
    f.form->Activate(&w);
    QTest::mouseClick(w.ButtApprox, Qt::LeftButton);
    // The window of that name reloads with the shorter function.
    EXPECT_TRUE(WaitFor([&] { return terms() < exactTerms; })) << testing::PrintToString(f.Messages());
    std::string circuit = ReadBytes(f.folder / "sallen_key.crc");
    std::string second = circuit.substr(circuit.find("\r\n") + 2);
    EXPECT_EQ(second.substr(0, second.find("\r\n")), ".APP 99.9 5 10 100 1000 10000 100000 ");
    EXPECT_EQ(Results().size(), 1u) << "the result window of that name is reloaded";
}

struct CheckCase {
    const char* name;
    std::function<void(std::vector<std::string>&)> change;  // of the lines of rc_lowpass.sch
    const char* message;
};

void PrintTo(const CheckCase& c, std::ostream* os) { *os << c.name; }

void DropKind(std::vector<std::string>& lines, char kind)
{
    std::erase_if(lines, [kind](const std::string& line) { return line[0] == kind; });
}

const CheckCase kChecks[] = {
    {"Trivial", [](auto& l) { l = {l[1], l[2]}; }, "Trivial Circuit! Less than 3 nodes!"},
    {"TwoOutputs", [](auto& l) { l.push_back("v#260#150#0#v2#1#0"); }, "Only one output is allowed!"},
    {"OutputOnGround", [](auto& l) { l[6] = "v#100#260#0#v1#1#0"; }, "Output node is connected to ground!"},
    {"NoGround", [](auto& l) { DropKind(l, 'g'); }, "Ground node missing!"},
    {"NoSource", [](auto& l) { DropKind(l, 'V'); }, "Independent source missing!"},
    {"NoOutput", [](auto& l) { DropKind(l, 'v'); }, "Output node missing!"},
};

class AnalysisCheck : public SchematicAnalysis, public testing::WithParamInterface<CheckCase> {};

// Each check of the circuit file reaches the window's user as its message;
// nothing is written and nothing started.
TEST_P(AnalysisCheck, ShowsItsMessageAndWritesNothing)
{
    std::vector<std::string> lines;
    std::string text = ReadBytes(std::string(TERVOX_SOURCE_DIR) + "/examples/schematics/rc_lowpass.sch");
    for (std::size_t at = 0; at < text.size();) {
        std::size_t end = text.find("\r\n", at);
        lines.push_back(text.substr(at, end - at));
        at = end + 2;
    }
    GetParam().change(lines);
    std::string joined;
    for (const std::string& line : lines)
        joined += line + "\n";
    TFormSch& w = f.Open(f.folder.Write("c.sch", joined));
    w.findChild<QAction*>("CompleteAnalysis1")->trigger();
    EXPECT_EQ(f.Messages(), std::vector<std::string>{GetParam().message});
    EXPECT_FALSE(std::filesystem::exists(f.folder / "c.crc"));
}

INSTANTIATE_TEST_SUITE_P(Every, AnalysisCheck, testing::ValuesIn(kChecks),
                         [](const testing::TestParamInfo<CheckCase>& p) { return p.param.name; });

TEST_F(SchematicAnalysis, AnEngineThatCannotStartIsReported)
{
    std::filesystem::remove(f.folder / "Vimlo");
    TFormSch& w = f.Open(f.Schematic("rc_lowpass.sch"));
    QTest::mouseClick(w.ButtAnalisi, Qt::LeftButton);
    EXPECT_EQ(f.Messages(), std::vector<std::string>{"Cannot start the analysis program \"" + f.folder / "Vimlo" + "\""});
    EXPECT_TRUE(std::filesystem::exists(f.folder / "rc_lowpass.crc"));
}

// A subcircuit drawn in a subcircuit window and saved; a window opened
// afterwards lists it; two instances of it form an RC ladder whose network
// function is that of the flat circuit, 1 / (1 + 3s + s^2) with all values 1.
TEST_F(SchematicAnalysis, ASubcircuitDrawnSavedPlacedAndAnalysed)
{
    TFormSch& before = f.New();
    TFormSch& sub = f.New(true);
    Place(sub, sub.vOut, 100, 100, 2);
    Place(sub, sub.Resistore, 220, 100, 1);
    Place(sub, sub.Condens, 260, 100);
    Place(sub, sub.ground, 260, 160);
    Place(sub, sub.vOut, 300, 100);
    Wire(sub, 100, 100, 160, 100);
    Wire(sub, 220, 100, 300, 100);
    f.dialogs.files = {f.folder / "SubCkt/section.xch"};
    QTest::mouseClick(sub.SaveSub, Qt::LeftButton);
    ASSERT_EQ(f.dialogs.requests.size(), 1u);
    EXPECT_EQ(f.dialogs.requests[0].title, "Save SubCircuit");
    EXPECT_EQ(ReadBytes(f.folder / "SubCkt/section.sbc"), "4 4 L2 R2 \r\nR1 2 1 1 0\r\nC1 2 0 1 0\r\n");
    EXPECT_TRUE(std::filesystem::exists(f.folder / "SubCkt/section.sp"));
    EXPECT_FALSE(sub.Document().Modified);
    EXPECT_EQ(before.ListSub->count(), 0) << "the list is read when a window opens";

    TFormSch& w = f.New();
    ASSERT_EQ(w.ListSub->count(), 1);
    EXPECT_EQ(w.ListSub->item(0)->text().toStdString(), "section");
    Place(w, w.VTensione, 100, 200);
    Place(w, w.ground, 100, 260);
    for (int x : {180, 280}) {
        QTest::mouseClick(w.ListSub->viewport(), Qt::LeftButton, Qt::NoModifier,
                          w.ListSub->visualItemRect(w.ListSub->item(0)).center());
        Click(w, x, 180);
        Key(w, Qt::Key_Escape);
    }
    Place(w, w.vOut, 380, 200);
    Wire(w, 100, 200, 170, 200);
    Wire(w, 230, 200, 270, 200);
    Wire(w, 330, 200, 380, 200);
    f.dialogs.files = {f.folder / "ladder.sch"};
    QTest::mouseClick(w.ButtAnalisi, Qt::LeftButton);
    ASSERT_TRUE(ResultOf(f.folder / "ladder.fdt")) << testing::PrintToString(f.Messages());
    ExpectFunction(f.folder / "ladder.fdt", [](Complex s) { return 1.0 / (1.0 + 3.0 * s + s * s); });
    EXPECT_NE(ReadBytes(f.folder / "ladder.crc").find("R1_X2"), std::string::npos);
}

// "Spice Netlist" writes <schematic>.cir and opens the SPICE window on it;
// in a subcircuit window it is the subcircuit save.
TEST_F(SchematicAnalysis, SpiceNetlistOpensTheSpiceWindowOnTheNetlist)
{
    TFormSch& w = f.Open(f.Schematic("rc_lowpass.sch"));
    w.SpiceS1->trigger();
    auto* spice = dynamic_cast<TFormSpice*>(f.form->ActiveChild());
    ASSERT_TRUE(spice) << testing::PrintToString(f.Messages());
    EXPECT_EQ(spice->NetlistPath(), f.folder / "rc_lowpass.cir");
    std::string netlist = ReadBytes(f.folder / "rc_lowpass.cir");
    EXPECT_NE(netlist.find("\r\nR1 1 2 1000\r\n"), std::string::npos) << netlist;

    TFormSch& noGround = f.Open(f.folder.Write("open.sch", "R#220#150#1#R1#1000#0\nv#300#150#0#v1#1#0"));
    noGround.SpiceS1->trigger();
    EXPECT_EQ(f.Messages(), std::vector<std::string>{"Ground node missing!"});
    EXPECT_EQ(f.form->ActiveChild(), &noGround) << "no SPICE window";
    EXPECT_TRUE(std::filesystem::exists(f.folder / "open.cir"));

    TFormSch& sub = f.New(true);
    Place(sub, sub.Resistore, 100, 100);
    sub.SpiceS1->trigger();
    ASSERT_EQ(f.dialogs.requests.size(), 1u);
    EXPECT_EQ(f.dialogs.requests[0].title, "Save SubCircuit");
    EXPECT_EQ(f.form->ActiveChild(), &sub);
}

// The example schematics: made by the generator, opened as a user opens them,
// numbered, written as circuit files and analysed, against their formulas.
// TERVOX_WRITE_EXAMPLES=1 writes the drawings into examples/ instead.
#include "editor/circuit/CircuitWriter.h"
#include "editor/drawing/Picture.h"
#include "formats/Paths.h"
#include "tests/editor/EditorHarness.h"
#include "tests/editor/ExampleDrawings.h"
#include "tests/editor/TestSupport.h"
#include "tests/support/EngineRun.h"

#include <gtest/gtest.h>

#include <complex>
#include <cstdlib>
#include <filesystem>
#include <functional>

namespace {

using Complex = std::complex<double>;

const std::string SchematicsFolder = std::string(TERVOX_SOURCE_DIR) + "/examples/schematics/";
const std::string SubcktFolder = std::string(TERVOX_SOURCE_DIR) + "/examples/SubCkt/";

TEST(Examples, AreWhatTheGeneratorDraws)
{
    if (std::getenv("TERVOX_WRITE_EXAMPLES")) {
        std::filesystem::create_directories(SchematicsFolder);
        std::filesystem::create_directories(SubcktFolder);
        DrawExamples(SchematicsFolder, SubcktFolder);
    }
    TempFolder folder;
    std::filesystem::create_directories(folder.Path() / "SubCkt");
    DrawExamples(folder.Folder(), folder / "SubCkt/");
    for (const std::string& name : ExampleSchematics)
        EXPECT_EQ(ReadBytes(folder / name), ReadBytes(SchematicsFolder + name)) << name;
    for (const std::string& name : ExampleSubcircuitFiles)
        EXPECT_EQ(ReadBytes(folder / ("SubCkt/" + name)), ReadBytes(SubcktFolder + name)) << name;
}

struct Example {
    std::string name;
    int nodes;  // ground included
    std::function<Complex(Complex)> formula;
};

const Example Cases[] = {
    {"rc_lowpass.sch", 3, [](Complex s) { return 1.0 / (1.0 + s * 1000.0 * 100e-9); }},
    {"sallen_key.sch", 5,
     [](Complex s) {
         double r1 = 10000, r2 = 10000, c1 = 20e-9, c2 = 10e-9;
         return 1.0 / (1.0 + s * c2 * (r1 + r2) + s * s * r1 * r2 * c1 * c2);
     }},
    {"ce_amplifier.sch", 4,
     [](Complex s) {
         double rs = 1000, hie = 1000, hre = 2.5e-4, hfe = 100, hoe = 2.5e-5;
         Complex yl = 1.0 / 4700 + s * 1e-9 + hoe;
         return -hfe / ((rs + hie) * yl - hre * hfe);
     }},
    {"rc_ladder.sch", 4,
     [](Complex s) {
         Complex t = s * 1000.0 * 1e-6;
         return 1.0 / (1.0 + 3.0 * t + t * t);
     }},
};

class ExampleTest : public ::testing::TestWithParam<Example> {};

TEST_P(ExampleTest, OpensNumbersAndAnalyses)
{
    const Example& example = GetParam();
    TempFolder folder;
    std::filesystem::copy_file(SchematicsFolder + example.name, folder / example.name);
    PartClipboard clipboard;
    ScriptedDialogs dialogs;
    EditorWindow window(clipboard, dialogs, SubcktFolder);
    std::string error;
    ASSERT_TRUE(window.editor.Load(folder / example.name, error)) << error;
    window.editor.CheckNodes();
    EXPECT_EQ(window.Doc().NodeCount, example.nodes);
    std::string picture = std::string(TERVOX_TEST_DIR) + "/example_" + ChangeFileExt(example.name, ".png");
    EXPECT_TRUE(window.surface.Image().save(QString::fromStdString(picture), "PNG"));

    std::string path;
    ASSERT_TRUE(WriteCircuitFile(window.Doc(), &window.surface, SubcktFolder, path, error)) << error;
    ASSERT_TRUE(RunEngineOn(path, error)) << error;
    NetworkFunction result = ReadNetworkFunction(ChangeFileExt(path, ".fdt"));
    for (double w : {1.0, 1e3, 1e4, 1e5, 3e6}) {
        Complex s(0, w), want = example.formula(s), got = result.At(s);
        EXPECT_LE(std::abs(got - want), 1e-9 * std::abs(want)) << "w=" << w << "\n" << ReadBytes(path);
    }
    EXPECT_TRUE(dialogs.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Examples, ExampleTest, ::testing::ValuesIn(Cases),
                         [](const ::testing::TestParamInfo<Example>& p) {
                             return ChangeFileExt(p.param.name, "");
                         });

TEST(Examples, SubcircuitIsItsOwnSchematic)
{
    PartClipboard clipboard;
    ScriptedDialogs dialogs;
    EditorWindow window(clipboard, dialogs, SubcktFolder, true);
    std::string error;
    ASSERT_TRUE(window.editor.Load(SubcktFolder + "rcsection.xch", error)) << error;
    window.editor.CheckNodes();
    EXPECT_EQ(window.Doc().PortCount, 3) << "two ports";
    EXPECT_EQ(ReadBytes(SubcktFolder + "rcsection.sbc").substr(0, 10), "4 4 L2 R2 ");
}

}  // namespace

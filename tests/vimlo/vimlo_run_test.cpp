// Vimlo run from its command line: the log, the result files, the ini file
// and the completion message, and the runs that end without a result.
#include <filesystem>
#include <gtest/gtest.h>
#include <regex>

#include "engine/Circuito.h"
#include "engine/app/VimloHost.h"
#include "formats/BinaryFile.h"
#include "formats/Term.h"
#include "tests/platform/EndedProcess.h"
#include "tests/vimlo/Circuits.h"
#include "tests/vimlo/VimloProcess.h"

namespace fs = std::filesystem;

namespace {

struct Record {
    double coefficient;
    int power;
    std::vector<int> symbols;
    bool operator==(const Record&) const = default;
};

// The two sections of a network-function file.
std::vector<std::vector<Record>> Sections(const std::string& path)
{
    InFile file;
    if (!file.Open(path))
        return {};
    std::vector<std::vector<Record>> sections(2);
    for (auto& section : sections) {
        TERM term;
        while (term.Read(file))
            section.push_back({term.coefficient, term.power, std::vector<int>(term.symbols, term.symbols + term.count)});
    }
    return sections;
}

}  // namespace

TEST_F(VimloRun, WritesTheResultsNamesThemInTheIniAndPostsTheMessage)
{
    std::string ini = "[SYSTEM]\r\n" + MainLine() + "Freqin=0.01\r\n; the user's note\r\n";
    WriteBytes(folder / "tervox.ini", ini);
    std::string circuit = folder / "low.crc";
    WriteBytes(circuit, kLowPass);

    Outcome run = Start({QString::fromStdString(circuit)});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    ASSERT_EQ(run.out.size(), 7u) << run.err;
    EXPECT_EQ(run.out[0], "low.crc: 4 branches, 5 nodes.");
    EXPECT_EQ(run.out[1], "Numerator:");
    EXPECT_EQ(run.out[2], "1 Terms");
    EXPECT_EQ(run.out[3], "Denominator:");
    EXPECT_EQ(run.out[4], "2 Terms");
    EXPECT_TRUE(std::regex_match(run.out[5], std::regex("Time: [0-9]+ millisec"))) << run.out[5];
    EXPECT_EQ(run.out[6], "Out in: " + folder / "low.fdt");

    // H = 1 / (1 + s C1 R1), symbols in parameter-file order C1 R1.
    std::vector<std::vector<Record>> expected = {{{1.0, 0, {}}}, {{1.0, 1, {0, 1}}, {1.0, 0, {}}}};
    EXPECT_EQ(Sections(folder / "low.fdt"), expected);

    // The same bytes as the core writes by itself.
    fs::create_directory(folder / "core");
    WriteBytes(folder / "core/low.crc", kLowPass);
    {
        VimloHost host;
        Circuito core(folder / "core/low.crc", true, host);
        core.Numerator();
        core.Denominator();
        ASSERT_TRUE(core.Ok());
    }
    EXPECT_EQ(ReadBytes(folder / "low.fdt"), ReadBytes(folder / "core/low.fdt"));
    EXPECT_EQ(ReadBytes(folder / "low.par"), ReadBytes(folder / "core/low.par"));

    EXPECT_EQ(ReadBytes(folder / "tervox.ini"), ini + "LastFile=" + folder / "low.fdt" + "\r\n");
    ASSERT_TRUE(MessageArrived(10000));
    EXPECT_EQ(received.count(), 1);
    EXPECT_EQ(received[0][0].value<std::uint32_t>(), 33545u);
    EXPECT_EQ(received[0][1].value<std::string>(), folder / "low.fdt");
}

// A circuit whose name is near the file system's limit: its results, as long,
// are written, named in the ini file and posted like any other.
TEST_F(VimloRun, CircuitWithANameOfTwoHundredFiftyBytesIsAnalysed)
{
    std::string ini = "[SYSTEM]\r\n" + MainLine();
    WriteBytes(folder / "tervox.ini", ini);
    const std::string base(246, 'l');
    std::string circuit = folder / (base + ".crc");
    WriteBytes(circuit, kLowPass);

    Outcome run = Start({QString::fromStdString(circuit)});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    ASSERT_EQ(run.out.size(), 7u) << run.err;
    EXPECT_EQ(run.out[6], "Out in: " + folder / (base + ".fdt"));
    std::vector<std::vector<Record>> expected = {{{1.0, 0, {}}}, {{1.0, 1, {0, 1}}, {1.0, 0, {}}}};
    EXPECT_EQ(Sections(folder / (base + ".fdt")), expected);
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"Vimlo", base + ".crc", base + ".fdt", base + ".par",
                                                        "tervox.ini", "tervox.ini.lock"}));
    EXPECT_EQ(ReadBytes(folder / "tervox.ini"), ini + "LastFile=" + folder / (base + ".fdt") + "\r\n");
    ASSERT_TRUE(MessageArrived(10000));
    EXPECT_EQ(received[0][1].value<std::string>(), folder / (base + ".fdt"));
}

struct FailingCase {
    const char* name;
    const char* circuit;  // nullptr: no such file
    bool quoted;          // the path in quotes on the command line
    const char* message;  // written to standard error
};

void PrintTo(const FailingCase& c, std::ostream* os) { *os << c.name; }

class VimloFails : public VimloRun, public testing::WithParamInterface<FailingCase> {};

TEST_P(VimloFails, LeavesNoResultsAndPostsNothing)
{
    std::string ini = "[SYSTEM]\r\n" + MainLine() + "LastFile=/older/result.fdt\r\n";
    WriteBytes(folder / "tervox.ini", ini);
    std::string circuit = folder / "net.crc";
    if (GetParam().circuit)
        WriteBytes(circuit, GetParam().circuit);
    std::string argument = GetParam().quoted ? "\"" + circuit + "\"" : circuit;

    Outcome run = Start({QString::fromStdString(argument)});
    EXPECT_GT(run.exitCode, 0);
    EXPECT_NE(run.err.find(GetParam().message), std::string::npos) << run.err;
    std::vector<std::string> kept = {"Vimlo", "tervox.ini"};
    if (GetParam().circuit)
        kept.insert(kept.begin() + 1, "net.crc");
    EXPECT_EQ(folder.Names(), kept);  // no results, temporaries or lock
    EXPECT_EQ(ReadBytes(folder / "tervox.ini"), ini);
    EXPECT_FALSE(MessageArrived(300));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, VimloFails,
    testing::Values(FailingCase{"RejectedLine", kRejected, false, "Error in line 2"},
                    FailingCase{"MissingFile", nullptr, false, "Cannot open file"},
                    FailingCase{"PathInQuotes", kLowPass, true, "Cannot open file"},
                    FailingCase{"FixedEdgesCloseALoop", kLoop, false, "Error: Invalid Circuit!\nCheck the circuit schematic!"}),
    [](const auto& test) { return std::string(test.param.name); });

// The whole tail is the path, Qt's own options included.
TEST_F(VimloRun, ArgumentsAreJoinedAndNoneIsTakenByQt)
{
    WriteBytes(folder / "-style x.crc", kLowPass);
    Outcome run = Start({"-style", "x.crc"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(fs::exists(folder / "-style x.fdt"));
    EXPECT_EQ(ReadBytes(folder / "tervox.ini"), "[SYSTEM]\r\nLastFile=" + folder / "-style x.fdt" + "\r\n");
    EXPECT_FALSE(MessageArrived(300));  // no "Main": nobody to tell
}

TEST_F(VimloRun, StaleMainStillCompletes)
{
    std::string ini = "[SYSTEM]\r\nMain=" + std::to_string(EndedProcess()) + "\r\n";
    WriteBytes(folder / "tervox.ini", ini);
    WriteBytes(folder / "low.crc", kLowPass);
    Outcome run = Start({QString::fromStdString(folder / "low.crc")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(ReadBytes(folder / "tervox.ini"), ini + "LastFile=" + folder / "low.fdt" + "\r\n");
    EXPECT_FALSE(MessageArrived(300));
}

// Without a display the big-output question takes its first button, Yes.
TEST_F(VimloRun, BigOutputQuestionIsAnsweredYesWithoutADisplay)
{
    WriteBytes(folder / "tervox.ini", "[SYSTEM]\r\n" + MainLine());
    WriteBytes(folder / "ladder.crc", Ladder(14));
    Outcome run = Start({QString::fromStdString(folder / "ladder.crc")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.err.find("Warning: The output files for this circuit\ncould requires tens of MegaBytes!\n"
                           "Do you want to proceed?\n"),
              std::string::npos)
        << run.err;
    ASSERT_EQ(run.out.size(), 7u);
    EXPECT_EQ(run.out[4], "514229 Terms");
    EXPECT_TRUE(MessageArrived(10000));
}

// A result path that the ini file cannot hold (a line break would forge a
// key): "LastFile" stays as it was and nothing is posted.
TEST_F(VimloRun, ResultThatCannotBeNamedIsNotPosted)
{
    std::string ini = "[SYSTEM]\r\n" + MainLine() + "LastFile=/older/result.fdt\r\n";
    WriteBytes(folder / "tervox.ini", ini);
    std::string circuit = folder / "a\nMain=1.crc";
    WriteBytes(circuit, kLowPass);
    Outcome run = Start({QString::fromStdString(circuit)});
    EXPECT_GT(run.exitCode, 0);
    EXPECT_NE(run.err.find("Cannot write " + folder / "tervox.ini"), std::string::npos) << run.err;
    EXPECT_TRUE(fs::exists(folder / "a\nMain=1.fdt"));
    EXPECT_EQ(ReadBytes(folder / "tervox.ini"), ini);
    EXPECT_FALSE(MessageArrived(300));
}

// The result files of examples/ are what the engine writes for their
// circuits today (scripts/examples.sh writes them).
TEST_F(VimloRun, ExamplesHoldWhatTheEngineWrites)
{
    fs::path examples = fs::path(TERVOX_SOURCE_DIR) / "examples";
    int circuits = 0;
    for (const auto& entry : fs::directory_iterator(examples)) {
        if (entry.path().extension() != ".crc")
            continue;
        ++circuits;
        std::string name = entry.path().stem().string();
        fs::copy_file(entry.path(), folder / (name + ".crc"));
        Outcome run = Start({QString::fromStdString(folder / (name + ".crc"))});
        ASSERT_EQ(run.exitCode, 0) << name << run.err;
        for (const char* ext : {".fdt", ".par"})
            EXPECT_EQ(ReadBytes(folder / (name + ext)), ReadBytes((examples / (name + ext)).string())) << name << ext;
    }
    EXPECT_GE(circuits, 4);
}

// Vimlo run as a program from its command line, in a temporary folder that
// holds a copy of it and its ini file; this test process is the main window
// that receives the completion message.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QProcess>
#include <QSignalSpy>
#include <QStringList>
#include <filesystem>
#include <gtest/gtest.h>
#include <regex>

#include "engine/Circuito.h"
#include "engine/app/VimloHost.h"
#include "formats/BinaryFile.h"
#include "formats/Term.h"
#include "platform/MessageEndpoint.h"
#include "tests/platform/EndedProcess.h"
#include "tests/support/TempFolder.h"
#include "tests/vimlo/Circuits.h"

namespace fs = std::filesystem;

namespace {

struct Outcome {
    int exitCode = -1;  // -1: crashed or did not end
    std::vector<std::string> out;
    std::string err;
};

std::vector<std::string> Lines(const QByteArray& bytes)
{
    std::vector<std::string> lines;
    for (const QByteArray& line : bytes.split('\n'))
        if (!line.isEmpty())
            lines.push_back(line.toStdString());
    return lines;
}

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

class VimloRun : public testing::Test {
protected:
    void SetUp() override
    {
        fs::copy_file(fs::path(TERVOX_BIN_DIR) / "Vimlo", folder / "Vimlo");
        ASSERT_TRUE(endpoint.Listen());
    }

    Outcome Start(const QStringList& arguments, const std::string& workingDir = "")
    {
        QProcess process;
        process.setProgram(QString::fromStdString(folder / "Vimlo"));
        process.setArguments(arguments);
        process.setWorkingDirectory(QString::fromStdString(workingDir.empty() ? folder.Path().string() : workingDir));
        process.start();
        Outcome run;
        if (!process.waitForFinished(600000)) {
            process.kill();
            process.waitForFinished();
            return run;
        }
        if (process.exitStatus() == QProcess::NormalExit)
            run.exitCode = process.exitCode();
        run.out = Lines(process.readAllStandardOutput());
        run.err = process.readAllStandardError().toStdString();
        return run;
    }
    std::string MainLine() const { return "Main=" + std::to_string(MessageEndpoint::Number()) + "\r\n"; }
    // True when a message arrived; waits a little for one that should not.
    // Polls rather than running a nested event loop, which an earlier test's
    // exit request could end at once.
    bool MessageArrived(int waitMs)
    {
        QElapsedTimer waited;
        waited.start();
        do {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            if (received.count() > 0)
                return true;
            QThread::msleep(2);
        } while (waited.elapsed() < waitMs);
        return false;
    }

    TempFolder folder;
    MessageEndpoint endpoint;
    QSignalSpy received{&endpoint, &MessageEndpoint::Received};
};

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
    EXPECT_FALSE(fs::exists(folder / "net.fdt"));
    EXPECT_FALSE(fs::exists(folder / "net.par"));
    for (const auto& entry : fs::directory_iterator(folder.Path()))
        EXPECT_NE(entry.path().extension(), ".part") << entry.path();
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
    EXPECT_EQ(ReadBytes(folder / "tervox.ini"), "[SYSTEM]\r\nLastFile=-style x.fdt\r\n");
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

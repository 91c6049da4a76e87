// The approximated-analysis entries: their checks in order, the ".APP" line
// they make, and that line on its way through the circuit file to the engine.
#include "editor/analysis/ApproxLine.h"
#include "editor/circuit/CircuitWriter.h"
#include "formats/Paths.h"
#include "tests/editor/Boards.h"
#include "tests/support/EngineRun.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <complex>
#include <string>
#include <vector>

namespace {

struct EntryCase {
    ApproxEntries entries;
    const char* expected;  // the line, or the message when it does not start with ".APP"
};

const char* const kBadLimits = "Bad Frequency Limits!";
const char* const kBadCount = "Bad Number of Frequencies!";
const char* const kBadError = "Bad Error Limit!";

// Expected lines from f1 * (f2 / f1)^(k / (n - 1)) in 40-digit arithmetic, "%.9g".
const EntryCase kCases[] = {
    {{"1", "1000", "4", "5"}, ".APP 5 4 1 10 100 1000 "},
    {{"1", "2", "3", "5"}, ".APP 5 3 1 1.41421356 2 "},
    {{"3", "7", "2", "1"}, ".APP 1 2 3 7 "},
    {{"50", "50", "3", "10"}, ".APP 10 3 50 50 50 "},
    {{"10abc", "1000", "3", "2.5"}, ".APP 2.5 3 10 100 1000 "},
    {{"  10", "1e3 Hz", " 3", "2.5%"}, ".APP 2.5 3 10 100 1000 "},
    {{"1e3", "1e9", "4", "5"}, ".APP 5 4 1000 100000 10000000 1e+09 "},
    {{"20", "20000", "10", "0.5"},
     ".APP 0.5 10 20 43.0886938 92.8317767 200 430.886938 928.317767 2000 4308.86938 9283.17767 20000 "},
    {{"0.001", "1e6", "5", "99.9"}, ".APP 99.9 5 0.001 0.177827941 31.6227766 5623.41325 1000000 "},
    {{"1", "10", "10", "1e-9"},
     ".APP 1e-09 10 1 1.29154967 1.66810054 2.15443469 2.7825594 3.59381366 4.64158883 5.9948425 7.74263683 10 "},
    {{"0.123456789012", "5", "2", "0.123456789012"}, ".APP 0.123456789 2 0.123456789 5 "},
    // Frequency limits: zero, missing, reversed, negative, not finite.
    {{"0", "1000", "4", "5"}, kBadLimits},
    {{"1", "0", "4", "5"}, kBadLimits},
    {{"", "", "4", "5"}, kBadLimits},
    {{"abc", "1000", "4", "5"}, kBadLimits},
    {{"1000", "999.9", "4", "5"}, kBadLimits},
    {{"-10", "10", "4", "5"}, kBadLimits},
    {{"-100", "-10", "4", "5"}, kBadLimits},
    {{"-0", "10", "4", "5"}, kBadLimits},
    {{"1", "inf", "4", "5"}, kBadLimits},
    {{"1", "1e400", "4", "5"}, kBadLimits},
    {{"nan", "10", "4", "5"}, kBadLimits},
    {{"1", "nan", "4", "5"}, kBadLimits},
    // Number of frequencies: 2 to 10 as a whole integer text.
    {{"1", "10", "1", "5"}, kBadCount},
    {{"1", "10", "11", "5"}, kBadCount},
    {{"1", "10", "ten", "5"}, kBadCount},
    {{"1", "10", "", "5"}, kBadCount},
    {{"1", "10", "3.0", "5"}, kBadCount},
    {{"1", "10", "3 ", "5"}, kBadCount},
    {{"1", "10", "-3", "5"}, kBadCount},
    // Error limit: open range 0 .. 100.
    {{"1", "10", "2", "100"}, kBadError},
    {{"1", "10", "2", "0"}, kBadError},
    {{"1", "10", "2", ""}, kBadError},
    {{"1", "10", "2", "-5"}, kBadError},
    {{"1", "10", "2", "nan"}, kBadError},
    {{"1", "10", "2", "inf"}, kBadError},
    {{"1", "10", "2", "99.9"}, ".APP 99.9 2 1 10 "},
    // The first failing entry in dialog order decides the message.
    {{"0", "10", "1", "100"}, kBadLimits},
    {{"1", "10", "1", "100"}, kBadCount},
};

TEST(ApproxLine, EntriesGiveLineOrMessageInDialogOrder)
{
    for (const EntryCase& c : kCases) {
        const ApproxEntries& e = c.entries;
        std::string line = "before", message;
        bool ok = ApproxLine(e, line, message);
        std::string where = e.startFreq + " | " + e.stopFreq + " | " + e.count + " | " + e.errorLimit;
        if (std::string(c.expected).rfind(".APP", 0) == 0) {
            EXPECT_TRUE(ok) << where << ": " << message;
            EXPECT_EQ(line, c.expected) << where;
        } else {
            EXPECT_FALSE(ok) << where;
            EXPECT_EQ(message, c.expected) << where;
            EXPECT_EQ(line, "before") << where;
        }
    }
}

class ApproxEndToEnd : public ::testing::Test {
protected:
    // Writes the ladder's circuit file with the pending line (none when empty)
    // and analyses it.
    NetworkFunction Analyse(const std::string& appLine)
    {
        LadderBoard board;
        board.schematic.FileName = folder / "ladder.sch";
        board.schematic.AppLine = appLine;
        std::string path, message;
        EXPECT_TRUE(WriteCircuitFile(board.schematic, &board.canvas, folder.Folder(), path, message)) << message;
        written = ReadBytes(path);
        std::string engineMessage;
        EXPECT_TRUE(RunEngineOn(path, engineMessage)) << engineMessage;
        return ReadNetworkFunction(ChangeFileExt(path, ".fdt"));
    }
    static std::string Line(const ApproxEntries& entries)
    {
        std::string line, message;
        EXPECT_TRUE(ApproxLine(entries, line, message)) << message;
        return line;
    }

    TempFolder folder;
    std::string written;
};

TEST_F(ApproxEndToEnd, LineIsLineOneOfTheCircuitFileAndReachesTheEngineInHz)
{
    std::string line = Line({"1", "1000", "4", "5"});
    Analyse(line);
    std::string title = (folder / "ladder.sch") + "\r\n";
    ASSERT_EQ(written.substr(0, title.size()), title);
    EXPECT_EQ(written.substr(title.size(), 25), ".APP 5 4 1 10 100 1000 \r\n");

    RecordingHost host;
    Circuito circuit(folder / "ladder.crc", false, host);
    ASSERT_TRUE(circuit.Ok());
    EXPECT_TRUE(circuit.Approximation());
    EXPECT_DOUBLE_EQ(circuit.Tolerance(), 0.05);
    EXPECT_EQ(circuit.Frequencies(), (std::vector<double>{1, 10, 100, 1000}));
}

// Limits at the ends of the range (the dialog's own and 100 % and 0 % written
// by hand) against the exact analysis of the same circuit.
TEST_F(ApproxEndToEnd, LargeLimitKeepsFewerTermsZeroLimitKeepsAll)
{
    NetworkFunction exact = Analyse("");
    ASSERT_EQ(written.find(".APP"), std::string::npos);
    ASSERT_GT(exact.denominator.size(), 1u);
    const std::string loose[] = {Line({"10", "100000", "5", "99.9999"}), ".APP 100 2 10 100000 "};
    const std::string tight[] = {Line({"10", "100000", "5", "1e-9"}), ".APP 0 2 10 100000 "};
    for (const std::string& line : loose) {
        NetworkFunction result = Analyse(line);
        EXPECT_LE(result.numerator.size(), exact.numerator.size()) << line;
        EXPECT_LT(result.denominator.size(), exact.denominator.size()) << line;
    }
    for (const std::string& line : tight) {
        NetworkFunction result = Analyse(line);
        EXPECT_EQ(result.numerator.size(), exact.numerator.size()) << line;
        EXPECT_EQ(result.denominator.size(), exact.denominator.size()) << line;
        for (double w : {10.0, 1e3, 1e5}) {
            std::complex<double> s(0, w), want = exact.At(s);
            EXPECT_LE(std::abs(result.At(s) - want), 1e-9 * std::abs(want)) << line << " w=" << w;
        }
    }
}

}  // namespace

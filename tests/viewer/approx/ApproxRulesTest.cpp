// The approximation's rules on small hand-made network functions, and its
// refusals.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "ApproxSupport.h"
#include "tests/viewer/Support.h"
#include "viewer/model/Messages.h"

namespace {

struct Fixture {
    TempFolder dir;
    std::string fdt;

    // Symbols A B with values 2 and 0.5, and the given terms.
    Fixture(const std::vector<FileTerm>& num, const std::vector<FileTerm>& den, const std::vector<std::string>& more = {})
        : fdt(dir / "h.fdt")
    {
        WriteFdtFile(fdt, num, den);
        WriteBytes(dir / "h.par", ParText("A B ", "2 0.5 ", num, den, more));
    }
};

// Coefficients of the kept terms of one section, in file order of the result.
std::vector<double> KeptCoefficients(const std::string& path, int section)
{
    std::vector<double> c;
    for (const RawTerm& t : ReadRaw(path).section[section])
        c.push_back(t.coefficient);
    return c;
}

}  // namespace

TEST(ApproxRules, DialogTextsBecomeLimitAndRadiansPerSecond)
{
    struct Case {
        ApproxChoice choice;
        double w1, w2, limit;
    };
    const std::vector<Case> cases = {
        {Choice("5", false, "1", "10", true), 6.283185307179586, 62.83185307179586, 0.05},
        {Choice("5", false, "1", "10", false), 1, 10, 0.05},
        {Choice("0.5", true, "x", "2.5", false), 0, 2.5, 0.005},
        {Choice("five", true, "1", "10", true), 6.283185307179586, 62.83185307179586, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.choice.err);
        Fixture f({{1.0, 0, {}}}, {{1.0, 0, {}}, {1.0, 1, {0}}});
        ApproxRun run;
        RunApprox(run, f.fdt, c.choice);
        ASSERT_EQ(run.error, "");
        EXPECT_DOUBLE_EQ(run.approx.w1, c.w1);
        EXPECT_DOUBLE_EQ(run.approx.w2, c.w2);
        EXPECT_DOUBLE_EQ(run.approx.maxError, c.limit);
        EXPECT_EQ(run.approx.appParName, f.dir / "h_App.par");
    }
    ApproxChoice defaults;
    EXPECT_EQ(defaults.err, "5");
    EXPECT_EQ(defaults.freq1, "1");
    EXPECT_EQ(defaults.freq2, "10");
    EXPECT_TRUE(defaults.hz);
    EXPECT_TRUE(defaults.coefficients);
}

TEST(ApproxRules, CoefficientsKeepTheLargestTermsOfEachPower)
{
    struct Case {
        const char* name;
        std::vector<FileTerm> den;
        std::string err;
        std::vector<double> kept;  // coefficients in the order written
    };
    const std::vector<Case> cases = {
        {"one term", {{3.0, 0, {}}}, "5", {3.0}},
        // 100 alone is within 5 % of 101.5; the power s^1 needs both terms.
        {"largest alone", {{1.0, 0, {}}, {100.0, 0, {}}, {0.5, 0, {}}, {1.0, 1, {}}, {1.0, 1, {}}}, "5",
         {100.0, 1.0, 1.0}},
        // Signed values descending: -2 is reached with -0.05, then -0.95, then -1.
        {"negative", {{1.0, 0, {}}, {-1.0, 1, {}}, {-0.05, 1, {}}, {-0.95, 1, {}}}, "30", {1.0, -0.05, -0.95, -1.0}},
        {"negative closes", {{1.0, 0, {}}, {-1.0, 1, {}}, {-0.05, 1, {}}, {-0.95, 1, {}}}, "60", {1.0, -0.05, -0.95}},
        // Symbol values count: 1 B = 0.5 weighs less than 0.3 A = 0.6.
        {"symbols", {{1.0, 0, {1}}, {0.3, 0, {0}}, {0.01, 0, {}}}, "20", {0.3, 1.0}},
        // No constant term and a gap at s^2: a power that closed leaves the next one judged alone.
        {"gaps", {{10.0, 1, {}}, {0.1, 1, {}}, {5.0, 3, {}}, {0.01, 3, {}}}, "5", {10.0, 5.0}},
        // Terms that cancel leave no relative error: all of them stay.
        {"cancelling", {{1.0, 0, {}}, {-1.0, 0, {}}, {3.0, 1, {}}, {0.001, 1, {}}}, "5", {1.0, -1.0, 3.0}},
        {"limit 0", {{1.0, 0, {}}, {100.0, 0, {}}, {1.0, 1, {}}}, "0", {100.0, 1.0, 1.0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Fixture f({{1.0, 0, {}}}, c.den);
        ApproxRun run;
        RunApprox(run, f.fdt, Choice(c.err, true));
        ASSERT_EQ(run.error, "");
        EXPECT_EQ(KeptCoefficients(run.result, 1), c.kept);
        EXPECT_EQ(KeptCoefficients(run.result, 0), std::vector<double>{1.0});
    }
}

// At a limit so small that rounding decides, a power whose sum never meets
// its coefficient (0.3 + 0.2 + 0.1 is not 0.1 + 0.2 + 0.3 in doubles) takes
// the terms of the next powers into the same sum, judged against the same
// coefficient, so all of them stay; a power that does close leaves the next
// one a fresh sum.
TEST(ApproxRules, CoefficientsCarryAPowerThatNeverClosesIntoTheNext)
{
    struct Case {
        const char* name;
        std::vector<FileTerm> num;
        std::vector<double> kept;
        std::string parLine3;
    };
    const std::vector<Case> cases = {
        {"carried",
         {{0.1, 0, {}}, {0.2, 0, {}}, {0.3, 0, {}}, {100.0, 1, {}}, {1e-30, 1, {}}},
         {0.3, 0.2, 0.1, 100.0, 1e-30},
         "1 5"},
        {"closed",
         {{0.25, 0, {}}, {0.5, 0, {}}, {100.0, 1, {}}, {1e-30, 1, {}}},
         {0.5, 0.25, 100.0},
         "1 3"},
        // Over a missing s^1 and on through s^3.
        {"carried over a gap",
         {{0.1, 0, {}}, {0.2, 0, {}}, {0.3, 0, {}}, {100.0, 2, {}}, {1e-30, 2, {}}, {7.0, 3, {}}, {1e-30, 3, {}}},
         {0.3, 0.2, 0.1, 100.0, 1e-30, 7.0, 1e-30},
         "3 7"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Fixture f(c.num, {{1.0, 0, {}}, {1.0, 1, {}}});
        ApproxRun run;
        RunApprox(run, f.fdt, Choice("0.000000000000000001", true));
        ASSERT_EQ(run.error, "");
        EXPECT_EQ(KeptCoefficients(run.result, 0), c.kept);
        EXPECT_EQ(KeptCoefficients(run.result, 1), (std::vector<double>{1.0, 1.0}));
        EXPECT_EQ(ReadBytes(f.dir / "h_App.par"), "A B \r\n2 0.5 \r\n" + c.parLine3 + "\r\n1 2\r\n");
    }
}

TEST(ApproxRules, NumDenRanksAtTheFirstFrequencyAndStopsAtBoth)
{
    struct Case {
        const char* name;
        std::vector<FileTerm> num;
        std::string err, f1, f2;
        std::vector<double> kept;
        double errorAtW1;
    };
    const std::vector<Case> cases = {
        {"one term", {{4.0, 2, {}}}, "5", "1", "10", {4.0}, 0.0},
        // At 1 rad/s: |2j| = 2 first, then |-1|; |-1 + 2j| is within 0.1 % of |-1 + 2.001j|.
        {"two of three", {{-1.0, 2, {}}, {2.0, 1, {}}, {0.001, 1, {}}}, "5", "1", "1", {2.0, -1.0}, -1},
        // At 10 rad/s the s^2 term leads, at 0.1 rad/s the constant one; Freq 2 does not rank.
        {"ranking at 10", {{1.0, 0, {}}, {2.0, 2, {}}}, "200", "10", "0.1", {2.0}, -1},
        {"ranking at 0.1", {{1.0, 0, {}}, {2.0, 2, {}}}, "200", "0.1", "10", {1.0}, -1},
        // Freq 1 = 0 without a constant term: the numerator vanishes there, so
        // only Freq 2 decides; file order stays among the equal ranks.
        {"vanishing at w1", {{2.0, 1, {}}, {-1.0, 2, {}}, {0.001, 1, {}}}, "5", "0", "1", {2.0, -1.0}, 0.0},
        {"limit 0", {{1.0, 0, {}}, {1e-9, 1, {}}}, "0", "1", "10", {1.0, 1e-9}, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Fixture f(c.num, {{1.0, 0, {}}});
        ApproxRun run;
        RunApprox(run, f.fdt, Choice(c.err, false, c.f1, c.f2, false));
        ASSERT_EQ(run.error, "");
        EXPECT_EQ(KeptCoefficients(run.result, 0), c.kept);
        if (c.errorAtW1 >= 0) {
            EXPECT_EQ(run.approx.errorAtW1, c.errorAtW1);
        }
        EXPECT_EQ(KeptCoefficients(run.result, 1), std::vector<double>{1.0});
    }
}

TEST(ApproxRules, EndRecordsAndDegreesOfTheResult)
{
    // s^2 + 1000 s over 1: at 1 Hz only the s term is needed, yet the degree stays 2.
    Fixture f({{1.0, 2, {}}, {1000.0, 1, {}}}, {{1.0, 0, {}}});
    ApproxRun run;
    RunApprox(run, f.fdt, Choice("5", false));
    ASSERT_EQ(run.error, "");
    ASSERT_EQ(ReadBytes(run.result).size(), 40u);  // two terms and two end records
    EXPECT_EQ(ReadBytes(f.dir / "h_App.par"), "A B \r\n2 0.5 \r\n2 1\r\n0 1\r\n");
}

// An end record is count 0 and coefficient 0.0, with the power byte of the
// last term the mode handled in that section.
TEST(ApproxRules, EndRecordsKeepThePowerOfTheLastTermHandled)
{
    struct Case {
        const char* name;
        std::vector<FileTerm> num, den;
        bool coefficients;
        char numPower, denPower;
    };
    const std::vector<Case> cases = {
        {"one s^2 term", {{1.0, 2, {}}}, {{1.0, 0, {}}, {1.0, 1, {}}}, true, 2, 1},
        {"one s^2 term, Num./Den.", {{1.0, 2, {}}}, {{1.0, 0, {}}}, false, 2, 0},
        // Coefficients: the highest power comes last, also when its last term is dropped.
        {"dropped last", {{1.0, 0, {}}}, {{1.0, 0, {}}, {100.0, 3, {}}, {0.5, 3, {}}}, true, 0, 3},
        // Num./Den. at 1 Hz stops after the 1000 s term, before the s^2 term.
        {"stopped early", {{1.0, 2, {}}, {1000.0, 1, {}}}, {{1.0, 0, {}}}, false, 1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Fixture f(c.num, c.den);
        ApproxRun run;
        RunApprox(run, f.fdt, Choice("5", c.coefficients));
        ASSERT_EQ(run.error, "");
        const std::string bytes = ReadBytes(run.result);
        const RawFunction raw = ReadRaw(run.result);
        std::size_t at = 0;
        for (int section = 0; section < 2; ++section) {
            for (const RawTerm& t : raw.section[section])
                at += t.bytes.size();
            ASSERT_LE(at + 10, bytes.size());
            EXPECT_EQ(bytes.substr(at, 9), std::string(9, '\0'));
            EXPECT_EQ(bytes[at + 9], section == 0 ? c.numPower : c.denPower);
            at += 10;
        }
        EXPECT_EQ(at, bytes.size());
    }
}

TEST(ApproxRules, AnOldResultIsReplaced)
{
    Fixture f({{1.0, 0, {}}}, {{1.0, 0, {}}, {1.0, 1, {}}});
    WriteBytes(f.dir / "h_App.fdt", "old");
    WriteBytes(f.dir / "h_App.par", "old");
    ApproxRun run;
    RunApprox(run, f.fdt, ApproxChoice{});
    ASSERT_EQ(run.error, "");
    EXPECT_EQ(ReadRaw(run.result).section[1].size(), 2u);
    EXPECT_EQ(ReadBytes(f.dir / "h_App.par"), "A B \r\n2 0.5 \r\n0 1\r\n1 2\r\n");
    EXPECT_EQ(f.dir.Names(), (std::vector<std::string>{"h.fdt", "h.par", "h_App.fdt", "h_App.par"}));
}

TEST(ApproxRules, BadInputIsRefusedAndNothingIsWritten)
{
    struct Case {
        const char* name;
        std::function<void(const TempFolder&)> damage;
        ApproxChoice choice;
        std::function<std::string(const TempFolder&)> message;
    };
    const std::vector<FileTerm> num = {{1.0, 0, {}}}, den = {{1.0, 0, {}}, {1.0, 1, {0, 1}}};
    auto fileText = [](const char* file, const char* what) {
        return [=](const TempFolder& d) { return "The file " + (d / file) + what; };
    };
    const std::vector<Case> cases = {
        {"no parameter file", [](const TempFolder& d) { std::filesystem::remove(d / "h.par"); }, ApproxChoice{},
         fileText("h.par", " cannot be read!")},
        {"no network-function file", [](const TempFolder& d) { std::filesystem::remove(d / "h.fdt"); },
         ApproxChoice{}, fileText("h.fdt", " cannot be read!")},
        {"two-line parameter file", [](const TempFolder& d) { WriteBytes(d / "h.par", "A B \r\n2 0.5 \r\n"); },
         ApproxChoice{}, [](const TempFolder& d) { return "File " + (d / "h.par") + ". Simulation aborted (0 terms)!"; }},
        {"zero terms", [](const TempFolder& d) { WriteBytes(d / "h.par", "A B \r\n2 0.5 \r\n0 0\r\n1 2\r\n"); },
         ApproxChoice{}, [](const TempFolder& d) { return "File " + (d / "h.par") + ". Simulation aborted (0 terms)!"; }},
        {"values missing", [](const TempFolder& d) { WriteBytes(d / "h.par", "A B \r\n2 \r\n0 1\r\n1 2\r\n"); },
         ApproxChoice{}, fileText("h.par", " is damaged: the element values do not match the names.")},
        {"truncated", [](const TempFolder& d) {
             std::string b = ReadBytes(d / "h.fdt");
             WriteBytes(d / "h.fdt", b.substr(0, b.size() - 4));
         },
         ApproxChoice{}, fileText("h.fdt", " is damaged: the denominator ends before its end record.")},
        {"power above the degree", [](const TempFolder& d) { WriteBytes(d / "h.par", "A B \r\n2 0.5 \r\n0 1\r\n0 2\r\n"); },
         ApproxChoice{}, fileText("h.fdt", " is damaged: a term's power of s is above the degree of its polynomial.")},
        {"symbol beyond the list", [](const TempFolder& d) { WriteBytes(d / "h.par", "A \r\n2 \r\n0 1\r\n1 2\r\n"); },
         ApproxChoice{}, fileText("h.fdt", " is damaged: a term names an element beyond the element list.")},
        {"counts differ", [](const TempFolder& d) { WriteBytes(d / "h.par", "A B \r\n2 0.5 \r\n0 1\r\n1 3\r\n"); },
         ApproxChoice{}, [](const TempFolder& d) {
             return "The file " + (d / "h.fdt") + " is damaged: its term counts differ from those of " + (d / "h.par") + ".";
         }},
        {"term beyond a double", [](const TempFolder& d) { WriteBytes(d / "h.par", "A B \r\n1e200 1e200 \r\n0 1\r\n1 2\r\n"); },
         ApproxChoice{}, [](const TempFolder&) { return std::string(Msg::ApproxNotFinite); }},
        {"out of range at the frequencies", [](const TempFolder&) {}, Choice("5", false, "1e308", "1", true),
         [](const TempFolder&) { return std::string(Msg::ApproxOutOfRange); }},
        {"not a number at the frequencies", [](const TempFolder&) {}, Choice("5", false, "nan", "1", false),
         [](const TempFolder&) { return std::string(Msg::ApproxOutOfRange); }},
        {"result unwritable", [](const TempFolder& d) { std::filesystem::create_directory(d / "h_App.fdt"); },
         ApproxChoice{}, fileText("h_App.fdt", " cannot be written!")},
        {"parameters unwritable", [](const TempFolder& d) { std::filesystem::create_directory(d / "h_App.par"); },
         ApproxChoice{}, fileText("h_App.par", " cannot be written!")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder dir;
        WriteFdtFile(dir / "h.fdt", num, den);
        WriteBytes(dir / "h.par", ParText("A B ", "2 0.5 ", num, den));
        c.damage(dir);
        const std::vector<std::string> names = dir.Names();
        const std::string fdtBytes = ReadBytes(dir / "h.fdt"), parBytes = ReadBytes(dir / "h.par");
        ApproxRun run;
        RunApprox(run, dir / "h.fdt", c.choice);
        EXPECT_EQ(run.result, "");
        EXPECT_EQ(run.error, c.message(dir));
        EXPECT_EQ(dir.Names(), names);
        EXPECT_EQ(ReadBytes(dir / "h.fdt"), fdtBytes);
        EXPECT_EQ(ReadBytes(dir / "h.par"), parBytes);
    }
}

TEST(ApproxRules, AFailedSecondFileLeavesNoMismatchedPair)
{
    Fixture f({{1.0, 0, {}}}, {{1.0, 0, {}}, {1.0, 1, {}}});
    WriteBytes(f.dir / "h_App.fdt", "old");
    std::filesystem::create_directory(f.dir / "h_App.par");
    ApproxRun run;
    RunApprox(run, f.fdt, ApproxChoice{});
    EXPECT_EQ(run.error, "The file " + (f.dir / "h_App.par") + " cannot be written!");
    EXPECT_EQ(f.dir.Names(), (std::vector<std::string>{"h.fdt", "h.par", "h_App.par"}));
}

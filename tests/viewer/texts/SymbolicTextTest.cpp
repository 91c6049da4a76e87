#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "formats/NumberText.h"
#include "tests/support/EngineRun.h"
#include "tests/viewer/Support.h"
#include "viewer/model/Messages.h"
#include "viewer/texts/SOP.h"
#include "viewer/texts/SymbolicFile.h"

namespace {

const std::string kRule = std::string(78, '-') + "\r\n\r\n";

// Writes base.fdt and base.par with the given names (values all 1) and loads them.
std::string Load(FDT& f, const TempFolder& dir, const std::string& names, const std::vector<FileTerm>& num,
                 const std::vector<FileTerm>& den)
{
    std::string values;
    for (char ch : names)
        if (ch == ' ')
            values += "1 ";
    WriteFdtFile(dir / "h.fdt", num, den);
    WriteBytes(dir / "h.par", ParText(names, values, num, den));
    std::string error;
    EXPECT_TRUE(f.LoadParFile(dir / "h.fdt", error)) << error;
    return dir / "h.out";
}

std::string Joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

// Terms of one power with a numeric coefficient each.
std::vector<FileTerm> Repeated(int count, std::vector<int> symbols)
{
    return std::vector<FileTerm>(static_cast<std::size_t>(count), FileTerm{1.0, 0, std::move(symbols)});
}

}  // namespace

TEST(Symbolic, TextOfOneEntry)
{
    struct Case {
        const char* product;
        double coefficient;
        const char* text;
    };
    for (const Case& c : {Case{" R1 C2", 2.0, " +2  R1 C2"}, Case{" R1", -1.0, " - R1"}, Case{" R1", 1.0, " + R1"},
                          Case{"", 2.5, " +2.5"}, Case{"", -1.0, " -1"}, Case{"", 1.0, " +1"},
                          Case{" R1", -3.25, " -3.25  R1"}, Case{" C1", 1e-5, " +1E-5  C1"},
                          Case{" C1", -2.5e-7, " -2.5E-7  C1"}, Case{" R1", 0.0, ""}, Case{"", 0.0, ""},
                          Case{" R1 R1 C2", 0.5, " +0.5  R1 R1 C2"}}) {
        SCOPED_TRACE(c.text);
        SOP sum;
        sum.Add(c.product, c.coefficient);
        EXPECT_EQ(sum.Text(), c.text);
    }
}

TEST(Symbolic, EqualProductsAreCollected)
{
    SOP sum;
    sum.Add(" R1 C2", 1.0);
    sum.Add(" C2 R1", 1.0);  // another order: another entry
    sum.Add("", 2.0);
    sum.Add(" r1 c2", 2.5);  // letter case is ignored
    sum.Add("", -2.0);       // cancels
    sum.Add(" L3", 1.0);
    sum.Add(" L3", -1.0);    // cancels
    EXPECT_EQ(sum.Text(), " +3.5  R1 C2 + C2 R1");
    ASSERT_EQ(sum.Entries().size(), 4u);
    EXPECT_EQ(sum.Entries()[0].first, " R1 C2");  // the first spelling stays

    SOP appended;
    appended.appendOnly = true;
    appended.Add(" R1", 1.0);
    appended.Add(" R1", 1.0);
    appended.Add(" R1", -2.0);
    EXPECT_EQ(appended.Text(), " + R1 + R1 -2  R1");
}

TEST(Symbolic, FileLayout)
{
    // Numerator 2.5 - R1 + s^2 (2 R1 C2 + R1 R1); denominator 1 + s C2 - s R1 C2
    // whose power 2 cancels entirely.
    TempFolder dir;
    FDT f;
    std::vector<FileTerm> num = {{2.5, 0, {}}, {-1.0, 0, {0}}, {2.0, 2, {0, 1}}, {1.0, 2, {0, 0}}};
    std::vector<FileTerm> den = {{1.0, 0, {}}, {1.0, 1, {1}}, {-1.0, 1, {0, 1}}, {3.0, 2, {1}}, {-3.0, 2, {1}}};
    std::string out = Load(f, dir, "R1 C2 ", num, den);
    std::string error;
    ASSERT_EQ(f.BuildSymbolicText(error), Outcome::Done) << error;
    EXPECT_TRUE(f.symbolicBuilt);
    EXPECT_EQ(ReadBytes(out), "(  +2.5 - R1)\r\n\r\n"
                              "(  +2  R1 C2 + R1 R1) s^2\r\n\r\n"
                              + kRule
                              + "(  +1)\r\n\r\n"
                                "(  + C2 - R1 C2) s\r\n\r\n");
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{"h.fdt", "h.out", "h.par"}));
    std::vector<std::string> lines;
    ASSERT_EQ(f.SymbolicText(lines, error), Outcome::Done) << error;
    EXPECT_EQ(Joined(lines), ReadBytes(out));
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[4], std::string(78, '-'));
}

TEST(Symbolic, TermsAboveTheLimitAreNotMerged)
{
    struct Case {
        int terms;  // in both sections
        bool asks;
        std::string numerator;
    };
    std::string each;
    for (int k = 0; k < 9999; ++k)
        each += " + R1";
    for (const Case& c : {Case{10000, false, "(  +9999  R1)"}, Case{10001, true, "( " + each + " + R1)"}}) {
        SCOPED_TRACE(c.terms);
        TempFolder dir;
        FDT f;
        std::string out = Load(f, dir, "R1 ", Repeated(c.terms - 1, {0}), {{1.0, 0, {}}});
        EXPECT_EQ(f.SymbolicAsksFirst(), c.asks);
        if (c.asks) {
            EXPECT_EQ(f.SymbolicQuestion(),
                      "The Symbolic Fdt contains 10001 terms!\r\n"
                      "Reading the Fdt in completely symbolic form could require a very long time!\r\n"
                      "Do you want to proceed?");
        }
        std::string error;
        ASSERT_EQ(f.BuildSymbolicText(error), Outcome::Done) << error;
        EXPECT_FALSE(f.SymbolicAsksFirst());
        EXPECT_EQ(ReadBytes(out), c.numerator + "\r\n\r\n" + kRule + "(  +1)\r\n\r\n");
    }
}

TEST(Symbolic, DeclinedQuestionShowsTheNumericView)
{
    FDT f;
    f.numeratorTerms = 10001;
    f.SetViewKind(View::Symbolic);
    f.zoomed = true;
    f.DeclineSymbolic();
    EXPECT_EQ(f.GetViewKind(), View::Numeric);
    EXPECT_TRUE(f.zoomed);  // set directly, not through SetViewKind
}

TEST(Symbolic, ProgressAndAbort)
{
    TempFolder dir;
    FDT f;
    std::string out = Load(f, dir, "R1 ", Repeated(4095, {0}), {{1.0, 0, {}}});
    RecordingProgress progress;
    f.progress = &progress;
    std::string error;
    ASSERT_EQ(f.BuildSymbolicText(error), Outcome::Done) << error;
    EXPECT_TRUE(progress.abortButton);
    EXPECT_EQ(progress.begins, 1);
    EXPECT_EQ(progress.ends, 1);
    EXPECT_EQ(progress.percents, (std::vector<int>{25, 50, 75, 100}));
    EXPECT_EQ(progress.polls, 4);
    std::string built = ReadBytes(out);

    // Abort at the second check: nothing written, the old text kept.
    FDT g;
    Load(g, dir, "R1 ", Repeated(4095, {0}), {{2.0, 0, {}}});
    RecordingProgress aborting;
    aborting.abortAt = 2;
    g.progress = &aborting;
    EXPECT_EQ(g.BuildSymbolicText(error), Outcome::Aborted);
    EXPECT_FALSE(g.symbolicBuilt);
    EXPECT_EQ(aborting.ends, 1);
    EXPECT_EQ(ReadBytes(out), built);
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{"h.fdt", "h.out", "h.par"}));
    std::vector<std::string> lines;
    aborting.asked = 0;
    EXPECT_EQ(g.SymbolicText(lines, error), Outcome::Aborted);
    EXPECT_TRUE(lines.empty());
}

TEST(Symbolic, DamagedOrMissingFilesAreRefused)
{
    struct Case {
        const char* what;
        int cut;  // bytes cut from the end of the .fdt; -1 removes it
        std::vector<FileTerm> num;
        const char* message;
    };
    const std::vector<Case> cases = {
        {"missing", -1, {{1.0, 0, {0}}}, "The file %s cannot be read!"},
        {"truncated record", 13, {{1.0, 0, {0}}}, "The file %s is damaged: the denominator ends before its end record."},
        {"power above degree", 0, {{1.0, 3, {0}}}, "The file %s is damaged: a term's power of s is above the degree of its polynomial."},
        {"symbol beyond the list", 0, {{1.0, 0, {1}}}, "The file %s is damaged: a term names an element beyond the element list."},
        {"a sum beyond a double", 0, {{1e308, 0, {0}}, {1e308, 0, {0}}}, Msg::NotFiniteCoefficients},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder dir;
        FDT f;
        std::vector<FileTerm> den = {{1.0, 0, {}}, {1.0, 1, {0}}};
        Load(f, dir, "R1 ", {{1.0, 0, {0}}}, den);
        WriteFdtFile(dir / "h.fdt", c.num, den);
        std::string bytes = ReadBytes(dir / "h.fdt");
        if (c.cut < 0)
            std::filesystem::remove(dir / "h.fdt");
        else
            WriteBytes(dir / "h.fdt", bytes.substr(0, bytes.size() - static_cast<std::size_t>(c.cut)));
        WriteBytes(dir / "h.out", "old");
        std::string error;
        std::vector<std::string> lines;
        EXPECT_EQ(f.SymbolicText(lines, error), Outcome::Failed);
        std::string expected = c.message;
        if (expected.find("%s") != std::string::npos)
            expected.replace(expected.find("%s"), 2, dir / "h.fdt");
        EXPECT_EQ(error, expected);
        EXPECT_FALSE(f.symbolicBuilt);
        EXPECT_EQ(ReadBytes(dir / "h.out"), "old");
        EXPECT_TRUE(lines.empty());
    }
    FDT unloaded;
    std::string error;
    std::vector<std::string> lines;
    EXPECT_EQ(unloaded.SymbolicText(lines, error), Outcome::Failed);
    EXPECT_EQ(error, "No network function is loaded.");
}

TEST(Symbolic, FailedWritesKeepTheOldText)
{
    std::vector<FileTerm> num = {{1.0, 0, {0}}}, den = {{1.0, 0, {}}};
    {
        // "out.tmp" cannot be made: a folder with something in it holds the name.
        TempFolder dir;
        FDT f;
        std::string out = Load(f, dir, "R1 ", num, den);
        WriteBytes(out, "old");
        std::filesystem::create_directory(dir / "out.tmp");
        WriteBytes(dir / "out.tmp/x", "");
        std::string error;
        EXPECT_EQ(f.BuildSymbolicText(error), Outcome::Failed);
        EXPECT_EQ(error, "The file " + dir / "out.tmp" + " cannot be written!");
        EXPECT_FALSE(f.symbolicBuilt);
        EXPECT_EQ(ReadBytes(out), "old");
    }
    {
        // The rename fails: a folder with something in it holds the .out name.
        TempFolder dir;
        FDT f;
        std::string out = Load(f, dir, "R1 ", num, den);
        std::filesystem::create_directory(out);
        WriteBytes(out + "/x", "");
        std::string error;
        EXPECT_EQ(f.BuildSymbolicText(error), Outcome::Failed);
        EXPECT_EQ(error, "The file " + out + " cannot be written!");
        EXPECT_FALSE(f.symbolicBuilt);
        EXPECT_FALSE(std::filesystem::exists(dir / "out.tmp"));
    }
    {
        // A stale "out.tmp" that links to another file: that file is untouched.
        TempFolder dir;
        FDT f;
        std::string out = Load(f, dir, "R1 ", num, den);
        WriteBytes(dir / "victim", "keep");
        std::filesystem::create_symlink(dir / "victim", dir / "out.tmp");
        std::string error;
        ASSERT_EQ(f.BuildSymbolicText(error), Outcome::Done) << error;
        EXPECT_EQ(ReadBytes(dir / "victim"), "keep");
        EXPECT_EQ(ReadBytes(out), "(  + R1)\r\n\r\n" + kRule + "(  +1)\r\n\r\n");
        EXPECT_FALSE(std::filesystem::exists(dir / "out.tmp"));
    }
}

TEST(Symbolic, BuiltOnceThenReread)
{
    TempFolder dir;
    FDT f;
    std::string out = Load(f, dir, "R1 C1 ", {{1.0, 0, {}}}, {{1.0, 0, {}}, {1.0, 1, {0, 1}}});
    std::string error;
    std::vector<std::string> lines;
    ASSERT_EQ(f.SymbolicText(lines, error), Outcome::Done) << error;
    const std::string text = "(  +1)\r\n\r\n" + kRule + "(  +1)\r\n\r\n(  + R1 C1) s\r\n\r\n";
    EXPECT_EQ(Joined(lines), text);
    // Later views only reread the file.
    WriteBytes(out, "edited\r\n");
    ASSERT_EQ(f.SymbolicText(lines, error), Outcome::Done) << error;
    EXPECT_EQ(lines, std::vector<std::string>{"edited"});
    // A .out that went away is refused once, then built again.
    std::filesystem::remove(out);
    EXPECT_EQ(f.SymbolicText(lines, error), Outcome::Failed);
    EXPECT_EQ(error, "The file " + out + " cannot be read!");
    ASSERT_EQ(f.SymbolicText(lines, error), Outcome::Done) << error;
    EXPECT_EQ(Joined(lines), text);
    EXPECT_EQ(Msg::SymbolicTooBig(out),
              "Symbolic FDT is too big to be shown!\r\nIt has been written in file: " + out);
}

namespace {

// The value of one line of the text with the components' values, and its power.
double LineValue(const FDT& f, const std::string& line, int& power)
{
    std::size_t close = line.rfind(')');
    std::string tail = line.substr(close + 1);
    power = tail.empty() ? 0 : tail == " s" ? 1 : std::stoi(tail.substr(3));
    std::istringstream words(line.substr(1, close - 1));
    double sum = 0, product = 0;
    std::string word;
    while (words >> word) {
        if (word[0] == '+' || word[0] == '-') {
            sum += product;
            product = word.size() == 1 ? (word == "+" ? 1.0 : -1.0) : StrToD(word);
            continue;
        }
        int i = 0;
        while (i < f.CompoCount() && f.GetCompo(i).name != word)
            ++i;
        EXPECT_LT(i, f.CompoCount()) << word;
        product *= f.GetCompo(i).value;
    }
    return sum + product;
}

}  // namespace

TEST(Symbolic, EngineResultOfASallenKeyLowPass)
{
    // V1 - R1 - node 2 - R2 - node 3, C2 from 3 to ground, C1 from 2 to the
    // output 4, E1 from 3 to 4 with gain E1:
    // H = E1 / (1 + s (C1 R1 (1 - E1) + C2 R2 + C2 R1) + s^2 C1 C2 R1 R2).
    TempFolder dir;
    WriteBytes(dir / "sk.crc", "t\r\nV1 1 0 1 1\r\nR1 1 2 1000 0\r\nR2 2 3 2200 0\r\nC1 2 4 1e-7 0\r\n"
                               "C2 3 0 4.7e-8 0\r\nE1 4 0 3 0 2.5 0\r\n.OUT 4\r\n");
    std::string error;
    ASSERT_TRUE(RunEngineOn(dir / "sk.crc", error)) << error;
    FDT f;
    ASSERT_TRUE(f.LoadParFile(dir / "sk.fdt", error)) << error;
    std::vector<std::string> lines;
    ASSERT_EQ(f.SymbolicText(lines, error), Outcome::Done) << error;
    EXPECT_EQ(ReadBytes(dir / "sk.out"), "(  + E1)\r\n\r\n" + kRule
                                             + "(  +1)\r\n\r\n"
                                               "(  - E1 C1 R1 + C1 R1 + C2 R2 + C2 R1) s\r\n\r\n"
                                               "(  + C2 C1 R1 R2) s^2\r\n\r\n");
    // The text read back with the values gives the evaluated coefficients.
    std::vector<double> sums[2] = {std::vector<double>(1), std::vector<double>(3)};
    int section = 0;
    for (const std::string& line : lines) {
        if (line == std::string(78, '-')) {
            section = 1;
        } else if (!line.empty()) {
            int power = 0;
            double v = LineValue(f, line, power);
            sums[section].at(static_cast<std::size_t>(power)) = v;
        }
    }
    for (int k = 0; k < 3; ++k)
        EXPECT_NEAR(sums[1][k] / sums[1][2], f.denominatorRows[k][0], 1e-12 * f.denominatorRows[k][0]);
    EXPECT_NEAR(sums[0][0] / sums[1][2], f.gain[0], 1e-12 * f.gain[0]);
}

TEST(Symbolic, FileBytesOfEmptySums)
{
    std::vector<SOP> none(3);
    EXPECT_EQ(SymbolicFileBytes(none, none), kRule);
}

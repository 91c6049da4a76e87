// Number texts, term records and the parameter file.
#include <gtest/gtest.h>

#include <clocale>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <thread>

#include "formats/ComplexPower.h"
#include "formats/NumberText.h"
#include "formats/ParFile.h"
#include "formats/Paths.h"
#include "formats/Term.h"
#include "formats/TextFile.h"
#include "formats/Tokens.h"
#include "tests/support/TempFolder.h"

namespace {


TEST(NumberTextTest, GcvtForms)
{
    const std::pair<double, std::string> cases[] = {
        {1000, "1000"}, {1e5, "100000"}, {1e9, "1e+09"}, {1.5e-12, "1.5e-12"}, {-2.2e-9, "-2.2e-09"},
        {0.1, "0.1"}, {123456789.0, "123456789"}, {1234567891.0, "1.23456789e+09"}, {0, "0"}, {-1, "-1"},
    };
    for (const auto& [value, text] : cases)
        EXPECT_EQ(GcvtText(value, 9), text) << value;
    EXPECT_EQ(GcvtText(1e5, 5), "1e+05");
    EXPECT_EQ(GcvtText(3.14159265, 6), "3.14159");
}

TEST(NumberTextTest, FloatToStrForms)
{
    const std::pair<double, std::string> cases[] = {
        {0, "0"}, {1, "1"}, {-1, "-1"}, {0.5, "0.5"}, {1e-12, "1E-12"}, {1.5e-7, "1.5E-7"},
        {1e-4, "0.0001"}, {1.25e-4, "0.000125"}, {1e-5, "1E-5"}, {9.5e-5, "9.5E-5"}, {1e15, "1E15"}, {123456789012345.0, "123456789012345"},
        {1.0 / 3.0, "0.333333333333333"}, {2.0 / 3.0, "0.666666666666667"}, {1000, "1000"},
        {-4.7e3, "-4700"}, {6.02e23, "6.02E23"}, {100.25, "100.25"},
    };
    for (const auto& [value, text] : cases)
        EXPECT_EQ(FloatToStr(value), text) << value;
}

TEST(NumberTextTest, StrToDIgnoresTheLocale)
{
    const char* old = std::setlocale(LC_NUMERIC, nullptr);
    std::string saved = old ? old : "C";
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8");  // if present, it expects a comma
    EXPECT_EQ(StrToD("1.5e3"), 1500.0);
    EXPECT_EQ(GcvtText(2.5, 9), "2.5");
    EXPECT_EQ(FloatToStr(2.5), "2.5");
    std::setlocale(LC_NUMERIC, saved.c_str());
    const char* end = nullptr;
    const char* text = "abc";
    EXPECT_EQ(StrToD(text, &end), 0.0);
    EXPECT_EQ(end, text);
}

// Repeated squaring: exact where the products are, as std::pow is not.
TEST(ComplexPowerTest, IntegerPowersByRepeatedSquaring)
{
    EXPECT_EQ(IntPower({0, 1000}, 3), std::complex<double>(0, -1e9));
    EXPECT_EQ(IntPower({0, 1}, 0), std::complex<double>(1, 0));
    EXPECT_EQ(IntPower({0, 2}, 10), std::complex<double>(-1024, 0));
    EXPECT_EQ(IntPower({1.5, -0.5}, 1), std::complex<double>(1.5, -0.5));
    const std::complex<double> z(0.3, 0.7);
    std::complex<double> product = 1.0;
    for (unsigned n = 0; n < 40; ++n, product *= z)
        EXPECT_LE(std::abs(IntPower(z, n) - product), 1e-14 * std::abs(product)) << n;
}

TEST(PathsTest, FrameworkForms)
{
    EXPECT_EQ(ChangeFileExt("a/b.c/x.crc", ".fdt"), "a/b.c/x.fdt");
    EXPECT_EQ(ChangeFileExt("a/b.c/x", ".fdt"), "a/b.c/x.fdt");
    EXPECT_EQ(ExtractFileName("a/b/x.crc"), "x.crc");
    EXPECT_EQ(ExtractFilePath("a/b/x.crc"), "a/b/");
    EXPECT_EQ(ExtractFilePath("x.crc"), "");
    EXPECT_EQ(ExtractFileExt("a.b/x"), "");
}

TEST(TokensTest, RunsOfBlanksSeparate)
{
    using V = std::vector<std::string>;
    EXPECT_EQ(SplitBlanks(""), V{});
    EXPECT_EQ(SplitBlanks("   "), V{});
    EXPECT_EQ(SplitBlanks("a"), V{"a"});
    EXPECT_EQ(SplitBlanks("  1e-06  R1\tx 5 "), (V{"1e-06", "R1\tx", "5"}));
}

TEST(TermTest, RecordLayoutAndEndRecords)
{
    TempFolder folder;
    std::string path = folder / "term";
    {
        OutFile out(16);  // small buffer: records cross it
        ASSERT_TRUE(out.Open(path, "wb"));
        TERM t;
        t.coefficient = -2.5;
        t.power = 3;
        t.count = 2;
        t.symbols[0] = 7;
        t.symbols[1] = 255;
        t.Write(out);
        TERM constant;
        constant.coefficient = 4;
        constant.Write(out);
        TERM::WriteEndRecord(out);
        TERM negativeZero;
        negativeZero.coefficient = -0.0;
        negativeZero.Write(out);
        ASSERT_TRUE(out.Close());
    }
    std::ifstream in(path, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), {});
    ASSERT_EQ(bytes.size(), 12u + 10u + 10u + 10u);
    EXPECT_EQ(bytes[0], 2);
    double c;
    std::memcpy(&c, bytes.data() + 1, 8);
    EXPECT_EQ(c, -2.5);
    EXPECT_EQ(bytes[9], 3);
    EXPECT_EQ(static_cast<unsigned char>(bytes[11]), 255);
    InFile file(7);
    ASSERT_TRUE(file.Open(path));
    TERM t;
    EXPECT_TRUE(t.Read(file));
    EXPECT_EQ(t.count, 2);
    EXPECT_EQ(t.symbols[1], 255);
    EXPECT_TRUE(t.Read(file));  // a constant term is not an end record
    EXPECT_EQ(t.coefficient, 4.0);
    EXPECT_FALSE(t.Read(file));
    EXPECT_FALSE(file.ShortRead());
    EXPECT_FALSE(t.Read(file));  // -0.0 with no symbols ends a section too
    EXPECT_FALSE(file.ShortRead());
    EXPECT_FALSE(t.Read(file));
    EXPECT_TRUE(file.ShortRead());
}

TEST(TermTest, TruncatedRecordIsAShortRead)
{
    TempFolder folder;
    std::string path = folder / "short";
    std::ofstream(path, std::ios::binary) << std::string("\x03\0\0\0\0\0\0\xf0\x3f\x01\x05", 11);
    InFile file;
    ASSERT_TRUE(file.Open(path));
    TERM t;
    EXPECT_FALSE(t.Read(file));
    EXPECT_TRUE(file.ShortRead());
}

TEST(TextFileTest, LineEndsAndSafeWrite)
{
    TempFolder folder;
    std::string path = folder / "lines";
    std::ofstream(path, std::ios::binary) << "a\r\nb\nc\rd";
    std::vector<std::string> lines;
    ASSERT_TRUE(ReadTextLines(path, lines));
    EXPECT_EQ(lines, (std::vector<std::string>{"a", "b", "c", "d"}));
    ASSERT_TRUE(WriteTextLines(path, {"x", "\xe7y"}));
    EXPECT_EQ(ReadBytes(path), "x\r\n\xe7y\r\n");
    EXPECT_FALSE(WriteTextLines(folder / "no-such-folder/f.txt", {"x"}));
    EXPECT_FALSE(ReadTextLines(folder / "missing", lines));
}

TEST(TextFileTest, WritersOfOneFileAtOnceEachWriteItWhole)
{
    TempFolder folder;
    std::string path = folder / "shared";
    const std::string a(1 << 16, 'a'), b(1 << 16, 'b');
    bool failed[2] = {};
    auto writer = [&](int k, const std::string& bytes) {
        for (int i = 0; i < 100; ++i)
            failed[k] = !WriteFileAtomic(path, bytes) || failed[k];
    };
    std::thread first(writer, 0, std::cref(a)), second(writer, 1, std::cref(b));
    first.join();
    second.join();
    EXPECT_FALSE(failed[0] || failed[1]);
    std::string bytes = ReadBytes(path);
    EXPECT_TRUE(bytes == a || bytes == b);
}

TEST(TextFileTest, RewriteKeepsTheFileMode)
{
    TempFolder folder;
    std::string path = folder / "mode";
    std::ofstream(path) << "old";
    ASSERT_EQ(chmod(path.c_str(), 0640), 0);
    ASSERT_TRUE(WriteFileAtomic(path, "new"));
    struct stat st {};
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(ReadBytes(path), "new");
}

// The rename that replaces a file would pass over its read-only mode.
TEST(TextFileTest, AReadOnlyFileIsNotReplaced)
{
    TempFolder folder;
    std::string path = folder / "settings";
    std::ofstream(path) << "old";
    ASSERT_EQ(chmod(path.c_str(), 0444), 0);
    EXPECT_FALSE(WriteFileAtomic(path, "new"));
    EXPECT_FALSE(WriteTextLines(path, {"new"}));
    EXPECT_EQ(ReadBytes(path), "old");
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"settings"}) << "no temporary file stays";
}

TEST(ParFileTest, ReadsEveryLine)
{
    TempFolder folder;
    std::string path = folder / "par";
    std::string longNames, values;
    for (int k = 0; k < 300; ++k) {
        longNames += "Rlongname" + std::to_string(k) + " ";
        values += "1 ";
    }
    std::ofstream(path, std::ios::binary) << longNames << "\r\n" << values << "\r\n2 10\r\n3 12\r\n"
                                          << "10 1e6 0.001\r\n4\r\n1 2 3 0 5 6 \r\n";
    ParFile par;
    std::string error;
    ASSERT_TRUE(ReadParFile(path, par, error)) << error;
    EXPECT_EQ(par.names.size(), 300u);
    EXPECT_TRUE(par.hasCounts);
    EXPECT_EQ(par.denominatorDegree, 3u);
    EXPECT_EQ(par.denominatorTerms, 12u);
    EXPECT_TRUE(par.hasRange);
    EXPECT_EQ(par.endHz, 1e6);
    EXPECT_EQ(par.sweepIndex, 4);
    EXPECT_EQ(par.CurveCount(), 3);
}

TEST(ParFileTest, SaveAndReadBack)
{
    TempFolder folder;
    std::string path = folder / "save";
    ParFile par;
    par.names = {"R1", "$", "C1"};
    par.values = {1000, -1, 1e-12};
    par.hasCounts = true;
    par.numeratorDegree = 0;
    par.numeratorTerms = 1;
    par.denominatorDegree = 2;
    par.denominatorTerms = 5;
    par.startHz = 10;
    par.endHz = 1e5;
    par.endTime = 0.002;
    par.hasSweep = true;
    par.sweepIndex = 2;
    for (int k = 0; k < 6; ++k)
        par.sweepValues[k] = k + 1;
    ASSERT_TRUE(WriteParFile(path, par));
    std::ifstream in(path, std::ios::binary);
    EXPECT_EQ(std::string((std::istreambuf_iterator<char>(in)), {}),
              "R1 $ C1 \r\n1000 -1 1E-12 \r\n0 1\r\n2 5\r\n10 100000 0.002\r\n2\r\n1 2 3 4 5 6 \r\n");
    ParFile back;
    std::string error;
    ASSERT_TRUE(ReadParFile(path, back, error));
    EXPECT_EQ(back.CurveCount(), 6);
    EXPECT_EQ(back.values, par.values);
}

TEST(ParFileTest, DamagedFilesRefused)
{
    const char* cases[] = {
        "R1 C1 \r\n1 \r\n",                       // fewer values than names
        "R1 \r\n1 2 \r\n",                        // more values than names
        "R1 \r\nx \r\n",                          // a value that is no number
        "R1 \r\n1 \r\n2\r\n3 4\r\n",              // a term count missing
        "R1 \r\n1 \r\n0 1\r\n0 1\r\n1 2 3\r\n9\r\n1 \r\n",  // swept component out of range
        "R1 \r\n1 \r\n0 1\r\n0 1\r\n1 2 3\r\n0\r\n1 2 3 4 5 6 7 \r\n",  // seven values
        "R1 C1 \r\n1 nan \r\n",                   // a value that is no finite number
        "R1 \r\n1e999 \r\n",
        "R1 \r\n1 \r\n0 1\r\n0 1\r\n1 inf 3\r\n",   // an interval that is no finite number
        "R1 \r\n1 \r\n0 1\r\n0 1\r\n1 2 3\r\n0\r\n1 -nan \r\n",  // a sweep value likewise
        "R1 \r\n",
    };
    TempFolder folder;
    std::string path = folder / "bad";
    for (const char* text : cases) {
        std::ofstream(path, std::ios::binary) << text;
        ParFile par;
        std::string error;
        EXPECT_FALSE(ReadParFile(path, par, error)) << text;
        EXPECT_NE(error.find(path), std::string::npos);
    }
    ParFile par;
    std::string error;
    EXPECT_FALSE(ReadParFile(folder / "missing", par, error));
    EXPECT_EQ(error, "The file " + folder / "missing" + " cannot be read!");
}

TEST(ParFileTest, TwoLinesMeanNoCounts)
{
    TempFolder folder;
    std::string path = folder / "two";
    std::ofstream(path, std::ios::binary) << "R1 \r\n1 \r\n";
    ParFile par;
    std::string error;
    ASSERT_TRUE(ReadParFile(path, par, error));
    EXPECT_FALSE(par.hasCounts);
}

}  // namespace

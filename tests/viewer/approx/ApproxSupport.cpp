#include "ApproxSupport.h"

#include <gtest/gtest.h>

#include <cstring>

#include "formats/NumberText.h"
#include "formats/TextFile.h"
#include "formats/Tokens.h"
#include "tests/support/TempFolder.h"

long double RawTerm::Value(const std::vector<double>& values) const
{
    long double v = coefficient;
    for (int j : symbols)
        v *= values.at(j);
    return v;
}

std::complex<long double> RawTerm::At(const std::vector<double>& values, long double w) const
{
    std::complex<long double> t = Value(values);
    for (int k = 0; k < power; ++k)
        t *= std::complex<long double>(0, w);
    return t;
}

RawFunction ReadRaw(const std::string& path)
{
    RawFunction f;
    const std::string bytes = ReadBytes(path);
    std::size_t at = 0;
    for (int section = 0; section < 2; ++section) {
        while (true) {
            EXPECT_LE(at + 10, bytes.size()) << path;
            if (at + 10 > bytes.size())
                return f;
            RawTerm t;
            const std::size_t count = static_cast<unsigned char>(bytes[at]);
            std::memcpy(&t.coefficient, bytes.data() + at + 1, 8);
            t.power = static_cast<unsigned char>(bytes[at + 9]);
            EXPECT_LE(at + 10 + count, bytes.size()) << path;
            if (at + 10 + count > bytes.size())
                return f;
            for (std::size_t k = 0; k < count; ++k)
                t.symbols.push_back(static_cast<unsigned char>(bytes[at + 10 + k]));
            t.bytes = bytes.substr(at, 10 + count);
            at += 10 + count;
            if (count == 0 && t.coefficient == 0.0)
                break;
            f.section[section].push_back(t);
        }
    }
    EXPECT_EQ(at, bytes.size()) << path << ": bytes after the denominator";
    return f;
}

std::vector<double> ParValues(const std::string& parPath)
{
    std::vector<std::string> lines;
    EXPECT_TRUE(ReadTextLines(parPath, lines));
    std::vector<double> values;
    if (lines.size() > 1)
        for (const std::string& token : SplitBlanks(lines[1]))
            values.push_back(StrToD(token));
    return values;
}

void RunApprox(ApproxRun& run, const std::string& path, const ApproxChoice& choice)
{
    run.result = run.approx.Approximate(path, choice, run.error);
}

ApproxChoice Choice(const std::string& err, bool coefficients, const std::string& f1, const std::string& f2, bool hz)
{
    ApproxChoice c;
    c.err = err;
    c.coefficients = coefficients;
    c.freq1 = f1;
    c.freq2 = f2;
    c.hz = hz;
    return c;
}

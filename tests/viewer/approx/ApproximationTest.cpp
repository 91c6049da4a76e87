// The approximation of a network function computed by the engine: a two-stage
// transistor amplifier in hybrid-pi form, every element a symbol.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>

#include "ApproxSupport.h"
#include "formats/TextFile.h"
#include "formats/Tokens.h"
#include "tests/support/EngineRun.h"
#include "tests/support/TempFolder.h"
#include "viewer/model/FDT.h"
#include "viewer/model/Progress.h"

namespace {

const char* kAmplifier =
    "two-stage amplifier\r\n"
    "V1 1 0 1 0\r\nRS 1 2 50 0\r\n"
    "CC1 2 10 1e-5 0\r\nRB1 10 0 30000 0\r\nRPI1 10 11 2500 0\r\nCPI1 10 11 1e-11 0\r\n"
    "CMU1 10 12 2e-12 0\r\nGM1 12 11 10 11 0.04 0\r\nRO1 12 11 50000 0\r\nRC1 12 0 4700 0\r\n"
    "RE1 11 0 1000 0\r\nCE1 11 0 1e-4 0\r\n"
    "CC2 12 20 1e-5 0\r\nRB2 20 0 30000 0\r\nRPI2 20 21 2500 0\r\nCPI2 20 21 1e-11 0\r\n"
    "CMU2 20 22 2e-12 0\r\nGM2 22 21 20 21 0.04 0\r\nRO2 22 21 50000 0\r\nRC2 22 0 4700 0\r\n"
    "RE2 21 0 100 0\r\nRL 22 0 10000 0\r\n.OUT 22\r\n";

// The engine's files of the amplifier, made once.
class Amplifier : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        source_ = std::make_unique<TempFolder>();
        const std::string crc = *source_ / "amp.crc";
        WriteBytes(crc, kAmplifier);
        RecordingHost host;
        ASSERT_TRUE(RunEngine(crc, host).ok);
        ASSERT_TRUE(host.messages.empty());
    }
    static void TearDownTestSuite() { source_.reset(); }

    // A fresh copy of the pair in this test's folder.
    std::string Copy(const std::vector<std::string>& moreParLines = {})
    {
        std::string par = ReadBytes(*source_ / "amp.par");
        for (const std::string& line : moreParLines)
            par += line + "\r\n";
        WriteBytes(dir_ / "amp.fdt", ReadBytes(*source_ / "amp.fdt"));
        WriteBytes(dir_ / "amp.par", par);
        return dir_ / "amp.fdt";
    }

    static std::unique_ptr<TempFolder> source_;
    TempFolder dir_;
};

std::unique_ptr<TempFolder> Amplifier::source_;

// Every kept record is a record of the same section of the source, each
// source record used at most once.
void ExpectSubset(const std::vector<RawTerm>& kept, const std::vector<RawTerm>& source)
{
    std::multiset<std::string> left;
    for (const RawTerm& t : source)
        left.insert(t.bytes);
    for (const RawTerm& t : kept) {
        auto it = left.find(t.bytes);
        ASSERT_NE(it, left.end()) << "a kept term that the source does not hold";
        left.erase(it);
    }
}

long double Relative(long double partial, long double exact) { return std::fabs(partial - exact) / std::fabs(exact); }

// Per power: the kept terms, in power order and signed value descending,
// sum to the exact coefficient within the limit, and one term fewer would not.
void ExpectCoefficientsWithin(const RawFunction& app, const RawFunction& src, const std::vector<double>& values,
                              double limit)
{
    for (int s = 0; s < 2; ++s) {
        std::map<int, long double> exact, sum;
        std::map<int, std::vector<long double>> keptValues;
        for (const RawTerm& t : src.section[s])
            exact[t.power] += t.Value(values);
        for (std::size_t i = 0; i < app.section[s].size(); ++i) {
            const RawTerm& t = app.section[s][i];
            if (i > 0) {
                const RawTerm& before = app.section[s][i - 1];
                ASSERT_TRUE(before.power < t.power
                            || (before.power == t.power && before.Value(values) >= t.Value(values)))
                    << "ranking order broken at term " << i;
            }
            sum[t.power] += t.Value(values);
            keptValues[t.power].push_back(t.Value(values));
        }
        for (const auto& [power, a] : exact) {
            SCOPED_TRACE(power);
            ASSERT_FALSE(keptValues[power].empty()) << "a power of s lost all its terms";
            ASSERT_NE(a, 0.0L);
            EXPECT_LT(Relative(sum[power], a), limit + 1e-12);
            if (keptValues[power].size() > 1) {
                EXPECT_GE(Relative(sum[power] - keptValues[power].back(), a), limit - 1e-12);
            }
        }
    }
}

// At both frequencies the magnitudes of the kept sums lie within the limit of
// the full ones; the terms come largest at w1 first, and one term fewer would
// not do.
void ExpectNumDenWithin(const RawFunction& app, const RawFunction& src, const std::vector<double>& values,
                        double limit, double w1, double w2)
{
    for (int s = 0; s < 2; ++s) {
        std::complex<long double> full[2], kept[2], last[2];
        for (const RawTerm& t : src.section[s]) {
            full[0] += t.At(values, w1);
            full[1] += t.At(values, w2);
        }
        for (std::size_t i = 0; i < app.section[s].size(); ++i) {
            const RawTerm& t = app.section[s][i];
            if (i > 0) {
                ASSERT_GE(std::abs(app.section[s][i - 1].At(values, w1)), std::abs(t.At(values, w1)));
            }
            last[0] = t.At(values, w1);
            last[1] = t.At(values, w2);
            kept[0] += last[0];
            kept[1] += last[1];
        }
        auto error = [&](int k, std::complex<long double> partial) {
            return std::fabs(std::abs(partial) - std::abs(full[k])) / std::abs(full[k]);
        };
        EXPECT_LT(error(0, kept[0]), limit + 1e-12);
        EXPECT_LT(error(1, kept[1]), limit + 1e-12);
        if (app.section[s].size() > 1) {
            EXPECT_TRUE(error(0, kept[0] - last[0]) >= limit - 1e-12 || error(1, kept[1] - last[1]) >= limit - 1e-12);
        }
    }
}

std::string ParLine(const std::string& parPath, std::size_t k)
{
    std::vector<std::string> lines;
    EXPECT_TRUE(ReadTextLines(parPath, lines));
    return k < lines.size() ? lines[k] : "";
}

}  // namespace

TEST_F(Amplifier, BothModesAtGrowingLimits)
{
    const std::string fdt = Copy();
    const std::string fdtBytes = ReadBytes(fdt), parBytes = ReadBytes(dir_ / "amp.par");
    const RawFunction src = ReadRaw(fdt);
    const std::vector<double> values = ParValues(dir_ / "amp.par");
    const std::size_t total[2] = {src.section[0].size(), src.section[1].size()};
    ASSERT_GT(total[0] + total[1], 1024u);
    for (bool coefficients : {true, false}) {
        std::uint32_t before[2] = {std::uint32_t(total[0]), std::uint32_t(total[1])};
        for (const char* err : {"0", "0.01", "0.1", "1", "5", "20", "60"}) {
            SCOPED_TRACE(std::string(coefficients ? "Coefficients " : "Num./Den. ") + err);
            ApproxRun run;
            RunApprox(run, fdt, Choice(err, coefficients, "1000", "100000"));
            ASSERT_EQ(run.result, dir_ / "amp_App.fdt") << run.error;
            ASSERT_EQ(run.error, "");
            const RawFunction app = ReadRaw(run.result);
            const double limit = std::atof(err) / 100;
            for (int s = 0; s < 2; ++s) {
                ASSERT_EQ(app.section[s].size(), run.approx.KeptCount(s));
                ExpectSubset(app.section[s], src.section[s]);
                EXPECT_LE(run.approx.KeptCount(s), before[s]) << "more terms at a larger limit";
                before[s] = run.approx.KeptCount(s);
            }
            if (limit == 0) {
                EXPECT_EQ(app.section[0].size(), total[0]);
                EXPECT_EQ(app.section[1].size(), total[1]);
            } else if (coefficients) {
                ExpectCoefficientsWithin(app, src, values, limit);
            } else {
                ExpectNumDenWithin(app, src, values, limit, 1000 * kTwoPi, 100000 * kTwoPi);
            }
            const std::string srcPar = dir_ / "amp.par", appPar = dir_ / "amp_App.par";
            EXPECT_EQ(ReadBytes(appPar), ParLine(srcPar, 0) + "\r\n" + ParLine(srcPar, 1) + "\r\n"
                                             + SplitBlanks(ParLine(srcPar, 2))[0] + " "
                                             + std::to_string(app.section[0].size()) + "\r\n"
                                             + SplitBlanks(ParLine(srcPar, 3))[0] + " "
                                             + std::to_string(app.section[1].size()) + "\r\n");
            FDT reread;
            std::string error;
            ASSERT_TRUE(reread.LoadParFile(run.result, error)) << error;
            EXPECT_EQ(reread.numeratorTerms, app.section[0].size());
            EXPECT_EQ(reread.denominatorTerms, app.section[1].size());
            EXPECT_EQ(std::to_string(reread.numeratorDegree), SplitBlanks(ParLine(srcPar, 2))[0]);
            EXPECT_EQ(std::to_string(reread.denominatorDegree), SplitBlanks(ParLine(srcPar, 3))[0]);
        }
        EXPECT_LT(before[0] + before[1], total[0] + total[1]) << "60 % kept every term";
    }
    EXPECT_EQ(ReadBytes(fdt), fdtBytes);
    EXPECT_EQ(ReadBytes(dir_ / "amp.par"), parBytes);
}

TEST_F(Amplifier, FiveLinesOfSettingsAreNotCarriedOver)
{
    const std::string fdt = Copy({"10 1000000 0.001", "3", "1000 2000 0 0 0 0 "});
    ApproxRun run;
    RunApprox(run, fdt, ApproxChoice{});
    ASSERT_EQ(run.error, "");
    std::vector<std::string> lines;
    ASSERT_TRUE(ReadTextLines(dir_ / "amp_App.par", lines));
    EXPECT_EQ(lines.size(), 4u);
    FDT reread;
    std::string error;
    ASSERT_TRUE(reread.LoadParFile(run.result, error)) << error;
    EXPECT_EQ(reread.curveCount, 1);
    EXPECT_EQ(reread.sweptComponent, -1);
}

namespace {

class RecordingProgress : public Progress {
public:
    void Begin(bool canAbort) override { calls.push_back(canAbort ? "begin abort" : "begin"); }
    void SetPercent(int percent) override { percents.push_back(percent); }
    bool AbortRequested() override { return false; }
    void ProcessMessages() override { ++polls; }
    void End() override { calls.push_back("end"); }
    std::vector<std::string> calls;
    std::vector<int> percents;
    int polls = 0;
};

}  // namespace

TEST_F(Amplifier, OneWaitWindowReportsBothPasses)
{
    const std::string fdt = Copy();
    for (bool coefficients : {true, false}) {
        RecordingProgress progress;
        ApproxRun run;
        run.approx.progress = &progress;
        RunApprox(run, fdt, Choice("5", coefficients));
        ASSERT_EQ(run.error, "");
        EXPECT_EQ(progress.calls, (std::vector<std::string>{"begin", "end"}));
        EXPECT_GT(progress.polls, 0);
        ASSERT_FALSE(progress.percents.empty());
        EXPECT_TRUE(std::is_sorted(progress.percents.begin(), progress.percents.end()));
        EXPECT_EQ(std::adjacent_find(progress.percents.begin(), progress.percents.end()), progress.percents.end());
        EXPECT_GT(progress.percents.back(), 50);
        EXPECT_LE(progress.percents.back(), 100);
    }
}

namespace {

// Rewrites the source with the first coefficient negated while the first pass runs.
class RewritingProgress : public RecordingProgress {
public:
    explicit RewritingProgress(std::string path) : path_(std::move(path)) {}
    void ProcessMessages() override
    {
        if (polls++ == 0) {
            std::string bytes = ReadBytes(path_);
            bytes[8] = static_cast<char>(bytes[8] ^ 0x80);  // the sign bit of the little-endian double
            WriteBytes(path_, bytes);
        }
    }

private:
    std::string path_;
};

}  // namespace

TEST_F(Amplifier, ASourceRewrittenDuringTheRunIsRefused)
{
    const std::string fdt = Copy();
    RewritingProgress progress(fdt);
    ApproxRun run;
    run.approx.progress = &progress;
    RunApprox(run, fdt, ApproxChoice{});
    EXPECT_EQ(run.result, "");
    EXPECT_EQ(run.error, "The file " + fdt + " changed while it was being read!");
    EXPECT_EQ(progress.calls, (std::vector<std::string>{"begin", "end"}));
    EXPECT_EQ(dir_.Names(), (std::vector<std::string>{"amp.fdt", "amp.par"}));
}

// One section's trees walked by worker threads and committed in order: the
// same records as one walk, the first failure in term order, an abort after
// a run of trees, and the window of blocks written ahead.
#include <gtest/gtest.h>

#include <atomic>
#include <set>

#include "EngineFixture.h"
#include "engine/Graphs.h"
#include "engine/ParallelWalk.h"

namespace {

// A numeric resistor ladder whose series resistors R01 and R02 of 1e200 come
// first among the candidates: only trees that hold neither, late in the
// walk, give terms that cannot be written.
std::string OverflowingLadder()
{
    std::string text = "ladder\nV1 1 0 1 1\n";
    for (int k = 1; k <= 9; ++k) {
        const bool huge = k == 3 || k == 7;
        const std::string a = std::to_string(k), b = std::to_string(k + 1);
        text += (huge ? (k == 3 ? "R01 " : "R02 ") : "R" + a + " ") + a + " " + b + (huge ? " 1e200 1\n" : " 2 1\n");
        text += "RS" + a + " " + b + " 0 3 1\n";
    }
    return text + ".OUT 10\n";
}

// A section of a circuit as Circuito plans it: the fixed edges joined.
WalkPlan PlanOf(const Circuito& c, bool numerator)
{
    const int n = static_cast<int>(c.NodeNames().size());
    Graphs voltage(n), current(n);
    if (numerator)
        voltage.Join(c.OutputNode(), c.OutputReferenceNode());
    else
        voltage.Join(c.PortNode(), c.InputNode());
    current.Join(c.PortNode(), c.InputNode());
    for (const Componente& e : c.Nullors()) {
        voltage.Join(e.vFrom, e.vTo);
        current.Join(e.iFrom, e.iTo);
    }
    const int nullors = static_cast<int>(c.Nullors().size());
    return WalkPlan(c.Elements(), c.SymbolMap(), n - 2 - nullors, numerator || nullors > 0, voltage, current);
}

// The records of one walk of the whole section on this thread, and the
// offsets at which it could have stopped: after each run of trees that
// differ in the last pick only.
struct OneWalk {
    std::string bytes;
    std::set<std::size_t> stops;
    TreeWalk::End end;
    TreeWalk::Fault fault;
};

class Collect : public TermSink {
public:
    TermBlock* Take(TermBlock* full) override
    {
        bytes.append(reinterpret_cast<const char*>(full->bytes), full->used);
        full->Clear();
        return full;
    }
    std::string bytes;
};

OneWalk WalkAlone(const WalkPlan& plan)
{
    std::atomic<bool> stop{false};
    TreeWalk walk(plan, stop);
    TermBlock block;
    Collect sink;
    walk.Start(WalkTask{}, &block);
    OneWalk one;
    one.stops.insert(0);
    for (;;) {
        walk.Budget(1, ~std::uint64_t{0});
        one.end = walk.Walk(sink);
        sink.Take(walk.Block());
        if (one.end != TreeWalk::End::Paused)
            break;
        one.stops.insert(sink.bytes.size());
    }
    one.bytes = sink.bytes;
    one.fault = walk.Failure();
    return one;
}

// Commits in order; from a given commit on it reports an abort.
class Commits : public CommitSink {
public:
    explicit Commits(int abortAfter = -1) : abortAfter_(abortAfter) {}
    bool Commit(const TermBlock& block) override
    {
        bytes.append(reinterpret_cast<const char*>(block.bytes), block.used);
        ++commits;
        return true;
    }
    bool Poll() override { return abortAfter_ < 0 || commits < abortAfter_; }

    std::string bytes;
    int commits = 0;

private:
    int abortAfter_;
};

ParallelWalk::Settings Workers(int workers, std::uint64_t taskTerms, std::size_t blocks = 1024)
{
    ParallelWalk::Settings settings;
    settings.workers = workers;
    settings.taskTerms = taskTerms;
    settings.blocks = blocks;
    return settings;
}

class SpreadWalkTest : public ::testing::Test {
protected:
    // The circuit read by the engine; its result files are not written.
    const Circuito& Read(const std::string& text)
    {
        circuit_ = std::make_unique<Circuito>(folder_.Write("c.crc", text), false, host_);
        EXPECT_TRUE(circuit_->Ok());
        return *circuit_;
    }

    TempFolder folder_;
    RecordingHost host_;
    std::unique_ptr<Circuito> circuit_;
};

TEST_F(SpreadWalkTest, CommitsTheRecordsOfOneWalk)
{
    struct Case {
        int workers;
        std::uint64_t taskTerms;
        std::size_t blocks;
    };
    const Circuito& c = Read(Ladder(9));
    for (bool numerator : {true, false}) {
        const WalkPlan plan = PlanOf(c, numerator);
        const OneWalk one = WalkAlone(plan);
        ASSERT_EQ(one.end, TreeWalk::End::Finished);
        // Tasks of one term or many, and a window of a single block.
        for (const Case& k : {Case{2, 1, 1024}, Case{4, 37, 1024}, Case{3, 5, 1}}) {
            Commits commits;
            ParallelWalk walk(plan, Workers(k.workers, k.taskTerms, k.blocks));
            EXPECT_EQ(walk.Run({WalkTask{}}, commits), ParallelWalk::End::Finished);
            EXPECT_EQ(commits.bytes, one.bytes) << k.workers << " workers, tasks of " << k.taskTerms;
        }
    }
}

TEST_F(SpreadWalkTest, ReportsTheFirstFailureInTermOrder)
{
    const WalkPlan plan = PlanOf(Read(OverflowingLadder()), false);
    const OneWalk one = WalkAlone(plan);
    ASSERT_EQ(one.end, TreeWalk::End::Failed);
    ASSERT_EQ(one.fault, TreeWalk::Fault::Overflow);
    ASSERT_GT(one.bytes.size(), 10000u);  // many terms before it
    for (int round = 0; round < 8; ++round) {
        Commits commits;
        ParallelWalk walk(plan, Workers(2 + round % 3, 1 + round % 4));
        ASSERT_EQ(walk.Run({WalkTask{}}, commits), ParallelWalk::End::Failed);
        EXPECT_EQ(walk.Failure(), TreeWalk::Fault::Overflow);
        ASSERT_EQ(commits.bytes, one.bytes) << "round " << round;
    }
}

// Aborted before the first commit, after a few, and while the workers wait
// for the commits to free blocks.
TEST_F(SpreadWalkTest, AbortStopsAfterARunOfTrees)
{
    struct Case {
        int abortAfter;
        std::size_t blocks;
    };
    const WalkPlan plan = PlanOf(Read(Ladder(10)), false);
    const OneWalk one = WalkAlone(plan);
    for (const Case& k : {Case{0, 1024}, Case{1, 1024}, Case{2, 1024}, Case{10, 1024}, Case{100, 1024}, Case{0, 1},
                          Case{3, 1}, Case{30, 2}}) {
        Commits commits(k.abortAfter);
        ParallelWalk walk(plan, Workers(3, 4, k.blocks));
        EXPECT_EQ(walk.Run({WalkTask{}}, commits), ParallelWalk::End::Stopped);
        EXPECT_LT(commits.bytes.size(), one.bytes.size());
        EXPECT_EQ(commits.bytes, one.bytes.substr(0, commits.bytes.size())) << k.abortAfter << " " << k.blocks;
        EXPECT_EQ(one.stops.count(commits.bytes.size()), 1u) << k.abortAfter << " " << k.blocks;
    }
}

// Whole runs: the files after an abort during a spread walk, and the
// big-output question with either answer.
std::vector<std::string> SectionsOf(const std::string& fdt)
{
    std::vector<std::string> sections(2);
    std::size_t at = 0;
    for (std::string& section : sections) {
        for (;;) {
            const std::size_t size = 10 + static_cast<unsigned char>(fdt.at(at));
            const std::string record = fdt.substr(at, size);
            at += size;
            if (record == std::string(10, '\0'))
                break;
            section += record;
        }
    }
    EXPECT_EQ(at, fdt.size());
    return sections;
}

const char kAmplifierChain[] =
    "t\nV1 1 0 1 1\nRs 1 2 50 0\nC1 2 3 1e-6 0\nR1 3 0 1e4 0\nH1 4 5 3 5 0.04 0\nRo 4 5 5e4 0\nRe 5 0 100 1\n"
    "Le 5 0 1e-3 0\nCm 3 4 2e-12 0\nE1 6 0 4 0 2 0\nR2 6 7 1e3 0\nC7 7 0 1e-9 0\nR7 7 17 1e3 0\nC17 17 0 1e-9 1\n"
    "L17 17 18 1e-3 0\nG18 18 0 1e-3 0\nR18 18 19 1e3 0\nC19 19 0 1e-9 0\nR19 19 20 1e3 0\nF1 8 0 20 9 3 0\n"
    "R9 9 0 10 1\nG8 8 0 1e-3 0\nC8 8 0 1e-9 0\nY1 10 0 8 0 1e3 0\nR10 10 11 100 0\nK1 11 0 4 12 1e-3 0\n"
    "R12 12 0 50 0\nN1 11 0 13 0 3 0\nR13 13 14 1e3 0\nC14 14 0 1e-9 0\nO1 15 0 0 14\nR15 14 15 1e4 0\n"
    "L15 15 16 1e-3 0\nR16 16 0 1e3 0\nRf 16 3 1e5 0\n.OUT 16";

TEST(SpreadRunTest, AbortLeavesPrefixesOfBothSectionsWithTheirCounts)
{
    TempFolder folder;
    const std::string path = folder.Write("c.crc", kAmplifierChain);
    RecordingHost quiet;
    ASSERT_TRUE(RunEngine(path, quiet, false, OneThread()).ok);
    const std::vector<std::string> full = SectionsOf(ReadBytes(folder / "c.fdt"));
    // Aborted during the numerator on one thread: the denominator then holds
    // the trees of its first descent.
    RecordingHost early;
    early.abortAtPoll = 1;
    ASSERT_TRUE(RunEngine(path, early, false, OneThread()).aborted);
    const std::string firstDescent = SectionsOf(ReadBytes(folder / "c.fdt"))[1];
    for (int poll : {1, 4, 40, 400, 1500}) {
        RecordingHost host;
        host.abortAtPoll = poll;
        EngineRun run = RunEngine(path, host, false, Spread(3, 4));
        ASSERT_TRUE(run.ok);
        EXPECT_TRUE(run.aborted) << poll;
        ReadNetworkFunction(folder / "c.fdt");  // counts as written, end records
        const std::vector<std::string> sections = SectionsOf(ReadBytes(folder / "c.fdt"));
        for (int s = 0; s < 2; ++s)
            EXPECT_EQ(sections[s], full[s].substr(0, sections[s].size())) << "poll " << poll << " section " << s;
        if (sections[0].size() < full[0].size()) {
            EXPECT_EQ(sections[1], firstDescent) << poll;
        }
    }
}

TEST(SpreadRunTest, BigOutputQuestionAtTheSameTermWithTheSameFiles)
{
    TempFolder folder;
    const std::string path = folder.Write("c.crc", Ladder(14));
    for (bool answer : {true, false}) {
        RecordingHost one;
        one.answer = answer;
        EngineRun alone = RunEngine(path, one, true, OneThread());
        const std::string fdt = ReadBytes(folder / "c.fdt"), par = ReadBytes(folder / "c.par");
        Circuito::WalkSettings spread = Spread(4, 50);
        spread.sequentialTerms = 1000;
        RecordingHost many;
        many.answer = answer;
        EngineRun run = RunEngine(path, many, true, spread);
        EXPECT_EQ(many.questions, one.questions);
        ASSERT_EQ(many.askedAt, one.askedAt);
        EXPECT_EQ(many.askedAt, std::vector<std::int32_t>{static_cast<std::int32_t>(Circuito::kBigOutputTerms) + 1});
        EXPECT_EQ(many.messages, one.messages);
        EXPECT_EQ(run.aborted, !answer);
        EXPECT_EQ(alone.aborted, !answer);
        EXPECT_EQ(run.denominatorTerms, alone.denominatorTerms);
        EXPECT_EQ(ReadBytes(folder / "c.fdt"), fdt) << "answer " << answer;
        EXPECT_EQ(ReadBytes(folder / "c.par"), par) << "answer " << answer;
    }
}

}  // namespace

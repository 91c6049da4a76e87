// The common spanning trees of the voltage and current graphs, one term each:
// the calling thread walks first and alone; the rest of a large section is
// walked by workers and written here in the same order.
#include <algorithm>
#include <atomic>
#include <memory>

#include "engine/Circuito.h"
#include "engine/Graphs.h"
#include "engine/ParallelWalk.h"
#include "formats/Term.h"

namespace {
const char kInvalidCircuit[] = "Invalid Circuit!\r\nCheck the circuit schematic!";
}  // namespace

// The records of the calling thread's own walk: written at once; the host's
// events run every thousand or so steps.
class Circuito::SequentialSink : public TermSink {
public:
    SequentialSink(Circuito& owner, std::atomic<bool>& stop) : owner_(owner), stop_(stop) {}

    TermBlock* Take(TermBlock* full) override
    {
        if (!owner_.Commit(*full))
            return nullptr;
        full->Clear(owner_.NextTermLimit());
        Check();
        return full;
    }
    void Poll() override
    {
        owner_.host_.ProcessMessages();
        Check();
    }

private:
    // The walk ends at its next backtrack once the run is aborted.
    void Check()
    {
        if (owner_.abort || !owner_.ok_)
            stop_ = true;
    }

    Circuito& owner_;
    std::atomic<bool>& stop_;
};

// The workers' records, in term order.
class Circuito::ParallelSink : public CommitSink {
public:
    explicit ParallelSink(Circuito& owner) : owner_(owner) {}

    bool Commit(const TermBlock& block) override { return owner_.Commit(block); }
    bool Poll() override
    {
        owner_.host_.ProcessMessages();
        return !owner_.abort;
    }

private:
    Circuito& owner_;
};

void Circuito::Numerator()
{
    Section(true);
}

void Circuito::Denominator()
{
    Section(false);
    if (ok_)
        FinishFiles();
}

void Circuito::Section(bool numerator)
{
    if (!ok_)
        return;
    const int n = static_cast<int>(nodes_.size());
    Graphs voltage(n), current(n);
    section_ = numerator ? "numerator" : "denominator";
    Prepare(numerator, voltage, current);
    EnumerateTrees(numerator, voltage, current);
    if (numerator) {
        numeratorTermCount = termCounter_;
        numeratorHighestPower = highestPower_;
    } else {
        denominatorTermCount = termCounter_;
        denominatorHighestPower = highestPower_;
    }
    if (ok_)
        TERM::WriteEndRecord(out_);
}

void Circuito::Prepare(bool numerator, Graphs& voltage, Graphs& current)
{
    if (numerator)
        FixEdge(voltage, outputNode_, outputReference_);
    else
        FixEdge(voltage, portNode_, inputNode_);
    FixEdge(current, portNode_, inputNode_);
    for (const Componente& e : nullors_) {
        FixEdge(voltage, e.vFrom, e.vTo);
        FixEdge(current, e.iFrom, e.iTo);
    }
    picksPlusOne_ = static_cast<int>(nodes_.size()) - 1 - static_cast<int>(nullors_.size());
    signAlways_ = numerator;
}

void Circuito::FixEdge(Graphs& graph, int from, int to)
{
    if (!graph.Separate(from, to)) {
        Discard();
        host_.Fatal(kInvalidCircuit);
    }
    graph.Join(from, to);
}

// The walk pauses now and then where a level runs out of candidates: there
// an abort ends it, and once the big-output question is settled and the
// section proves large, the workers take over the rest.
void Circuito::EnumerateTrees(bool numerator, const Graphs& voltage, const Graphs& current)
{
    if (approximation_)
        StartApproximation(numerator);
    termCounter_ = 0;
    highestPower_ = 0;
    runningTermCount = 0;
    const WalkPlan plan(elements_, symbolMap_, picksPlusOne_ - 1, signAlways_ || !nullors_.empty(), voltage, current);
    std::atomic<bool> stop{abort};
    TreeWalk walk(plan, stop);
    SequentialSink sink(*this, stop);
    auto block = std::make_unique<TermBlock>();
    block->Clear(NextTermLimit());
    walk.Start(WalkTask{}, block.get());
    const std::uint64_t stretch = std::max<std::uint64_t>(walkSettings_.sequentialTerms, 1);
    walk.Budget(stretch, ~std::uint64_t{0});
    for (;;) {
        const TreeWalk::End end = walk.Walk(sink);
        if (end == TreeWalk::End::Stopped || !Commit(*walk.Block()))
            return;
        if (end == TreeWalk::End::Failed) {
            FailTerm(walk.Failure());
            return;
        }
        if (end == TreeWalk::End::Finished || abort || !ok_)
            return;
        walk.Block()->Clear(NextTermLimit());
        if (asked_ && Workers() > 1) {
            WalkInParallel(plan, walk);
            return;
        }
        walk.Budget(stretch, ~std::uint64_t{0});
    }
}

void Circuito::WalkInParallel(const WalkPlan& plan, const TreeWalk& walk)
{
    std::vector<WalkTask> rest;
    walk.Rest(rest);
    ParallelWalk::Settings settings;
    settings.workers = Workers();
    settings.taskTerms = std::max<std::uint64_t>(walkSettings_.taskTerms, 1);
    ParallelWalk parallel(plan, settings);
    ParallelSink sink(*this);
    if (parallel.Run(rest, sink) == ParallelWalk::End::Failed)
        FailTerm(parallel.Failure());
}

int Circuito::Workers() const
{
    return walkSettings_.workers > 0 ? walkSettings_.workers : ParallelWalk::AvailableCores();
}

// A block ends with the term after which the big-output question comes.
unsigned Circuito::NextTermLimit() const
{
    if (!asked_ && termCounter_ <= kBigOutputTerms)
        return kBigOutputTerms + 1 - termCounter_;
    return TermBlock::kTerms;
}

// Writes a block's records; false when the section ends with them.
bool Circuito::Commit(const TermBlock& block)
{
    if (approximation_)
        return CommitApproximated(block);
    out_.Put(block.bytes, block.used);
    Count(block.terms, block.highestPower);
    return WriteOk();
}

void Circuito::Count(unsigned terms, unsigned power)
{
    termCounter_ += terms;
    runningTermCount = static_cast<std::int32_t>(termCounter_);
    highestPower_ = std::max(highestPower_, power);
    if (!asked_ && termCounter_ > kBigOutputTerms)
        AskBigOutput();
}

bool Circuito::WriteOk()
{
    if (!out_.Failed())
        return true;
    Fail("Cannot write file \"" + fdtPath + "\"");
    return false;
}

void Circuito::FailTerm(TreeWalk::Fault fault)
{
    if (fault == TreeWalk::Fault::TooLarge)
        Fail("A term of this circuit needs more than 255 symbols or powers of s:\r\nit cannot be written.");
    else
        Fail(std::string("A term of the ") + section_ + " has a coefficient too large to be written:\r\n"
             "the product of its numeric element values overflows.");
}

#pragma once
// The common spanning trees below one partial tree, one record each, in the
// order of the plain depth-first walk: candidates in element-list order, a
// tree built from increasing indexes, a level given up as soon as its picks
// plus the candidates left cannot fill a tree or a component is left without
// candidates. A walk of the empty prefix is the whole enumeration.
//
// A walk can pause where a level runs out of candidates (a backtrack; the
// records written so far end a run of trees that differ in the last pick
// only), and the rest of it can be handed on as further tasks, which in their
// order write what the walk would have written.
#include <atomic>
#include <cstdint>
#include <vector>

#include "engine/MStack.h"
#include "engine/TermBlock.h"
#include "engine/TermRecord.h"
#include "engine/WalkPlan.h"

// A subtree of the search: the picks of a partial tree (ascending, joined in
// this order) and the first candidate of the next pick.
struct WalkTask {
    std::vector<int> prefix;
    int from = 0;
};

// Where a walk's records go.
class TermSink {
public:
    virtual ~TermSink() = default;
    // Takes a full block; returns the block to fill next, or null when the
    // walk must end at once.
    virtual TermBlock* Take(TermBlock* full) = 0;
    // Every thousand or so steps.
    virtual void Poll() {}
};

class TreeWalk {
public:
    enum class End {
        Finished,  // every tree of the task is written
        Paused,    // at a backtrack: the stop flag was set, or the budget is used up
        Stopped,   // the sink wanted no more
        Failed,    // a term does not fit its record: see Fault()
    };
    enum class Fault { None, TooLarge, Overflow };

    // stop is looked at in every backtrack; so is hungry, the number of
    // walkers waiting for work, when given: a walk pauses early for them.
    TreeWalk(const WalkPlan& plan, const std::atomic<bool>& stop, const std::atomic<int>* hungry = nullptr);

    // Moves to the task's partial tree (keeping what it shares with the
    // current one) with a fresh budget; records go to block.
    void Start(const WalkTask& task, TermBlock* block);
    // Pauses at a backtrack once this many more terms (or bytes) are
    // written, or after a long stretch without terms.
    void Budget(std::uint64_t terms, std::uint64_t bytes);

    // Walks on until the task ends or pauses; a paused walk goes on where it
    // stopped.
    End Walk(TermSink& sink);
    Fault Failure() const { return fault_; }
    // The block being filled (its records follow those taken by the sink).
    TermBlock* Block() const { return block_; }
    // What a paused walk has left, as tasks in the order of their records.
    void Rest(std::vector<WalkTask>& tasks) const;

private:
    void Push(int c);
    int Pop();
    bool Initially() const;
    bool After(int c) const;
    bool Takes(int c) const;
    bool Over() const;
    void Polled(TermSink& sink);
    bool PairLevel(TermSink& sink, End& end);
    template <class View>
    bool Leaves(int from, const View& v, const View& i, TermSink& sink, End& end);
    bool Emit(int c, std::int32_t sign, TermSink& sink, End& end);

    const WalkPlan& plan_;
    const TermRecord record_;
    const std::atomic<bool>& stop_;
    const std::atomic<int>* hungry_;
    Graphs v_, i_;
    MStack stack_;
    std::vector<std::uint64_t> tree_;  // the picks as a bit set
    int controlled_ = 0;               // controlled elements among the picks
    int floor_ = 0;                    // the task's prefix length
    int j_ = 0;                        // next candidate of the level being filled
    bool viable_ = true;
    bool exhausted_ = false;           // the level is used up; a backtrack is next
    bool single_ = false;              // the one term of a tree of fixed edges only
    int pollCountdown_;
    std::uint64_t terms_ = 0, pushes_ = 0, bytes_ = 0;
    std::uint64_t pauseTerms_ = ~std::uint64_t{0}, pausePushes_ = ~std::uint64_t{0};
    std::uint64_t pauseBytes_ = ~std::uint64_t{0};
    TermBlock* block_ = nullptr;
    Fault fault_ = Fault::None;
};

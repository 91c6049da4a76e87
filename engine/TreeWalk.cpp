#include "engine/TreeWalk.h"

namespace {

constexpr int kPollEvery = 1024;
// A walk that joins this many elements per term it was allowed to write has
// used up its budget too.
constexpr std::uint64_t kPushesPerTerm = 4;
// Work done before a walk pauses for walkers waiting for work.
constexpr std::uint64_t kShareAfter = 64;

constexpr std::uint64_t Bit(int c) { return std::uint64_t{1} << (c % 64); }

// A graph as it stands, for the last pick.
struct Standing {
    const Graphs& g;
    bool Separate(int a, int b) const { return g.Separate(a, b); }
    std::int32_t DetWith(int a, int b) const { return g.DetWith(a, b); }
    bool Reachable(int node, int from) const { return g.Reachable(node, from); }
};

// A graph with the next-to-last pick's join previewed.
struct WithPreview {
    const Graphs& g;
    const Graphs::Preview& p;
    bool Separate(int a, int b) const { return g.SeparateAfter(p, a, b); }
    std::int32_t DetWith(int a, int b) const { return g.DetWithAfter(p, a, b); }
    bool Reachable(int node, int from) const { return g.ReachableAfter(p, node, from); }
};

}  // namespace

TreeWalk::TreeWalk(const WalkPlan& plan, const std::atomic<bool>& stop, const std::atomic<int>* hungry)
    : plan_(plan), record_(plan), stop_(stop), hungry_(hungry), v_(plan.voltage), i_(plan.current), stack_(plan.k), tree_(plan.words),
      pollCountdown_(kPollEvery)
{
}

void TreeWalk::Start(const WalkTask& task, TermBlock* block)
{
    const int prefix = static_cast<int>(task.prefix.size());
    int shared = 0;
    while (shared < stack_.Count() && shared < prefix && stack_.At(shared) == task.prefix[shared])
        ++shared;
    while (stack_.Count() > shared)
        Pop();
    for (int d = shared; d < prefix; ++d)
        Push(task.prefix[d]);
    floor_ = prefix;
    j_ = task.from;
    single_ = plan_.k == 0;
    exhausted_ = false;
    viable_ = single_ || (j_ == 0 ? Initially() : After(j_ - 1));
    terms_ = pushes_ = bytes_ = 0;
    fault_ = Fault::None;
    block_ = block;
}

void TreeWalk::Budget(std::uint64_t terms, std::uint64_t bytes)
{
    const auto plus = [](std::uint64_t a, std::uint64_t b) { return b > ~a ? ~std::uint64_t{0} : a + b; };
    pauseTerms_ = plus(terms_, terms);
    pausePushes_ = plus(pushes_, terms > ~std::uint64_t{0} / kPushesPerTerm ? terms : terms * kPushesPerTerm);
    pauseBytes_ = plus(bytes_ + block_->used, bytes);
}

void TreeWalk::Push(int c)
{
    const WalkPlan::Edges& e = plan_.edges[c];
    v_.Join(e.vFrom, e.vTo);
    i_.Join(e.iFrom, e.iTo);
    stack_.Push(c);
    tree_[c / 64] |= Bit(c);
    controlled_ += plan_.controlled[c];
    ++pushes_;
}

int TreeWalk::Pop()
{
    const int c = stack_.Pop();
    const WalkPlan::Edges& e = plan_.edges[c];
    v_.Unjoin(e.vFrom, e.vTo);
    i_.Unjoin(e.iFrom, e.iTo);
    tree_[c / 64] &= ~Bit(c);
    controlled_ -= plan_.controlled[c];
    return c;
}

// Every node's component has a candidate left, in both graphs.
bool TreeWalk::Initially() const
{
    for (int x = 1; x <= v_.NodeCount(); ++x)
        if (!v_.Reachable(x, 0) || !i_.Reachable(x, 0))
            return false;
    return true;
}

// Once candidate c is taken or passed: a component left without candidates
// can never join the others, so the level holds no further tree.
bool TreeWalk::After(int c) const
{
    const WalkPlan::Edges& e = plan_.edges[c];
    return v_.Reachable(e.vFrom, c + 1) && v_.Reachable(e.vTo, c + 1) && i_.Reachable(e.iFrom, c + 1)
        && i_.Reachable(e.iTo, c + 1);
}

// The candidate would be taken: it closes no loop, and joined it leaves its
// components with candidates to come.
bool TreeWalk::Takes(int c) const
{
    const WalkPlan::Edges& e = plan_.edges[c];
    return v_.Separate(e.vFrom, e.vTo) && i_.Separate(e.iFrom, e.iTo) && v_.ReachableJoined(e.vFrom, e.vTo, c + 1)
        && i_.ReachableJoined(e.iFrom, e.iTo, c + 1);
}

bool TreeWalk::Over() const
{
    return stop_.load(std::memory_order_relaxed) || terms_ >= pauseTerms_ || pushes_ >= pausePushes_
        || bytes_ + block_->used >= pauseBytes_
        || (hungry_ && terms_ + pushes_ >= kShareAfter && hungry_->load(std::memory_order_relaxed) > 0);
}

void TreeWalk::Polled(TermSink& sink)
{
    if (--pollCountdown_ == 0) {
        pollCountdown_ = kPollEvery;
        sink.Poll();
    }
}

TreeWalk::End TreeWalk::Walk(TermSink& sink)
{
    End end = End::Finished;
    if (single_) {  // the fixed edges alone span the nodes
        single_ = false;
        exhausted_ = true;
        if (!Emit(-1, plan_.signAlways ? i_.Det() * v_.Det() : 1, sink, end))
            return end;
    }
    const int m = plan_.m, k = plan_.k;
    for (;;) {
        if (exhausted_) {
            if (stack_.Count() == floor_)
                return End::Finished;
            if (Over())
                return End::Paused;
            const int c = Pop();
            j_ = c + 1;
            viable_ = After(c);
            exhausted_ = false;
            Polled(sink);
        }
        if (stack_.Count() == k - 1) {
            if (!Leaves(j_, Standing{v_}, Standing{i_}, sink, end))
                return end;
        } else if (stack_.Count() == k - 2) {
            if (!PairLevel(sink, end))
                return end;
        } else {
            bool descended = false;
            while (!descended && viable_ && j_ < m && stack_.Count() + (m - j_) >= k) {
                const int c = j_++;
                descended = Takes(c);
                if (descended)
                    Push(c);
                else
                    viable_ = After(c);
            }
            if (descended)
                continue;
        }
        exhausted_ = true;
    }
}

// The last two picks: a pick that the walk would take is only previewed, and
// the last pick completes a tree without a join. When a pause falls after a
// previewed pick, the pick is joined then, so that the walk goes on from
// there as it would have.
bool TreeWalk::PairLevel(TermSink& sink, End& end)
{
    const int m = plan_.m, k = plan_.k;
    while (viable_ && j_ < m && stack_.Count() + (m - j_) >= k) {
        const int c = j_++;
        if (Takes(c)) {
            const WalkPlan::Edges& e = plan_.edges[c];
            const Graphs::Preview pv = v_.Previewed(e.vFrom, e.vTo), pi = i_.Previewed(e.iFrom, e.iTo);
            tree_[c / 64] |= Bit(c);
            controlled_ += plan_.controlled[c];
            ++pushes_;
            const bool written = Leaves(c + 1, WithPreview{v_, pv}, WithPreview{i_, pi}, sink, end);
            tree_[c / 64] &= ~Bit(c);
            controlled_ -= plan_.controlled[c];
            if (!written)
                return false;
            if (Over()) {
                Push(c);
                --pushes_;
                exhausted_ = true;
                end = End::Paused;
                return false;
            }
            Polled(sink);
        }
        viable_ = After(c);
    }
    return true;
}

// Every candidate from the first that closes no loop in either graph
// completes a tree. A component left without candidates ends the level.
template <class View>
bool TreeWalk::Leaves(int from, const View& v, const View& i, TermSink& sink, End& end)
{
    const WalkPlan::Edges* e = plan_.edges.data();
    const bool signAlways = plan_.signAlways || controlled_ != 0;
    bool viable = true;
    for (int c = from; viable && c < plan_.m; ++c) {
        if (v.Separate(e[c].vFrom, e[c].vTo) && i.Separate(e[c].iFrom, e[c].iTo)) {
            std::int32_t sign = 1;
            if (signAlways || plan_.controlled[c])
                sign = i.DetWith(e[c].iFrom, e[c].iTo) * v.DetWith(e[c].vFrom, e[c].vTo);
            if (!Emit(c, sign, sink, end))
                return false;
            Polled(sink);
        }
        viable = v.Reachable(e[c].vFrom, c + 1) && v.Reachable(e[c].vTo, c + 1) && i.Reachable(e[c].iFrom, c + 1)
            && i.Reachable(e[c].iTo, c + 1);
    }
    return true;
}

// The term of the tree of the picks and element c (none: -1).
bool TreeWalk::Emit(int c, std::int32_t sign, TermSink& sink, End& end)
{
    if (c >= 0)
        tree_[c / 64] |= Bit(c);
    const TermRecord::Result r = record_.Write(tree_.data(), sign, *block_);
    if (c >= 0)
        tree_[c / 64] &= ~Bit(c);
    switch (r) {
    case TermRecord::Result::Written:
        ++terms_;
        if (block_->Full()) {
            bytes_ += block_->used;
            block_ = sink.Take(block_);
            if (!block_) {
                end = End::Stopped;
                return false;
            }
        }
        return true;
    case TermRecord::Result::Zero:
        return true;
    case TermRecord::Result::TooLarge:
        fault_ = Fault::TooLarge;
        break;
    case TermRecord::Result::Overflow:
        fault_ = Fault::Overflow;
        break;
    }
    end = End::Failed;
    return false;
}

void TreeWalk::Rest(std::vector<WalkTask>& tasks) const
{
    const int m = plan_.m, k = plan_.k;
    for (int level = stack_.Count() - 1; level >= floor_; --level) {
        WalkTask task;
        task.from = stack_.At(level) + 1;
        if (task.from >= m || level + (m - task.from) < k)
            continue;  // no tree can be left there
        for (int d = 0; d < level; ++d)
            task.prefix.push_back(stack_.At(d));
        tasks.push_back(std::move(task));
    }
}

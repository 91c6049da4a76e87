#include "engine/TreeWalk.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>

namespace {

constexpr int kPollEvery = 1024;
// A walk that joins this many elements per term it was allowed to write has
// used up its budget too.
constexpr std::uint64_t kPushesPerTerm = 8;

constexpr std::uint64_t Bit(int c) { return std::uint64_t{1} << (c % 64); }

int Highest(std::uint64_t x) { return 63 - std::countl_zero(x); }

// The number of bits set, without a library call on processors where counting
// them is no single instruction.
unsigned Ones(std::uint64_t x)
{
    x -= (x >> 1) & 0x5555555555555555u;
    x = (x & 0x3333333333333333u) + ((x >> 2) & 0x3333333333333333u);
    x = (x + (x >> 4)) & 0x0f0f0f0f0f0f0f0fu;
    return static_cast<unsigned>((x * 0x0101010101010101u) >> 56);
}

}  // namespace

TreeWalk::TreeWalk(const WalkPlan& plan, const std::atomic<bool>& stop)
    : plan_(plan), stop_(stop), v_(plan.voltage), i_(plan.current), stack_(plan.k), tree_(plan.words),
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

bool TreeWalk::Over() const
{
    return stop_.load(std::memory_order_relaxed) || terms_ >= pauseTerms_ || pushes_ >= pausePushes_
        || bytes_ + block_->used >= pauseBytes_;
}

TreeWalk::End TreeWalk::Walk(TermSink& sink)
{
    if (single_) {  // the fixed edges alone span the nodes
        single_ = false;
        exhausted_ = true;
        const Emitted r = Emit(plan_.signAlways ? i_.Det() * v_.Det() : 1, sink);
        if (r != Emitted::Written)
            return r == Emitted::Stopped ? End::Stopped : End::Failed;
    }
    const int m = plan_.m, k = plan_.k;
    const WalkPlan::Edges* e = plan_.edges.data();
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
            if (--pollCountdown_ == 0) {
                pollCountdown_ = kPollEvery;
                sink.Poll();
            }
        }
        if (stack_.Count() >= k - 2) {
            End end;
            if (!(stack_.Count() == k - 1 ? LeafLevel(sink, end) : PairLevel(sink, end)))
                return end;
            exhausted_ = true;
            continue;
        }
        bool descended = false;
        while (viable_ && j_ < m && stack_.Count() + (m - j_) >= k) {
            const int c = j_++;
            if (v_.Separate(e[c].vFrom, e[c].vTo) && i_.Separate(e[c].iFrom, e[c].iTo)
                && v_.ReachableJoined(e[c].vFrom, e[c].vTo, c + 1) && i_.ReachableJoined(e[c].iFrom, e[c].iTo, c + 1)) {
                Push(c);
                descended = true;
                break;
            }
            viable_ = After(c);
        }
        exhausted_ = !descended;
    }
}

// The last pick completes a tree without a join: every candidate that closes
// no loop in either graph is a term.
bool TreeWalk::LeafLevel(TermSink& sink, End& end)
{
    const WalkPlan::Edges* e = plan_.edges.data();
    for (int c = j_; viable_ && c < plan_.m; ++c) {
        if (v_.Separate(e[c].vFrom, e[c].vTo) && i_.Separate(e[c].iFrom, e[c].iTo)) {
            const Emitted r = Leaf(c, sink);
            if (r != Emitted::Written) {
                end = r == Emitted::Stopped ? End::Stopped : End::Failed;
                return false;
            }
        }
        viable_ = After(c);
    }
    return true;
}

// The last two picks: each pick that the walk would join is only previewed,
// and the last pick completes a tree without a join. When a pause falls
// after a previewed pick, the pick is joined then, so that the walk goes on
// from there as it would have.
bool TreeWalk::PairLevel(TermSink& sink, End& end)
{
    const int m = plan_.m, k = plan_.k;
    const WalkPlan::Edges* e = plan_.edges.data();
    while (viable_ && j_ < m && stack_.Count() + (m - j_) >= k) {
        const int c = j_++;
        const WalkPlan::Edges& p = e[c];
        if (v_.Separate(p.vFrom, p.vTo) && i_.Separate(p.iFrom, p.iTo) && v_.ReachableJoined(p.vFrom, p.vTo, c + 1)
            && i_.ReachableJoined(p.iFrom, p.iTo, c + 1)) {
            const Graphs::Preview pv = v_.Previewed(p.vFrom, p.vTo), pi = i_.Previewed(p.iFrom, p.iTo);
            tree_[c / 64] |= Bit(c);
            controlled_ += plan_.controlled[c];
            ++pushes_;
            bool viable = true;
            for (int d = c + 1; viable && d < m; ++d) {
                const WalkPlan::Edges& q = e[d];
                if (v_.SeparateAfter(pv, q.vFrom, q.vTo) && i_.SeparateAfter(pi, q.iFrom, q.iTo)) {
                    const Emitted r = Leaf(d, pv, pi, sink);
                    if (r != Emitted::Written) {
                        end = r == Emitted::Stopped ? End::Stopped : End::Failed;
                        tree_[c / 64] &= ~Bit(c);
                        controlled_ -= plan_.controlled[c];
                        return false;
                    }
                }
                viable = v_.ReachableAfter(pv, q.vFrom, d + 1) && v_.ReachableAfter(pv, q.vTo, d + 1)
                    && i_.ReachableAfter(pi, q.iFrom, d + 1) && i_.ReachableAfter(pi, q.iTo, d + 1);
            }
            tree_[c / 64] &= ~Bit(c);
            controlled_ -= plan_.controlled[c];
            if (Over()) {
                Push(c);
                --pushes_;
                exhausted_ = true;
                end = End::Paused;
                return false;
            }
            if (--pollCountdown_ == 0) {
                pollCountdown_ = kPollEvery;
                sink.Poll();
            }
        }
        viable_ = After(c);
    }
    return true;
}

TreeWalk::Emitted TreeWalk::Leaf(int c, const Graphs::Preview& pv, const Graphs::Preview& pi, TermSink& sink)
{
    const WalkPlan::Edges& e = plan_.edges[c];
    std::int32_t sign = 1;
    if (plan_.signAlways || controlled_ != 0 || plan_.controlled[c])
        sign = i_.DetWithAfter(pi, e.iFrom, e.iTo) * v_.DetWithAfter(pv, e.vFrom, e.vTo);
    tree_[c / 64] |= Bit(c);
    const Emitted r = Emit(sign, sink);
    tree_[c / 64] &= ~Bit(c);
    if (--pollCountdown_ == 0) {
        pollCountdown_ = kPollEvery;
        sink.Poll();
    }
    return r;
}

TreeWalk::Emitted TreeWalk::Leaf(int c, TermSink& sink)
{
    const WalkPlan::Edges& e = plan_.edges[c];
    std::int32_t sign = 1;
    if (plan_.signAlways || controlled_ != 0 || plan_.controlled[c])
        sign = i_.DetWith(e.iFrom, e.iTo) * v_.DetWith(e.vFrom, e.vTo);
    tree_[c / 64] |= Bit(c);
    const Emitted r = Emit(sign, sink);
    tree_[c / 64] &= ~Bit(c);
    if (--pollCountdown_ == 0) {
        pollCountdown_ = kPollEvery;
        sink.Poll();
    }
    return r;
}

// The record of the tree held in tree_: the contributing elements are the
// tree's admittance-type ones, last picked first, then the impedance-type ones
// outside the tree in ascending order. Symbols give their bytes, numeric
// elements multiply the coefficient, reactive ones raise the power of s.
TreeWalk::Emitted TreeWalk::Emit(std::int32_t sign, TermSink& sink)
{
    const int words = plan_.words;
    const std::uint64_t* impedance = plan_.impedance.data();
    const std::uint64_t* symbolic = plan_.symbolic.data();
    unsigned power = 0;
    std::uint64_t negative = 0, factors = 0;
    for (int w = 0; w < words; ++w) {
        const std::uint64_t in = tree_[w] ^ impedance[w];
        power += Ones(in & plan_.reactive[w]);
        negative ^= in & plan_.negative[w];
        factors |= in & plan_.factor[w];
    }
    if (plan_.mayOverflow) [[unlikely]] {
        unsigned count = 0;
        for (int w = 0; w < words; ++w)
            count += Ones((tree_[w] ^ impedance[w]) & symbolic[w]);
        if (count > 255 || power > 255) {
            fault_ = Fault::TooLarge;
            return Emitted::Failed;
        }
    }
    double coefficient = Ones(negative) % 2 ? -sign : sign;
    if (factors) {
        coefficient = Product(coefficient);
        if (!std::isfinite(coefficient)) [[unlikely]] {
            fault_ = Fault::Overflow;
            return Emitted::Failed;
        }
    }
    TermBlock& b = *block_;
    std::uint8_t* const record = b.bytes + b.used;
    std::uint8_t* q = record + 10;
    const std::uint8_t* symbol = plan_.symbol.data();
    for (int w = words - 1; w >= 0; --w) {
        for (std::uint64_t x = tree_[w] & ~impedance[w] & symbolic[w]; x;) {
            const int h = Highest(x);
            *q++ = symbol[w * 64 + h];
            x ^= std::uint64_t{1} << h;
        }
    }
    for (int w = 0; w < words; ++w)
        for (std::uint64_t x = ~tree_[w] & impedance[w] & symbolic[w]; x; x &= x - 1)
            *q++ = symbol[w * 64 + std::countr_zero(x)];
    const std::size_t count = static_cast<std::size_t>(q - record - 10);
    if (count == 0 && coefficient == 0.0)
        return Emitted::Written;  // a zero term; written, it would read as an end record
    record[0] = static_cast<std::uint8_t>(count);
    std::memcpy(record + 1, &coefficient, 8);
    record[9] = static_cast<std::uint8_t>(power);
    b.used += 10 + count;
    ++b.terms;
    b.highestPower = std::max(b.highestPower, power);
    ++terms_;
    if (b.Full()) {
        bytes_ += b.used;
        block_ = sink.Take(block_);
        if (!block_)
            return Emitted::Stopped;
    }
    return Emitted::Written;
}

// The factors in the order of the record.
double TreeWalk::Product(double coefficient) const
{
    const std::uint64_t* impedance = plan_.impedance.data();
    const std::uint64_t* factor = plan_.factor.data();
    const double* value = plan_.value.data();
    for (int w = plan_.words - 1; w >= 0; --w) {
        for (std::uint64_t x = tree_[w] & ~impedance[w] & factor[w]; x;) {
            const int h = Highest(x);
            coefficient *= value[w * 64 + h];
            x ^= std::uint64_t{1} << h;
        }
    }
    for (int w = 0; w < plan_.words; ++w)
        for (std::uint64_t x = ~tree_[w] & impedance[w] & factor[w]; x; x &= x - 1)
            coefficient *= value[w * 64 + std::countr_zero(x)];
    return coefficient;
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

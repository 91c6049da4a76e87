#include "engine/ParallelWalk.h"

#include <algorithm>
#include <chrono>
#include <sched.h>

namespace {
// The host's events run at least this often while the committer waits.
constexpr auto kPollInterval = std::chrono::milliseconds(10);
}  // namespace

// Hands a worker's full blocks to its task.
class ParallelWalk::WorkerSink : public TermSink {
public:
    WorkerSink(ParallelWalk& owner, SlotIt slot) : owner_(owner), slot_(slot) {}

    TermBlock* Take(TermBlock* full) override
    {
        std::lock_guard<std::mutex> lock(owner_.mutex_);
        slot_->blocks.push_back(full);
        if (slot_ == owner_.order_.begin())
            owner_.committer_.notify_one();
        return owner_.NewBlock();
    }

private:
    ParallelWalk& owner_;
    SlotIt slot_;
};

bool ParallelWalk::Earlier::operator()(SlotIt a, SlotIt b) const
{
    const std::vector<int>& p = a->task.prefix;
    const std::vector<int>& q = b->task.prefix;
    const std::size_t n = std::min(p.size(), q.size());
    for (std::size_t d = 0; d < n; ++d)
        if (p[d] != q[d])
            return p[d] < q[d];
    const int x = p.size() > n ? p[n] : a->task.from;
    const int y = q.size() > n ? q[n] : b->task.from;
    return x != y ? x < y : p.size() < q.size();
}

int ParallelWalk::AvailableCores()
{
    cpu_set_t set;
    if (sched_getaffinity(0, sizeof set, &set) == 0)
        return std::max(1, CPU_COUNT(&set));
    return std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
}

ParallelWalk::ParallelWalk(const WalkPlan& plan, const Settings& settings) : plan_(plan), settings_(settings) {}

ParallelWalk::~ParallelWalk() { Stop(); }

ParallelWalk::End ParallelWalk::Run(const std::vector<WalkTask>& tasks, CommitSink& sink)
{
    for (const WalkTask& task : tasks) {
        order_.emplace_back().task = task;
        waiting_.insert(std::prev(order_.end()));
    }
    for (int w = 0; w < settings_.workers; ++w)
        threads_.emplace_back([this] { Work(); });
    End end;
    {
        std::unique_lock<std::mutex> lock(mutex_);
        end = Commit(sink, lock);
    }
    Stop();
    if (error_)
        std::rethrow_exception(error_);
    return end;
}

void ParallelWalk::Stop()
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stop_ = true;
    }
    workers_.notify_all();
    for (std::thread& thread : threads_)
        thread.join();
    threads_.clear();
}

void ParallelWalk::Work()
{
    try {
        TreeWalk walk(plan_, stop_, &hungry_);
        std::unique_lock<std::mutex> lock(mutex_);
        for (;;) {
            auto slot = order_.end();
            const bool hungry = waiting_.empty();
            hungry_ += hungry;
            workers_.wait(lock, [&] {
                if (stop_)
                    return true;
                slot = NextSlot();
                return slot != order_.end() || (waiting_.empty() && running_ == 0);
            });
            hungry_ -= hungry;
            if (slot == order_.end())
                return;  // stopped, or nothing is left to walk
            Walk(walk, slot, lock);
        }
    } catch (...) {
        std::lock_guard<std::mutex> lock(mutex_);
        if (!error_)
            error_ = std::current_exception();
        stop_ = true;
        committer_.notify_one();
        workers_.notify_all();
    }
}

// The first task not yet started, when the blocks in use let it start: the
// first task of all may always start, so the commits never wait for nothing.
ParallelWalk::SlotIt ParallelWalk::NextSlot()
{
    if (waiting_.empty())
        return order_.end();
    const SlotIt first = *waiting_.begin();
    return inUse_ < settings_.blocks || first == order_.begin() ? first : order_.end();
}

void ParallelWalk::Walk(TreeWalk& walk, SlotIt slot, std::unique_lock<std::mutex>& lock)
{
    waiting_.erase(waiting_.begin());
    slot->state = Slot::State::Running;
    ++running_;
    TermBlock* block = NewBlock();
    lock.unlock();
    walk.Start(slot->task, block);
    walk.Budget(settings_.taskTerms, settings_.taskBytes);
    WorkerSink sink(*this, slot);
    const TreeWalk::End end = walk.Walk(sink);
    std::vector<WalkTask> rest;
    if (end == TreeWalk::End::Paused && !stop_)
        walk.Rest(rest);
    lock.lock();
    if (walk.Block()->used > 0)
        slot->blocks.push_back(walk.Block());
    else
        Recycle(walk.Block());
    const SlotIt next = std::next(slot);
    for (WalkTask& task : rest) {
        const SlotIt added = order_.emplace(next);
        added->task = std::move(task);
        waiting_.insert(added);
    }
    slot->fault = walk.Failure();
    slot->state = Slot::State::Done;
    --running_;
    committer_.notify_one();
    workers_.notify_all();
}

ParallelWalk::End ParallelWalk::Commit(CommitSink& sink, std::unique_lock<std::mutex>& lock)
{
    bool aborted = false;
    auto poll = [&] {
        lock.unlock();
        const bool goOn = sink.Poll();
        lock.lock();
        if (!goOn && !aborted) {
            aborted = true;  // the tasks pause at their next backtrack
            stop_ = true;
            workers_.notify_all();
        }
    };
    for (;;) {
        if (error_)
            return End::Stopped;
        if (order_.empty())
            return End::Finished;
        Slot& head = order_.front();
        if (!head.blocks.empty()) {
            TermBlock* block = head.blocks.front();
            head.blocks.pop_front();
            lock.unlock();
            const bool more = sink.Commit(*block);
            lock.lock();
            Recycle(block);
            if (!more)
                return End::Stopped;
            poll();
            continue;
        }
        if (head.state == Slot::State::Done) {
            if (head.fault != TreeWalk::Fault::None) {
                fault_ = head.fault;
                return End::Failed;
            }
            if (aborted)
                return End::Stopped;
            order_.pop_front();
            workers_.notify_all();
            continue;
        }
        if (aborted && head.state == Slot::State::Waiting)
            return End::Stopped;
        committer_.wait_for(lock, kPollInterval);
        poll();
    }
}

TermBlock* ParallelWalk::NewBlock()
{
    if (free_.empty()) {
        blocks_.push_back(std::make_unique<TermBlock>());
        free_.push_back(blocks_.back().get());
    }
    TermBlock* block = free_.back();
    free_.pop_back();
    block->Clear();
    ++inUse_;
    return block;
}

void ParallelWalk::Recycle(TermBlock* block)
{
    free_.push_back(block);
    --inUse_;
}

#pragma once
// The rest of a section's enumeration spread over worker threads. Each task
// (a subtree of the search) is walked by one worker into blocks of its own; a
// task that grows past its budget, or meets workers waiting for work, pauses
// and hands on its rest as further tasks in its place. The calling thread
// commits the blocks task by task in term order, so the records come out as
// one walk writes them, and lets the host's events run meanwhile. Tasks start
// only while the blocks written ahead of the commits stay within a bound, so
// memory stays flat however many terms there are.
#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <exception>
#include <list>
#include <memory>
#include <mutex>
#include <set>
#include <thread>
#include <vector>

#include "engine/TreeWalk.h"

// The calling thread's side.
class CommitSink {
public:
    virtual ~CommitSink() = default;
    // Writes a block's records; false when the section ends with them.
    virtual bool Commit(const TermBlock& block) = 0;
    // Lets the host's events run; false once the run is aborted, which ends
    // the section after the task being committed.
    virtual bool Poll() = 0;
};

class ParallelWalk {
public:
    enum class End {
        Finished,  // every task is committed
        Stopped,   // by the commit sink, or by an abort after a task
        Failed,    // a term does not fit its record: see Failure()
    };
    struct Settings {
        int workers = 2;
        std::uint64_t taskTerms = 8192;       // a task's budget before it hands on its rest
        std::uint64_t taskBytes = 256 * 1024;
        std::size_t blocks = 1024;            // in use, beyond which no further task starts
    };

    ParallelWalk(const WalkPlan& plan, const Settings& settings);
    ~ParallelWalk();
    ParallelWalk(const ParallelWalk&) = delete;
    ParallelWalk& operator=(const ParallelWalk&) = delete;

    End Run(const std::vector<WalkTask>& tasks, CommitSink& sink);
    TreeWalk::Fault Failure() const { return fault_; }

    // The cores this process may run on.
    static int AvailableCores();

private:
    struct Slot {
        WalkTask task;
        enum class State { Waiting, Running, Done } state = State::Waiting;
        std::deque<TermBlock*> blocks;  // written, not yet committed
        TreeWalk::Fault fault = TreeWalk::Fault::None;
    };
    using SlotIt = std::list<Slot>::iterator;
    // Tasks in the order of their records: by their picks, then first candidate.
    struct Earlier {
        bool operator()(SlotIt a, SlotIt b) const;
    };
    class WorkerSink;

    void Work();
    SlotIt NextSlot();
    void Walk(TreeWalk& walk, SlotIt slot, std::unique_lock<std::mutex>& lock);
    End Commit(CommitSink& sink, std::unique_lock<std::mutex>& lock);
    TermBlock* NewBlock();
    void Recycle(TermBlock* block);
    void Stop();

    const WalkPlan& plan_;
    const Settings settings_;
    std::mutex mutex_;
    std::condition_variable workers_;   // a task to start, or the end
    std::condition_variable committer_; // blocks of the first task, or its end
    std::list<Slot> order_;             // term order; the first is being committed
    std::set<SlotIt, Earlier> waiting_; // the slots not yet started
    std::size_t inUse_ = 0;             // blocks being written or waiting to be committed
    int running_ = 0;
    std::atomic<bool> stop_{false};
    std::atomic<int> hungry_{0};        // workers waiting while no task waits
    std::vector<TermBlock*> free_;
    std::vector<std::unique_ptr<TermBlock>> blocks_;
    std::exception_ptr error_;
    std::vector<std::thread> threads_;
    TreeWalk::Fault fault_ = TreeWalk::Fault::None;
};

#pragma once
// What a long computation asks of the window that waits for it.

class Progress {
public:
    virtual ~Progress() = default;
    // Shows the wait window with its bar at 0; canAbort shows the Abort button.
    virtual void Begin(bool canAbort) = 0;
    // Whole percent 0..100; only called when it changes.
    virtual void SetPercent(int percent) = 0;
    // True once the user pressed Abort.
    virtual bool AbortRequested() = 0;
    // Lets the message loop run once.
    virtual void ProcessMessages() = 0;
    // Hides and frees the wait window.
    virtual void End() = 0;
};

// The wait window of a progress, shown for as long as the scope lasts;
// nothing without a progress.
class ProgressScope {
public:
    ProgressScope(Progress* progress, bool canAbort) : progress_(progress)
    {
        if (progress_)
            progress_->Begin(canAbort);
    }
    ~ProgressScope()
    {
        if (progress_)
            progress_->End();
    }
    ProgressScope(const ProgressScope&) = delete;
    ProgressScope& operator=(const ProgressScope&) = delete;

private:
    Progress* progress_;
};

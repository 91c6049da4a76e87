#pragma once
// One wait window over several passes of a computation: each pass reports
// 0..100 per cent and shows as its share of the whole bar.
#include "viewer/model/Progress.h"

class PassProgress : public Progress {
public:
    PassProgress(Progress& outer, int passes) : outer_(outer), passes_(passes) {}

    void StartPass(int pass) { pass_ = pass; }

    void Begin(bool) override {}
    void SetPercent(int percent) override
    {
        int whole = (pass_ * 100 + percent) / passes_;
        if (whole != shown_)
            outer_.SetPercent(shown_ = whole);
    }
    bool AbortRequested() override { return outer_.AbortRequested(); }
    void ProcessMessages() override { outer_.ProcessMessages(); }
    void End() override {}

private:
    Progress& outer_;
    int passes_;
    int pass_ = 0;
    int shown_ = 0;
};

#include "viewer/model/TermScan.h"

bool TermScan::Damaged(const char* what, std::string& error) const
{
    error = "The file " + path + " is damaged: " + what + ".";
    return false;
}

bool TermScan::Report(std::int64_t done, int& shown) const
{
    if (!progress)
        return true;
    if (showWait && totalTerms > 0) {
        int percent = static_cast<int>(std::min<std::int64_t>(100, done * 100 / totalTerms));
        if (percent != shown)
            progress->SetPercent(shown = percent);
    }
    progress->ProcessMessages();
    return !(canAbort && progress->AbortRequested());
}

#pragma once
// Reads both sections of a network-function file term by term, refusing
// records that lie outside the degrees or the element list.
#include <algorithm>
#include <cstdint>
#include <string>

#include "formats/BinaryFile.h"
#include "formats/Term.h"
#include "viewer/Progress.h"

struct TermScan {
    std::string path;
    int degree[2] = {};          // numerator, denominator
    int symbolCount = 0;         // entries of parameter-file line 1
    std::int64_t totalTerms = 0; // for the progress
    Progress* progress = nullptr;
    bool showWait = false;       // the wait window, without Abort

    // onTerm(section, term) for every term: section 0 numerator, 1 denominator.
    template <class OnTerm>
    bool Run(OnTerm&& onTerm, std::string& error) const;

private:
    bool Damaged(const char* what, std::string& error) const;
    bool Check(const TERM& term, int section, std::string& error) const;
};

template <class OnTerm>
bool TermScan::Run(OnTerm&& onTerm, std::string& error) const
{
    InFile file(1 << 20);
    if (!file.Open(path)) {
        error = "The file " + path + " cannot be read!";
        return false;
    }
    struct WaitWindow {
        Progress* p;
        WaitWindow(Progress* progress, bool show) : p(show ? progress : nullptr)
        {
            if (p)
                p->Begin(false);
        }
        ~WaitWindow()
        {
            if (p)
                p->End();
        }
    } wait(progress, showWait);
    TERM term;
    std::int64_t n = 0;
    int shown = 0;
    for (int section = 0; section < 2; ++section) {
        while (term.Read(file)) {
            if (!Check(term, section, error))
                return false;
            onTerm(section, term);
            ++n;
            if (progress && (n & 1023) == 0) {
                if (showWait && totalTerms > 0) {
                    int percent = static_cast<int>(std::min<std::int64_t>(100, n * 100 / totalTerms));
                    if (percent != shown)
                        progress->SetPercent(shown = percent);
                }
                progress->ProcessMessages();
            }
        }
        if (file.ShortRead())
            return Damaged(section == 0 ? "the numerator ends before its end record"
                                        : "the denominator ends before its end record",
                           error);
    }
    return true;
}

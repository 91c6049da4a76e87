#pragma once
// Reads both sections of a network-function file, refusing records that lie
// outside the degrees or the element list or whose coefficient is no finite
// number. Terms are decoded in place from
// the file buffer. Every 1024 terms the progress is told and, with canAbort,
// asked whether the user pressed Abort.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

#include "formats/BinaryFile.h"
#include "formats/Term.h"
#include "viewer/model/Progress.h"

struct TermScan {
    std::string path;
    int degree[2] = {};          // numerator, denominator
    int symbolCount = 0;         // entries of parameter-file line 1
    std::int64_t totalTerms = 0; // for the progress
    Progress* progress = nullptr;
    bool showWait = false;       // the wait window
    bool canAbort = false;       // with its Abort button
    bool aborted = false;        // set when Run stopped at the user's Abort

    // onTerm(section, term) for every term: section 0 numerator, 1 denominator.
    // False with the message when the file is missing or damaged, and false
    // with aborted set (no message) when the user pressed Abort.
    template <class OnTerm>
    bool Run(OnTerm&& onTerm, std::string& error);

private:
    bool Damaged(const char* what, std::string& error) const;
    // False once Abort was pressed.
    bool Report(std::int64_t done, int& shown) const;
};

template <class OnTerm>
bool TermScan::Run(OnTerm&& onTerm, std::string& error)
{
    aborted = false;
    InFile file(1 << 20);
    if (!file.Open(path)) {
        error = "The file " + path + " cannot be read!";
        return false;
    }
    ProgressScope wait(showWait ? progress : nullptr, canAbort);
    int section = 0, shown = 0;
    std::int64_t done = 0, nextReport = 1024;
    std::size_t available = 0;
    const std::uint8_t* bytes = file.Peek(TermView::kLongest, available);
    while (section < 2) {
        std::size_t used = 0;
        while (section < 2) {
            TermView t;
            std::size_t size = t.Decode(bytes + used, available - used);
            if (size == 0)
                break;
            used += size;
            if (t.IsEndRecord()) {
                ++section;
                continue;
            }
            if (!std::isfinite(t.coefficient))
                return Damaged("a term's coefficient is not a finite number", error);
            if (t.power > degree[section])
                return Damaged("a term's power of s is above the degree of its polynomial", error);
            std::uint8_t top = 0;
            for (int k = 0; k < t.count; ++k)
                top = std::max(top, t.symbols[k]);
            if (t.count && top >= symbolCount)
                return Damaged("a term names an element beyond the element list", error);
            onTerm(section, t);
            if (++done >= nextReport) {
                if (!Report(done, shown)) {
                    aborted = true;
                    return false;
                }
                nextReport += 1024;
            }
        }
        file.Skip(used);
        if (section == 2)
            break;
        std::size_t before = available - used;
        bytes = file.Peek(TermView::kLongest, available);
        if (available == before)
            return Damaged(section == 0 ? "the numerator ends before its end record"
                                        : "the denominator ends before its end record",
                           error);
    }
    return true;
}

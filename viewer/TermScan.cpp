#include "viewer/TermScan.h"

bool TermScan::Damaged(const char* what, std::string& error) const
{
    error = "The file " + path + " is damaged: " + what + ".";
    return false;
}

bool TermScan::Check(const TERM& term, int section, std::string& error) const
{
    if (term.power > degree[section])
        return Damaged("a term's power of s is above the degree of its polynomial", error);
    for (int k = 0; k < term.count; ++k)
        if (term.symbols[k] >= symbolCount)
            return Damaged("a term names an element beyond the element list", error);
    return true;
}

#pragma once
// Network-function records as the enumeration writes them, a block at a time:
// whole records only, with their number and the highest power of s among them.
#include <algorithm>
#include <cstddef>
#include <cstdint>

struct TermBlock {
    static constexpr std::size_t kBytes = 32768;              // full from here on
    static constexpr std::size_t kLongestRecord = 10 + 255;
    static constexpr unsigned kTerms = 1024;                  // at most, unless limited further

    std::size_t used = 0;
    unsigned terms = 0;
    unsigned highestPower = 0;
    unsigned termLimit = kTerms;
    std::uint8_t bytes[kBytes + kLongestRecord];

    bool Full() const { return used >= kBytes || terms >= termLimit; }
    void Clear(unsigned limit = kTerms)
    {
        used = 0;
        terms = 0;
        highestPower = 0;
        termLimit = std::max(1u, std::min(limit, kTerms));
    }
};

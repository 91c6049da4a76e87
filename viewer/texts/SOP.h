#pragma once
// The sum of products of element symbols for one power of s.
#include <cstdint>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "viewer/model/Compo.h"

class SOP {
public:
    // True: every added term becomes an entry of its own (no merging).
    bool appendOnly = false;

    // Adds coefficient to the entry of the product text (letter case ignored),
    // or appends a new entry.
    void Add(const std::string& product, double coefficient);

    // The sum as text: each entry with a non-zero coefficient, in order of
    // first addition, with its sign and, unless it is 1 or -1, its coefficient.
    std::string Text() const;

    // Product text, summed coefficient.
    const std::vector<std::pair<std::string, double>>& Entries() const { return entries_; }

private:
    std::vector<std::pair<std::string, double>> entries_;
    std::unordered_map<std::string, std::size_t> index_;  // folded product text -> entry
};

// The product text of a term: " " + name for each of its symbols in order.
std::string ProductText(const std::vector<Compo>& components, const std::uint8_t* symbols, int count);

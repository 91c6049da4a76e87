#pragma once
// The network-function record of one common tree, built from bit sets over
// the element indexes and written straight into a block: the contributing
// elements are the tree's admittance-type ones, last picked (highest index)
// first, then the impedance-type ones outside the tree in ascending order.
// Symbols give their bytes, numeric elements multiply the coefficient in that
// order, reactive ones raise the power of s.
#include <cstdint>

#include "engine/TermBlock.h"
#include "engine/WalkPlan.h"

class TermRecord {
public:
    enum class Result {
        Written,
        Zero,      // a coefficient of 0 without symbols would read as an end record: not written
        TooLarge,  // more than 255 symbols or powers of s
        Overflow,  // the coefficient is not a finite number
    };

    explicit TermRecord(const WalkPlan& plan) : plan_(plan) {}

    // tree: the tree's elements as a bit set; sign: +1 or -1. A written record
    // is counted in the block.
    Result Write(const std::uint64_t* tree, std::int32_t sign, TermBlock& block) const;

private:
    double Product(const std::uint64_t* tree, double coefficient) const;

    const WalkPlan& plan_;
};

#include "engine/TermRecord.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>

namespace {

int Highest(std::uint64_t x) { return 63 - std::countl_zero(x); }

// The number of bits set, without a library call on processors where counting
// them is no single instruction.
unsigned Ones(std::uint64_t x)
{
    x -= (x >> 1) & 0x5555555555555555u;
    x = (x & 0x3333333333333333u) + ((x >> 2) & 0x3333333333333333u);
    x = (x + (x >> 4)) & 0x0f0f0f0f0f0f0f0fu;
    return static_cast<unsigned>((x * 0x0101010101010101u) >> 56);
}

}  // namespace

TermRecord::Result TermRecord::Write(const std::uint64_t* tree, std::int32_t sign, TermBlock& block) const
{
    const int words = plan_.words;
    const std::uint64_t* impedance = plan_.impedance.data();
    const std::uint64_t* symbolic = plan_.symbolic.data();
    unsigned power = 0;
    std::uint64_t negative = 0, factors = 0;
    for (int w = 0; w < words; ++w) {
        const std::uint64_t in = tree[w] ^ impedance[w];
        power += Ones(in & plan_.reactive[w]);
        negative ^= in & plan_.negative[w];
        factors |= in & plan_.factor[w];
    }
    if (plan_.mayOverflow) [[unlikely]] {
        unsigned count = 0;
        for (int w = 0; w < words; ++w)
            count += Ones((tree[w] ^ impedance[w]) & symbolic[w]);
        if (count > 255 || power > 255)
            return Result::TooLarge;
    }
    double coefficient = Ones(negative) % 2 ? -sign : sign;
    if (factors) {
        coefficient = Product(tree, coefficient);
        if (!std::isfinite(coefficient)) [[unlikely]]
            return Result::Overflow;
    }
    std::uint8_t* const record = block.bytes + block.used;
    std::uint8_t* q = record + 10;
    const std::uint8_t* symbol = plan_.symbol.data();
    for (int w = words - 1; w >= 0; --w) {
        for (std::uint64_t x = tree[w] & ~impedance[w] & symbolic[w]; x;) {
            const int h = Highest(x);
            *q++ = symbol[w * 64 + h];
            x ^= std::uint64_t{1} << h;
        }
    }
    for (int w = 0; w < words; ++w)
        for (std::uint64_t x = ~tree[w] & impedance[w] & symbolic[w]; x; x &= x - 1)
            *q++ = symbol[w * 64 + std::countr_zero(x)];
    const std::size_t count = static_cast<std::size_t>(q - record - 10);
    if (count == 0 && coefficient == 0.0)
        return Result::Zero;
    record[0] = static_cast<std::uint8_t>(count);
    std::memcpy(record + 1, &coefficient, 8);
    record[9] = static_cast<std::uint8_t>(power);
    block.used += 10 + count;
    ++block.terms;
    block.highestPower = std::max(block.highestPower, power);
    return Result::Written;
}

// The factors in the order of the record. Values of 1 and -1 are left out
// (the latter as a change of sign): products with them are exact, so the
// result is the same to the last bit.
double TermRecord::Product(const std::uint64_t* tree, double coefficient) const
{
    const std::uint64_t* impedance = plan_.impedance.data();
    const std::uint64_t* factor = plan_.factor.data();
    const double* value = plan_.value.data();
    for (int w = plan_.words - 1; w >= 0; --w) {
        for (std::uint64_t x = tree[w] & ~impedance[w] & factor[w]; x;) {
            const int h = Highest(x);
            coefficient *= value[w * 64 + h];
            x ^= std::uint64_t{1} << h;
        }
    }
    for (int w = 0; w < plan_.words; ++w)
        for (std::uint64_t x = ~tree[w] & impedance[w] & factor[w]; x; x &= x - 1)
            coefficient *= value[w * 64 + std::countr_zero(x)];
    return coefficient;
}

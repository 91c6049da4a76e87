#pragma once
// One term of a network function and its record in the network-function file:
// count (1 byte), coefficient (little-endian double), power (1 byte), symbols.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "formats/BinaryFile.h"

struct TERM {
    static constexpr int kMaxSymbols = 255;

    double coefficient = 0.0;
    std::uint8_t power = 0;
    std::uint8_t count = 0;
    std::uint8_t symbols[kMaxSymbols + 1] = {};

    TERM() = default;

    // An end record: no symbols and a coefficient of zero (either sign).
    bool IsEndRecord() const { return count == 0 && coefficient == 0.0; }

    void Write(OutFile& file) const
    {
        std::uint8_t head[10];
        head[0] = count;
        std::memcpy(head + 1, &coefficient, 8);
        head[9] = power;
        file.Put(head, sizeof head);
        if (count)
            file.Put(symbols, count);
    }

    // False at an end record, and at the end of the data (file.ShortRead()).
    bool Read(InFile& file);

    // Ten zero bytes.
    static void WriteEndRecord(OutFile& file);
};

static_assert(sizeof(double) == 8, "the record holds an IEEE 754 double");

// A record read in place from a buffer of file bytes.
struct TermView {
    static constexpr std::size_t kHead = 10;  // count, coefficient, power
    static constexpr std::size_t kLongest = kHead + TERM::kMaxSymbols;

    double coefficient = 0.0;
    int power = 0;
    int count = 0;
    const std::uint8_t* symbols = nullptr;  // into the buffer

    bool IsEndRecord() const { return count == 0 && coefficient == 0.0; }

    // Decodes the record at bytes; its size, or 0 when fewer bytes than the
    // whole record are available.
    std::size_t Decode(const std::uint8_t* bytes, std::size_t available)
    {
        if (available < kHead)
            return 0;
        count = bytes[0];
        std::memcpy(&coefficient, bytes + 1, 8);
        power = bytes[9];
        if (available - kHead < static_cast<std::size_t>(count))
            return 0;
        symbols = bytes + kHead;
        return kHead + static_cast<std::size_t>(count);
    }
};

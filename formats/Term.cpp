#include "formats/Term.h"

#include <bit>

static_assert(std::endian::native == std::endian::little, "records are little-endian");

bool TERM::Read(InFile& file)
{
    std::uint8_t head[10];
    if (!file.Get(head, sizeof head)) {
        count = 0;
        coefficient = 0.0;
        return false;
    }
    count = head[0];
    std::memcpy(&coefficient, head + 1, 8);
    power = head[9];
    if (count && !file.Get(symbols, count)) {
        count = 0;
        coefficient = 0.0;
        return false;
    }
    return !IsEndRecord();
}

void TERM::WriteEndRecord(OutFile& file)
{
    static const std::uint8_t zeros[10] = {};
    file.Put(zeros, sizeof zeros);
}

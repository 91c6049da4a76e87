#pragma once
// Milliseconds from a fixed moment, wrapping at 32 bits: differences of two
// readings, taken modulo 2^32, give the time between them.
#include <cstdint>

std::uint32_t GetTickCount();

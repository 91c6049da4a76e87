#pragma once
// The messages the two programs post to each other.
#include <cstdint>

constexpr std::uint32_t WM_APP = 32768;
constexpr std::uint32_t WM_ANALYSIS_DONE = WM_APP + 777;  // results ready: "LastFile" names them

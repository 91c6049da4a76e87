#pragma once
// The texts of Vimlo's log.
#include <cstdint>
#include <string>

inline constexpr const char* kAbortedLine = "Simulation Aborted!";

// "amp.crc: 12 branches, 7 nodes."
std::string CircuitLine(const std::string& path, int branches, int nodes);
// "1234 Terms"
std::string TermsLine(unsigned count);
// "Time: 15 millisec"
std::string TimeLine(std::uint32_t milliseconds);
// "Out in: " and the network-function file's path.
std::string OutLine(const std::string& fdtPath);

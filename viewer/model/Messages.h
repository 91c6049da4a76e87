#pragma once
// Texts the result window shows when a computation cannot run.
#include <string>

namespace Msg {
inline constexpr const char* BadFrequencyLimits = "Bad frequency limits !";
inline constexpr const char* Convergence = "Convergence problems in finding poles and zeros !";
inline constexpr const char* NoPolesNoZeros = "No poles - No zeros !";
inline constexpr const char* InvalidEndTime = "Invalid End Time !";
inline constexpr const char* NoFiniteValue = "The network function has no finite value at this frequency!";
// The denominator is identically zero, for example.
inline constexpr const char* NoFiniteFunction = "The network function has no finite value for these component values!";
inline constexpr const char* NotFiniteCoefficients = "The coefficients of the network function are not finite numbers!";
inline constexpr const char* BadErrorLimit = "Bad error limit !";
inline constexpr const char* ListBadLimits = "Bad Frequency limits!";
// When the memo cannot hold the symbolic text.
inline std::string SymbolicTooBig(const std::string& outPath)
{
    return "Symbolic FDT is too big to be shown!\r\nIt has been written in file: " + outPath;
}
inline constexpr const char* ApproxNotFinite = "The network function holds a term whose value is not a finite number!";
inline constexpr const char* ApproxOutOfRange = "A term of the network function is out of range at the judging frequencies!";
}  // namespace Msg

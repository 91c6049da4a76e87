#pragma once
// What passes between Tervox and Vimlo besides the result files, in one place:
// - Tervox starts the engine EngineProgram from its own folder with the
//   circuit file's path as its one argument (editor/analysis/EngineCommand.h); Vimlo
//   takes its whole command-line tail as that path.
// - Both use tervox.ini beside them, section kIniSection. At start Tervox
//   writes the number of its message endpoint under kMainKey. At the end of a
//   command-line run Vimlo writes the network-function file's path under
//   kLastFileKey, then posts WM_ANALYSIS_DONE to that number with the same
//   path as the message's data (a receiver reads kLastFileKey only when a
//   message carries no path).
// - An endpoint is a local socket named EndpointFileName(number) in the
//   user's runtime folder; each message is one line, MessageLine.
#include <cstdint>
#include <string>

constexpr std::uint32_t WM_APP = 32768;
constexpr std::uint32_t WM_ANALYSIS_DONE = WM_APP + 777;  // results ready

inline constexpr const char* kIniSection = "SYSTEM";
inline constexpr const char* kMainKey = "Main";
inline constexpr const char* kLastFileKey = "LastFile";

// The engine beside the programs of that folder (ending with '/').
std::string EngineProgram(const std::string& programFolder);

// "tervox-" and the endpoint's number.
std::string EndpointFileName(int number);

// The message number, then, when there is data, a blank and the data with
// '%', blanks and control bytes written as %XX.
std::string MessageLine(std::uint32_t message, const std::string& data);
// False for a line that is not such a message.
bool ReadMessageLine(const std::string& line, std::uint32_t& message, std::string& data);

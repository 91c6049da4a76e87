#pragma once
// Posts a message to the endpoint of another program's main window, like a
// window message: the call does not wait for it to be handled. A message may
// carry data (a path). A zero or stale number makes it go nowhere (false;
// callers may ignore it).
#include <cstdint>
#include <string>

bool PostMessage(int endpoint, std::uint32_t message, const std::string& data = "");

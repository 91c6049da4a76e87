#pragma once
// The engine host of the benchmarks: no windows, messages to standard error.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "engine/EngineHost.h"

class QuietHost : public EngineHost {
public:
    void ShowMessage(const std::string& text) override { std::fprintf(stderr, "%s\n", text.c_str()); }
    bool AskYesNo(const std::string&) override { return true; }
    void ProcessMessages() override {}
    void Waiting(const std::string& text) override { std::fprintf(stderr, "%s\n", text.c_str()); }
    [[noreturn]] void Fatal(const std::string& text) override
    {
        std::fprintf(stderr, "%s\n", text.c_str());
        std::exit(1);
    }
};

#pragma once
// What the engine's core needs of Vimlo: its boxes, and the event loop run
// often enough for progress and Abort, but not so often that it slows the
// enumeration.
#include <QElapsedTimer>

#include "engine/EngineHost.h"

class VimloHost : public EngineHost {
public:
    VimloHost();

    void ShowMessage(const std::string& text) override;
    bool AskYesNo(const std::string& text) override;
    void ProcessMessages() override;
    [[noreturn]] void Fatal(const std::string& text) override;

private:
    QElapsedTimer sinceEvents_;
};

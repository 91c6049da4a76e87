#pragma once
// What the engine's core needs of Vimlo: its boxes, and the event loop run
// often enough for progress and Abort, but not so often that it slows the
// enumeration.
#include <QElapsedTimer>
#include <functional>

#include "engine/EngineHost.h"

class VimloHost : public EngineHost {
public:
    VimloHost();

    void ShowMessage(const std::string& text) override;
    bool AskYesNo(const std::string& text) override;
    void ProcessMessages() override;
    void Waiting(const std::string& text) override;
    bool WaitGivenUp() override { return givenUp_; }
    [[noreturn]] void Fatal(const std::string& text) override;

    // What Fatal throws for a run that does not end the program.
    struct RunEnded {};
    // Whether Fatal ends the program (a command-line run) or only the run.
    void FatalEndsProgram(bool ends) { fatalEndsProgram_ = ends; }

    // Where Waiting's line goes: the log of the window.
    void OnWaiting(std::function<void(const std::string&)> log) { log_ = std::move(log); }
    // Ends the wait in progress.
    void GiveUpWaiting() { givenUp_ = true; }

private:
    QElapsedTimer sinceEvents_;
    std::function<void(const std::string&)> log_;
    bool givenUp_ = false;
    bool fatalEndsProgram_ = true;
};

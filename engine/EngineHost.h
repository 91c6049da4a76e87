#pragma once
// What the engine's core needs of the program around it. Vimlo implements it
// with its windows; tests implement it with a recorder.
#include <string>

class EngineHost {
public:
    virtual ~EngineHost() = default;

    // An information box with an OK button.
    virtual void ShowMessage(const std::string& text) = 0;
    // A warning box with Yes and No; true for Yes.
    virtual bool AskYesNo(const std::string& text) = 0;
    // Lets pending events run (progress, Abort, repainting). The core calls it
    // every few thousand steps; the host decides by time whether to act.
    virtual void ProcessMessages() = 0;
    // Another run writes the same result files and this one waits for it,
    // with ProcessMessages called meanwhile: the text is a line for the log.
    virtual void Waiting(const std::string& text) = 0;
    // Asked while the run waits: true once it is to wait no longer (Abort).
    virtual bool WaitGivenUp() { return false; }
    // An error box (caption "Error", stop icon), then the run cannot go on.
    // Vimlo ends a command-line run's process with a non-zero status, and a
    // run from its menu by an exception that its window catches; a test host
    // throws.
    [[noreturn]] virtual void Fatal(const std::string& text) = 0;
};

#pragma once
// The SPICE window without its widgets: the netlist it shows and saves, the
// simulator program, the analysis line and the simulator's options, kept in
// the settings file under "SpiceProg", "DefSym" and "SpiceOptions".
#include "editor/commands/CommandOutcome.h"

#include <optional>
#include <string>
#include <vector>

// Section "SYSTEM" of tervox.ini as the SPICE window reads and writes it.
class SpiceSettings {
public:
    virtual ~SpiceSettings() = default;
    // The value of a key; nothing when the key is absent.
    virtual std::optional<std::string> Read(const std::string& key) const = 0;
    virtual void Write(const std::string& key, const std::string& value) = 0;
};

class SpiceWindowModel {
public:
    explicit SpiceWindowModel(SpiceSettings& settings) : settings_(settings) {}

    // The netlist path (also the caption), the three settings, and the memo:
    // the file's lines with the analysis line in place of the third from the
    // end. False with a message when the file cannot be read.
    bool LoadNetlist(const std::string& path, std::string& error);

    const std::string& NetlistPath() const { return path_; }
    const std::string& Program() const { return program_; }    // "Spice Prog.:"
    const std::string& Analysis() const { return analysis_; }  // "Def. Symul.:"
    // The memo's lines joined by '\n'.
    std::string MemoText() const;

    // "...": the dialog that chooses the program; on OK, ChooseProgram.
    FileRequest ProgramRequest() const;
    void ChooseProgram(const std::string& path);

    // "ok": remembers the line and puts it in the memo (as the user left it)
    // as its analysis line.
    void ApplyAnalysis(const std::string& line, const std::string& memoText);

    // "Run Spice": nothing without a program. Otherwise the memo is saved to
    // the netlist path and the simulator started; a failed save is a message
    // and starts nothing.
    CommandOutcome RunSpice(const std::string& memoText);

    // "Save As": the dialog; on OK, SaveAs writes the memo there, and that
    // path becomes the netlist path. False with a message, nothing changed.
    FileRequest SaveAsRequest() const;
    bool SaveAs(const std::string& path, const std::string& memoText, std::string& error);

private:
    SpiceSettings& settings_;
    std::string path_;
    std::string program_;
    std::string analysis_;
    std::optional<std::string> options_;
    std::vector<std::string> memo_;
};

#pragma once
// TFormSpice, the SPICE window: an MDI child that shows a netlist written by
// "Spice Netlist" for editing, with the simulator program ("Spice Prog.:" and
// "..."), the analysis line ("Def. Symul.:" and "ok"), Save As, Run Spice and
// Exit. Its state and decisions are SpiceWindowModel's; its settings are the
// keys "SpiceProg", "DefSym" and "SpiceOptions" of tervox.ini.
#include <string>

#include "editor/commands/SpiceWindowModel.h"
#include "platform/IniFile.h"
#include "platform/MdiChild.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QToolButton;

// Section "SYSTEM" of a tervox.ini, read and written anew on every call; a
// value that cannot be written is reported.
class SpiceIniSettings : public SpiceSettings {
public:
    explicit SpiceIniSettings(std::string iniPath) : ini_(std::move(iniPath)) {}
    std::optional<std::string> Read(const std::string& key) const override;
    void Write(const std::string& key, const std::string& value) override;

private:
    IniFile ini_;
};

class TFormSpice : public MdiChild {
    Q_OBJECT
public:
    // The window closes together with its owner (when one is given); the
    // settings are the tervox.ini in programFolder (ending with '/').
    TFormSpice(QWidget* owner, const std::string& programFolder);
    ~TFormSpice() override;

    // Takes the netlist, the settings and the analysis line; false, with the
    // message shown, when the file cannot be read.
    bool LoadNetlist(const std::string& path);
    const std::string& NetlistPath() const { return model_.NetlistPath(); }

    void SpeedButton1Click();  // "..."
    void SpeedButton2Click();  // "ok"
    void BitBtn1Click();       // "Run Spice"
    void BitBtn2Click();       // "Save As"
    void ExitClick();

    QPlainTextEdit* Memo1;
    QWidget* Panel1;
    QLineEdit* Edit1;
    QToolButton* SpeedButton1;
    QToolButton* Exit;
    QLineEdit* Edit2;
    QToolButton* SpeedButton2;
    QToolButton* SpeedButton3;  // Run Spice
    QToolButton* SpeedButton4;  // Save As
    QLabel* Status;             // what the last Run Spice started, and where its output goes

private:
    void BuildPanel();
    std::string MemoText() const;
    void ShowMemo();
    void ShowPath();
    void ShowStatus(const std::string& text);

    SpiceIniSettings settings_;
    SpiceWindowModel model_;
};

// What "Spice Netlist" of a schematic window calls after writing the netlist:
// a new SPICE window in the main window, owned by the schematic window, on the
// netlist. Nullptr, with the message shown, when the netlist cannot be read.
TFormSpice* OpenSpiceWindow(QWidget* owner, const std::string& netlistPath);

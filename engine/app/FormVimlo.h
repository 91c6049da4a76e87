#pragma once
// Vimlo's main window: the log, the four menu commands and the analysis
// driver.
#include <QMainWindow>
#include <QTimer>
#include <cstdint>
#include <memory>
#include <string>

#include "engine/app/VimloHost.h"
#include "platform/Dialogs.h"

class Circuito;
class QAction;
class QListWidget;
class TForm3;

class TFormVimlo : public QMainWindow {
    Q_OBJECT
public:
    explicit TFormVimlo(std::string commandLinePath, QWidget* parent = nullptr);
    ~TFormVimlo() override;

    void SetEditor(TForm3* editor) { form3_ = editor; }

    // One run: read, numerator, denominator, log; after a command-line run
    // that completed, report to the main program and close.
    void RunAnalysis(const std::string& path, bool fromCommandLine);
    bool Running() const { return running_; }

    void Timer1Timer();
    void Open2Click();
    void Abort1Click();
    void Edit1Click();
    void Exit1Click();

    FileRequest Open1;
    QListWidget* Memo1;
    QTimer Timer1;
    QAction* Open2;
    QAction* Abort1;
    QAction* Edit1;
    QAction* Exit1;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    bool Analyse(const std::string& path, bool fromCommandLine);
    void StartRunning(int lineIndex);
    void StopRunning();
    void EnableCommands(bool running);
    void FinishCommandLineRun(const std::string& path, bool completed);
    void AddLine(const std::string& text);
    void AddCountLine();
    void SetLine(int index, const std::string& text);

    std::unique_ptr<Circuito> circuit;
    QListWidget* runningLines = nullptr;
    int runningLineIndex = 0;
    bool startPending = true;
    bool aborted = false;

    std::string commandLinePath_;
    std::uint32_t t0_ = 0;
    TForm3* form3_ = nullptr;
    VimloHost host_;
    int exitCode_ = 0;
    bool running_ = false;
    bool waiting_ = false;  // for another run writing the same result files
};

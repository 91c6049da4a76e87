#include "engine/app/FormVimlo.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QListWidget>
#include <QMenuBar>
#include <cstdio>
#include <exception>

#include "engine/Circuito.h"
#include "engine/app/Completion.h"
#include "engine/app/Form3.h"
#include "engine/app/LogLines.h"
#include "formats/Paths.h"
#include "platform/Application.h"
#include "platform/Display.h"
#include "platform/IniFile.h"
#include "platform/PathText.h"
#include "platform/ProgramFolder.h"
#include "platform/TickCount.h"

TFormVimlo::TFormVimlo(std::string commandLinePath, QWidget* parent)
    : QMainWindow(parent), Memo1(new QListWidget(this)), commandLinePath_(std::move(commandLinePath))
{
    setWindowTitle("Vimlo V3.0");
    resize(420, 200);
    Open1.defaultExt = "crc";
    Open1.filter = "CRC Files|*.crc";

    QFont font("MS Sans Serif");
    font.setBold(true);
    Memo1->setFont(font);
    Memo1->setStyleSheet("QListWidget { background-color: #000000; color: #00ff00; }"
                         "QListWidget::item { height: 13px; }");
    setCentralWidget(Memo1);

    Open2 = menuBar()->addAction("Open", this, Guarded(this, &TFormVimlo::Open2Click));
    Abort1 = menuBar()->addAction("Abort", this, Guarded(this, &TFormVimlo::Abort1Click));
    Edit1 = menuBar()->addAction("Edit", this, Guarded(this, &TFormVimlo::Edit1Click));
    Exit1 = menuBar()->addAction("Exit", this, Guarded(this, &TFormVimlo::Exit1Click));

    host_.OnWaiting([this](const std::string& text) {
        AddLine(text);
        waiting_ = true;
        EnableCommands(true);
    });
    connect(&Timer1, &QTimer::timeout, this, &TFormVimlo::Timer1Timer);
    Timer1.start(200);
}

TFormVimlo::~TFormVimlo() = default;

void TFormVimlo::Timer1Timer()
{
    if (startPending && !commandLinePath_.empty()) {
        // Qt holds back a timer's ticks while its own handler runs: start the
        // run outside this handler so that the progress display keeps going.
        startPending = false;
        QMetaObject::invokeMethod(
            this, [this] { RunAnalysis(commandLinePath_, true); }, Qt::QueuedConnection);
    }
    if (runningLines && circuit)
        runningLines->item(runningLineIndex)->setText(QString::number(circuit->runningTermCount));
}

void TFormVimlo::RunAnalysis(const std::string& path, bool fromCommandLine)
{
    if (running_)
        return;
    running_ = true;
    startPending = false;
    Timer1.setInterval(1000);
    t0_ = GetTickCount();
    Memo1->clear();
    bool completed = false;
    host_.FatalEndsProgram(fromCommandLine);
    try {
        completed = Analyse(path, fromCommandLine);
    } catch (const VimloHost::RunEnded&) {  // its box was shown; the window stays
        StopRunning();
    } catch (const std::exception& error) {
        StopRunning();
        circuit.reset();  // lets go of the results before the box
        ShowException(error.what());
    }
    circuit.reset();
    running_ = false;
    if (fromCommandLine)
        FinishCommandLineRun(path, completed);
}

bool TFormVimlo::Analyse(const std::string& path, bool fromCommandLine)
{
    circuit = std::make_unique<Circuito>(path, fromCommandLine, host_);
    if (waiting_) {  // for another run, which is over
        StopRunning();
        if (circuit->abort) {  // given up
            AddLine(kAbortedLine);
            return false;
        }
    }
    Memo1->clear();  // the line of that wait
    if (!circuit->Ok())
        return false;
    AddLine(CircuitLine(path, circuit->branchCount, circuit->nodeCount));
    AddLine("Numerator:");
    AddCountLine();
    StartRunning(2);
    circuit->Numerator();
    if (!circuit->Ok()) {
        StopRunning();
        return false;
    }
    SetLine(2, TermsLine(circuit->numeratorTermCount));
    runningLineIndex = 4;
    AddLine("Denominator:");
    AddCountLine();
    circuit->Denominator();
    if (!circuit->Ok()) {
        StopRunning();
        return false;
    }
    SetLine(4, TermsLine(circuit->denominatorTermCount));
    std::uint32_t elapsed = GetTickCount() - t0_;
    StopRunning();
    aborted = circuit->abort;
    if (aborted) {
        AddLine(kAbortedLine);
        return false;
    }
    AddLine(TimeLine(elapsed));
    AddLine(OutLine(circuit->fdtPath));
    return true;
}

void TFormVimlo::StartRunning(int lineIndex)
{
    EnableCommands(true);
    runningLines = Memo1;
    runningLineIndex = lineIndex;
}

void TFormVimlo::StopRunning()
{
    runningLines = nullptr;
    waiting_ = false;
    EnableCommands(false);
}

// While a run is in progress, or waits for another, Abort is the only command.
void TFormVimlo::EnableCommands(bool running)
{
    Abort1->setEnabled(running);
    Open2->setEnabled(!running);
    Edit1->setEnabled(!running);
    Exit1->setEnabled(!running);
}

// Without a display nobody could answer a window left open: a run that did
// not complete ends the program with a failure status.
void TFormVimlo::FinishCommandLineRun(const std::string& path, bool completed)
{
    if (completed) {
        IniFile ini = IniFile::BesideProgram();
        if (ReportCompletion(ini, ChangeFileExt(path, ".fdt"))) {
            close();
            return;
        }
        ShowMessage("Cannot write " + ini.Path() + "!");
    }
    if (Headless()) {
        exitCode_ = EXIT_FAILURE;
        close();
    }
}

void TFormVimlo::Open2Click()
{
    Open1.initialDir = ProgramFolder();
    std::string path;
    if (Dialogs().OpenFileName(Open1, path))
        RunAnalysis(path, false);
}

void TFormVimlo::Abort1Click()
{
    if (runningLines && circuit)
        circuit->Abort();
    else if (waiting_)
        host_.GiveUpWaiting();
}

void TFormVimlo::Edit1Click()
{
    Open1.initialDir = ProgramFolder();
    std::string path;
    if (form3_ && Dialogs().OpenFileName(Open1, path))
        form3_->Load(path);
}

void TFormVimlo::Exit1Click()
{
    close();
}

void TFormVimlo::closeEvent(QCloseEvent* event)
{
    if (running_) {  // never end the program under a run
        event->ignore();
        return;
    }
    event->accept();
    QCoreApplication::exit(exitCode_);
}

void TFormVimlo::AddLine(const std::string& text)
{
    Memo1->addItem(DisplayText(text));
    if (Headless()) {
        std::printf("%s\n", text.c_str());
        std::fflush(stdout);
    }
}

// The count of the polynomial in progress; shown on stdout once final.
void TFormVimlo::AddCountLine()
{
    Memo1->addItem("0");
}

void TFormVimlo::SetLine(int index, const std::string& text)
{
    Memo1->item(index)->setText(DisplayText(text));
    if (Headless()) {
        std::printf("%s\n", text.c_str());
        std::fflush(stdout);
    }
}

#pragma once
// Vimlo run as a program from its command line, in a temporary folder that
// holds a copy of it and its ini file; the test process is the main window
// that receives the completion message.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QSignalSpy>
#include <QStringList>
#include <QThread>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

#include "platform/MessageEndpoint.h"
#include "tests/support/TempFolder.h"

struct Outcome {
    int exitCode = -1;  // -1: crashed or did not end
    std::vector<std::string> out;
    std::string err;
};

// A Vimlo started and not yet waited for.
class Launched {
public:
    // Its standard output goes to the file named, if any, instead of a pipe
    // read here.
    Launched(const std::string& program, const QStringList& arguments, const std::string& workingDir,
             const std::string& output = "")
    {
        process_.setProgram(QString::fromStdString(program));
        process_.setArguments(arguments);
        process_.setWorkingDirectory(QString::fromStdString(workingDir));
        if (!output.empty())
            process_.setStandardOutputFile(QString::fromStdString(output));
        process_.start();
    }
    // True once it has ended; waits at most the time given.
    bool Ended(int ms) { return process_.waitForFinished(ms) || process_.state() == QProcess::NotRunning; }
    // Reads standard output until it holds the text; false after the time.
    bool WaitForOutput(const std::string& text, int ms)
    {
        QElapsedTimer waited;
        waited.start();
        while (!out_.contains(text.c_str())) {
            if (waited.elapsed() > ms || process_.state() == QProcess::NotRunning)
                return false;
            process_.waitForReadyRead(100);
            out_ += process_.readAllStandardOutput();
        }
        return true;
    }
    // Ends it at once, as a kill signal does.
    void Kill()
    {
        process_.kill();
        process_.waitForFinished();
    }
    Outcome Finish()
    {
        Outcome run;
        if (!process_.waitForFinished(600000)) {
            process_.kill();
            process_.waitForFinished();
            return run;
        }
        if (process_.exitStatus() == QProcess::NormalExit)
            run.exitCode = process_.exitCode();
        out_ += process_.readAllStandardOutput();
        for (const QByteArray& line : out_.split('\n'))
            if (!line.isEmpty())
                run.out.push_back(line.toStdString());
        run.err = process_.readAllStandardError().toStdString();
        return run;
    }

private:
    QProcess process_;
    QByteArray out_;
};

class VimloRun : public testing::Test {
protected:
    void SetUp() override
    {
        std::filesystem::copy_file(std::filesystem::path(TERVOX_BIN_DIR) / "Vimlo", folder / "Vimlo");
        ASSERT_TRUE(endpoint.Listen());
    }

    std::unique_ptr<Launched> Launch(const QStringList& arguments, const std::string& workingDir = "",
                                     const std::string& output = "")
    {
        return std::make_unique<Launched>(folder / "Vimlo", arguments,
                                          workingDir.empty() ? folder.Path().string() : workingDir, output);
    }
    Outcome Start(const QStringList& arguments, const std::string& workingDir = "")
    {
        return Launch(arguments, workingDir)->Finish();
    }
    std::string MainLine() const { return "Main=" + std::to_string(MessageEndpoint::Number()) + "\r\n"; }
    // True when a message arrived; waits a little for one that should not.
    // Polls rather than running a nested event loop, which an earlier test's
    // exit request could end at once.
    bool MessageArrived(int waitMs, int count = 1)
    {
        QElapsedTimer waited;
        waited.start();
        do {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            if (received.count() >= count)
                return true;
            QThread::msleep(2);
        } while (waited.elapsed() < waitMs);
        return false;
    }

    TempFolder folder;
    MessageEndpoint endpoint;
    QSignalSpy received{&endpoint, &MessageEndpoint::Received};
};

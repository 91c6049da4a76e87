#pragma once
// Waiting for a condition, never for a time: the time is only a guard
// against a test that would otherwise hang.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <functional>

// Runs the event loop until the condition holds; false after the time.
inline bool WaitFor(const std::function<bool()>& condition, int waitMs = 20000)
{
    QElapsedTimer waited;
    waited.start();
    while (!condition()) {
        if (waited.elapsed() > waitMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(2);
    }
    return true;
}

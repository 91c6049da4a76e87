#pragma once
// Modal dialogs answered by the test: an answer runs on the next modal
// dialog once it shows, and no test waits for a dialog nobody answers.
#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

// The answers not used yet.
inline std::vector<QPointer<QTimer>>& PendingAnswers()
{
    static std::vector<QPointer<QTimer>> pending;
    return pending;
}

// Runs the answer on the next modal dialog once it shows, however long the
// event loop runs before it; an answer never used fails the test at its end
// (DropPendingAnswers). A dialog still open after the answer is rejected, so
// that no test waits for it.
inline void AnswerModal(std::function<void(QDialog&)> answer)
{
    auto* poll = new QTimer;
    PendingAnswers().emplace_back(poll);
    QObject::connect(poll, &QTimer::timeout, [poll, answer] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        poll->stop();
        poll->deleteLater();
        answer(*dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
    poll->start(5);
}

// An answer left at the end of a test would answer the next test's dialog.
inline void DropPendingAnswers()
{
    for (QPointer<QTimer>& poll : PendingAnswers())
        if (poll && poll->isActive()) {
            ADD_FAILURE() << "a modal dialog that was to be answered was not shown";
            delete poll;
        }
    PendingAnswers().clear();
}

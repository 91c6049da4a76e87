#pragma once
// TFormWait, the wait window: a progress bar while a network-function file
// is read, with an "Abort" button where the reading may stop early.
// WaitProgress is what the viewer core reports to: it makes a wait window
// for each reading and lets the event loop run, so painting and Abort work
// meanwhile. The window shows only once a reading lasts longer than
// WaitProgress::showAfterMs, so short readings do not flash it.
#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>

#include "viewer/model/Progress.h"

class QLabel;
class QProgressBar;
class QPushButton;

class TFormWait : public QWidget {
    Q_OBJECT
public:
    explicit TFormWait(QWidget* parent = nullptr);

    void Button1Click() { abortRequested = true; }

    QProgressBar* Bar;
    QLabel* Label1;
    QPushButton* Button1;
    bool showAbort = false;
    bool abortRequested = false;

protected:
    // FormShow: no Abort yet; the button shows when showAbort is set.
    void showEvent(QShowEvent* event) override;
};

class WaitProgress : public Progress {
public:
    // The wait windows belong to the owner's top-level window.
    explicit WaitProgress(QWidget* owner) : owner_(owner) {}
    ~WaitProgress() override;

    void Begin(bool canAbort) override;
    void SetPercent(int percent) override;
    bool AbortRequested() override;
    void ProcessMessages() override;
    void End() override;

    // The wait window of the reading in progress, or nullptr.
    TFormWait* Window() const { return window_; }

    static inline int showAfterMs = 300;

private:
    QPointer<QWidget> owner_;
    QPointer<TFormWait> window_;
    QElapsedTimer started_;
};

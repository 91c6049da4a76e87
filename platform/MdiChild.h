#pragma once
// The base of every MDI child window. The frame tells its children apart by
// their run-time class name (metaObject()->className(), compared exactly), so
// every child class is a Q_OBJECT class outside any namespace, named as the
// frame expects ("TMDIChild", "TFormSch", "TFormLista").
// What a child offers its frame:
// - ChildMenus: its entries of the menu bar, which the frame shows while the
//   child is the current one (there is no menu merging in Qt);
// - FormCloseQuery: its close question, which the frame can ask without
//   closing it (closing the frame asks every child before it closes any);
//   FormClose: what the child does when it really closes;
// - Busy, BusyScope, WhenIdle: a long loop that lets the event loop run keeps
//   a BusyScope; what must not run under it (a reload, closing the window)
//   waits until the window is idle again.
// An owner that ends a child closes it with CloseWindow: deleting the child
// alone would leave its empty sub-window.
#include <QPointer>
#include <QWidget>
#include <functional>
#include <vector>

class QAction;

class MdiChild : public QWidget {
    Q_OBJECT
public:
    explicit MdiChild(QWidget* parent = nullptr);

    virtual QList<QAction*> ChildMenus() { return {}; }
    // True when the window may close; asks the user where it must.
    virtual bool FormCloseQuery() { return true; }

    // Closes the window with its sub-window, through the close question.
    void CloseWindow();
    // True once the window has closed (it is deleted a little later).
    bool Closed() const { return closed_; }

    bool Busy() const { return busy_ > 0; }
    // Runs the action now when the window is idle, else after the handler
    // that ends the busy time has returned; actions run in request order.
    void WhenIdle(std::function<void()> action);

    class BusyScope {
    public:
        explicit BusyScope(MdiChild& child);
        ~BusyScope();
        BusyScope(const BusyScope&) = delete;
        BusyScope& operator=(const BusyScope&) = delete;

    private:
        QPointer<MdiChild> child_;
    };

protected:
    virtual void FormClose() {}
    void closeEvent(QCloseEvent* event) override;

private:
    void RunIdleActions();

    int busy_ = 0;
    std::vector<std::function<void()>> idleActions_;
    bool closeWaiting_ = false;
    bool closed_ = false;
};

#include "platform/MdiChild.h"

#include <QCloseEvent>
#include <QMdiSubWindow>
#include <QMetaObject>

MdiChild::MdiChild(QWidget* parent) : QWidget(parent) {}

void MdiChild::CloseWindow()
{
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
        sub->close();
    else
        close();
}

void MdiChild::WhenIdle(std::function<void()> action)
{
    if (Busy())
        idleActions_.push_back(std::move(action));
    else
        action();
}

MdiChild::BusyScope::BusyScope(MdiChild& child) : child_(&child)
{
    ++child.busy_;
}

MdiChild::BusyScope::~BusyScope()
{
    if (child_ && --child_->busy_ == 0 && !child_->idleActions_.empty())
        QMetaObject::invokeMethod(child_.data(), &MdiChild::RunIdleActions, Qt::QueuedConnection);
}

void MdiChild::RunIdleActions()
{
    QPointer<MdiChild> self(this);
    while (self && !Busy() && !idleActions_.empty()) {
        std::function<void()> action = std::move(idleActions_.front());
        idleActions_.erase(idleActions_.begin());
        action();
    }
}

void MdiChild::closeEvent(QCloseEvent* event)
{
    if (Busy()) {
        event->ignore();
        if (!closeWaiting_) {
            closeWaiting_ = true;
            WhenIdle([this] {
                closeWaiting_ = false;
                CloseWindow();
            });
        }
        return;
    }
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    FormClose();
    closed_ = true;
    event->accept();
}

#include "platform/ChildClip.h"

#include <QEvent>
#include <QRegion>
#include <QWidget>

ChildClip::ChildClip(QWidget* child) : QObject(child), child_(child), frame_(child->parentWidget())
{
    child->installEventFilter(this);
    if (frame_)
        frame_->installEventFilter(this);
}

bool ChildClip::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Resize || resizing_)
        return false;
    if (watched == frame_) {
        ClipToFrame();
        return false;
    }
    QSize given = child_->size();
    QSize least = child_->minimumSizeHint().expandedTo(child_->minimumSize());
    if (given.width() >= least.width() && given.height() >= least.height()) {
        ClipToFrame();
        return false;
    }
    // The child's layout has just been given the small size; it lays out
    // again at the larger one, and the resize to the small size is dropped.
    resizing_ = true;
    child_->resize(given.expandedTo(least));
    resizing_ = false;
    ClipToFrame();
    return true;
}

void ChildClip::ClipToFrame()
{
    QRect whole = child_->rect();
    QRect shown = frame_ ? whole.intersected(frame_->contentsRect().translated(-child_->pos())) : whole;
    if (shown == whole) {
        if (!child_->mask().isEmpty())
            child_->clearMask();
    } else {
        child_->setMask(shown);
    }
}

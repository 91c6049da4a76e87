#pragma once
// Keeps an MDI child at its least size when its sub-window gives it less:
// the part outside the sub-window is clipped off instead of the child's
// controls being squeezed over each other.
#include <QObject>

class QWidget;

class ChildClip : public QObject {
public:
    // Watches the child, already in its sub-window, for as long as it lives.
    explicit ChildClip(QWidget* child);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Only the part of the child inside its sub-window's frame shows.
    void ClipToFrame();

    QWidget* child_;
    QWidget* frame_;
    bool resizing_ = false;
};

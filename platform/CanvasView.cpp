#include "platform/CanvasView.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

CanvasView::CanvasView(QWidget* parent) : QWidget(parent), canvas_(1, 1)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CanvasView::SetFixedSurface(int width, int height)
{
    fixed_ = true;
    canvas_.Resize(width, height);
    setFixedSize(width, height);
}

void CanvasView::Repaint()
{
    emit Painting(canvas_);
    update();
}

void CanvasView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.drawImage(event->rect(), canvas_.Image(), event->rect());
}

void CanvasView::resizeEvent(QResizeEvent*)
{
    if (fixed_ || (width() == canvas_.Image().width() && height() == canvas_.Image().height()))
        return;
    canvas_.Resize(std::max(1, width()), std::max(1, height()));
    Repaint();
}

CanvasMouse CanvasView::MouseOf(const QMouseEvent* event)
{
    QPoint at = event->position().toPoint();
    return {event->button(), event->buttons(), event->modifiers(), at.x(), at.y()};
}

void CanvasView::mousePressEvent(QMouseEvent* event)
{
    emit MouseDown(MouseOf(event));
    update();
}

void CanvasView::mouseMoveEvent(QMouseEvent* event)
{
    emit MouseMove(MouseOf(event));
    update();
}

void CanvasView::mouseReleaseEvent(QMouseEvent* event)
{
    emit MouseUp(MouseOf(event));
    update();
}

#pragma once
// A widget that shows an ImageCanvas pixel for pixel, for drawing surfaces
// such as a schematic or a plot. Its owner draws on Canvas() through the
// plain TCanvas interface:
// - the whole surface when asked (Painting): after Repaint(), and after a
//   resize when the surface follows the widget's size;
// - anything else at any time; it shows at the widget's next paint, which
//   follows every mouse signal by itself (other drawing calls update()).
// Mouse events reach the owner in surface pixels, moves without a pressed
// button included. An expose never calls the owner: what was drawn stays.
#include <QWidget>

#include "platform/ImageCanvas.h"

struct CanvasMouse {
    Qt::MouseButton button = Qt::NoButton;  // the button pressed or released
    Qt::MouseButtons buttons;               // the buttons held
    Qt::KeyboardModifiers keys;
    int x = 0;
    int y = 0;
};

class CanvasView : public QWidget {
    Q_OBJECT
public:
    explicit CanvasView(QWidget* parent = nullptr);

    ImageCanvas& Canvas() { return canvas_; }
    // A surface of this size, which the widget takes as its own fixed size;
    // without it the surface follows the widget's size.
    void SetFixedSurface(int width, int height);
    // Has the owner paint the whole surface now, then shows it.
    void Repaint();

signals:
    void Painting(TCanvas& canvas);
    void MouseDown(const CanvasMouse& mouse);
    void MouseMove(const CanvasMouse& mouse);
    void MouseUp(const CanvasMouse& mouse);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    static CanvasMouse MouseOf(const QMouseEvent* event);

    ImageCanvas canvas_;
    bool fixed_ = false;
};

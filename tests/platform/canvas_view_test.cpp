#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include "platform/CanvasView.h"

namespace {

// Paints its whole surface grey with a red pixel at (2, 3).
struct Owner {
    explicit Owner(CanvasView& view)
    {
        QObject::connect(&view, &CanvasView::Painting, [this](TCanvas& canvas) {
            ++paints;
            ImageCanvas& image = static_cast<ImageCanvas&>(canvas);
            size = image.Image().size();
            canvas.SetPen(clGray);
            canvas.SetBrush(clGray);
            canvas.Rectangle(0, 0, size.width(), size.height());
            canvas.SetPixel(2, 3, clRed);
        });
        QObject::connect(&view, &CanvasView::MouseDown, [this](const CanvasMouse& m) { downs.push_back(m); });
        QObject::connect(&view, &CanvasView::MouseMove, [this](const CanvasMouse& m) { moves.push_back(m); });
        QObject::connect(&view, &CanvasView::MouseUp, [this](const CanvasMouse& m) { ups.push_back(m); });
    }
    int paints = 0;
    QSize size;
    std::vector<CanvasMouse> downs, moves, ups;
};

}  // namespace

TEST(CanvasView, OwnerPaintsTheSurfaceAndTheWidgetShowsIt)
{
    CanvasView view;
    Owner owner(view);
    view.resize(40, 30);
    view.show();
    EXPECT_EQ(owner.size, QSize(40, 30));
    int paints = owner.paints;
    view.Repaint();
    EXPECT_EQ(owner.paints, paints + 1);
    QImage shown = view.grab().toImage();
    EXPECT_EQ(shown.pixelColor(2, 3), QColor(255, 0, 0));
    EXPECT_EQ(shown.pixelColor(20, 20), QColor(128, 128, 128));

    view.resize(60, 50);  // the surface follows the widget
    EXPECT_EQ(owner.size, QSize(60, 50));
}

TEST(CanvasView, AFixedSurfaceKeepsItsSizeAndWhatWasDrawn)
{
    CanvasView view;
    Owner owner(view);
    view.SetFixedSurface(100, 80);
    view.show();
    EXPECT_EQ(view.size(), QSize(100, 80));
    view.Canvas().SetPixel(50, 40, clBlue);  // a ghost drawn outside any paint
    view.update();
    EXPECT_EQ(view.grab().toImage().pixelColor(50, 40), QColor(0, 0, 255));
    EXPECT_EQ(owner.paints, 0);
}

TEST(CanvasView, MouseEventsReachTheOwnerInSurfacePixels)
{
    CanvasView view;
    Owner owner(view);
    view.SetFixedSurface(100, 80);
    view.show();
    QTest::mouseMove(&view, QPoint(10, 12));
    QTest::mousePress(&view, Qt::RightButton, Qt::ShiftModifier, QPoint(20, 22));
    QTest::mouseRelease(&view, Qt::RightButton, Qt::NoModifier, QPoint(30, 32));
    ASSERT_FALSE(owner.moves.empty());
    EXPECT_EQ(owner.moves.back().x, 10);
    EXPECT_EQ(owner.moves.back().y, 12);
    EXPECT_EQ(owner.moves.back().buttons, Qt::NoButton);
    ASSERT_EQ(owner.downs.size(), 1u);
    EXPECT_EQ(owner.downs[0].button, Qt::RightButton);
    EXPECT_EQ(owner.downs[0].keys, Qt::ShiftModifier);
    EXPECT_EQ(owner.downs[0].x, 20);
    EXPECT_EQ(owner.downs[0].y, 22);
    ASSERT_EQ(owner.ups.size(), 1u);
    EXPECT_EQ(owner.ups[0].button, Qt::RightButton);
    EXPECT_EQ(owner.ups[0].x, 30);
}

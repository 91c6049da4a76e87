#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include "platform/MdiChild.h"
#include "platform/MdiFrame.h"

namespace {

// A child that cannot be made smaller than most of the screen.
MdiChild* LargeChild(QSize least)
{
    auto* child = new MdiChild;
    auto* content = new QWidget(child);
    content->setFixedSize(least);
    (new QVBoxLayout(child))->addWidget(content);
    return child;
}

}  // namespace

// Children larger than the area scroll in it: the frame keeps the size of
// the screen, its status line in sight, whatever its children need.
TEST(MdiFrameSize, ChildrenNeverGrowTheFrameBeyondTheScreen)
{
    QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    MdiFrame frame;
    frame.setGeometry(screen);
    frame.show();
    QSize least = screen.size() * 2 / 3;
    for (int i = 0; i < 3; ++i)
        frame.AddChild(LargeChild(least));
    frame.TileChildren();
    frame.CascadeChildren();
    QCoreApplication::processEvents();
    EXPECT_LE(frame.width(), screen.width());
    EXPECT_LE(frame.height(), screen.height());
}

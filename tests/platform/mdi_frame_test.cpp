#include <QCoreApplication>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QVBoxLayout>
#include <gtest/gtest.h>
#include <vector>

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

namespace {

// A frame with a menu bar and children of a size of their own.
struct MaximisedFrame {
    MaximisedFrame()
    {
        frame.setWindowTitle("Frame");
        frame.menuBar()->addMenu("&File");
        frame.resize(900, 700);
        frame.show();
    }
    QMdiSubWindow* Add(const char* caption)
    {
        auto* child = new MdiChild;
        child->setWindowTitle(caption);
        child->resize(kChildSize);
        QMdiSubWindow* sub = frame.AddChild(child);
        QCoreApplication::processEvents();
        return sub;
    }
    // Maximised, filling the area, and the current one.
    bool FillsTheArea(QMdiSubWindow* sub) const
    {
        return sub->isMaximized() && sub->geometry() == frame.Area()->viewport()->rect() &&
               frame.Area()->currentSubWindow() == sub;
    }
    std::vector<QMdiSubWindow*> Subs() const
    {
        QList<QMdiSubWindow*> subs = frame.Area()->subWindowList(QMdiArea::CreationOrder);
        return {subs.begin(), subs.end()};
    }

    static constexpr QSize kChildSize{300, 200};
    MdiFrame frame;
};

}  // namespace

// A child opened while the current one is maximised opens maximised and is
// the current one, with its own size and place for when it is restored;
// closing it leaves the one current before it maximised; Cascade and Tile
// restore all.
TEST(MdiFrameMaximised, ChildrenFollowTheMaximisedState)
{
    for (void (MdiFrame::*arrange)() : {&MdiFrame::CascadeChildren, &MdiFrame::TileChildren}) {
        MaximisedFrame f;
        QMdiSubWindow* first = f.Add("first");
        first->showMaximized();
        QMdiSubWindow* second = f.Add("second");
        EXPECT_TRUE(f.FillsTheArea(second));
        EXPECT_EQ(f.frame.windowTitle().toStdString(), "Frame - [second]");
        second->showNormal();
        EXPECT_EQ(second->widget()->size(), MaximisedFrame::kChildSize);
        EXPECT_EQ(second->pos(), QPoint(24, 24));
        second->showMaximized();

        QPointer<QMdiSubWindow> third = f.Add("third");
        EXPECT_TRUE(f.FillsTheArea(third));
        third->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ASSERT_FALSE(third);
        EXPECT_EQ(f.frame.Area()->currentSubWindow(), second) << "the one current before";
        EXPECT_TRUE(f.FillsTheArea(second));

        (f.frame.*arrange)();
        QCoreApplication::processEvents();
        for (QMdiSubWindow* sub : f.Subs()) {
            EXPECT_FALSE(sub->isMaximized()) << sub->windowTitle().toStdString();
            EXPECT_NE(sub->geometry(), f.frame.Area()->viewport()->rect());
        }
        EXPECT_EQ(f.frame.windowTitle().toStdString(), "Frame");
    }
}

// Cascade keeps every child's own size and puts the current one in front,
// each one a step below and right of the one behind it: every caption shows.
TEST(MdiFrameMaximised, CascadePutsTheCurrentChildInFront)
{
    MaximisedFrame f;
    QMdiSubWindow* first = f.Add("first");
    f.Add("second");
    f.Add("third");
    f.frame.Activate(qobject_cast<MdiChild*>(first->widget()));
    first->showMaximized();
    f.frame.CascadeChildren();
    QCoreApplication::processEvents();
    QList<QMdiSubWindow*> stack = f.frame.Area()->subWindowList(QMdiArea::StackingOrder);
    ASSERT_EQ(stack.size(), 3);
    EXPECT_EQ(stack.back(), first);
    EXPECT_EQ(f.frame.Area()->currentSubWindow(), first);
    for (int i = 0; i < stack.size(); ++i) {
        EXPECT_FALSE(stack[i]->isMaximized());
        EXPECT_EQ(stack[i]->pos(), QPoint(24 * i, 24 * i)) << stack[i]->windowTitle().toStdString();
        EXPECT_EQ(stack[i]->widget()->size(), MaximisedFrame::kChildSize);
    }
}

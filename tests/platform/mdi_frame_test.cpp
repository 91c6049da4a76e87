#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QVBoxLayout>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

#include "platform/MdiChild.h"
#include "platform/MdiFrame.h"
#include "tests/platform/WaitFor.h"

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

namespace {

bool ScrollBarsShown(const MdiFrame& frame)
{
    return frame.Area()->horizontalScrollBar()->isVisible() || frame.Area()->verticalScrollBar()->isVisible();
}

// A frame on a 1280 x 900 screen with three children of the schematic's
// least size and seven of the result window's, as the program shows them.
struct FullFrame {
    explicit FullFrame(bool maximisedFirst)
    {
        frame.setGeometry(0, 0, 1280, 900);
        frame.menuBar()->addMenu("&File");
        frame.show();
        for (int i = 0; i < 10; ++i) {
            subs.push_back(frame.AddChild(LargeChild(i < 3 ? QSize(560, 600) : QSize(640, 480))));
            if (i == 0 && maximisedFirst)
                subs[0]->showMaximized();
        }
        QCoreApplication::processEvents();
    }
    QRect View() const { return frame.Area()->viewport()->rect(); }

    MdiFrame frame;
    std::vector<QMdiSubWindow*> subs;
};

}  // namespace

// After Tile every child lies wholly in the area, none over another, with
// no scroll bars, however many there are and whatever their least sizes;
// a child smaller than its least size keeps it, clipped by its sub-window.
TEST(MdiFrameTile, EveryChildInSightWithoutOverlap)
{
    for (bool maximisedFirst : {false, true}) {
        FullFrame f(maximisedFirst);
        f.subs[5]->move(3000, 2000);  // the area scrolled away from its origin first
        QCoreApplication::processEvents();
        f.frame.Area()->horizontalScrollBar()->setValue(f.frame.Area()->horizontalScrollBar()->maximum());
        f.frame.TileChildren();
        ASSERT_TRUE(WaitFor([&] { return !ScrollBarsShown(f.frame); })) << "maximised first: " << maximisedFirst;
        QCoreApplication::processEvents();
        for (std::size_t i = 0; i < f.subs.size(); ++i) {
            QMdiSubWindow* sub = f.subs[i];
            EXPECT_FALSE(sub->isMaximized());
            EXPECT_TRUE(f.View().contains(sub->geometry())) << i << ": " << sub->geometry().x() << ","
                                                           << sub->geometry().y() << " " << sub->width() << "x"
                                                           << sub->height();
            for (std::size_t j = 0; j < i; ++j)
                EXPECT_FALSE(sub->geometry().intersects(f.subs[j]->geometry())) << i << " and " << j;
            QWidget* child = sub->widget();
            QSize least = child->minimumSizeHint();
            EXPECT_TRUE(child->width() >= least.width() && child->height() >= least.height()) << i;
            QRect shown = child->mask().boundingRect().translated(child->pos());
            EXPECT_TRUE(sub->contentsRect().contains(shown)) << i;
        }
        EXPECT_EQ(f.subs[9]->geometry().topLeft(), QPoint(0, 0)) << "the current child top left";
    }
}

// Minimised children stay minimised in rows along the bottom; the tiles
// lie above them.
TEST(MdiFrameTile, IconsBelowTheTiles)
{
    FullFrame f(false);
    for (int i : {2, 4, 6, 7, 8, 9})
        f.subs[i]->showMinimized();
    f.frame.TileChildren();
    QCoreApplication::processEvents();
    for (std::size_t i = 0; i < f.subs.size(); ++i) {
        EXPECT_TRUE(f.View().contains(f.subs[i]->geometry())) << i;
        for (std::size_t j = 0; j < i; ++j)
            EXPECT_FALSE(f.subs[i]->geometry().intersects(f.subs[j]->geometry())) << i << " and " << j;
    }
    for (int i : {2, 4, 6, 7, 8, 9})
        EXPECT_TRUE(f.subs[i]->isMinimized()) << i;
}

// Cascade after Tile gives each child its least size back.
TEST(MdiFrameTile, CascadeUndoesTheClipping)
{
    FullFrame f(false);
    f.frame.TileChildren();
    f.frame.CascadeChildren();
    QCoreApplication::processEvents();
    for (QMdiSubWindow* sub : f.subs)
        EXPECT_TRUE(sub->widget()->mask().isEmpty()) << sub->size().width() << "x" << sub->size().height();
}

namespace {

// A child whose close question answers as told, and counts the asking.
class AskingChild : public MdiChild {
public:
    bool FormCloseQuery() override
    {
        ++asked;
        return agree;
    }
    int asked = 0;
    bool agree = true;
};

// Three small children, the last one current, in an active frame.
struct KeyFrame {
    KeyFrame()
    {
        frame.resize(900, 700);
        windowMenu = frame.menuBar()->addMenu("&Window");
        frame.SetWindowMenu(windowMenu);
        frame.show();
        for (const char* caption : {"first", "second", "third"}) {
            auto* child = new AskingChild;
            child->setWindowTitle(caption);
            child->resize(300, 200);
            child->setFocusPolicy(Qt::StrongFocus);
            children.push_back(child);
            frame.AddChild(child);
        }
        frame.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&frame));
    }
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers)
    {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : &frame, key, modifiers);
        QCoreApplication::processEvents();
    }
    QString Current() const { return frame.ActiveChild() ? frame.ActiveChild()->windowTitle() : QString(); }

    MdiFrame frame;
    QMenu* windowMenu;
    std::vector<AskingChild*> children;
};

}  // namespace

// Qt's own Close of each sub-window as an X11 desktop binds it, to Ctrl+W
// alone (here on the offscreen platform it has Ctrl+F4 too).
void BindCloseAsOnX11(MdiFrame& frame)
{
    for (QMdiSubWindow* sub : frame.Area()->subWindowList())
        for (QAction* action : sub->systemMenu()->actions())
            if (!action->shortcuts().isEmpty())
                action->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_W)});
}

// Ctrl+F4 closes the current child through its close question, also when
// it is minimised, whatever keys Qt gives the sub-windows' own Close.
TEST(MdiFrameKeys, CtrlF4ClosesTheCurrentChild)
{
    for (bool x11 : {false, true})
        for (bool minimised : {false, true}) {
            KeyFrame f;
            if (x11)
                BindCloseAsOnX11(f.frame);
            QPointer<AskingChild> third = f.children[2];
            if (minimised) {
                f.frame.MinimizeAll();
                QCoreApplication::processEvents();
                ASSERT_EQ(f.frame.ActiveChild(), third);
            }
            third->agree = false;
            f.Press(Qt::Key_F4, Qt::ControlModifier);
            ASSERT_TRUE(third);
            EXPECT_EQ(third->asked, 1) << "X11: " << x11 << ", minimised: " << minimised;
            EXPECT_EQ(f.frame.Children().size(), 3u) << "a refusal keeps it open";
            third->agree = true;
            f.Press(Qt::Key_F4, Qt::ControlModifier);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            EXPECT_FALSE(third) << "X11: " << x11 << ", minimised: " << minimised;
            EXPECT_EQ(f.frame.Children().size(), 2u);
            EXPECT_EQ(f.Current(), "second");
        }
}

// Ctrl+F6 goes to the child Ctrl+Tab goes to, and on through every child;
// Ctrl+Shift+F6 goes back the same way.
TEST(MdiFrameKeys, CtrlF6VisitsEveryChild)
{
    KeyFrame tab;
    tab.Press(Qt::Key_Tab, Qt::ControlModifier);
    QTest::keyRelease(QApplication::focusWidget() ? QApplication::focusWidget() : &tab.frame, Qt::Key_Control);
    QCoreApplication::processEvents();
    ASSERT_EQ(tab.Current(), "second");

    KeyFrame f;
    QStringList visited;
    for (int i = 0; i < 3; ++i) {
        f.Press(Qt::Key_F6, Qt::ControlModifier);
        visited << f.Current();
    }
    EXPECT_EQ(visited.join(" ").toStdString(), "second first third");
    visited.clear();
    for (int i = 0; i < 3; ++i) {
        f.Press(Qt::Key_F6, Qt::ControlModifier | Qt::ShiftModifier);
        visited << f.Current();
    }
    EXPECT_EQ(visited.join(" ").toStdString(), "first second third");
}

namespace {

struct Activation {
    const char* name;
    int target;  // the child it makes current, from the third
    std::function<void(KeyFrame&, QMdiSubWindow*)> activate;
};

void PrintTo(const Activation& a, std::ostream* out)
{
    *out << a.name;
}

QMdiSubWindow* SubOf(QWidget* child)
{
    return qobject_cast<QMdiSubWindow*>(child->parentWidget());
}

const Activation kActivations[] = {
    {"WindowMenu", 0,
     [](KeyFrame& f, QMdiSubWindow* sub) {
         emit f.windowMenu->aboutToShow();
         for (QAction* entry : f.windowMenu->actions())
             if (entry->text().endsWith(sub->windowTitle()))
                 entry->trigger();
     }},
    {"Program", 0, [](KeyFrame& f, QMdiSubWindow* sub) { f.frame.Activate(qobject_cast<MdiChild*>(sub->widget())); }},
    {"CtrlF6", 1, [](KeyFrame& f, QMdiSubWindow*) { f.Press(Qt::Key_F6, Qt::ControlModifier); }},
    {"CtrlShiftF6", 0,
     [](KeyFrame& f, QMdiSubWindow*) { f.Press(Qt::Key_F6, Qt::ControlModifier | Qt::ShiftModifier); }},
    {"CtrlTab", 1,
     [](KeyFrame& f, QMdiSubWindow*) {
         f.Press(Qt::Key_Tab, Qt::ControlModifier);
         QTest::keyRelease(QApplication::focusWidget() ? QApplication::focusWidget() : &f.frame, Qt::Key_Control);
     }},
    {"RestoreAfterMinimizeAll", 0,
     [](KeyFrame& f, QMdiSubWindow* sub) {
         f.frame.MinimizeAll();
         QCoreApplication::processEvents();
         f.frame.Area()->setActiveSubWindow(sub);
         sub->showNormal();
     }},
};

class MdiFrameInView : public testing::TestWithParam<Activation> {};

}  // namespace

// A child that becomes the current one lies in the area, however far out
// of sight it was.
TEST_P(MdiFrameInView, TheCurrentChildIsInSight)
{
    for (QPoint away : {QPoint(3000, 2500), QPoint(-900, 100)}) {
        KeyFrame f;
        AskingChild* target = f.children[GetParam().target];
        QMdiSubWindow* sub = SubOf(target);
        sub->move(away);
        QCoreApplication::processEvents();
        GetParam().activate(f, sub);
        ASSERT_TRUE(WaitFor([&] { return f.frame.ActiveChild() == target; }));
        EXPECT_TRUE(WaitFor([&] { return f.frame.Area()->viewport()->rect().contains(sub->geometry()); }))
            << sub->geometry().x() << "," << sub->geometry().y();
    }
}

INSTANTIATE_TEST_SUITE_P(EveryWay, MdiFrameInView, testing::ValuesIn(kActivations),
                         [](const testing::TestParamInfo<Activation>& a) { return a.param.name; });

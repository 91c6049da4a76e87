#include "platform/MdiFrame.h"

#include <QAction>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>

#include "platform/ChildClip.h"
#include "platform/MdiChild.h"
#include "platform/MdiLayout.h"

namespace {

// New children open down and to the right of the one before.
constexpr int kCascadeStep = 24;
constexpr int kCascadeSteps = 10;

// Where the child at that count of a cascade goes.
QPoint CascadePlace(int count)
{
    int step = kCascadeStep * (count % kCascadeSteps);
    return {step, step};
}

MdiChild* ChildOf(QMdiSubWindow* sub)
{
    return sub ? qobject_cast<MdiChild*>(sub->widget()) : nullptr;
}

QMdiSubWindow* SubWindowOf(MdiChild* child)
{
    return qobject_cast<QMdiSubWindow*>(child->parentWidget());
}

QRect RectOf(const Box& box)
{
    return {box.x, box.y, box.width, box.height};
}

Box BoxOf(const QRect& rect)
{
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

}  // namespace

MdiFrame::MdiFrame(QWidget* parent) : QMainWindow(parent), area_(new QMdiArea(this))
{
    setCentralWidget(area_);
    // Children beyond the area scroll into it; without scroll bars the area
    // would grow the frame past the screen to hold them.
    area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // A child that closes hands over to the one that was current before it.
    area_->setActivationOrder(QMdiArea::ActivationHistoryOrder);
    connect(area_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* sub) {
        ShowChildMenus();
        BringIntoViewLater(sub, false);
        emit ActiveChildChanged();
    });
    AddKeys();
}

void MdiFrame::AddKeys()
{
    auto key = [this](QKeySequence sequence, auto command) {
        auto* action = new QAction(this);
        action->setShortcut(sequence);
        connect(action, &QAction::triggered, this, command);
        addAction(action);
    };
    key(QKeySequence(Qt::CTRL | Qt::Key_F4), [this] {
        if (MdiChild* child = ActiveChild())
            child->CloseWindow();
    });
    key(QKeySequence(Qt::CTRL | Qt::Key_F6), [this] { NextChild(false); });
    key(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F6), [this] { NextChild(true); });
}

// Forward: the child behind the current one comes to the front and the
// current one goes to the back, so that the key visits every child in turn;
// back: the child at the back comes to the front.
void MdiFrame::NextChild(bool back)
{
    QList<QMdiSubWindow*> stack = area_->subWindowList(QMdiArea::StackingOrder);
    QMdiSubWindow* current = area_->currentSubWindow();
    qsizetype at = stack.indexOf(current);
    if (stack.size() < 2 || at < 0)
        return;
    if (back) {
        area_->setActiveSubWindow(stack.front() == current ? stack[1] : stack.front());
        return;
    }
    area_->setActiveSubWindow(stack[at > 0 ? at - 1 : stack.size() - 1]);
    current->lower();
}

// The area reports its last changes while the window is taken down.
MdiFrame::~MdiFrame()
{
    disconnect(area_, nullptr, this, nullptr);
}

QMdiSubWindow* MdiFrame::AddChild(MdiChild* child)
{
    QMdiSubWindow* current = area_->currentSubWindow();
    bool maximised = current && current->isMaximized();
    QSize size = child->size();
    bool sized = child->testAttribute(Qt::WA_Resized);
    QMdiSubWindow* sub = area_->addSubWindow(child);
    new ChildClip(child);
    // Ctrl+F4 is the frame's key: where Qt gives it to the sub-window's Close
    // as well, the two would make it ambiguous.
    for (QAction* action : sub->systemMenu()->actions()) {
        QList<QKeySequence> keys = action->shortcuts();
        if (keys.removeAll(QKeySequence(Qt::CTRL | Qt::Key_F4)) > 0)
            action->setShortcuts(keys);
    }
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowIcon(windowIcon());
    connect(sub, &QMdiSubWindow::windowStateChanged, this, [this, sub](Qt::WindowStates before, Qt::WindowStates now) {
        if ((before & Qt::WindowMinimized) && !(now & (Qt::WindowMinimized | Qt::WindowMaximized)))
            BringIntoViewLater(sub, true);
    });
    // Size and place come first: a maximised child returns to them when it
    // is restored.
    sub->ensurePolished();
    if (sized)  // the size the child gave itself, within the frame of its sub-window
        sub->resize(size.grownBy(sub->contentsMargins()));
    sub->move(CascadePlace(static_cast<int>(area_->subWindowList().size() - 1)));
    if (maximised)
        sub->showMaximized();
    else
        sub->show();
    area_->setActiveSubWindow(sub);
    return sub;
}

MdiChild* MdiFrame::ActiveChild() const
{
    return ChildOf(area_->currentSubWindow());
}

std::vector<MdiChild*> MdiFrame::Children() const
{
    std::vector<MdiChild*> children;
    QList<QMdiSubWindow*> stack = area_->subWindowList(QMdiArea::StackingOrder);
    MdiChild* current = ActiveChild();
    if (current)
        children.push_back(current);
    for (auto sub = stack.rbegin(); sub != stack.rend(); ++sub) {
        MdiChild* child = ChildOf(*sub);
        if (child && child != current)
            children.push_back(child);
    }
    return children;
}

void MdiFrame::Activate(MdiChild* child)
{
    QMdiSubWindow* sub = SubWindowOf(child);
    if (!sub)
        return;
    if (sub->isMinimized())
        sub->showNormal();
    area_->setActiveSubWindow(sub);
    BringIntoView(sub);
}

void MdiFrame::ScrollHome()
{
    area_->horizontalScrollBar()->setValue(0);
    area_->verticalScrollBar()->setValue(0);
}

void MdiFrame::BringIntoView(QMdiSubWindow* sub)
{
    if (!sub || sub->isMaximized())
        return;
    QRect view = area_->viewport()->rect();
    if (view.contains(sub->geometry()))
        return;
    // At the origin no later change of the scroll range moves the children.
    ScrollHome();
    Box box = InView(BoxOf(sub->geometry()), view.width(), view.height());
    sub->move(box.x, box.y);
}

void MdiFrame::BringIntoViewLater(QMdiSubWindow* sub, bool evenWithButtons)
{
    if (!sub)
        return;
    QTimer::singleShot(0, sub, [this, sub, evenWithButtons] {
        if (sub == area_->currentSubWindow() && (evenWithButtons || QGuiApplication::mouseButtons() == Qt::NoButton))
            BringIntoView(sub);
    });
}

void MdiFrame::SetChildMenuPlace(QAction* before)
{
    menuPlace_ = before;
}

void MdiFrame::SetWindowMenu(QMenu* menu)
{
    windowMenu_ = menu;
    connect(menu, &QMenu::aboutToShow, this, &MdiFrame::ListChildren);
}

void MdiFrame::ShowChildMenus()
{
    for (const QPointer<QAction>& action : shownMenus_)
        if (action)
            menuBar()->removeAction(action);
    shownMenus_.clear();
    MdiChild* child = ActiveChild();
    if (!child)
        return;
    for (QAction* action : child->ChildMenus()) {
        menuBar()->insertAction(menuPlace_, action);
        shownMenus_.append(action);
    }
}

// One entry per child in the order they were opened; the current one checked.
void MdiFrame::ListChildren()
{
    for (const QPointer<QAction>& entry : childEntries_)
        delete entry.data();
    childEntries_.clear();
    QList<QMdiSubWindow*> subs = area_->subWindowList(QMdiArea::CreationOrder);
    if (subs.isEmpty())
        return;
    childEntries_.append(windowMenu_->addSeparator());
    for (int i = 0; i < subs.size(); ++i) {
        QMdiSubWindow* sub = subs[i];
        QString caption = sub->windowTitle().replace('&', "&&");  // no mnemonic in a file name
        QAction* entry = windowMenu_->addAction(QString("&%1 %2").arg(i + 1).arg(caption));
        entry->setCheckable(true);
        entry->setChecked(sub == area_->currentSubWindow());
        connect(entry, &QAction::triggered, this, [this, sub = QPointer<QMdiSubWindow>(sub)] {
            if (MdiChild* child = ChildOf(sub))
                Activate(child);
        });
        childEntries_.append(entry);
    }
}

bool MdiFrame::ChildrenAgreeToClose()
{
    for (MdiChild* child : Children())
        if (!child->FormCloseQuery())
            return false;
    return true;
}

bool MdiFrame::CloseWhenChildrenIdle()
{
    std::vector<MdiChild*> children = Children();
    auto busy = std::find_if(children.begin(), children.end(), [](MdiChild* c) { return c->Busy(); });
    if (busy == children.end())
        return false;
    if (!closeWaiting_) {
        closeWaiting_ = true;
        (*busy)->WhenIdle([this] {
            closeWaiting_ = false;
            close();
        });
    }
    return true;
}

// From the back to the front, the current child last; minimised ones stay.
// A child that a tile made smaller than its least size gets that size back.
void MdiFrame::CascadeChildren()
{
    ScrollHome();
    std::vector<MdiChild*> children = Children();
    int count = 0;
    for (auto child = children.rbegin(); child != children.rend(); ++child) {
        QMdiSubWindow* sub = SubWindowOf(*child);
        if (!sub || sub->isMinimized())
            continue;
        if (sub->isMaximized())
            sub->showNormal();
        sub->resize(sub->size().expandedTo(sub->minimumSizeHint()));
        sub->move(CascadePlace(count++));
        sub->raise();
    }
}

// Qt's own tiling widens the area to its children's least sizes, which puts
// tiles out of sight; these tiles shrink children as far as they must.
void MdiFrame::TileChildren()
{
    ScrollHome();
    // The area's whole inside: its scroll bars go once every child is in it.
    QSize area = area_->contentsRect().size();
    int top = PlaceIcons(area);
    std::vector<QMdiSubWindow*> tiled;
    for (MdiChild* child : Children()) {
        QMdiSubWindow* sub = SubWindowOf(child);
        if (sub && !sub->isMinimized())
            tiled.push_back(sub);
    }
    std::vector<Box> boxes = TileBoxes(static_cast<int>(tiled.size()), area.width(), std::clamp(top, 0, area.height()));
    for (std::size_t i = 0; i < tiled.size(); ++i) {
        if (tiled[i]->isMaximized())
            tiled[i]->showNormal();
        tiled[i]->setGeometry(RectOf(boxes[i]));
    }
}

void MdiFrame::ArrangeIcons()
{
    ScrollHome();
    PlaceIcons(area_->viewport()->size());
}

int MdiFrame::PlaceIcons(QSize area)
{
    std::vector<QMdiSubWindow*> icons;
    QSize icon;
    for (QMdiSubWindow* sub : area_->subWindowList(QMdiArea::CreationOrder))
        if (sub->isMinimized()) {
            icons.push_back(sub);
            icon = icon.expandedTo(sub->size());
        }
    if (icons.empty())
        return area.height();
    std::vector<Box> boxes =
        IconBoxes(static_cast<int>(icons.size()), icon.width(), icon.height(), area.width(), area.height());
    for (std::size_t i = 0; i < icons.size(); ++i)
        icons[i]->move(boxes[i].x, boxes[i].y);
    return boxes.back().y;
}

void MdiFrame::MinimizeAll()
{
    std::vector<MdiChild*> children = Children();
    for (auto child = children.rbegin(); child != children.rend(); ++child)
        if (QMdiSubWindow* sub = SubWindowOf(*child))
            sub->showMinimized();
}

#include "platform/MdiFrame.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <algorithm>

#include "platform/MdiChild.h"

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
    connect(area_, &QMdiArea::subWindowActivated, this, [this] {
        ShowChildMenus();
        emit ActiveChildChanged();
    });
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
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowIcon(windowIcon());
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
void MdiFrame::CascadeChildren()
{
    std::vector<MdiChild*> children = Children();
    int count = 0;
    for (auto child = children.rbegin(); child != children.rend(); ++child) {
        QMdiSubWindow* sub = SubWindowOf(*child);
        if (!sub || sub->isMinimized())
            continue;
        if (sub->isMaximized())
            sub->showNormal();
        sub->move(CascadePlace(count++));
        sub->raise();
    }
}

void MdiFrame::TileChildren()
{
    area_->tileSubWindows();
}

void MdiFrame::ArrangeIcons()
{
    int x = 0;
    int bottom = area_->viewport()->height();
    for (QMdiSubWindow* sub : area_->subWindowList(QMdiArea::CreationOrder)) {
        if (!sub->isMinimized())
            continue;
        sub->move(x, bottom - sub->height());
        x += sub->width();
    }
}

void MdiFrame::MinimizeAll()
{
    std::vector<MdiChild*> children = Children();
    for (auto child = children.rbegin(); child != children.rend(); ++child)
        if (QMdiSubWindow* sub = SubWindowOf(*child))
            sub->showMinimized();
}

#pragma once
// An MDI main window: the area of its children (MdiChild), each added in a
// sub-window that frees itself when closed; the children in the framework's
// order (the current one first); the current child's menus shown in the menu
// bar before a given entry; the window menu's list of children; the close
// question of all children; cascade, tile, minimise all and arrange icons;
// the keys Ctrl+F4 (close the current child) and Ctrl+F6 (the next one,
// Ctrl+Shift+F6 the one before). A child that becomes the current one by
// the keyboard, a menu or the program, or is restored, is moved into view.
#include <QMainWindow>
#include <QPointer>
#include <vector>

class MdiChild;
class QMdiArea;
class QMdiSubWindow;
class QMenu;

class MdiFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit MdiFrame(QWidget* parent = nullptr);
    ~MdiFrame() override;

    QMdiArea* Area() const { return area_; }
    // Shows the child in a new sub-window of the child's own size (when it
    // gave itself one), below and right of the one before, and makes it the
    // current one; maximised when the current one was. Every child of the
    // frame opens here.
    QMdiSubWindow* AddChild(MdiChild* child);
    // The current child (it stays current while a tool window has the focus).
    MdiChild* ActiveChild() const;
    // Every child, the current one first, then down the stacking order.
    std::vector<MdiChild*> Children() const;
    // Brings the child to the front (restored when minimised), in view.
    void Activate(MdiChild* child);

    // The current child's menus go into the menu bar before this entry.
    void SetChildMenuPlace(QAction* before);
    // The menu that lists the children below its own items.
    void SetWindowMenu(QMenu* menu);

    // Asks every child its close question, the current one first; false at
    // the first refusal, and then no further child is asked.
    bool ChildrenAgreeToClose();
    // True when a child is busy: the frame then closes once it is idle.
    bool CloseWhenChildrenIdle();

    // Every child restored at its own size (at least its least size), each
    // a step below and right of the one behind it, the current one in front.
    void CascadeChildren();
    // Every child that is not minimised restored and sized to a tile of the
    // area, the current one top left; minimised ones in rows along the
    // bottom, below the tiles.
    void TileChildren();
    // Minimised children in rows along the bottom of the area.
    void ArrangeIcons();
    // Minimises every child, from the last to the first.
    void MinimizeAll();

signals:
    // The current child changed, or a child closed.
    void ActiveChildChanged();

private:
    void AddKeys();
    void NextChild(bool back);
    void ShowChildMenus();
    void ListChildren();
    // The children back at the area's origin, as when nothing is scrolled.
    void ScrollHome();
    // The child moved into the area where it is not wholly inside it.
    void BringIntoView(QMdiSubWindow* sub);
    // Moves the current child into view once the event that made it current
    // is done, unless a mouse button is down: a click or a drag shows it.
    void BringIntoViewLater(QMdiSubWindow* sub, bool evenWithButtons);
    // The minimised children arranged in an area of that size; returns the
    // top of their rows.
    int PlaceIcons(QSize area);

    QMdiArea* area_;
    QAction* menuPlace_ = nullptr;
    QMenu* windowMenu_ = nullptr;
    QList<QPointer<QAction>> shownMenus_;
    QList<QPointer<QAction>> childEntries_;
    bool closeWaiting_ = false;
};

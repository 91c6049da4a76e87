#include "editor/app/ListBox.h"

#include <QKeyEvent>
#include <QMouseEvent>

int ListBox::Highlight() const
{
    QListWidgetItem* item = currentItem();
    return item && item->isSelected() ? currentRow() : -1;
}

void ListBox::keyPressEvent(QKeyEvent* event)
{
    const int before = Highlight();
    QListWidget::keyPressEvent(event);
    if (Highlight() != before)
        emit Click();
}

void ListBox::mousePressEvent(QMouseEvent* event)
{
    if (event->buttons() == event->button()) {
        pressHighlight_ = Highlight();
        pressed_ = indexAt(event->position().toPoint());
    }
    QListWidget::mousePressEvent(event);
}

void ListBox::mouseReleaseEvent(QMouseEvent* event)
{
    QListWidget::mouseReleaseEvent(event);
    const bool clicked = event->button() == Qt::LeftButton && pressed_.isValid() &&
                         indexAt(event->position().toPoint()) == pressed_;
    pressed_ = QPersistentModelIndex();
    if (!clicked && Highlight() == pressHighlight_)
        return;
    pressHighlight_ = Highlight();
    emit Click();
}

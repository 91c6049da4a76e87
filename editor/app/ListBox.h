#pragma once
// A list box whose Click follows every change of the highlight the user
// makes, once each: a left click on an item (the highlighted one too), a key
// that moves the highlight, a press released with another item highlighted
// (Qt moves it while the press drags). Changes made by the program raise none.
#include <QListWidget>
#include <QPersistentModelIndex>

class ListBox : public QListWidget {
    Q_OBJECT
public:
    using QListWidget::QListWidget;

signals:
    void Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // The row of the highlighted item; -1 for none.
    int Highlight() const;

    int pressHighlight_ = -1;
    QPersistentModelIndex pressed_;
};

#pragma once
// Panel1, the right-hand panel of a result window: the end time, the
// frequency interval and its unit, the axis boxes, help and exit, Refresh,
// Parameter and the component grid. It shows a ResultControls and reads
// itself back into one; the window connects its buttons.
#include <QWidget>

#include "viewer/window/ResultWindow.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;
class QToolButton;

class ResultPanel : public QWidget {
    Q_OBJECT
public:
    explicit ResultPanel(QWidget* parent = nullptr);

    void Show(const ResultControls& controls);
    // The edits, buttons, boxes and grid cells into controls.
    void Read(ResultControls& controls) const;

    QWidget* Panel2;
    QLabel* Label1;
    QLineEdit* EndTime;
    QLabel* Label6;
    QWidget* Panel3;
    QLabel* Label7;
    QLabel* Label2;
    QLineEdit* Start;
    QLabel* Label3;
    QLineEdit* End;
    QRadioButton* HzButt;
    QRadioButton* RadButt;
    QCheckBox* Linear;
    QCheckBox* LinearX;
    QToolButton* SpeedButton1;
    QToolButton* Exit;
    QPushButton* ValTx;
    QPushButton* Button2;
    QLabel* Label9;
    QTableWidget* StringGrid1;

private:
    // What the Phasor view hides.
    std::vector<QWidget*> IntervalControls() const;
    void ShowGrid(const std::vector<GridRow>& rows);
};

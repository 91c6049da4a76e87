#include "viewer/app/ResultPanel.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include "platform/Latin1.h"
#include "viewer/app/PanelGlyphs.h"

namespace {

constexpr int kPanelWidth = 140;
constexpr int kRowHeight = 20;
constexpr int kNameWidth = 56;  // the least width of the name column

// Sets the text only when it changed, so an edit keeps its cursor.
void SetText(QLineEdit* edit, const std::string& text)
{
    QString shown = Latin1(text);
    if (edit->text() != shown)
        edit->setText(shown);
}

QFrame* PanelFrame(QWidget* parent)
{
    auto* frame = new QFrame(parent);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Raised);
    return frame;
}

QToolButton* SpeedButton(QWidget* parent, const QIcon& icon, const char* hint)
{
    auto* button = new QToolButton(parent);
    button->setAutoRaise(true);
    button->setIcon(icon);
    button->setToolTip(hint);
    return button;
}

}  // namespace

ResultPanel::ResultPanel(QWidget* parent) : QWidget(parent)
{
    setFixedWidth(kPanelWidth);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(4);

    Panel2 = PanelFrame(this);
    auto* time = new QGridLayout(Panel2);
    time->setContentsMargins(4, 4, 4, 4);
    Label1 = new QLabel("End Time:", Panel2);
    EndTime = new QLineEdit(Panel2);
    Label6 = new QLabel("s", Panel2);
    time->addWidget(Label1, 0, 0, 1, 2);
    time->addWidget(EndTime, 1, 0);
    time->addWidget(Label6, 1, 1);
    layout->addWidget(Panel2);

    Panel3 = PanelFrame(this);
    auto* interval = new QGridLayout(Panel3);
    interval->setContentsMargins(4, 4, 4, 4);
    Label7 = new QLabel("Frequency Interval", Panel3);
    Label2 = new QLabel("Start", Panel3);
    Start = new QLineEdit(Panel3);
    Label3 = new QLabel("End", Panel3);
    End = new QLineEdit(Panel3);
    HzButt = new QRadioButton("Hz", Panel3);
    RadButt = new QRadioButton("rad/s", Panel3);
    HzButt->setChecked(true);
    interval->addWidget(Label7, 0, 0, 1, 2);
    interval->addWidget(Label2, 1, 0);
    interval->addWidget(Start, 1, 1);
    interval->addWidget(Label3, 2, 0);
    interval->addWidget(End, 2, 1);
    interval->addWidget(HzButt, 3, 0);
    interval->addWidget(RadButt, 3, 1);
    layout->addWidget(Panel3);

    Linear = new QCheckBox("Y Linear ", this);
    LinearX = new QCheckBox("X Linear", this);
    layout->addWidget(Linear);
    layout->addWidget(LinearX);

    auto* buttons = new QHBoxLayout;
    SpeedButton1 = SpeedButton(this, HelpGlyph(), "Help");
    Exit = SpeedButton(this, ExitGlyph(), "Exit");
    ValTx = new QPushButton("Refresh", this);
    buttons->addWidget(SpeedButton1);
    buttons->addWidget(Exit);
    buttons->addWidget(ValTx, 1);
    layout->addLayout(buttons);
    Button2 = new QPushButton("Parameter", this);
    layout->addWidget(Button2);

    Label9 = new QLabel("Components", this);
    layout->addWidget(Label9);
    StringGrid1 = new QTableWidget(0, 2, this);
    StringGrid1->horizontalHeader()->hide();
    StringGrid1->verticalHeader()->hide();
    StringGrid1->verticalHeader()->setDefaultSectionSize(kRowHeight);
    StringGrid1->verticalHeader()->setMinimumSectionSize(kRowHeight);
    StringGrid1->horizontalHeader()->setDefaultSectionSize(kNameWidth);
    StringGrid1->horizontalHeader()->setStretchLastSection(true);
    StringGrid1->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid1->setEditTriggers(QAbstractItemView::AllEditTriggers);
    layout->addWidget(StringGrid1, 1);
    // Hidden controls keep their place, so the others do not move.
    std::vector<QWidget*> hidden = IntervalControls();
    hidden.insert(hidden.end(), {Label9, StringGrid1});
    for (QWidget* control : hidden) {
        QSizePolicy policy = control->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        control->setSizePolicy(policy);
    }
}

void ResultPanel::Show(const ResultControls& c)
{
    SetText(EndTime, c.endTime);
    SetText(Start, c.start);
    SetText(End, c.end);
    HzButt->setChecked(c.hz);
    RadButt->setChecked(!c.hz);
    Linear->setChecked(c.yLinear);
    LinearX->setChecked(c.xLinear);
    Label7->setText(Latin1(c.frequencyLabel));
    for (QWidget* control : IntervalControls())
        control->setVisible(c.intervalVisible);
    Button2->setEnabled(c.parameterEnabled);
    ShowGrid(c.grid);
    Label9->setVisible(c.gridVisible);
    StringGrid1->setVisible(c.gridVisible);
}

std::vector<QWidget*> ResultPanel::IntervalControls() const
{
    return {Label1, EndTime, End, Label2, Label3, Label6, Linear, LinearX, Button2};
}

void ResultPanel::ShowGrid(const std::vector<GridRow>& rows)
{
    StringGrid1->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const std::string* cells[2] = {&rows[r].name, &rows[r].value};
        for (int column = 0; column < 2; ++column) {
            QTableWidgetItem* item = StringGrid1->item(r, column);
            if (!item) {
                item = new QTableWidgetItem;
                StringGrid1->setItem(r, column, item);
            }
            item->setText(Latin1(*cells[column]));
        }
    }
    // The longest name shows whole; a grid too narrow for it scrolls.
    StringGrid1->resizeColumnToContents(0);
    StringGrid1->setColumnWidth(0, std::max(kNameWidth, StringGrid1->columnWidth(0)));
}

void ResultPanel::Read(ResultControls& c) const
{
    c.endTime = Bytes(EndTime->text());
    c.start = Bytes(Start->text());
    c.end = Bytes(End->text());
    c.hz = HzButt->isChecked();
    c.yLinear = Linear->isChecked();
    c.xLinear = LinearX->isChecked();
    StringGrid1->setCurrentIndex(QModelIndex());  // a cell being edited takes its text
    c.grid.resize(static_cast<std::size_t>(StringGrid1->rowCount()));
    for (int r = 0; r < StringGrid1->rowCount(); ++r) {
        const QTableWidgetItem* name = StringGrid1->item(r, 0);
        const QTableWidgetItem* value = StringGrid1->item(r, 1);
        c.grid[r] = {name ? Bytes(name->text()) : "", value ? Bytes(value->text()) : ""};
    }
}

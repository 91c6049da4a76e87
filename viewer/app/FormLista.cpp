#include "viewer/app/FormLista.h"

#include <QApplication>
#include <QClipboard>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPrinter>
#include <QRadioButton>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/Application.h"
#include "platform/Latin1.h"
#include "platform/Dialogs.h"
#include "viewer/app/ChildWin.h"
#include "viewer/app/PanelGlyphs.h"
#include "viewer/app/PrintText.h"

namespace {

constexpr int kPanelWidth = 180;
constexpr int kColumnWidth = 80;
constexpr int kRowHeight = 20;

QToolButton* FlatButton(QWidget* parent, const char* caption)
{
    auto* button = new QToolButton(parent);
    button->setText(caption);
    button->setAutoRaise(true);
    return button;
}

}  // namespace

TFormLista::TFormLista(TMDIChild& owner) : owner_(&owner)
{
    resize(744, 368);
    BuildPanel();
    Grid = new QTableWidget(this);
    Grid->horizontalHeader()->hide();
    Grid->verticalHeader()->hide();
    Grid->horizontalHeader()->setDefaultSectionSize(kColumnWidth);
    Grid->verticalHeader()->setDefaultSectionSize(kRowHeight);
    Grid->verticalHeader()->setMinimumSectionSize(kRowHeight);
    Grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    QSizePolicy policy = Grid->sizePolicy();
    policy.setRetainSizeWhenHidden(true);  // a hidden grid leaves the client area empty
    Grid->setSizePolicy(policy);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Panel1);
    layout->addWidget(Grid, 1);
    const ResultPanel& panel = *owner.Panel1;
    ShowSettings(NewListSettings(Bytes(panel.Start->text()), Bytes(panel.End->text()), panel.HzButt->isChecked()));
    setWindowTitle(Latin1(ListCaption(owner.Model() ? owner.Model()->fdtPath : "")));
    ShowTable();
}

void TFormLista::BuildPanel()
{
    Panel1 = new QWidget(this);
    Panel1->setFixedWidth(kPanelWidth);
    auto* layout = new QVBoxLayout(Panel1);
    layout->setContentsMargins(4, 4, 4, 4);
    Label1 = new QLabel("Fields:", Panel1);
    Campi = new QListWidget(Panel1);
    for (const char* name : kListFieldNames) {
        auto* item = new QListWidgetItem(name, Campi);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    Campi->setFixedHeight(6 * 19 + 6);
    layout->addWidget(Label1);
    layout->addWidget(Campi);

    auto* edits = new QGridLayout;
    Label3 = new QLabel("Frequency: ", Panel1);
    Label2 = new QLabel("Start:", Panel1);
    StartF = new QLineEdit(Panel1);
    Label4 = new QLabel("Stop:", Panel1);
    StopF = new QLineEdit(Panel1);
    Label5 = new QLabel(QString::fromUtf8("N\u00B0 freq."), Panel1);
    NumP = new QLineEdit(Panel1);
    HzB = new QRadioButton("Hz", Panel1);
    RadB = new QRadioButton("Rad/s", Panel1);
    edits->addWidget(Label3, 0, 0, 1, 2);
    edits->addWidget(Label2, 1, 0);
    edits->addWidget(StartF, 1, 1);
    edits->addWidget(Label4, 2, 0);
    edits->addWidget(StopF, 2, 1);
    edits->addWidget(Label5, 3, 0);
    edits->addWidget(NumP, 3, 1);
    edits->addWidget(HzB, 4, 0);
    edits->addWidget(RadB, 4, 1);
    layout->addLayout(edits);

    GroupBox1 = new QGroupBox(Panel1);
    auto* stepping = new QHBoxLayout(GroupBox1);
    stepping->setContentsMargins(4, 2, 4, 2);
    Oct = new QRadioButton("Oct", GroupBox1);
    Dec = new QRadioButton("Dec", GroupBox1);
    Lin = new QRadioButton("Lin", GroupBox1);
    for (QRadioButton* b : {Oct, Dec, Lin})
        stepping->addWidget(b);
    layout->addWidget(GroupBox1);
    Bevel1 = new QFrame(Panel1);
    Bevel1->setFrameShape(QFrame::HLine);
    Bevel1->setFrameShadow(QFrame::Sunken);
    layout->addWidget(Bevel1);
    layout->addStretch(1);

    Panel2 = new QWidget(Panel1);
    auto* buttons = new QGridLayout(Panel2);
    buttons->setContentsMargins(0, 0, 0, 0);
    SpeedButton3 = FlatButton(Panel2, "OK");
    Exit = FlatButton(Panel2, "");
    Exit->setIcon(ExitGlyph());
    Exit->setToolTip("Exit");
    Button1 = FlatButton(Panel2, "Poles/Zeros");
    buttons->addWidget(SpeedButton3, 0, 0);
    buttons->addWidget(Exit, 0, 1);
    buttons->addWidget(Button1, 1, 0, 1, 2);
    layout->addWidget(Panel2);
    connect(SpeedButton3, &QToolButton::clicked, this, Guarded(this, &TFormLista::OKClick));
    connect(Button1, &QToolButton::clicked, this, Guarded(this, &TFormLista::Button1Click));
    connect(Exit, &QToolButton::clicked, this, Guarded(this, &TFormLista::ExitClick));
}

void TFormLista::ShowSettings(const ListSettings& s)
{
    for (int i = 0; i < kListFields; ++i)
        Campi->item(i)->setCheckState(s.fields[i] ? Qt::Checked : Qt::Unchecked);
    StartF->setText(Latin1(s.start));
    StopF->setText(Latin1(s.stop));
    NumP->setText(Latin1(s.count));
    HzB->setChecked(s.hz);
    RadB->setChecked(!s.hz);
    Oct->setChecked(s.stepping == Stepping::Oct);
    Dec->setChecked(s.stepping == Stepping::Dec);
    Lin->setChecked(s.stepping == Stepping::Lin);
}

ListSettings TFormLista::Settings() const
{
    ListSettings s;
    for (int i = 0; i < kListFields; ++i)
        s.fields[i] = Campi->item(i)->checkState() == Qt::Checked;
    s.start = Bytes(StartF->text());
    s.stop = Bytes(StopF->text());
    s.count = Bytes(NumP->text());
    s.hz = HzB->isChecked();
    s.stepping = Dec->isChecked() ? Stepping::Dec : Lin->isChecked() ? Stepping::Lin : Stepping::Oct;
    return s;
}

bool TFormLista::Fill(const std::function<bool(FDT&, std::string&)>& fill, bool& filled, std::string& error)
{
    if (!owner_ || Busy())
        return false;
    BusyScope busy(*this);
    bool run = owner_->RunListCommand([&](FDT& f) { filled = fill(f, error); });
    if (run)
        ShowTable();
    return run;
}

void TFormLista::OKClick()
{
    ListSettings settings = Settings();
    bool filled = false;
    std::string error;
    if (!Fill([&](FDT& f, std::string& e) { return FillValueTable(f, settings, table_, e); }, filled, error))
        return;
    if (filled)
        shown_ = Shown::Values;
    else
        ShowMessage(error);
}

void TFormLista::Button1Click()
{
    bool filled = false;
    std::string error;
    if (!Fill([&](FDT& f, std::string& e) { return FillPoleZeroTable(f, table_, e); }, filled, error))
        return;
    if (filled)
        shown_ = Shown::PolesZeros;
    else
        MessageBox(error, "Error", MsgIcon::Error);
}

void TFormLista::Follow()
{
    if (!owner_)
        return;
    setWindowTitle(Latin1(ListCaption(owner_->Model() ? owner_->Model()->fdtPath : "")));
    if (!owner_->Model() || !owner_->Model()->loaded) {
        table_ = ListTable{};
        shown_ = Shown::Nothing;
        ShowTable();
    } else if (shown_ == Shown::Values) {
        OKClick();
    } else if (shown_ == Shown::PolesZeros) {
        Button1Click();
    }
}

void TFormLista::ShowTable()
{
    Grid->setRowCount(table_.Rows());
    Grid->setColumnCount(table_.Columns());
    const QBrush fixed = palette().button();
    for (int r = 0; r < table_.Rows(); ++r)
        for (int c = 0; c < table_.Columns(); ++c) {
            auto* item = new QTableWidgetItem(Latin1(table_.cells[r][c]));
            if (r == 0 || c == 0)
                item->setBackground(fixed);
            Grid->setItem(r, c, item);
        }
    // Columns are kColumnWidth wide, or wider where a text needs more.
    Grid->resizeColumnsToContents();
    for (int c = 0; c < table_.Columns(); ++c)
        Grid->setColumnWidth(c, std::max(kColumnWidth, Grid->columnWidth(c)));
    Grid->setVisible(table_.visible);
}

void TFormLista::CopyToClipboard() { QApplication::clipboard()->setText(Latin1(ListClipboardText(table_))); }

void TFormLista::PrintGrid(QPrinter& printer)
{
    QPainter painter;
    if (!painter.begin(&printer)) {
        ShowMessage("The printer cannot print!");
        return;
    }
    PrintedFont font = PrinterTextFont(painter);
    PrintPages(printer, painter, font, ListPrintPages(table_, font.lineHeight, font.charWidth, font.pageHeight));
    painter.end();
}

void TFormLista::FormClose()
{
    if (owner_)
        owner_->ValueListClosed();
}

#include "viewer/app/ParamDlg.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include "platform/Latin1.h"

TParamDlg* ParamDlg = nullptr;

namespace {

QPushButton* Button(QWidget* parent, const char* caption, int x, int y)
{
    auto* button = new QPushButton(caption, parent);
    button->setGeometry(x, y, 75, 25);
    return button;
}

}  // namespace

TParamDlg::TParamDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle("Parameter");
    Bevel1 = new QFrame(this);
    Bevel1->setFrameShape(QFrame::StyledPanel);
    Bevel1->setFrameShadow(QFrame::Sunken);
    Bevel1->setGeometry(8, 8, 250, 222);
    Label2 = new QLabel("Component:", this);
    Label2->setGeometry(18, 14, 100, 16);
    ListBox1 = new QListWidget(this);
    ListBox1->setGeometry(18, 32, 110, 188);
    Label1 = new QLabel("Values:", this);
    Label1->setGeometry(140, 14, 100, 16);
    for (int i = 0; i < 6; ++i) {
        edits_[i] = new QLineEdit(this);
        edits_[i]->setGeometry(140, 32 + i * 28, 108, 23);
    }
    Edit1 = edits_[0];
    Edit2 = edits_[1];
    Edit3 = edits_[2];
    Edit4 = edits_[3];
    Edit5 = edits_[4];
    Edit6 = edits_[5];
    OKBtn = Button(this, "OK", 268, 8);
    OKBtn->setDefault(true);
    CancelBtn = Button(this, "Cancel", 268, 38);
    delButt = Button(this, "Delete All", 268, 205);
    connect(OKBtn, &QPushButton::clicked, this, [this] { OKBtnClick(); });
    connect(CancelBtn, &QPushButton::clicked, this, [this] { CancelBtnClick(); });
    connect(delButt, &QPushButton::clicked, this, [this] { delButtClick(); });
    setFixedSize(351, 238);
    ParamDlg = this;
}

TParamDlg::~TParamDlg()
{
    if (ParamDlg == this)
        ParamDlg = nullptr;
}

void TParamDlg::Fill(const ParamDialogState& state)
{
    ListBox1->clear();
    for (const std::string& item : state.items)
        ListBox1->addItem(Latin1(item));
    for (int i = 0; i < 6; ++i)
        edits_[i]->setText(Latin1(state.edits[i]));
    ListBox1->setCurrentRow(state.selected);
}

ParamDialogState TParamDlg::State() const
{
    ParamDialogState state;
    for (int i = 0; i < ListBox1->count(); ++i)
        state.items.push_back(Bytes(ListBox1->item(i)->text()));
    for (int i = 0; i < 6; ++i)
        state.edits[i] = Bytes(edits_[i]->text());
    state.selected = ListBox1->currentRow();
    return state;
}

void TParamDlg::delButtClick()
{
    ParamDialogState state = State();
    DeleteAllValues(state);
    for (int i = 0; i < 6; ++i)
        edits_[i]->setText(Latin1(state.edits[i]));
}

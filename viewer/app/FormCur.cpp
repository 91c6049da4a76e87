#include "viewer/app/FormCur.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QShowEvent>

#include "viewer/app/FrameServices.h"
#include "platform/Latin1.h"

TFormCur* FormCur = nullptr;

namespace {

constexpr int kWidth = 150;
constexpr int kEditLeft = 32;

}  // namespace

TFormCur::TFormCur(QWidget* parent) : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
{
    setWindowTitle("Cursor");
    for (int i = 0; i < kCursorEdits; ++i) {
        auto* edit = new QLineEdit(this);
        edit->setReadOnly(true);
        edit->setFocusPolicy(Qt::NoFocus);
        edit->setGeometry(kEditLeft, kCursorEditTops[i], kWidth - kEditLeft - 8, kCursorEditHeight);
        TColor colour = kCursorEditColours[i];
        QPalette palette = edit->palette();
        palette.setColor(QPalette::Text, QColor(RedOf(colour), GreenOf(colour), BlueOf(colour)));
        edit->setPalette(palette);
        if (i > 0) {
            QFont font = edit->font();
            font.setPixelSize(12);
            edit->setFont(font);
        }
        edits_[i] = edit;
    }
    Edit1 = edits_[0];
    Edit2 = edits_[1];
    Edit3 = edits_[2];
    Edit4 = edits_[3];
    Edit5 = edits_[4];
    Edit6 = edits_[5];
    Edit7 = edits_[6];
    Label1 = new QLabel("X:", this);
    Label1->setGeometry(10, kCursorEditTops[0], kEditLeft - 12, kCursorEditHeight);
    Bevel1 = new QFrame(this);
    Bevel1->setFrameShape(QFrame::HLine);
    Bevel1->setFrameShadow(QFrame::Sunken);
    Bevel1->setGeometry(4, kCursorEditTops[0] + kCursorEditHeight, kWidth - 8, 4);
    setFixedSize(kWidth, kCursorDesignedHeight);
    FormCur = this;
}

TFormCur::~TFormCur()
{
    if (FormCur == this)
        FormCur = nullptr;
}

void TFormCur::ShowReadouts(const CursorReadouts& readouts)
{
    for (int i = 0; i < kCursorEdits; ++i)
        edits_[i]->setText(Latin1(readouts.texts[i]));
    setFixedSize(kWidth, readouts.clientHeight);
}

void TFormCur::showEvent(QShowEvent* event)
{
    if (!placed_ && parentWidget()) {  // first shown at the right of the main window, below its bars
        QRect owner = parentWidget()->geometry();
        move(owner.right() - width() - 24, owner.top() + 96);
        placed_ = true;
    }
    QWidget::showEvent(event);
    if (!event->spontaneous() && MainFrame)
        MainFrame->SetCursorDown(true);
}

void TFormCur::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    if (event->spontaneous())
        return;
    if (MainFrame)
        MainFrame->SetCursorDown(false);
    emit Hidden();
}

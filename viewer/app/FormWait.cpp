#include "viewer/app/FormWait.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>

namespace {

constexpr int kWidth = 372;
constexpr int kHeight = 42;        // bar and label
constexpr int kAbortHeight = 69;   // with the Abort button below

}  // namespace

TFormWait::TFormWait(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint),
      Bar(new QProgressBar(this)),
      Label1(new QLabel("Wait, reading fdt file .......", this)),
      Button1(new QPushButton("Abort", this))
{
    setWindowTitle("Tervox");
    Bar->setRange(0, 100);
    Bar->setTextVisible(false);
    Bar->setGeometry(8, 4, kWidth - 16, 14);
    Label1->setGeometry(0, 20, kWidth, 20);
    Label1->setAlignment(Qt::AlignCenter);
    QFont font = Label1->font();
    font.setPixelSize(13);
    font.setBold(true);
    Label1->setFont(font);
    Label1->setStyleSheet("color: blue");
    Button1->setGeometry((kWidth - 80) / 2, kHeight, 80, 23);
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    setFixedSize(kWidth, kHeight);
}

void TFormWait::showEvent(QShowEvent* event)
{
    abortRequested = false;
    Button1->setVisible(showAbort);
    setFixedSize(kWidth, showAbort ? kAbortHeight : kHeight);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    QWidget::showEvent(event);
}

WaitProgress::~WaitProgress() { End(); }

void WaitProgress::Begin(bool canAbort)
{
    End();
    window_ = new TFormWait(owner_ ? owner_->window() : nullptr);
    window_->showAbort = canAbort;
    window_->Bar->setValue(0);
    started_.start();
}

void WaitProgress::SetPercent(int percent)
{
    if (window_)
        window_->Bar->setValue(percent);
}

bool WaitProgress::AbortRequested() { return window_ && window_->abortRequested; }

void WaitProgress::ProcessMessages()
{
    if (window_ && !window_->isVisible() && started_.elapsed() >= showAfterMs)
        window_->show();
    QCoreApplication::processEvents();
}

void WaitProgress::End()
{
    if (window_)
        delete window_.data();
}

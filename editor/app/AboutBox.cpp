#include "editor/app/AboutBox.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

#include "editor/app/AboutPicture.h"

TAboutBox* AboutBox = nullptr;

namespace {
constexpr unsigned kProductVersion[4] = {TERVOX_PRODUCT_VERSION};
}

std::uint32_t ProductVersionLS()
{
    return (kProductVersion[2] << 16) | (kProductVersion[3] & 0xFFFF);
}

std::string BuildText(std::uint32_t productVersionLS)
{
    return "Build " + std::to_string(productVersionLS >> 16) + "." + std::to_string(productVersionLS & 0xFFFF);
}

TAboutBox::TAboutBox(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      Image1(new QLabel(this)),
      Labinfo(new QLabel(this))
{
    setWindowTitle("About");
    setFixedSize(kAboutWidth, kAboutHeight);
    Image1->setGeometry(0, 0, kAboutWidth, kAboutHeight);
    Image1->setPixmap(QPixmap::fromImage(AboutPicture()));
    QFont font("Arial");
    font.setPixelSize(13);
    font.setBold(true);
    font.setItalic(true);
    Labinfo->setFont(font);
    Labinfo->setStyleSheet("color: #ffff00; background: transparent;");
    Labinfo->setText(QString::fromStdString(BuildText(ProductVersionLS())));
    Labinfo->move(412, 63);
    Labinfo->adjustSize();
    Timer1.setInterval(5000);
    connect(&Timer1, &QTimer::timeout, this, &TAboutBox::Timer1Timer);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    AboutBox = this;
    show();
}

TAboutBox::~TAboutBox()
{
    AboutBox = nullptr;
}

void TAboutBox::showEvent(QShowEvent* event)
{
    Timer1.start();
    QWidget::showEvent(event);
}

void TAboutBox::Timer1Timer()
{
    Timer1.stop();
    hide();
}

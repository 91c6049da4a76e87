#pragma once
// TAboutBox: the program's picture with its build number. It shows itself
// when created, as a splash over the starting program, and again by Help >
// About; Timer1 hides it five seconds after each showing.
#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <string>

class QLabel;

class TAboutBox : public QWidget {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);
    ~TAboutBox() override;

    void Timer1Timer();

    QLabel* Image1;
    QLabel* Labinfo;
    QTimer Timer1;

protected:
    // FormShow: starts Timer1.
    void showEvent(QShowEvent* event) override;
};

extern TAboutBox* AboutBox;

// The least significant double word of the product version compiled into
// the program (its third and fourth parts).
std::uint32_t ProductVersionLS();
// "Build " and the high and low 16 bits of that double word: "Build 1.57".
std::string BuildText(std::uint32_t productVersionLS);

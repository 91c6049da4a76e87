#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTest>
#include <gtest/gtest.h>

#include "platform/BreakableText.h"
#include "platform/MessageWindow.h"
#include "platform/PathText.h"

namespace {

QLabel& TextOf(MessageWindow& box)
{
    auto* area = box.findChild<QScrollArea*>();
    return *qobject_cast<QLabel*>(area->widget());
}

// The box lies on the screen, and every line of its text has room in the
// label, which the scroll area can bring wholly into view.
void ExpectWholeTextOnScreen(MessageWindow& box, const QString& text)
{
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    EXPECT_TRUE(QGuiApplication::primaryScreen()->availableGeometry().contains(box.frameGeometry()))
        << box.frameGeometry().width() << "x" << box.frameGeometry().height();
    QLabel& label = TextOf(box);
    EXPECT_EQ(QString(label.text()).remove(QChar(kBreakChance)), text);
    const QRect needed = label.fontMetrics().boundingRect(QRect(0, 0, label.width(), 1 << 24), Qt::TextWordWrap,
                                                          label.text());
    EXPECT_LE(needed.width(), label.width()) << "no line is cut";
    EXPECT_LE(needed.height(), label.height());
    auto* area = box.findChild<QScrollArea*>();
    EXPECT_LE(label.width(), area->viewport()->width());
    EXPECT_GE(area->viewport()->height() + area->verticalScrollBar()->maximum(), label.height());
}

QString CannotCreate(int nameBytes)
{
    return DisplayText("Cannot create file \"filters/" + std::string(nameBytes, 'n') +
                       "\"\r\nIts name is too long for the file system!");
}

}  // namespace

TEST(MessageWindow, ALongFileNameIsShownWholeOnTheScreen)
{
    MessageWindow box(CannotCreate(250), "Error", MsgIcon::Error, MsgButtons::Ok);
    ExpectWholeTextOnScreen(box, CannotCreate(250));
    EXPECT_FALSE(box.findChild<QScrollArea*>()->verticalScrollBar()->isVisible());
}

TEST(MessageWindow, AFileNameOfThousandsOfBytesIsShownWholeOnTheScreen)
{
    MessageWindow box(CannotCreate(4000), "Error", MsgIcon::Error, MsgButtons::Ok);
    ExpectWholeTextOnScreen(box, CannotCreate(4000));
}

TEST(MessageWindow, ATextTallerThanTheScreenScrolls)
{
    QString text;
    for (int line = 1; line <= 400; ++line)
        text += QString("Error in line %1\r\n").arg(line);
    MessageWindow box(text, "Warning", MsgIcon::Warning, MsgButtons::YesNo);
    ExpectWholeTextOnScreen(box, text);
    EXPECT_TRUE(box.findChild<QScrollArea*>()->verticalScrollBar()->isVisible());
}

// A short message keeps the size an unwrapped label has, unchanged, with
// the icon of a standard box.
TEST(MessageWindow, AShortMessageKeepsItsNaturalSize)
{
    for (const QString text : {"Save?", "Big?\r\nSure?", "Cannot create file \"filters/a.xch\""}) {
        MessageWindow box(text, "Confirm", MsgIcon::Confirmation, MsgButtons::YesNoCancel);
        ExpectWholeTextOnScreen(box, text);
        QLabel& label = TextOf(box);
        EXPECT_EQ(label.text(), text);
        EXPECT_EQ(label.size(), QLabel(text).sizeHint()) << text.toStdString();
        EXPECT_FALSE(box.findChild<QScrollArea*>()->verticalScrollBar()->isVisible());
        const int size = box.style()->pixelMetric(QStyle::PM_MessageBoxIconSize);
        const QImage question = box.style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(size, size).toImage();
        bool hasIcon = false;
        for (QLabel* picture : box.findChildren<QLabel*>())
            hasIcon = hasIcon || picture->pixmap().toImage() == question;
        EXPECT_TRUE(hasIcon);
    }
}

// The first button is the default; Esc and closing the window answer as a
// message box does.
TEST(MessageWindow, AnswersOfTheButtonsOfEscAndOfTheFrame)
{
    struct Case {
        MsgButtons buttons;
        const char* first;
        MsgResult escape;
    };
    for (const Case c : {Case{MsgButtons::Ok, "OK", MsgResult::Ok}, Case{MsgButtons::YesNo, "Yes", MsgResult::No},
                         Case{MsgButtons::YesNoCancel, "Yes", MsgResult::Cancel}}) {
        SCOPED_TRACE(c.first);
        for (bool byEsc : {true, false}) {
            MessageWindow box("Sure?", "Confirm", MsgIcon::Confirmation, c.buttons);
            box.show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
            std::vector<QString> defaults;
            for (QPushButton* button : box.findChildren<QPushButton*>())
                if (button->isDefault())
                    defaults.push_back(button->text().remove('&'));
            EXPECT_EQ(defaults, std::vector<QString>{c.first});
            if (byEsc)
                QTest::keyClick(&box, Qt::Key_Escape);
            else
                box.close();
            EXPECT_FALSE(box.isVisible());
            EXPECT_EQ(box.Answer(), c.escape);
        }
    }
    const std::pair<const char*, MsgResult> clicks[] = {
        {"Yes", MsgResult::Yes}, {"No", MsgResult::No}, {"Cancel", MsgResult::Cancel}};
    for (const auto& [text, answer] : clicks) {
        MessageWindow box("Save?", "Confirm", MsgIcon::Confirmation, MsgButtons::YesNoCancel);
        box.show();
        for (QPushButton* button : box.findChildren<QPushButton*>())
            if (button->text().remove('&') == text)
                QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_FALSE(box.isVisible());
        EXPECT_EQ(box.Answer(), answer) << text;
    }
}

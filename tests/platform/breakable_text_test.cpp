#include <QApplication>
#include <QFontMetricsF>
#include <cmath>
#include <gtest/gtest.h>

#include "platform/BreakableText.h"

namespace {

int Width(const QFontMetricsF& metrics, const QString& word)
{
    return static_cast<int>(std::ceil(metrics.horizontalAdvance(word)));
}

}  // namespace

TEST(BreakableText, OnlyWordsWiderThanTheLineGetBreakChances)
{
    const QFontMetricsF metrics(QApplication::font());
    const QString path = "filters/" + QString(250, 'n') + ".xch";
    const QString text = "Cannot create file \"" + path + "\"\r\nIts name is\ttoo long!";
    const int width = Width(metrics, "Cannot create file");
    const QString quoted = '"' + path + '"';
    QString brokenQuoted;
    for (QChar ch : quoted)
        brokenQuoted += (brokenQuoted.isEmpty() ? "" : QString(QChar(kBreakChance))) + ch;
    EXPECT_EQ(BreakableText(text, metrics, width), "Cannot create file " + brokenQuoted + "\r\nIts name is\ttoo long!");
    EXPECT_EQ(BreakableText(text, metrics, Width(metrics, quoted)), text) << "a word as wide as the line";
}

// A character made of several code units, or of a letter and its accent,
// stays whole.
TEST(BreakableText, CharactersStayWhole)
{
    const QFontMetricsF metrics(QApplication::font());
    const QString accented = QString::fromUtf8("e\u0301");
    const QString smiley = QString::fromUtf8("\U0001F600");
    const QString word = accented + smiley + "ab";
    const QChar chance(kBreakChance);
    EXPECT_EQ(BreakableText(word, metrics, 1), accented + chance + smiley + chance + "a" + chance + "b");
    EXPECT_EQ(BreakableText("", metrics, 1), "");
    EXPECT_EQ(BreakableText(" \r\n ", metrics, 1), " \r\n ");
}

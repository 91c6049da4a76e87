#include "platform/BreakableText.h"

#include <QFontMetricsF>
#include <QTextBoundaryFinder>
#include <cmath>

namespace {

QString Breakable(const QString& word)
{
    QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, word);
    QString broken;
    qsizetype from = 0;
    for (qsizetype to = characters.toNextBoundary(); to != -1; to = characters.toNextBoundary()) {
        if (from > 0)
            broken += kBreakChance;
        broken += word.mid(from, to - from);
        from = to;
    }
    return broken;
}

}  // namespace

QString BreakableText(const QString& text, const QFontMetricsF& metrics, int width)
{
    QString result;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = start;
        const bool blank = text[start].isSpace();
        while (end < text.size() && text[end].isSpace() == blank)
            ++end;
        const QString run = text.mid(start, end - start);
        result += !blank && std::ceil(metrics.horizontalAdvance(run)) > width ? Breakable(run) : run;
        start = end;
    }
    return result;
}

#include "platform/CanvasText.h"

#include <algorithm>
#include <cstdlib>

#include "platform/Latin1.h"
#include "platform/SymbolFont.h"

QFont QtFontOf(const TFont& font, bool antialias)
{
    QFont qt(font.Name == "Symbol" ? QString("Arial") : QString::fromLatin1(font.Name.c_str()));
    qt.setPixelSize(std::max(1, std::abs(font.Height)));
    qt.setWeight(static_cast<QFont::Weight>(std::clamp(font.Weight, 100, 900)));
    if (!antialias)
        qt.setStyleStrategy(QFont::NoAntialias);
    return qt;
}

QString QtTextOf(const TFont& font, const std::string& text)
{
    if (font.Name == "Symbol")
        return SymbolFontText(text);
    return Latin1(text);
}

QPoint AlignedTopLeft(const QFontMetrics& metrics, int width, unsigned align)
{
    QPoint at;
    if ((align & TextAlign::HorizontalMask) == TextAlign::Center)
        at.setX(-width / 2);
    else if ((align & TextAlign::HorizontalMask) == TextAlign::Right)
        at.setX(-width);
    if ((align & TextAlign::VerticalMask) == TextAlign::Bottom)
        at.setY(-metrics.height());
    else if ((align & TextAlign::VerticalMask) == TextAlign::Baseline)
        at.setY(-metrics.ascent());
    return at;
}

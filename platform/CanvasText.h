#pragma once
// Text on the Qt canvases: the Qt font of a canvas font, the 8-bit text as
// Qt shows it, and where an aligned text's top-left corner lies.
#include <QFont>
#include <QFontMetrics>
#include <QPoint>
#include <QString>
#include <string>

#include "platform/Canvas.h"

// The font at its pixel height; antialias false draws hard pixel edges.
QFont QtFontOf(const TFont& font, bool antialias);
// The bytes in Latin-1, or mapped as the "Symbol" font shows them.
QString QtTextOf(const TFont& font, const std::string& text);
// The top-left corner of a text of that width, relative to the point given
// to TextOut, by the alignment flags.
QPoint AlignedTopLeft(const QFontMetrics& metrics, int width, unsigned align);

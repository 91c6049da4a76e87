#pragma once
// Pages of text on a printer, in the font that result windows and value
// lists print with.
#include <QFont>
#include <vector>

#include "viewer/window/PrintLayout.h"

class QPainter;
class QPrinter;

struct PrintedFont {
    QFont font;
    int lineHeight = 0;  // printer pixels
    int charWidth = 0;   // of a digit
    int pageHeight = 0;  // of the printable area
};

// The font and its sizes on the printer the painter draws on.
PrintedFont PrinterTextFont(QPainter& painter);

// Each page's texts at their top-left corners; a new page before each page
// after the first.
void PrintPages(QPrinter& printer, QPainter& painter, const PrintedFont& font, const std::vector<PrintPage>& pages);

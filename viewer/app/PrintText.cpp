#include "viewer/app/PrintText.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

namespace {

constexpr int kPoints = 10;

}  // namespace

PrintedFont PrinterTextFont(QPainter& painter)
{
    PrintedFont printed;
    printed.font = QFont("Arial");
    printed.font.setPointSize(kPoints);
    QFontMetrics metrics(printed.font, painter.device());
    printed.lineHeight = metrics.height();
    printed.charWidth = metrics.horizontalAdvance('0');
    printed.pageHeight = painter.viewport().height();
    return printed;
}

void PrintPages(QPrinter& printer, QPainter& painter, const PrintedFont& font, const std::vector<PrintPage>& pages)
{
    painter.setFont(font.font);
    // A printer keeps the pen of its last document, which a painter that
    // starts with the default black pen would not replace.
    painter.setPen(Qt::NoPen);
    painter.setPen(Qt::black);
    const int ascent = QFontMetrics(font.font, painter.device()).ascent();
    for (std::size_t p = 0; p < pages.size(); ++p) {
        if (p > 0)
            printer.newPage();
        for (const PrintedText& text : pages[p])
            painter.drawText(text.x, text.y + ascent,
                             QString::fromLatin1(text.text.data(), static_cast<qsizetype>(text.text.size())));
    }
}

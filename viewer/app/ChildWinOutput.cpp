// Copy and Print of a result window: the memo's text when it shows, else
// the plot.
#include <QApplication>
#include <QClipboard>
#include <QPainter>
#include <QPrinter>

#include "platform/Latin1.h"
#include "platform/PainterCanvas.h"
#include "viewer/app/ChildWin.h"
#include "viewer/app/PrintText.h"

namespace {

// The plot prints in pixels of a screen, scaled to the page.
constexpr int kScreenPixelsPerInch = 96;

}  // namespace

void TMDIChild::CopyToClipboard()
{
    if (Busy())
        return;
    if (core_.ShowsText())
        QApplication::clipboard()->setText(Latin1(core_.MemoText()));
    else
        QApplication::clipboard()->setImage(PaintBox1->Canvas().Image());
}

void TMDIChild::PrintView(QPrinter& printer)
{
    if (Busy())
        return;
    BusyScope busy(*this);
    QPainter painter;
    if (!painter.begin(&printer)) {
        ShowMessage("The printer cannot print!");
        return;
    }
    if (core_.ShowsText()) {
        PrintedFont font = PrinterTextFont(painter);
        PrintPages(printer, painter, font, core_.MemoPrintPages(font.lineHeight, font.pageHeight));
    } else {
        PrintPlot(printer, painter);
    }
    painter.end();
}

// The plot at the largest size with the proportions of the plot area that
// fits the page; lines, margins and texts keep their proportions too.
void TMDIChild::PrintPlot(QPrinter& printer, QPainter& painter)
{
    const double scale = static_cast<double>(printer.resolution()) / kScreenPixelsPerInch;
    const QRect page = painter.viewport();
    PlotSize size = FitPlotToPage(PaintBox1->width(), PaintBox1->height(), static_cast<int>(page.width() / scale),
                                  static_cast<int>(page.height() / scale));
    if (size.w == 0)
        return;
    painter.scale(scale, scale);
    PainterCanvas canvas(painter);
    canvas.SetFont(PlotFont());
    core_.PrintPlot(canvas, size.w, size.h, kScreenPixelsPerInch);
}

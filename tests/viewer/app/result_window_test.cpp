// The result window wires its menu, panel and plot area to the viewer core:
// the views show in the plot area or the memo, Refresh reads the panel and
// the grid, the interval comes from the frame and goes back to it.
#include <QAction>
#include <QClipboard>
#include <QLineEdit>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <complex>
#include <regex>
#include <set>
#include <numbers>

#include "Fixture.h"
#include "platform/Help.h"
#include "tests/support/NetworkFiles.h"

namespace {

int PixelsOf(const QImage& image, QRgb colour, QRect area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += image.pixel(x, y) == colour;
    return count;
}

int NonWhite(const QImage& image, QRect area)
{
    return area.width() * area.height() - PixelsOf(image, qRgb(255, 255, 255), area);
}

void SetCell(QTableWidget* grid, const std::string& name, const std::string& value)
{
    for (int r = 0; r < grid->rowCount(); ++r)
        if (grid->item(r, 0)->text().toStdString() == name)
            grid->item(r, 1)->setText(QString::fromStdString(value));
}

std::string Cell(QTableWidget* grid, const std::string& name)
{
    for (int r = 0; r < grid->rowCount(); ++r)
        if (grid->item(r, 0)->text().toStdString() == name)
            return grid->item(r, 1)->text().toStdString();
    return "?";
}

void PrintToPdf(TMDIChild& window, const std::string& path)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(path));
    window.PrintView(printer);
}

// The fill colours ("r g b scn") in force at the texts of a PDF that Qt wrote.
std::set<std::string> PdfTextColours(const std::string& path)
{
    const std::string pdf = ReadBytes(path);
    const std::regex colour("([0-9.]+ [0-9.]+ [0-9.]+) scn");
    std::set<std::string> colours;
    for (std::size_t at = pdf.find(">>\nstream\n"); at != std::string::npos; at = pdf.find(">>\nstream\n", at + 1)) {
        if (pdf.rfind("/FlateDecode", at) < pdf.rfind("<<", at))
            continue;
        const std::size_t begin = at + 10, end = pdf.find("endstream", begin);
        // qUncompress wants the size first; any size large enough will do.
        const std::string text = qUncompress(QByteArray("\x01\x00\x00\x00", 4) + QByteArray(pdf.data() + begin,
                                                                                           end - begin))
                                     .toStdString();
        // The colour in force where each text begins.
        for (std::size_t bt = text.find("BT\n"); bt != std::string::npos; bt = text.find("BT\n", bt + 1)) {
            std::smatch last;
            std::string before = text.substr(0, bt);
            for (auto it = std::sregex_iterator(before.begin(), before.end(), colour); it != std::sregex_iterator(); ++it)
                last = *it;
            colours.insert(last.empty() ? "none" : last[1].str());
        }
    }
    return colours;
}

}  // namespace

TEST_F(ResultTest, OpensOnTheSymbolicTextWithTheIntervalOfTheFrame)
{
    frame.interval = {"2", "300", "0.5", false};
    window.OpenFdt(Example("sallen_key"));
    EXPECT_EQ(window.windowTitle().toStdString(), "sallen_key.fdt");
    EXPECT_EQ(window.Panel4->currentWidget(), window.Memo1);
    EXPECT_EQ(window.Memo1->toPlainText().toStdString(),
              "(  -1)\n\n" + std::string(78, '-') + "\n\n(  -1)\n\n(  - C2 R2 - C2 R1) s\n\n(  - C2 C1 R1 R2) s^2\n");
    const ResultPanel& panel = *window.Panel1;
    EXPECT_EQ(panel.Start->text(), "2");
    EXPECT_EQ(panel.End->text(), "300");
    EXPECT_EQ(panel.EndTime->text(), "0.5");
    EXPECT_TRUE(panel.RadButt->isChecked());
    EXPECT_FALSE(panel.HzButt->isChecked());
    ASSERT_EQ(panel.StringGrid1->rowCount(), 4);
    EXPECT_EQ(Cell(panel.StringGrid1, "R1"), "10000");
    EXPECT_TRUE(panel.Button2->isEnabled());
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(window.ChildMenus().size(), 12);
}

// What the user typed goes back to the frame for the next window.
TEST_F(ResultTest, AFileNameWithAccentsShowsAsItIs)
{
    const std::filesystem::path copy = folder / "r\xc3\xa9sonance.fdt";
    std::filesystem::copy_file(Example("sallen_key"), copy);
    std::filesystem::copy_file(folder / "sallen_key.par", folder / "r\xc3\xa9sonance.par");
    window.OpenFdt(copy.string());
    EXPECT_EQ(window.windowTitle(), QString::fromUtf8("r\xc3\xa9sonance.fdt"));
}

TEST_F(ResultTest, ClosingGivesTheEditedIntervalBack)
{
    window.OpenFdt(Example("sallen_key"));
    window.Panel1->Start->setText("7");
    window.Panel1->EndTime->setText("0.25");
    window.Panel1->RadButt->setChecked(true);
    window.close();
    EXPECT_EQ(frame.remembered, 1);
    EXPECT_EQ(frame.interval.start, "7");
    EXPECT_EQ(frame.interval.end, "1e5");
    EXPECT_EQ(frame.interval.endTime, "0.25");
    EXPECT_FALSE(frame.interval.hz);
}

// Each view from the menu: a plot with its frame and curve, the map, the
// texts in the plot area, the symbolic text in the memo; the caption and
// the panel follow the view.
TEST_F(ResultTest, EachViewFromTheMenuShowsInThePlotArea)
{
    window.OpenFdt(Example("sallen_key"));
    struct Case {
        QAction* item;
        const char* caption;
        enum { Plot, Map, Text } shows;
    };
    for (const Case& c : {Case{window.Gain1, "sallen_key.fdt - Gain", Case::Plot},
                          Case{window.Loss1, "sallen_key.fdt", Case::Plot},
                          Case{window.Phase1, "sallen_key.fdt - Phase", Case::Plot},
                          Case{window.Delay1, "sallen_key.fdt - Delay", Case::Plot},
                          Case{window.PoleZero1, "sallen_key.fdt - Poles/Zeros", Case::Map},
                          Case{window.ImpulseResp1, "sallen_key.fdt - Step Response", Case::Plot},
                          Case{window.StepResp1, "sallen_key.fdt - Impulse Response", Case::Plot},
                          Case{window.Numeric2, "sallen_key.fdt - Numeric", Case::Text},
                          Case{window.Phasor1, "sallen_key.fdt - Phasor", Case::Text}}) {
        SCOPED_TRACE(c.caption);
        c.item->trigger();
        EXPECT_EQ(window.windowTitle().toStdString(), c.caption);
        ASSERT_EQ(window.Panel4->currentWidget(), window.PaintBox1);
        QImage plot = Plot();
        ASSERT_EQ(plot.size(), window.PaintBox1->size());
        const PlotFrame& f = Model().frame;
        if (c.shows == Case::Text) {
            EXPECT_GT(NonWhite(plot, QRect(0, 0, plot.width(), 120)), 100);
        } else {
            const int inside = c.shows == Case::Map ? 1 : 0;  // the map's rectangle excludes its far edges
            for (QPoint corner : {QPoint(f.left, f.top), QPoint(f.right - inside, f.bottom - inside)})
                EXPECT_EQ(plot.pixel(corner), qRgb(0, 0, 0));
            EXPECT_GT(PixelsOf(plot, qRgb(0, 0, 255), QRect(f.left + 1, f.top + 1, f.right - f.left - 2,
                                                            f.bottom - f.top - 2)),
                      5);
        }
        EXPECT_EQ(window.Panel1->End->isVisible(), c.item != window.Phasor1);
        EXPECT_EQ(window.Panel1->Label7->text(), c.item == window.Phasor1 ? "Frequency" : "Frequency Interval");
    }
    window.FdT1->trigger();
    EXPECT_EQ(window.windowTitle().toStdString(), "sallen_key.fdt - Symbolic");
    EXPECT_EQ(window.Panel4->currentWidget(), window.Memo1);
    EXPECT_TRUE(dialogs.shown.empty());
}

// An error of a computation is reported and the symbolic text shows.
TEST_F(ResultTest, AComputationErrorShowsTheSymbolicText)
{
    frame.interval.start = "0";
    window.OpenFdt(Example("sallen_key"));
    window.Gain1->trigger();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "Bad frequency limits !");
    EXPECT_EQ(dialogs.shown[0].caption, "Error");
    EXPECT_EQ(window.windowTitle().toStdString(), "sallen_key.fdt - Symbolic");
    EXPECT_EQ(window.Panel4->currentWidget(), window.Memo1);
}

// In the Phasor view a source's cell reads "value P phase"; Refresh takes
// the edits and the grid.
TEST_F(ResultTest, RefreshReadsThePanelAndThePhasorCells)
{
    window.OpenFdt(WriteNetwork(folder.Folder(), "v", {"V1", "R", "C"}, {1, 1000, 1e-6}, {{1, 0, {0}}},
                                {{1, 0, {}}, {1, 1, {1, 2}}}));
    window.Phasor1->trigger();
    QTableWidget* grid = window.Panel1->StringGrid1;
    EXPECT_EQ(Cell(grid, "V1"), "1 P 0");
    SetCell(grid, "V1", "2P45");
    SetCell(grid, "R", "2000");
    window.Panel1->Start->setText("100");
    QTest::mouseClick(window.Panel1->ValTx, Qt::LeftButton);
    EXPECT_EQ(Model().GetCompo(0).value, 2);
    EXPECT_EQ(Model().GetCompo(0).phase, 45);
    EXPECT_EQ(Model().GetCompo(1).value, 2000);
    EXPECT_EQ(Cell(grid, "V1"), "2 P 45");
    const double w = 2 * std::numbers::pi * 100;
    std::complex<double> expected = std::polar(2.0, std::numbers::pi / 4) / std::complex<double>(1, w * 2000 * 1e-6);
    EXPECT_NEAR(std::abs(Model().phasorResult - expected), 0, 1e-12);

    window.Gain1->trigger();  // the same row shows only the value
    EXPECT_EQ(Cell(grid, "V1"), "2");
}

TEST_F(ResultTest, ANumericResultHasNoGridAndNoSweep)
{
    window.OpenFdt(WriteNetwork(folder.Folder(), "n", {"$", "$"}, {1000, 1e-6}, {{1, 0, {}}},
                                {{1, 0, {}}, {1, 1, {0, 1}}}));
    window.Gain1->trigger();
    EXPECT_FALSE(window.Panel1->StringGrid1->isVisible());
    EXPECT_FALSE(window.Panel1->Button2->isEnabled());
    QTest::mouseClick(window.Panel1->Button2, Qt::LeftButton);
    EXPECT_EQ(Model().curveCount, 1);
}

// The sweep dialog is filled from the window and read back: values close up
// over an empty edit, "Delete All" means one curve again.
TEST_F(ResultTest, TheSweepDialogRoundTrip)
{
    window.OpenFdt(Example("sallen_key"));
    window.Gain1->trigger();
    std::vector<std::string> items;
    AnswerModal([&](QDialog&) {
        for (int i = 0; i < paramDlg.ListBox1->count(); ++i)
            items.push_back(paramDlg.ListBox1->item(i)->text().toStdString());
        paramDlg.ListBox1->setCurrentRow(2);
        QTest::keyClicks(paramDlg.Edit1, "5000");
        QTest::keyClicks(paramDlg.Edit3, "20000");
        QTest::mouseClick(paramDlg.OKBtn, Qt::LeftButton);
    });
    QTest::mouseClick(window.Panel1->Button2, Qt::LeftButton);
    EXPECT_EQ(items, (std::vector<std::string>{"C1", "C2", "R1", "R2"}));
    ASSERT_EQ(Model().curveCount, 2);
    EXPECT_EQ(Model().CompoIndexOfRow(2), Model().sweptComponent);
    EXPECT_EQ(Model().curveValues[0], 5000);
    EXPECT_EQ(Model().curveValues[1], 20000);
    EXPECT_EQ(Cell(window.Panel1->StringGrid1, "R1"), "Param.");
    const PlotFrame& f = Model().frame;  // the second curve, in red
    EXPECT_GT(PixelsOf(Plot(), qRgb(255, 0, 0), QRect(f.left + 1, f.top + 1, f.right - f.left - 2, 100)), 5);

    std::vector<std::string> edits;
    int selected = -1;
    AnswerModal([&](QDialog&) {
        for (QLineEdit* edit : {paramDlg.Edit1, paramDlg.Edit2, paramDlg.Edit3})
            edits.push_back(edit->text().toStdString());
        selected = paramDlg.ListBox1->currentRow();
        QTest::mouseClick(paramDlg.delButt, Qt::LeftButton);
        EXPECT_TRUE(paramDlg.isVisible());
        EXPECT_TRUE(paramDlg.Edit1->text().isEmpty() && paramDlg.Edit2->text().isEmpty());
        QTest::mouseClick(paramDlg.OKBtn, Qt::LeftButton);
    });
    QTest::mouseClick(window.Panel1->Button2, Qt::LeftButton);
    EXPECT_EQ(edits, (std::vector<std::string>{"5000", "20000", ""}));
    EXPECT_EQ(selected, 2);
    EXPECT_EQ(Model().curveCount, 1);
    EXPECT_EQ(Cell(window.Panel1->StringGrid1, "R1"), "10000");
}

TEST_F(ResultTest, CancelKeepsTheSweep)
{
    window.OpenFdt(Example("sallen_key"));
    AnswerModal([&](QDialog&) {
        QTest::keyClicks(paramDlg.Edit1, "1");
        QTest::keyClicks(paramDlg.Edit2, "2");
        QTest::mouseClick(paramDlg.OKBtn, Qt::LeftButton);
    });
    window.Button2Click();
    ASSERT_EQ(Model().curveCount, 2);
    AnswerModal([&](QDialog&) {
        QTest::mouseClick(paramDlg.delButt, Qt::LeftButton);
        QTest::mouseClick(paramDlg.CancelBtn, Qt::LeftButton);
    });
    window.Button2Click();
    EXPECT_EQ(Model().curveCount, 2);
}

TEST_F(ResultTest, CopiesTheMemoTextOrThePlot)
{
    window.OpenFdt(Example("rc_lowpass"));
    window.CopyToClipboard();
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(),
              "(  +1)\r\n\r\n" + std::string(78, '-') + "\r\n\r\n(  +1)\r\n\r\n(  + C1 R1) s\r\n\r\n");
    window.Gain1->trigger();
    window.CopyToClipboard();
    QImage copied = QApplication::clipboard()->image();
    EXPECT_EQ(copied.size(), window.PaintBox1->size());
    EXPECT_EQ(copied.convertToFormat(QImage::Format_RGB32), Plot());
}

TEST_F(ResultTest, PrintsAPlotOnOnePageAndALongTextOnSeveral)
{
    window.OpenFdt(Example("sallen_key"));
    window.Gain1->trigger();
    PrintToPdf(window, folder / "plot.pdf");
    EXPECT_EQ(PdfPages(folder / "plot.pdf"), 1);
    EXPECT_EQ(Model().frame.right, window.PaintBox1->width() - 20);  // the screen keeps its frame

    std::vector<FileTerm> numerator;
    for (int k = 0; k <= 60; ++k)
        numerator.push_back({1.0 + k, k, {0}});
    window.OpenFdt(WriteNetwork(folder.Folder(), "long", {"R"}, {2}, numerator, {{1, 0, {}}, {1, 1, {0}}}));
    ASSERT_GT(window.Memo1->document()->blockCount(), 120);
    PrintToPdf(window, folder / "text.pdf");
    EXPECT_GE(PdfPages(folder / "text.pdf"), 2);
}

// The frame prints every document on its one printer: a text printed after a
// plot is black, not in the colour the plot's last curve left on the printer.
TEST_F(ResultTest, ATextPrintedAfterAPlotIsBlack)
{
    window.OpenFdt(Example("sallen_key"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(folder / "plot.pdf"));
    window.Gain1->trigger();
    window.PrintView(printer);
    window.FdT1->trigger();
    printer.setOutputFileName(QString::fromStdString(folder / "text.pdf"));
    window.PrintView(printer);
    EXPECT_EQ(PdfTextColours(folder / "text.pdf"), std::set<std::string>{"0 0 0"});
}

TEST_F(ResultTest, HelpOpensContext300)
{
    SetHelpFile(folder.Folder(), nullptr);
    QTest::mouseClick(window.Panel1->SpeedButton1, Qt::LeftButton);
    ASSERT_EQ(dialogs.shown.size(), 1u);  // no help pages in the folder
    EXPECT_NE(dialogs.shown[0].text.find(folder / "300.html"), std::string::npos) << dialogs.shown[0].text;
}

TEST_F(ResultTest, ExitClosesTheWindow)
{
    window.OpenFdt(Example("rc_lowpass"));
    QTest::mouseClick(window.Panel1->Exit, Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(frame.remembered, 1);
}

// While the window computes (its reading lets the event loop run), its
// commands are refused, closing waits for the end, and a resize paints.
TEST_F(ResultTest, WhileItComputesCommandsAreRefusedAndClosingWaits)
{
    window.OpenFdt(WriteManyTerms(folder.Folder(), "many", 5000));
    bool ran = false;
    QTimer::singleShot(0, [&] {
        ran = true;
        EXPECT_TRUE(window.Busy());
        window.Phase1->trigger();
        QTest::mouseClick(window.Panel1->ValTx, Qt::LeftButton);
        window.Button2Click();
        window.resize(600, 400);
        window.close();
        EXPECT_TRUE(window.isVisible());
    });
    window.Gain1->trigger();
    EXPECT_TRUE(ran);
    EXPECT_EQ(window.windowTitle().toStdString(), "many.fdt - Gain");
    EXPECT_EQ(Plot().size(), window.PaintBox1->size());
    EXPECT_TRUE(window.isVisible());
    ProcessEvents();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(frame.remembered, 1);
    EXPECT_TRUE(dialogs.shown.empty());
}

namespace {

// Any text of the window that reads as no number.
bool ShowsNoNumber(const std::string& text)
{
    std::string lower = QString::fromStdString(text).toLower().toStdString();
    return lower.find("nan") != std::string::npos || lower.find("inf") != std::string::npos;
}

}  // namespace

// Hostile files and entries, opened and typed through the window: each gives
// one clear message, and no text of the window reads "nan" or "inf".
TEST_F(ResultTest, HostileFilesAndEntriesGiveAMessage)
{
    const std::vector<FileTerm> num = {{1, 0, {}}}, den = {{1, 0, {}}, {1, 1, {0, 1}}};
    struct Case {
        const char* what;
        std::function<std::string()> file;  // the .fdt to open
        std::function<void(TMDIChild&)> act;
        std::string message;  // a part of the one message shown
    };
    auto lowPass = [&] { return WriteNetwork(folder.Folder(), "h", {"R", "C"}, {1000, 1e-6}, num, den); };
    auto refresh = [](const char* start, const char* end, const char* endTime, QAction* TMDIChild::*view) {
        return [=](TMDIChild& w) {
            w.Panel1->Start->setText(start);
            w.Panel1->End->setText(end);
            w.Panel1->EndTime->setText(endTime);
            (w.*view)->trigger();
        };
    };
    auto cells = [](const char* r, const char* c) {
        return [=](TMDIChild& w) {
            w.Gain1->trigger();
            SetCell(w.Panel1->StringGrid1, "R", r);
            SetCell(w.Panel1->StringGrid1, "C", c);
            QTest::mouseClick(w.Panel1->ValTx, Qt::LeftButton);
        };
    };
    auto none = [](TMDIChild& w) { w.Gain1->trigger(); };
    const std::vector<Case> cases = {
        {"a value that is no number", [&] {
             lowPass();
             WriteBytes(folder / "h.par", "R C \r\nnan 1e-6 \r\n0 1\r\n1 2\r\n");
             return folder / "h.fdt";
         }, none, "is damaged: an element value is not a number"},
        {"a coefficient that is no number", [&] {
             return WriteNetwork(folder.Folder(), "h", {"R", "C"}, {1000, 1e-6}, {{std::nan(""), 0, {}}}, den);
         }, none, "is damaged: a term's coefficient is not a finite number"},
        {"an empty network-function file", [&] {
             lowPass();
             WriteBytes(folder / "h.fdt", "");
             return folder / "h.fdt";
         }, none, "is damaged: the numerator ends before its end record"},
        {"a parameter file without its network-function file", [&] {
             lowPass();
             std::filesystem::remove(folder / "h.fdt");
             return folder / "h.fdt";
         }, none, "h.fdt cannot be read!"},
        {"a degree of 255", [&] {
             return WriteNetwork(folder.Folder(), "h", {"R", "C"}, {1000, 1e-6}, {{1, 255, {}}}, den);
         }, [](TMDIChild& w) { w.PoleZero1->trigger(); }, "Convergence problems"},
        {"a value typed beyond a double", lowPass, cells("1e999", "1e-6"), "'1e999' is not a valid floating point value"},
        {"values whose product overflows", lowPass, cells("1e300", "1e300"), "not finite numbers"},
        {"denormal values", lowPass, cells("1e-320", "1e-320"), ""},
        {"an interval whose ratio overflows", lowPass, refresh("1e-320", "1e10", "1", &TMDIChild::Gain1),
         "Bad frequency limits !"},
        {"an end time too small for the steps", lowPass, refresh("10", "1e5", "1e-320", &TMDIChild::StepResp1),
         "Invalid End Time !"},
        {"an end time too large for the steps", lowPass, refresh("10", "1e5", "1e307", &TMDIChild::ImpulseResp1),
         "Invalid End Time !"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        dialogs.shown.clear();
        window.OpenFdt(c.file());
        c.act(window);
        ProcessEvents();
        if (c.message.empty()) {
            EXPECT_TRUE(dialogs.shown.empty());
        } else {
            ASSERT_EQ(dialogs.shown.size(), 1u);
            EXPECT_NE(dialogs.shown[0].text.find(c.message), std::string::npos) << dialogs.shown[0].text;
        }
        std::vector<std::string> texts = {window.windowTitle().toStdString(), window.Memo1->toPlainText().toStdString()};
        for (const GridRow& row : window.Controls().grid)
            texts.push_back(row.value);
        for (const ScriptedDialogs::Box& box : dialogs.shown)
            texts.push_back(box.text);
        for (std::string& text : texts) {
            // The temporary folder's random name is no text of the window.
            for (std::size_t at = text.find(folder.Folder()); at != std::string::npos; at = text.find(folder.Folder()))
                text.erase(at, folder.Folder().size());
            EXPECT_FALSE(ShowsNoNumber(text)) << text;
        }
    }
}

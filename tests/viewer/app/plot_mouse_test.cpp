// The mouse over the plot area: the zoom band while the frame's zoom button
// is down, the cursor line and the cursor window's readouts while it shows.
#include <QLineEdit>
#include <QPushButton>
#include <QListWidget>
#include <QTest>

#include "Fixture.h"
#include "viewer/plots/PlotMouse.h"

namespace {

// Pixels of the red pen on the line from a to b, over white or grey.
int RedPixels(const QImage& image, QPoint a, QPoint b)
{
    int count = 0;
    for (int y = a.y(); y <= b.y(); ++y)
        for (int x = a.x(); x <= b.x(); ++x)
            count += qRed(image.pixel(x, y)) > 120 && qRed(image.pixel(x, y)) > qGreen(image.pixel(x, y)) + 100;
    return count;
}

class PlotMouseTest : public ResultTest {
protected:
    void SetUp() override
    {
        window.OpenFdt(Example("sallen_key"));
        window.Gain1->trigger();
    }
    QPoint Inside(int dx, int dy)
    {
        const PlotFrame& f = Model().frame;
        return {f.left + dx, f.top + dy};
    }
    void Sweep(int curves)
    {
        AnswerModal([&](QDialog&) {
            paramDlg.ListBox1->setCurrentRow(2);
            QLineEdit* edits[] = {paramDlg.Edit1, paramDlg.Edit2, paramDlg.Edit3};
            for (int c = 0; c < curves; ++c)
                edits[c]->setText(QString::number(5000 * (c + 1)));
            paramDlg.OKBtn->click();
        });
        window.Button2Click();
    }
    std::vector<std::string> Edits() const
    {
        std::vector<std::string> texts;
        for (QLineEdit* edit : {formCur.Edit1, formCur.Edit2, formCur.Edit3, formCur.Edit4, formCur.Edit5,
                                formCur.Edit6, formCur.Edit7})
            texts.push_back(edit->text().toStdString());
        return texts;
    }
};

}  // namespace

// A band dragged from inside the frame and released outside the window
// takes the frame's edge as its corner: the right edge is sample 200.
TEST_F(PlotMouseTest, AZoomBandReleasedOutsideTheFrame)
{
    frame.zoomDown = true;
    const FDT& f = Model();
    const PlotFrame plot = f.frame;
    const double lastFrequency = f.samples.x[200];
    const double dataMin = f.samples.dataMin, dataMax = f.samples.dataMax;
    QPoint anchor = Inside(100, 50);
    QTest::mouseMove(window.PaintBox1, anchor);
    QTest::mousePress(window.PaintBox1, Qt::LeftButton, {}, anchor);
    QTest::mouseMove(window.PaintBox1, Inside(200, 150));
    EXPECT_EQ(window.PaintBox1->cursor().shape(), Qt::CrossCursor);
    EXPECT_GT(RedPixels(Plot(), Inside(101, 50), Inside(199, 50)), 50);  // the band's top edge
    EXPECT_GT(RedPixels(Plot(), Inside(200, 51), Inside(200, 149)), 50);  // its moving edge
    QTest::mouseRelease(window.PaintBox1, Qt::LeftButton, {}, QPoint(plot.right + 100, plot.bottom + 100));
    EXPECT_TRUE(f.zoomed);
    EXPECT_DOUBLE_EQ(f.fEnd, lastFrequency);
    EXPECT_GT(f.fStart, 10);
    // The bottom edge keeps the old minimum; the top is a part of the old range.
    EXPECT_DOUBLE_EQ(f.samples.dataMin, dataMin);
    EXPECT_LT(f.samples.dataMax, dataMax);
    EXPECT_EQ(window.windowTitle().toStdString(), "sallen_key.fdt - Gain");
    EXPECT_TRUE(frame.zoomDown);
    EXPECT_LT(RedPixels(Plot(), Inside(101, 50), Inside(199, 50)), 10);  // drawn afresh
}

// One curve fills Edit1 and Edit2 (client height 55), three fill Edit1 to
// Edit4 (103), in the curve colours; leaving the frame empties them.
TEST_F(PlotMouseTest, TheCursorReadoutsAndTheWindowHeight)
{
    struct Case {
        int curves, height;
    };
    for (Case c : {Case{1, 55}, Case{3, 103}}) {
        SCOPED_TRACE(c.curves);
        if (c.curves > 1)
            Sweep(c.curves);
        formCur.show();
        QPoint at = Inside(120, 40);
        QTest::mouseMove(window.PaintBox1, at);
        EXPECT_EQ(window.PaintBox1->cursor().shape(), Qt::UpArrowCursor);
        CursorReadouts expected = ReadoutsAt(Model(), SampleAt(Model(), at.x()));
        std::vector<std::string> texts = Edits();
        for (int i = 0; i < kCursorEdits; ++i)
            EXPECT_EQ(texts[i], expected.texts[i]) << i;
        for (int i = 0; i <= c.curves; ++i)
            EXPECT_FALSE(texts[i].empty()) << i;
        EXPECT_TRUE(texts[c.curves + 1].empty());
        EXPECT_EQ(formCur.height(), c.height);
        EXPECT_EQ(Plot().pixel(Inside(120, 200)), qRgb(255, 0, 0));
        EXPECT_EQ(formCur.Edit3->palette().color(QPalette::Text), QColor(255, 0, 0));

        QTest::mouseMove(window.PaintBox1, QPoint(5, 5));
        EXPECT_EQ(Edits(), std::vector<std::string>(kCursorEdits));
        EXPECT_NE(Plot().pixel(Inside(120, 200)), qRgb(255, 0, 0));
    }
}

// Hiding the cursor window takes its line from the plot at once.
TEST_F(PlotMouseTest, HidingTheCursorWindowTakesItsLineAway)
{
    formCur.show();
    QTest::mouseMove(window.PaintBox1, Inside(120, 40));
    ASSERT_EQ(Plot().pixel(Inside(120, 200)), qRgb(255, 0, 0));
    formCur.hide();
    EXPECT_NE(Plot().pixel(Inside(120, 200)), qRgb(255, 0, 0));
}

TEST_F(PlotMouseTest, LossDrawsNoCursorLine)
{
    window.Loss1->trigger();
    formCur.show();
    QImage before = Plot();
    QTest::mouseMove(window.PaintBox1, Inside(120, 40));
    QTest::mouseMove(window.PaintBox1, Inside(130, 60));
    EXPECT_EQ(Plot(), before);
    EXPECT_EQ(Edits(), std::vector<std::string>(kCursorEdits));
}

// Showing and hiding the cursor window (its close box too) sets the frame's
// cursor button.
TEST_F(PlotMouseTest, TheCursorButtonFollowsTheCursorWindow)
{
    formCur.show();
    EXPECT_TRUE(frame.cursorDown);
    formCur.close();
    EXPECT_FALSE(frame.cursorDown);
    EXPECT_FALSE(formCur.isVisible());
    QTest::mouseMove(window.PaintBox1, Inside(120, 40));
    EXPECT_EQ(window.PaintBox1->cursor().shape(), Qt::ArrowCursor);
}

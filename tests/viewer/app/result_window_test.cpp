#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QPrinter>
#include <filesystem>
#include <gtest/gtest.h>

#include "tests/platform/ScriptedDialogs.h"
#include "tests/support/TempFolder.h"
#include "viewer/FDT.h"
#include "viewer/app/ChildWin.h"

namespace {

// The frame as the result windows see it.
class FakeFrame : public FrameServices {
public:
    FakeFrame() { MainFrame = this; }
    ~FakeFrame() override { MainFrame = nullptr; }

    IntervalTexts Remembered() const override { return interval; }
    void Remember(const IntervalTexts& given) override
    {
        interval = given;
        ++remembered;
    }
    bool ZoomDown() const override { return false; }
    void SetZoomDown(bool) override {}
    bool CursorDown() const override { return false; }
    void SetCursorDown(bool) override {}
    void OpenFile(const std::string&) override {}
    QMdiSubWindow* AddChild(MdiChild*) override { return nullptr; }

    IntervalTexts interval{"10", "1e4", "0.002", false};
    int remembered = 0;
};

std::string Texts(const IntervalTexts& interval)
{
    return interval.start + " " + interval.end + " " + interval.endTime + (interval.hz ? " Hz" : " rad/s");
}

class ResultWindowTest : public testing::Test {
protected:
    std::string Example(const std::string& name)
    {
        for (const char* ext : {".fdt", ".par"})
            std::filesystem::copy_file(std::string(TERVOX_SOURCE_DIR) + "/examples/" + name + ext,
                                       folder / (name + ext));
        return folder / (name + ".fdt");
    }

    TempFolder folder;
    ScriptedDialogs dialogs;
    FakeFrame frame;
    TMDIChild window;
};

}  // namespace

TEST_F(ResultWindowTest, ShowsTheFileNameDegreesAndTermCounts)
{
    window.OpenFdt(Example("sallen_key"));
    EXPECT_EQ(window.windowTitle().toStdString(), "sallen_key.fdt");
    EXPECT_EQ(window.CaptionBase(), "sallen_key.fdt");
    ASSERT_TRUE(window.Model() && window.Model()->loaded);
    EXPECT_EQ(window.Model()->fdtPath, folder / "sallen_key.fdt");
    EXPECT_EQ(window.Memo1->toPlainText().toStdString(),
              "sallen_key.fdt\nNumerator: degree 0, terms 1\nDenominator: degree 2, terms 4\n"
              "Frequency interval: 10 - 1e4 rad/s\nEnd time: 0.002 s\n");
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(ResultWindowTest, TakesTheIntervalOnOpenAndGivesItBackOnClose)
{
    window.OpenFdt(Example("rc_lowpass"));
    EXPECT_EQ(Texts(window.Interval()), Texts(frame.interval));
    FDT* first = window.Model();
    frame.interval = {"0.01", "100.0", "1.0", true};
    window.OpenFdt(Example("rlc_bandpass"));  // a reload takes the interval again
    EXPECT_NE(window.Model(), first);
    EXPECT_EQ(Texts(window.Interval()), "0.01 100.0 1.0 Hz");
    EXPECT_EQ(window.CaptionBase(), "rlc_bandpass.fdt");

    frame.interval = {"1", "2", "3", true};
    window.show();
    window.close();
    EXPECT_EQ(frame.remembered, 1);
    EXPECT_EQ(Texts(frame.interval), "0.01 100.0 1.0 Hz");
}

TEST_F(ResultWindowTest, AMissingFileIsReportedAndTheWindowStays)
{
    window.OpenFdt(folder / "gone.fdt");
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_NE(dialogs.shown[0].text.find(folder / "gone.par"), std::string::npos) << dialogs.shown[0].text;
    EXPECT_EQ(window.CaptionBase(), "gone.fdt");
    ASSERT_TRUE(window.Model());
    EXPECT_FALSE(window.Model()->loaded);
}

TEST_F(ResultWindowTest, CopiesAndPrintsItsText)
{
    window.OpenFdt(Example("rc_lowpass"));
    window.CopyToClipboard();
    EXPECT_EQ(QApplication::clipboard()->text(), window.Memo1->toPlainText());
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(folder / "view.pdf"));
    window.PrintView(printer);
    EXPECT_GT(std::filesystem::file_size(folder / "view.pdf"), 0u);
}

TEST_F(ResultWindowTest, SavedAsShowsTheNewName)
{
    window.OpenFdt(Example("rc_lowpass"));
    window.SavedAs(folder / "renamed.fdt");
    EXPECT_EQ(window.CaptionBase(), "renamed.fdt");
    EXPECT_EQ(window.windowTitle().toStdString(), "renamed.fdt");
}

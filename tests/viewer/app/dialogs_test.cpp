// The wait window of long readings and the approximation dialog.
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <map>

#include "Fixture.h"
#include "tests/support/EngineRun.h"
#include "tests/support/NetworkFiles.h"
#include "viewer/app/FormWait.h"

namespace {

class DialogsTest : public ResultTest {
protected:
    DialogsTest() { WaitProgress::showAfterMs = 0; }
    ~DialogsTest() override { WaitProgress::showAfterMs = 300; }
};

// Sums of the terms of each power of s with the element values.
std::map<int, double> Coefficients(const NetworkFunction& f, const std::vector<TERM>& terms)
{
    std::map<int, double> sums;
    for (const TERM& t : terms) {
        double v = t.coefficient;
        for (int k = 0; k < t.count; ++k)
            v *= f.par.values[t.symbols[k]];
        sums[t.power] += v;
    }
    return sums;
}

}  // namespace

// Abort while the symbolic text is read: nothing is written and the memo
// stays empty; the next Symbolic view reads it whole.
TEST_F(DialogsTest, AbortStopsTheSymbolicText)
{
    std::string fdt = WriteManyTerms(folder.Folder(), "many", 3000);
    bool aborted = false;
    QTimer abort;
    QObject::connect(&abort, &QTimer::timeout, [&] {
        TFormWait* wait = window.Wait().Window();
        if (!wait || !wait->isVisible() || !wait->Button1->isVisible())
            return;
        abort.stop();
        EXPECT_EQ(wait->windowTitle(), "Tervox");
        EXPECT_GT(wait->Bar->value(), 0);
        QTest::mouseClick(wait->Button1, Qt::LeftButton);
        aborted = true;
    });
    abort.start(0);
    window.OpenFdt(fdt);
    EXPECT_TRUE(aborted);
    EXPECT_FALSE(window.Wait().Window());
    EXPECT_TRUE(window.Memo1->toPlainText().isEmpty());
    EXPECT_FALSE(std::filesystem::exists(folder / "many.out"));
    EXPECT_TRUE(dialogs.shown.empty());

    window.FdT1->trigger();
    EXPECT_TRUE(std::filesystem::exists(folder / "many.out"));
    EXPECT_FALSE(window.Memo1->toPlainText().isEmpty());
}

// More than 10000 terms: the window asks first; No shows the Numeric view.
TEST_F(DialogsTest, ALargeSymbolicTextIsAskedFor)
{
    dialogs.answers = {MsgResult::No};
    window.OpenFdt(WriteManyTerms(folder.Folder(), "many", 5001));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].caption, "Warning!");
    EXPECT_EQ(dialogs.shown[0].icon, MsgIcon::Warning);
    EXPECT_EQ(dialogs.shown[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(dialogs.shown[0].text.substr(0, 35), "The Symbolic Fdt contains 10002 ter");
    EXPECT_EQ(window.windowTitle().toStdString(), "many.fdt - Numeric");
    EXPECT_EQ(window.Panel4->currentWidget(), window.PaintBox1);
    EXPECT_FALSE(std::filesystem::exists(folder / "many.out"));
}

TEST_F(DialogsTest, TheApproximationChoiceIsExclusive)
{
    EXPECT_TRUE(approxForm.RBCoef->isChecked());
    EXPECT_FALSE(approxForm.Freq1->isEnabled());
    QTest::mouseClick(approxForm.NumDen, Qt::LeftButton);
    EXPECT_FALSE(approxForm.RBCoef->isChecked());
    for (QWidget* control : std::initializer_list<QWidget*>{approxForm.Freq1, approxForm.Freq2, approxForm.HzButt,
                                                              approxForm.RadButt})
        EXPECT_TRUE(control->isEnabled());
    QTest::mouseClick(approxForm.RBCoef, Qt::LeftButton);
    EXPECT_TRUE(approxForm.RBCoef->isChecked());
    EXPECT_FALSE(approxForm.NumDen->isChecked());
    EXPECT_FALSE(approxForm.Freq2->isEnabled());
}

// "Approximation" opens the shortened function in a second window: fewer
// terms, and every coefficient within the error limit of the exact one.
TEST_F(DialogsTest, TheApproximationOpensInASecondWindow)
{
    std::string fdt = Example("ce_amplifier");
    window.OpenFdt(fdt);
    AnswerModal([&](QDialog&) {
        approxForm.Err->setText("5");
        QTest::mouseClick(approxForm.Button1, Qt::LeftButton);
    });
    window.Approximation1->trigger();
    ASSERT_EQ(frame.opened, std::vector<std::string>{folder / "ce_amplifier_App.fdt"});
    ASSERT_EQ(frame.children.size(), 1u);
    auto* second = dynamic_cast<TMDIChild*>(frame.children[0].data());
    ASSERT_TRUE(second && second->Model()->loaded);
    EXPECT_EQ(second->windowTitle().toStdString(), "ce_amplifier_App.fdt");

    NetworkFunction exact = ReadNetworkFunction(fdt), shortened = ReadNetworkFunction(frame.opened[0]);
    EXPECT_LT(shortened.numerator.size() + shortened.denominator.size(),
              exact.numerator.size() + exact.denominator.size());
    for (auto [terms, kept] : {std::pair{&exact.numerator, &shortened.numerator},
                               std::pair{&exact.denominator, &shortened.denominator}}) {
        std::map<int, double> a = Coefficients(exact, *terms), b = Coefficients(shortened, *kept);
        for (auto [power, value] : a)
            EXPECT_LE(std::abs(b[power] - value), 0.05 * std::abs(value)) << power;
    }
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(DialogsTest, CancelWritesNoApproximation)
{
    window.OpenFdt(Example("ce_amplifier"));
    AnswerModal([&](QDialog&) { QTest::mouseClick(approxForm.Button2, Qt::LeftButton); });
    window.Approximation1->trigger();
    EXPECT_TRUE(frame.opened.empty());
    EXPECT_FALSE(std::filesystem::exists(folder / "ce_amplifier_App.fdt"));
}

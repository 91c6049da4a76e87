// The value list of a result window: one per window, filled through it,
// copied as fixed-width text, following a reload and closing with it.
#include <QClipboard>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <complex>
#include <numbers>

#include "Fixture.h"
#include "viewer/app/FormLista.h"

namespace {

class ValueListTest : public ResultTest {
protected:
    TFormLista& List()
    {
        window.ListofValues1->trigger();
        EXPECT_TRUE(window.ValueList());
        return *window.ValueList();
    }
    // Amplitude at 1, 10, 100 and 1000 Hz.
    void FillAmplitudes(TFormLista& list)
    {
        list.Campi->item(0)->setCheckState(Qt::Checked);
        list.StartF->setText("1");
        list.StopF->setText("1000");
        list.NumP->setText("1");
        list.Dec->setChecked(true);
        list.HzB->setChecked(true);
        QTest::mouseClick(list.SpeedButton3, Qt::LeftButton);
    }
    double Cell(TFormLista& list, int row, int column) { return list.Grid->item(row, column)->text().toDouble(); }
    // The Sallen-Key filter with R1 = R2 = 1000, as faster.fdt.
    std::string Faster()
    {
        Example("sallen_key");
        std::filesystem::copy_file(folder / "sallen_key.fdt", folder / "faster.fdt");
        std::string par = ReadBytes(folder / "sallen_key.par");
        par.replace(par.find("10000 10000"), 11, "1000 1000");
        WriteBytes(folder / "faster.par", par);
        return folder / "faster.fdt";
    }
};

// |H| of 1 / (1 + s (R1 + R2) C2 + s^2 R1 R2 C1 C2) at f Hz.
double SallenKey(double f, double r1, double r2, double c1, double c2)
{
    std::complex<double> s(0, 2 * std::numbers::pi * f);
    return std::abs(1.0 / (1.0 + s * (r1 + r2) * c2 + s * s * r1 * r2 * c1 * c2));
}

}  // namespace

TEST_F(ValueListTest, ASecondListOfValuesShowsTheSameWindow)
{
    window.OpenFdt(Example("sallen_key"));
    window.Panel1->Start->setText("3");
    TFormLista& list = List();
    EXPECT_EQ(list.windowTitle().toStdString(), "List of Values - sallen_key.fdt");
    EXPECT_EQ(list.StartF->text(), "3");
    EXPECT_EQ(list.StopF->text(), "1e5");
    EXPECT_EQ(list.NumP->text(), "1");
    EXPECT_TRUE(list.HzB->isChecked() && list.Oct->isChecked());
    EXPECT_FALSE(list.Grid->isVisible());
    EXPECT_EQ(&List(), &list);
    EXPECT_EQ(frame.children.size(), 1u);
}

// The values are those of the network function (checked here by its
// formula), and the clipboard text has 15 characters per cell.
TEST_F(ValueListTest, FillsCopiesAndFindsPolesAndZeros)
{
    window.OpenFdt(Example("sallen_key"));
    TFormLista& list = List();
    FillAmplitudes(list);
    ASSERT_TRUE(list.Grid->isVisible());
    ASSERT_EQ(list.Grid->rowCount(), 5);
    EXPECT_EQ(list.Grid->item(0, 0)->text(), "Freq. (Hz)");
    EXPECT_EQ(list.Grid->item(0, 1)->text(), "Amplitude");
    for (int row = 1; row <= 4; ++row) {
        double f = std::pow(10.0, row - 1);
        EXPECT_EQ(Cell(list, row, 0), f);
        EXPECT_NEAR(Cell(list, row, 1), SallenKey(f, 1e4, 1e4, 1e-8, 1e-8), 1e-4);
    }
    list.CopyToClipboard();
    std::string text = QApplication::clipboard()->text().toStdString();
    EXPECT_EQ(text.substr(0, 32), "Freq. (Hz)     Amplitude      \r\n");
    EXPECT_EQ(text.size(), 5u * (2 * 15 + 2));

    QTest::mouseClick(list.Button1, Qt::LeftButton);
    ASSERT_EQ(list.Grid->rowCount(), 3);  // two poles, no zero
    EXPECT_EQ(list.Grid->item(1, 0)->text(), "Pole");
    EXPECT_NEAR(Cell(list, 1, 1), -1e4, 1);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(ValueListTest, PrintsALongTableOnSeveralPages)
{
    window.OpenFdt(Example("sallen_key"));
    TFormLista& list = List();
    list.Campi->item(2)->setCheckState(Qt::Checked);
    list.StartF->setText("1");
    list.StopF->setText("200");
    list.NumP->setText("200");
    list.Lin->setChecked(true);
    QTest::mouseClick(list.SpeedButton3, Qt::LeftButton);
    ASSERT_EQ(list.Grid->rowCount(), 201);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(folder / "list.pdf"));
    list.PrintGrid(printer);
    EXPECT_GE(PdfPages(folder / "list.pdf"), 4);
}

TEST_F(ValueListTest, BadLimitsAreReported)
{
    window.OpenFdt(Example("sallen_key"));
    TFormLista& list = List();
    list.StartF->setText("10");
    list.StopF->setText("1");
    QTest::mouseClick(list.SpeedButton3, Qt::LeftButton);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "Bad Frequency limits!");
    EXPECT_FALSE(list.Grid->isVisible());
}

// A reload gives the list the new network function: its caption and values
// follow. Closing the result window closes its list.
TEST_F(ValueListTest, FollowsAReloadAndClosesWithItsWindow)
{
    window.OpenFdt(Example("sallen_key"));
    TFormLista& list = List();
    FillAmplitudes(list);
    const double before = Cell(list, 4, 1);
    window.OpenFdt(Faster());
    EXPECT_EQ(list.windowTitle().toStdString(), "List of Values - faster.fdt");
    EXPECT_NEAR(Cell(list, 4, 1), SallenKey(1000, 1e3, 1e3, 1e-8, 1e-8), 1e-4);
    EXPECT_NE(Cell(list, 4, 1), before);

    QPointer<TFormLista> closing(&list);
    window.close();
    ProcessEvents();
    EXPECT_FALSE(closing);
}

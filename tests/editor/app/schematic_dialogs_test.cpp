// The element dialogs as the schematic window shows them: the property
// dialog on a right click with its checks and Uniforma after it, the
// parameter grid per kind, the transistor options that stay from one use to
// the next, and the approximated-analysis dialog.
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <filesystem>
#include <gtest/gtest.h>

#include "tests/editor/app/SchematicFrame.h"

namespace {

class ElementDialog : public testing::Test {
protected:
    // A right click in the middle of the part.
    void RightClick(TFormSch& w, const GCompo& part)
    {
        QTest::mouseClick(w.PBox, Qt::RightButton, Qt::NoModifier,
                          QPoint((part.Left + part.Right) / 2, (part.Top + part.Bottom) / 2));
    }

    SchematicFrame f;
};

}  // namespace

TEST_F(ElementDialog, TheEditDialogChecksTheNameAndTheValue)
{
    TFormSch& w = f.New();
    GCompo& r1 = Place(w, w.Resistore, 100, 100);
    w.Document().Modified = false;
    std::vector<std::string> shown, messages;
    AnswerModal([&](QDialog& dialog) {
        ASSERT_EQ(&dialog, f.formEdit);
        TFormEdit& edit = *f.formEdit;
        shown = {edit.windowTitle().toStdString(), edit.Nome->text().toStdString(),
                 edit.Valore->text().toStdString(), edit.Symbolic->isChecked() ? "symbolic" : "numeric"};
        Type(edit.Nome, "G1");
        QTest::mouseClick(edit.OK, Qt::LeftButton);
        Type(edit.Nome, "R5");
        Type(edit.Valore, "0");
        QTest::mouseClick(edit.OK, Qt::LeftButton);
        messages = f.Messages();
        EXPECT_TRUE(edit.isVisible()) << "the dialog stays open";
        Type(edit.Valore, "4.7e3");
        edit.Symbolic->setChecked(false);
        QTest::keyClick(edit.Valore, Qt::Key_Return);
    });
    RightClick(w, r1);
    EXPECT_EQ(shown, (std::vector<std::string>{"Edit", "R1", "1", "symbolic"}));
    EXPECT_EQ(messages,
              (std::vector<std::string>{"The first letter of this component must be: R !", "Zero values are not allowed!"}));
    EXPECT_EQ(r1.Name, "R5");
    EXPECT_EQ(r1.Value, 4700);
    EXPECT_EQ(r1.Symbolic, 0);
    EXPECT_TRUE(w.Document().Modified);
}

TEST_F(ElementDialog, CancelChangesNothingAndMarkersHaveNoDialog)
{
    TFormSch& w = f.New();
    GCompo& c1 = Place(w, w.Condens, 100, 100);
    AnswerModal([](QDialog& dialog) {
        Type(static_cast<TFormEdit&>(dialog).Nome, "C9");
        QTest::mouseClick(static_cast<TFormEdit&>(dialog).Cancel, Qt::LeftButton);
    });
    RightClick(w, c1);
    EXPECT_EQ(c1.Name, "C1");
    GCompo& ground = Place(w, w.ground, 300, 300);
    RightClick(w, ground);  // returns at once: no dialog to answer
    EXPECT_TRUE(f.dialogs.shown.empty());
}

// Renaming R2 to R1 with a new value gives both resistors named R1 that value.
TEST_F(ElementDialog, AfterTheDialogPartsOfOneNameShareTheValue)
{
    TFormSch& w = f.New();
    GCompo& r1 = Place(w, w.Resistore, 100, 100);
    GCompo& r2 = Place(w, w.Resistore, 200, 100);
    AnswerModal([](QDialog& dialog) {
        auto& edit = static_cast<TFormEdit&>(dialog);
        Type(edit.Nome, "R1");
        Type(edit.Valore, "47");
        QTest::mouseClick(edit.OK, Qt::LeftButton);
    });
    RightClick(w, r2);
    EXPECT_EQ(r2.Name, "R1");
    EXPECT_EQ(r1.Value, 47);
    EXPECT_EQ(r2.Value, 47);
}

TEST_F(ElementDialog, ASubcircuitInstanceHasNoValue)
{
    std::filesystem::create_directories(f.folder / "SubCkt");
    f.CopyExample("SubCkt/rcsection.sbc", "");
    TFormSch& w = f.New();
    w.ListSub->setCurrentRow(0);
    w.ListSubClick();
    Click(w, 200, 200);
    Key(w, Qt::Key_Escape);
    GCompo& x1 = *w.Document().Parts.back();
    bool valueEnabled = true, symbolicEnabled = true;
    std::string value = "?";
    AnswerModal([&](QDialog& dialog) {
        auto& edit = static_cast<TFormEdit&>(dialog);
        valueEnabled = edit.Valore->isEnabled();
        symbolicEnabled = edit.Symbolic->isEnabled();
        value = edit.Valore->text().toStdString();
        QTest::mouseClick(edit.OK, Qt::LeftButton);
    });
    RightClick(w, x1);
    EXPECT_EQ(x1.Name, "X1");
    EXPECT_EQ(value, "");
    EXPECT_FALSE(valueEnabled);
    EXPECT_FALSE(symbolicEnabled);
    EXPECT_EQ(x1.Value, 0);
    EXPECT_EQ(x1.Symbolic, 1);
}

TEST_F(ElementDialog, TheTransistorDialogShowsTheRowsOfTheKind)
{
    TFormSch& w = f.New();
    GCompo& k1 = Place(w, w.Kmut, 100, 100);
    std::vector<std::string> rows;
    std::string caption;
    AnswerModal([&](QDialog& dialog) {
        auto& grid = static_cast<TFormTransistor&>(dialog);
        caption = grid.windowTitle().toStdString();
        for (int row = 0; row < grid.Griglia->rowCount(); ++row)
            rows.push_back(grid.Griglia->item(row, 0)->text().toStdString() + "=" +
                           grid.ValueCell(row)->text().toStdString());
        Type(grid.ValueCell(2), "0.5");
        Type(grid.Nome, "L1");
        QTest::mouseClick(grid.OK, Qt::LeftButton);
        Type(grid.Nome, "K7");
        QTest::mouseClick(grid.OK, Qt::LeftButton);
    });
    RightClick(w, k1);
    EXPECT_EQ(caption, "Mutual Inductance");
    EXPECT_EQ(rows, (std::vector<std::string>{"L1=1", "L2=1", "M=1"}));
    EXPECT_EQ(f.Messages(), std::vector<std::string>{"The first letter of this component must be: K !"});
    EXPECT_EQ(k1.Name, "K7");
    EXPECT_EQ(k1.Param[2], 0.5);
}

// Tab walks from the name down the values, each selected to be typed over,
// then on to Symbolic and the buttons.
TEST_F(ElementDialog, TabWalksTheTransistorValues)
{
    TFormSch& w = f.New();
    GCompo& k1 = Place(w, w.Kmut, 100, 100);
    std::vector<std::string> walk;
    AnswerModal([&](QDialog& dialog) {
        auto& grid = static_cast<TFormTransistor&>(dialog);
        // Keys reach only the active window; a transient dialog counts as
        // active for QWindow as soon as its parent is.
        ASSERT_TRUE(WaitFor([&] { return QApplication::activeWindow() == &grid; }))
            << "the dialog never became active";
        grid.Nome->setFocus();
        for (int step = 0; step < 6; ++step) {
            QTest::keyClick(grid.focusWidget(), Qt::Key_Tab);
            QWidget* at = grid.focusWidget();
            std::string name = at == grid.Symbolic ? "Symbolic" : at == grid.OK ? "OK" : at == grid.Cancel ? "Cancel" : "?";
            for (int row = 0; row < grid.Griglia->rowCount(); ++row)
                if (at == grid.ValueCell(row))
                    name = "value " + std::to_string(row) + (grid.ValueCell(row)->hasSelectedText() ? " selected" : "");
            walk.push_back(name);
            if (step == 1)
                QTest::keyClicks(at, "2.5");
        }
        QTest::mouseClick(grid.OK, Qt::LeftButton);
    });
    RightClick(w, k1);
    EXPECT_EQ(walk, (std::vector<std::string>{"value 0 selected", "value 1 selected", "value 2 selected", "Symbolic",
                                              "OK", "Cancel"}));
    EXPECT_EQ(k1.Param[1], 2.5);
}

// The options chosen for one transistor are offered for the next; the part
// that follows the mouse after the dialog ignores the first move.
TEST_F(ElementDialog, TransistorOptionsStayFromOneUseToTheNext)
{
    TFormSch& w = f.New();
    AnswerModal([&](QDialog& dialog) {
        ASSERT_EQ(&dialog, f.formBjth);
        EXPECT_EQ(dialog.windowTitle().toStdString(), "BJT h");
        EXPECT_FALSE(f.formBjth->ChkHre->isChecked());
        EXPECT_TRUE(f.formBjth->ButtNPN->isChecked());
        QTest::mouseClick(f.formBjth->ChkHre, Qt::LeftButton);
        QTest::mouseClick(f.formBjth->ButtPNP, Qt::LeftButton);
        QTest::mouseClick(f.formBjth->OK, Qt::LeftButton);
    });
    w.BJThButt->click();
    const GCompo* q = w.Editor().Placing();
    ASSERT_TRUE(q);
    EXPECT_EQ(q->Kind, 'Q');
    EXPECT_EQ(q->Text, "P");
    EXPECT_NE(q->Param[1], 0) << "hre included";
    EXPECT_EQ(q->Param[3], 0) << "hoe left out";
    EXPECT_TRUE(w.Editor().SkipMove());
    Move(w, 300, 300);
    EXPECT_FALSE(w.Editor().SkipMove());
    Click(w, 300, 300);
    EXPECT_EQ(w.Document().Parts.back()->Name, "Q1");

    bool hre = false, pnp = false;
    AnswerModal([&](QDialog&) {
        hre = f.formBjth->ChkHre->isChecked();
        pnp = f.formBjth->ButtPNP->isChecked();
        QTest::mouseClick(f.formBjth->Cancel, Qt::LeftButton);
    });
    w.BJThButt->click();
    EXPECT_TRUE(hre);
    EXPECT_TRUE(pnp);
    ASSERT_TRUE(w.Editor().Placing()) << "Cancel keeps the part that was placed";
    EXPECT_EQ(w.Editor().Placing()->Kind, 'Q');

    struct Case {
        QToolButton* button;
        QDialog* dialog;
        char kind;
        const char* caption;
    };
    for (Case c : {Case{w.BJTpButt, f.formBjtG, 'q', "BJT g"}, Case{w.MosfetButt, f.formMos, 'M', "MosFet"}}) {
        std::string caption;
        AnswerModal([&](QDialog& dialog) {
            EXPECT_EQ(&dialog, c.dialog);
            caption = dialog.windowTitle().toStdString();
            QTest::mouseClick(static_cast<FixedDialog&>(dialog).OK, Qt::LeftButton);
        });
        c.button->click();
        EXPECT_EQ(caption, c.caption);
        EXPECT_EQ(w.Editor().Placing()->Kind, c.kind);
        EXPECT_EQ(w.Editor().Placing()->Text, "N");
    }
}

TEST_F(ElementDialog, TheApproximationDialogChecksInOrderAndKeepsItsEntries)
{
    TFormSch& w = f.New();
    std::vector<std::string> messages;
    AnswerModal([&](QDialog& dialog) {
        ASSERT_EQ(&dialog, f.formApprox);
        TFormApprox& a = *f.formApprox;
        EXPECT_EQ(a.windowTitle().toStdString(), "Approximated Analysis");
        EXPECT_EQ(a.NumFreq->currentText().toStdString(), "2");
        EXPECT_EQ(a.NumFreq->count(), 9);
        Type(a.EdFreq1, "0");
        Type(a.EdFreq2, "1000");
        a.NumFreq->setCurrentText("");
        QTest::keyClicks(a.NumFreq, "11");
        Type(a.EdLim, "100");
        QTest::mouseClick(a.OK, Qt::LeftButton);
        Type(a.EdFreq1, "10abc");
        QTest::mouseClick(a.OK, Qt::LeftButton);
        a.NumFreq->setCurrentText("3");
        QTest::mouseClick(a.OK, Qt::LeftButton);
        messages = f.Messages();
        Type(a.EdLim, "99.9");
        QTest::mouseClick(a.OK, Qt::LeftButton);
    });
    QTest::mouseClick(w.ButtApprox, Qt::LeftButton);
    EXPECT_EQ(messages, (std::vector<std::string>{"Bad Frequency Limits!", "Bad Number of Frequencies!",
                                                  "Bad Error Limit!"}));
    ASSERT_EQ(f.dialogs.requests.size(), 1u) << "the unnamed schematic is named first";
    EXPECT_EQ(f.dialogs.requests[0].title, "Save");
    EXPECT_TRUE(w.Document().AppLine.empty());

    std::vector<std::string> kept;
    AnswerModal([&](QDialog&) {
        TFormApprox& a = *f.formApprox;
        kept = {a.EdFreq1->text().toStdString(), a.EdFreq2->text().toStdString(),
                a.NumFreq->currentText().toStdString(), a.EdLim->text().toStdString()};
        QTest::mouseClick(a.Cancel, Qt::LeftButton);
    });
    w.findChild<QAction*>("ApproximateAnalysis1")->trigger();
    EXPECT_EQ(kept, (std::vector<std::string>{"10abc", "1000", "3", "99.9"}));
    EXPECT_EQ(f.dialogs.requests.size(), 1u) << "Cancel runs nothing";
}

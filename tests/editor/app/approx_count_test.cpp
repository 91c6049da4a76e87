// The number of frequencies of the approximated-analysis dialog is the text
// typed into its box: nothing completes it from the list, and the list keeps
// the counts it offers.
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <string>

#include "editor/app/FormApprox.h"
#include "tests/platform/ModalAnswers.h"
#include "tests/platform/ScriptedDialogs.h"

namespace {

struct Count {
    const char* name;
    const char* typed;
    // The message of OK, or the start of the ".APP" line.
    const char* outcome;
};

void PrintTo(const Count& count, std::ostream* out)
{
    *out << '"' << count.typed << '"';
}

class ApproxCount : public testing::TestWithParam<Count> {
protected:
    ~ApproxCount() override { DropPendingAnswers(); }

    ScriptedDialogs dialogs;
    TFormApprox dialog;
};

}  // namespace

// The count is typed and the dialog closed with Enter in the box, as a user
// does; "1" is a prefix of "10" in the list.
TEST_P(ApproxCount, TheTypedCountIsTheCount)
{
    std::string message;
    int offered = 0;
    AnswerModal([&](QDialog&) {
        dialog.EdFreq1->setText("1");
        dialog.EdFreq2->setText("1000");
        dialog.EdLim->setText("5");
        dialog.NumFreq->setFocus();
        dialog.NumFreq->lineEdit()->selectAll();
        QTest::keyClicks(dialog.NumFreq, GetParam().typed);
        QTest::keyClick(dialog.NumFreq, Qt::Key_Return);
        if (!dialogs.shown.empty())
            message = dialogs.shown[0].text;
        offered = dialog.NumFreq->count();
    });
    std::string line;
    bool accepted = dialog.Execute(line);
    EXPECT_EQ(accepted ? line.substr(0, std::string(GetParam().outcome).size()) : message, GetParam().outcome);
    EXPECT_EQ(offered, 9) << "the list offers 2 to 10";
}

INSTANTIATE_TEST_SUITE_P(Typed, ApproxCount,
                         testing::Values(Count{"One", "1", "Bad Number of Frequencies!"},
                                         Count{"Eleven", "11", "Bad Number of Frequencies!"},
                                         Count{"OneAndALetter", "1x", "Bad Number of Frequencies!"},
                                         Count{"Three", "3", ".APP 5 3 1 31.6"},
                                         Count{"Ten", "10", ".APP 5 10 1 2.15"}),
                         [](const testing::TestParamInfo<Count>& count) { return count.param.name; });

// A window opened while the current one is maximised opens maximised and
// becomes the current one, whichever command opens it; the schematic it
// covers is maximised again when it comes back to the front.
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <functional>
#include <gtest/gtest.h>

#include "tests/editor/app/ResultWindows.h"
#include "tests/editor/app/SchematicFrame.h"
#include "viewer/app/ApproxForm.h"
#include "viewer/app/ChildWin.h"

namespace {

struct Opening {
    const char* name;
    // Opens a window beside the maximised schematic; its caption.
    std::function<std::string(SchematicFrame&, TFormSch&)> open;
};

void PrintTo(const Opening& opening, std::ostream* out)
{
    *out << opening.name;
}

// The result window on a copy of the example, opened as File Open does.
TMDIChild& OpenResult(SchematicFrame& f, const std::string& name)
{
    f.dialogs.files.push_back(f.Example(name));
    f.form->FileOpenItemClick();
    return *ResultWindows(*f.form).at(0);
}

const Opening kOpenings[] = {
    {"NewCircuit",
     [](SchematicFrame& f, TFormSch&) {
         f.form->FileNewItem->trigger();
         return std::string("Schema");
     }},
    {"OpenSchematic",
     [](SchematicFrame& f, TFormSch&) {
         f.dialogs.files.push_back(f.Schematic("sallen_key.sch"));
         f.form->FileOpenItemClick();
         return "Schema: " + f.folder / "sallen_key.sch";
     }},
    {"OpenResult",
     [](SchematicFrame& f, TFormSch&) {
         OpenResult(f, "rc_lowpass");
         return std::string("rc_lowpass.fdt");
     }},
    {"Completion",
     [](SchematicFrame& f, TFormSch&) {
         f.form->LoadLastResult(f.Example("sallen_key"));
         return std::string("sallen_key.fdt");
     }},
    {"CompleteAnalysis",
     [](SchematicFrame& f, TFormSch& w) {
         w.findChild<QAction*>("CompleteAnalysis1")->trigger();
         EXPECT_TRUE(WaitFor([&] { return !ResultWindows(*f.form).empty(); }));
         return std::string("rc_lowpass.fdt");
     }},
    {"Approximation",
     [](SchematicFrame& f, TFormSch&) {
         TMDIChild& result = OpenResult(f, "ce_amplifier");
         AnswerModal([](QDialog&) {
             ApproxForm->Err->setText("5");
             QTest::mouseClick(ApproxForm->Button1, Qt::LeftButton);
         });
         result.Approximation1->trigger();
         return std::string("ce_amplifier_App.fdt");
     }},
    {"ListOfValues",
     [](SchematicFrame& f, TFormSch&) {
         OpenResult(f, "rc_lowpass").ListofValues1->trigger();
         return f.form->ActiveChild()->windowTitle().toStdString();
     }},
};

class MaximisedChildren : public testing::TestWithParam<Opening> {
protected:
    MaximisedChildren() : approxForm(f.form.get()) { f.CopyProgram("Vimlo"); }

    bool FillsTheArea(MdiChild* child) const
    {
        auto* sub = qobject_cast<QMdiSubWindow*>(child->parentWidget());
        return sub && sub->isMaximized() && sub->geometry() == f.form->Area()->viewport()->rect() &&
               f.form->ActiveChild() == child;
    }

    SchematicFrame f;
    TApproxForm approxForm;
};

}  // namespace

TEST_P(MaximisedChildren, ANewWindowOpensMaximised)
{
    TFormSch& w = f.Open(f.Schematic("rc_lowpass.sch"));
    qobject_cast<QMdiSubWindow*>(w.parentWidget())->showMaximized();
    std::string caption = GetParam().open(f, w);
    MdiChild* opened = f.form->ActiveChild();
    ASSERT_TRUE(opened);
    EXPECT_NE(opened, &w);
    EXPECT_EQ(opened->windowTitle().toStdString(), caption);
    EXPECT_TRUE(FillsTheArea(opened));
    EXPECT_EQ(f.form->windowTitle().toStdString(), "Tervox - [" + caption + "]");
    f.form->Activate(&w);
    EXPECT_TRUE(FillsTheArea(&w)) << "the schematic stays maximised";
    EXPECT_TRUE(f.dialogs.shown.empty()) << testing::PrintToString(f.Messages());
}

INSTANTIATE_TEST_SUITE_P(EveryWayOfOpening, MaximisedChildren, testing::ValuesIn(kOpenings),
                         [](const testing::TestParamInfo<Opening>& opening) { return opening.param.name; });

// The schematic window's files through the frame (New, Open, Save, Save As,
// Open Subcircuit), its close question, its picture on the clipboard and on
// a printed page, and its help.
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QListWidget>
#include <QPushButton>
#include <QTextBrowser>
#include <filesystem>
#include <gtest/gtest.h>

#include "editor/files/SchematicFile.h"
#include "tests/editor/app/SchematicFrame.h"

namespace {

class SchematicFiles : public testing::Test {
protected:
    bool IsOpen(TFormSch* w) const
    {
        for (MdiChild* child : f.form->Children())
            if (child == w)
                return true;
        return false;
    }
    std::vector<std::string> Lines(TFormSch& w) const
    {
        std::vector<std::string> lines;
        for (const auto& part : w.Document().Parts)
            lines.push_back(SchematicLine(*part));
        return lines;
    }

    SchematicFrame f;
};

}  // namespace

TEST_F(SchematicFiles, DrawSaveCloseReopenGivesTheSameFile)
{
    TFormSch& w = f.New();
    DrawRcLowPass(w);
    f.dialogs.files = {f.folder / "rc.sch"};
    f.form->FileSaveItemClick();  // unnamed: Save As
    ASSERT_EQ(f.dialogs.requests.size(), 1u);
    EXPECT_EQ(f.dialogs.requests[0].defaultExt, "sch");
    EXPECT_EQ(w.windowTitle().toStdString(), "Schema: " + f.folder / "rc.sch");
    EXPECT_FALSE(w.Document().Modified);
    std::string saved = ReadBytes(f.folder / "rc.sch");
    ASSERT_FALSE(saved.empty());
    std::vector<std::string> drawn = Lines(w);
    f.form->FileCloseItemClick();
    ProcessEvents();
    EXPECT_TRUE(f.form->Children().empty());

    TFormSch& again = f.Open(f.folder / "rc.sch");
    EXPECT_EQ(again.windowTitle().toStdString(), "Schema: " + f.folder / "rc.sch");
    EXPECT_EQ(Lines(again), drawn);
    EXPECT_FALSE(again.Document().Modified);
    std::filesystem::remove(f.folder / "rc.sch");
    f.form->FileSaveItemClick();  // named: written where it was read
    EXPECT_EQ(ReadBytes(f.folder / "rc.sch"), saved);
    f.dialogs.files = {f.folder / "copy.sch"};
    f.form->FileSaveAsItemClick();
    EXPECT_EQ(ReadBytes(f.folder / "copy.sch"), saved);
    EXPECT_EQ(f.form->InitialDir, f.folder.Folder());
    EXPECT_TRUE(f.dialogs.shown.empty());
}

TEST_F(SchematicFiles, AFileThatCannotBeReadClosesItsWindow)
{
    f.folder.Write("bad.sch", "X#100#100#0#X1#0#1#nosuch");
    f.form->OpenFile(f.folder / "bad.sch");
    ProcessEvents();
    EXPECT_EQ(f.dialogs.shown.size(), 1u);
    EXPECT_TRUE(f.form->Children().empty());
}

// Through the real window: another program's file is refused and stays as
// it was; a damaged file whose resistor is named "R 1" opens, but no circuit
// file is written for it until the dialog has renamed it.
TEST_F(SchematicFiles, DamagedFilesAreReportedAndLoseNothing)
{
    const std::string other(200, '\xFF');
    WriteBytes(f.folder / "other.sch", other);
    f.form->OpenFile(f.folder / "other.sch");
    ProcessEvents();
    EXPECT_EQ(f.Messages(), std::vector<std::string>{"\"" + f.folder / "other.sch" + "\" is not a schematic file!"});
    EXPECT_TRUE(f.form->Children().empty());
    EXPECT_EQ(ReadBytes(f.folder / "other.sch"), other);

    std::string text = ReadBytes(f.Schematic("rc_lowpass.sch"));
    text.replace(text.find("#R1#"), 4, "#R 1#");
    WriteBytes(f.folder / "rc_lowpass.sch", text);
    TFormSch& w = f.Open(f.folder / "rc_lowpass.sch");
    ASSERT_EQ(w.Document().Parts.size(), 10u);
    f.dialogs.shown.clear();
    w.ButtAnalisi->click();
    EXPECT_EQ(f.Messages(), std::vector<std::string>{"Component \"R 1\": The name of this component must not "
                                                     "contain blanks, control characters or # !"});
    EXPECT_FALSE(std::filesystem::exists(f.folder / "rc_lowpass.crc"));

    AnswerModal([](QDialog& dialog) {
        auto& edit = static_cast<TFormEdit&>(dialog);
        Type(edit.Nome, "R1");
        QTest::mouseClick(edit.OK, Qt::LeftButton);
    });
    QTest::mouseClick(w.PBox, Qt::RightButton, Qt::NoModifier, QPoint(190, 150));
    w.ButtAnalisi->click();
    EXPECT_NE(ReadBytes(f.folder / "rc_lowpass.crc").find("\r\nR1 "), std::string::npos);
    EXPECT_EQ(ReadBytes(f.folder / "rc_lowpass.sch"), text) << "the file changes only when saved";
    f.dialogs.answer = MsgResult::No;
}

// Folder and file names are UTF-8 bytes: the caption shows them as they are,
// and a subcircuit named with an accent is listed so and placed.
TEST_F(SchematicFiles, NamesWithAccentsShowAsTheyAreAndWork)
{
    const std::string folder = f.folder / "T\xC3\xA9l\xC3\xA9" "chargements";
    std::filesystem::create_directories(folder);
    std::filesystem::copy_file(f.Schematic("rc_lowpass.sch"), folder + "/rc.sch");
    TFormSch& w = f.Open(folder + "/rc.sch");
    EXPECT_EQ(w.windowTitle(), QString::fromUtf8("Schema: ") + QString::fromStdString(folder + "/rc.sch"));

    std::filesystem::create_directories(f.folder / "SubCkt");
    WriteBytes(f.folder / "SubCkt/r\xC3\xA9seau.sbc", "4 4 L2 R2 \r\nR1 1 2 1 0\r\n");
    TFormSch& other = f.New();
    ASSERT_EQ(other.ListSub->count(), 1);
    EXPECT_EQ(other.ListSub->item(0)->text(), QString::fromUtf8("r\u00e9seau"));
    other.ListSub->setCurrentRow(0);
    other.ListSubClick();
    Click(other, 300, 300);
    ASSERT_EQ(other.Document().Parts.size(), 1u);
    EXPECT_EQ(other.Document().Parts[0]->Text, "r\xC3\xA9seau");
    EXPECT_TRUE(f.dialogs.shown.empty());
    f.dialogs.answer = MsgResult::No;
}

struct CloseCase {
    const char* name;
    bool named;
    std::vector<MsgResult> answers;
    std::vector<std::string> files;  // the save dialog's answer; none: cancelled
    bool closes;
    bool written;
};

void PrintTo(const CloseCase& c, std::ostream* os) { *os << c.name; }

class CloseQuestion : public SchematicFiles, public testing::WithParamInterface<CloseCase> {};

// Yes on an unnamed schematic opens the save dialog; when that is
// cancelled the window stays open, so the drawing is not lost.
TEST_P(CloseQuestion, AnswersDecide)
{
    const CloseCase& c = GetParam();
    TFormSch& w = f.New();
    if (c.named)
        w.SaveSchemaAs(f.folder / "named.sch");
    Place(w, w.Resistore, 100, 100);
    std::filesystem::remove(f.folder / "named.sch");
    f.dialogs.answers.assign(c.answers.begin(), c.answers.end());
    for (const std::string& name : c.files)
        f.dialogs.files.push_back(f.folder / name);
    TFormSch* window = &w;
    window->Exit->click();
    ProcessEvents();
    ASSERT_EQ(f.dialogs.shown.size(), 1u);
    std::string file = c.named ? f.folder / "named.sch" : "";
    EXPECT_EQ(f.dialogs.shown[0].text, file + "\r\nCircuit has been modified !\r\nSave current file ?");
    EXPECT_EQ(f.dialogs.shown[0].buttons, MsgButtons::YesNoCancel);
    EXPECT_EQ(IsOpen(window), !c.closes);
    bool written = std::filesystem::exists(f.folder / (c.named ? "named.sch" : "chosen.sch"));
    EXPECT_EQ(written, c.written);
}

const CloseCase kCloseCases[] = {
    {"NamedYes", true, {MsgResult::Yes}, {}, true, true},
    {"NamedNo", true, {MsgResult::No}, {}, true, false},
    {"NamedCancel", true, {MsgResult::Cancel}, {}, false, false},
    {"UnnamedYesSaved", false, {MsgResult::Yes}, {"chosen.sch"}, true, true},
    {"UnnamedYesSaveCancelled", false, {MsgResult::Yes}, {}, false, false},
};

INSTANTIATE_TEST_SUITE_P(Closing, CloseQuestion, testing::ValuesIn(kCloseCases),
                         [](const testing::TestParamInfo<CloseCase>& p) { return p.param.name; });

// Ctrl+F4 closes the current schematic through the same question.
TEST_F(SchematicFiles, CtrlF4AsksTheCloseQuestion)
{
    f.New();
    TFormSch* w = &f.New();
    Place(*w, w->Resistore, 100, 100);
    f.form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.form.get()));
    f.dialogs.answers = {MsgResult::Cancel, MsgResult::No};
    Key(*w, Qt::Key_F4, Qt::ControlModifier);
    ProcessEvents();
    ASSERT_EQ(f.Messages(), std::vector<std::string>{"\r\nCircuit has been modified !\r\nSave current file ?"});
    EXPECT_TRUE(IsOpen(w));
    Key(*w, Qt::Key_F4, Qt::ControlModifier);
    ProcessEvents();
    EXPECT_EQ(f.dialogs.shown.size(), 2u);
    EXPECT_FALSE(IsOpen(w));
    EXPECT_EQ(f.form->Children().size(), 1u);
}

TEST_F(SchematicFiles, AnUnmodifiedWindowClosesWithoutAQuestion)
{
    TFormSch* w = &f.New();
    w->Exit->click();
    ProcessEvents();
    EXPECT_FALSE(IsOpen(w));
    EXPECT_TRUE(f.dialogs.shown.empty());
}

// Closing the frame asks the schematic; Yes and a cancelled save keep both.
TEST_F(SchematicFiles, TheFrameStaysWhenTheSaveOfItsSchematicIsCancelled)
{
    TFormSch* w = &f.New();
    Place(*w, w->Resistore, 100, 100);
    f.dialogs.answer = MsgResult::Yes;
    EXPECT_FALSE(f.form->close());
    EXPECT_TRUE(IsOpen(w));
    EXPECT_EQ(f.dialogs.requests.size(), 1u);
}

// Closing the frame asks about a modified window behind another: it comes to
// the front first, so that the user sees which drawing the question is about.
TEST_F(SchematicFiles, TheWindowAskedAboutComesToTheFront)
{
    TFormSch* drawn = &f.New();
    Place(*drawn, drawn->Resistore, 100, 100);
    f.New();
    f.dialogs.answer = MsgResult::Cancel;
    EXPECT_FALSE(f.form->close());
    ASSERT_EQ(f.dialogs.shown.size(), 1u);
    EXPECT_EQ(f.form->ActiveChild(), drawn);
}

// The parts span (100, 100) to (300, 200): the picture is 280 x 180.
TEST_F(SchematicFiles, ThePictureIsThePartsBoxWithMargins)
{
    TFormSch& w = f.New();
    QApplication::clipboard()->clear();
    f.form->ButtClipB->click();
    EXPECT_TRUE(QApplication::clipboard()->image().isNull()) << "no parts, no picture";
    Wire(w, 100, 200, 300, 100);
    w.Document().Modified = false;
    f.form->ButtClipB->click();
    QImage picture = QApplication::clipboard()->image();
    EXPECT_EQ(picture.size(), QSize(280, 180));
    EXPECT_EQ(picture.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(picture.pixel(40, 140), qRgb(0, 0, 0)) << "the wire's lower end";
    EXPECT_FALSE(w.Document().Modified);
}

TEST_F(SchematicFiles, PrintingToAPdfFile)
{
    TFormSch& w = f.New();
    f.dialogs.printTo = f.folder / "empty.pdf";
    f.form->ButtPrint->click();
    EXPECT_FALSE(std::filesystem::exists(f.folder / "empty.pdf")) << "no parts, nothing printed";
    DrawRcLowPass(w);
    f.dialogs.printTo = f.folder / "rc.pdf";
    f.form->ButtPrint->click();
    EXPECT_EQ(f.dialogs.printDialogs, 2);
    std::string pdf = ReadBytes(f.folder / "rc.pdf");
    EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
    EXPECT_NE(pdf.find("/Subtype /Image"), std::string::npos);
    EXPECT_TRUE(f.dialogs.shown.empty());
}

TEST_F(SchematicFiles, HelpOpensContext102)
{
    f.CopyProgram("help");
    TFormSch& w = f.New();
    w.ButtHelp->click();
    QTextBrowser* browser = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == "HelpWindow" && window->isVisible())
            browser = window->findChild<QTextBrowser*>();
    ASSERT_TRUE(browser);
    EXPECT_EQ(browser->source().toLocalFile().toStdString(), f.folder / "help/102.html");
}

// Subcircuit windows: Open Subcircuit reads a ".xch"; File Save and Save As
// run the subcircuit save, which asks for a name in "Save SubCircuit".
TEST_F(SchematicFiles, TheFrameOpensAndSavesSubcircuitWindows)
{
    std::filesystem::create_directories(f.folder / "SubCkt");
    std::string xch = f.CopyExample("SubCkt/rcsection.xch", "");
    f.dialogs.files = {xch};
    f.form->OpenSubcircuit1Click();
    TFormSch& sub = *f.Current();
    ASSERT_TRUE(sub.IsSubcircuit());
    EXPECT_EQ(sub.Document().Parts.size(), 8u);
    EXPECT_EQ(sub.windowTitle().toStdString(), "Schema: " + xch);
    f.form->FileSaveItemClick();
    EXPECT_TRUE(std::filesystem::exists(f.folder / "SubCkt/rcsection.sbc"));
    EXPECT_TRUE(std::filesystem::exists(f.folder / "SubCkt/rcsection.sp"));

    f.form->FileSaveAsItemClick();  // cancelled: the window keeps its name
    ASSERT_EQ(f.dialogs.requests.size(), 2u);
    EXPECT_EQ(f.dialogs.requests[1].title, "Save SubCircuit");
    EXPECT_EQ(f.dialogs.requests[1].initialDir, f.folder / "SubCkt/");
    EXPECT_EQ(sub.FileName(), xch);
    f.dialogs.files = {f.folder / "SubCkt/lp.xch"};
    f.form->FileSaveAsItemClick();
    EXPECT_EQ(sub.FileName(), f.folder / "SubCkt/lp.xch");
    for (const char* file : {"SubCkt/lp.xch", "SubCkt/lp.sbc", "SubCkt/lp.sp"})
        EXPECT_TRUE(std::filesystem::exists(f.folder / file)) << file;
    EXPECT_TRUE(f.dialogs.shown.empty());
}

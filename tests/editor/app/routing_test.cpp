// The frame and its children told apart by class name: small test children
// of the three names (and one of another name) record what the frame asks.
// They live in an unnamed namespace, so their names do not clash with the
// program's own windows; their run-time class names are the bare names.
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>
#include <stdexcept>

#include "editor/app/SchematicChild.h"
#include "formats/Paths.h"
#include "tests/editor/app/Frame.h"
#include "viewer/app/ResultChild.h"
#include "viewer/app/ValueListChild.h"
#include "viewer/model/FDT.h"

namespace {

std::vector<std::string> calls;

class TMDIChild : public ResultChild {
    Q_OBJECT
public:
    explicit TMDIChild(const std::string& fdt = "")
    {
        std::string error;
        if (!fdt.empty())
            model.LoadParFile(fdt, error);
    }
    void OpenFdt(const std::string& path) override { calls.push_back("OpenFdt " + path); }
    std::string CaptionBase() const override { return ""; }
    FDT* Model() override { return &model; }
    void SavedAs(const std::string& path) override { calls.push_back("SavedAs " + path); }
    void CopyToClipboard() override { calls.push_back("TMDIChild::CopyToClipboard"); }
    void PrintView(QPrinter&) override { calls.push_back("TMDIChild::PrintView"); }

    FDT model;
};

class TFormSch : public SchematicChild {
    Q_OBJECT
public:
    explicit TFormSch(bool subcircuit = false, std::string fileName = "", bool modified = false)
        : subcircuit_(subcircuit), fileName_(std::move(fileName)), modified_(modified)
    {
    }
    bool IsSubcircuit() const override { return subcircuit_; }
    const std::string& FileName() const override { return fileName_; }
    void LoadSchema(const std::string& path) override { calls.push_back("LoadSchema " + path); }
    void SaveSchema() override { calls.push_back("SaveSchema"); }
    void SaveSchemaAs(const std::string& path) override { calls.push_back("SaveSchemaAs " + path); }
    void Saveassubc1Click() override { calls.push_back("Saveassubc1Click"); }
    void SaveSubcircuitAs() override { calls.push_back("SaveSubcircuitAs"); }
    void CopyPicture() override { calls.push_back("TFormSch::CopyPicture"); }
    void PrintSchema(QPrinter&) override { calls.push_back("TFormSch::PrintSchema"); }
    bool FormCloseQuery() override
    {
        if (!modified_)
            return true;
        MsgResult answer = MessageDlg(fileName_ + " modified", MsgIcon::Warning, MsgButtons::YesNoCancel);
        if (answer == MsgResult::Yes)
            calls.push_back("saved " + fileName_);
        return answer != MsgResult::Cancel;
    }
    QList<QAction*> ChildMenus() override { return menus; }

    PartClipboard* clipboard = nullptr;
    QList<QAction*> menus;

private:
    bool subcircuit_;
    std::string fileName_;
    bool modified_;
};

class TFormLista : public ValueListChild {
    Q_OBJECT
public:
    void CopyToClipboard() override
    {
        if (fails)
            throw std::runtime_error("Out of luck");
        calls.push_back("TFormLista::CopyToClipboard");
    }
    void PrintGrid(QPrinter&) override { calls.push_back("TFormLista::PrintGrid"); }

    bool fails = false;
};

class TFormOther : public MdiChild {
    Q_OBJECT
};

struct Kind {
    const char* name;
    std::function<MdiChild*()> make;
};

void PrintTo(const Kind& kind, std::ostream* os) { *os << kind.name; }

const Kind kKinds[] = {{"TMDIChild", [] { return new TMDIChild; }},
                       {"TFormSch", [] { return new TFormSch(false, "/s/amp.sch"); }},
                       {"TFormLista", [] { return new TFormLista; }},
                       {"TFormOther", [] { return new TFormOther; }}};

class Routing : public testing::Test {
protected:
    void SetUp() override
    {
        calls.clear();
        f.Start();
    }
    template <class Child>
    Child* Add(Child* child)
    {
        f.form->AddChild(child);
        return child;
    }
    bool Closed(MdiChild* child)
    {
        ProcessEvents();
        return std::find(f.form->Children().begin(), f.form->Children().end(), child) == f.form->Children().end();
    }

    Frame f;
};

class RoutingByKind : public Routing, public testing::WithParamInterface<Kind> {};

struct Expected {
    std::vector<std::string> copy, print;
    bool closes;
};

Expected ExpectedFor(const std::string& kind)
{
    if (kind == "TMDIChild")
        return {{"TMDIChild::CopyToClipboard"}, {"TMDIChild::PrintView"}, true};
    if (kind == "TFormSch")
        return {{"TFormSch::CopyPicture"}, {"TFormSch::PrintSchema"}, true};
    if (kind == "TFormLista")
        return {{"TFormLista::CopyToClipboard"}, {"TFormLista::PrintGrid"}, false};
    return {{}, {}, false};
}

}  // namespace

TEST_P(RoutingByKind, CopyPrintAndCloseGoToTheCurrentChildByItsClassName)
{
    Expected expected = ExpectedFor(GetParam().name);
    MdiChild* child = Add(GetParam().make());
    ASSERT_STREQ(child->metaObject()->className(), GetParam().name);
    f.form->ButtClipBClick();
    EXPECT_EQ(calls, expected.copy);

    calls.clear();
    f.form->ButtPrintClick();  // print dialog cancelled
    EXPECT_TRUE(calls.empty());
    f.dialogs.printTo = f.folder / "print.pdf";
    f.form->ButtPrintClick();
    EXPECT_EQ(calls, expected.print);
    EXPECT_EQ(f.dialogs.printDialogs, std::string(GetParam().name) == "TFormOther" ? 0 : 2);

    f.form->FileCloseItemClick();
    EXPECT_EQ(Closed(child), expected.closes);
}

// The enabling table of the nine controls, and the Window items.
TEST_P(RoutingByKind, UpdateMenuItemsFollowsTheClassName)
{
    Expected expected = ExpectedFor(GetParam().name);
    TMainForm& form = *f.form;
    EXPECT_FALSE(form.WindowCascadeItem->isEnabled());
    Add(GetParam().make());
    bool file = expected.closes, copy = !expected.copy.empty();
    bool zoom = std::string(GetParam().name) == "TMDIChild";
    for (QAction* item : {form.FileCloseItem, form.FileSaveItem, form.FileSaveAsItem})
        EXPECT_EQ(item->isEnabled(), file) << item->text().toStdString();
    EXPECT_EQ(form.SaveBtn->isEnabled(), file);
    EXPECT_EQ(form.ButtSaveAs->isEnabled(), file);
    EXPECT_EQ(form.ButtClipB->isEnabled(), copy);
    EXPECT_EQ(form.ButtPrint->isEnabled(), copy);
    EXPECT_EQ(form.ZoomB->isEnabled(), zoom);
    EXPECT_EQ(form.ButtCur->isEnabled(), zoom);
    for (QAction* item : {form.WindowCascadeItem, form.WindowTileItem, form.WindowArrangeItem, form.WindowMinimizeItem})
        EXPECT_TRUE(item->isEnabled());

    // After the last child: the nine keep their state, the Window items go off.
    form.ActiveChild()->CloseWindow();
    ProcessEvents();
    ASSERT_TRUE(form.Children().empty());
    EXPECT_EQ(form.FileSaveItem->isEnabled(), file);
    EXPECT_EQ(form.ButtClipB->isEnabled(), copy);
    EXPECT_EQ(form.ZoomB->isEnabled(), zoom);
    EXPECT_FALSE(form.WindowMinimizeItem->isEnabled());
    form.FileSaveItemClick();
    form.ButtClipBClick();
    form.FileCloseItemClick();
    EXPECT_TRUE(calls.empty());
}

INSTANTIATE_TEST_SUITE_P(Classes, RoutingByKind, testing::ValuesIn(kKinds),
                         [](const auto& test) { return std::string(test.param.name); });

TEST_F(Routing, TheStartStatesOfTheSpeedBarAndMenus)
{
    TMainForm& form = *f.form;
    EXPECT_EQ(form.windowTitle().toStdString(), "Tervox");
    EXPECT_TRUE(form.windowState() & Qt::WindowMaximized);
    for (QToolButton* button : {form.OpenBtn, form.SpeedButton1, form.ExitBtn})
        EXPECT_TRUE(button->isEnabled());
    for (QToolButton* button : {form.SaveBtn, form.ButtSaveAs, form.ButtPrint, form.ButtClipB, form.ButtCur, form.ZoomB})
        EXPECT_FALSE(button->isEnabled());
    EXPECT_TRUE(form.ButtCur->isCheckable());
    EXPECT_TRUE(form.ZoomB->isCheckable());
    EXPECT_EQ(form.ButtClipB->toolTip().toStdString(), "Copy in ClipBoard");
    EXPECT_EQ(form.ButtClipB->statusTip().toStdString(), "Copy in ClipBoard");
    EXPECT_FALSE(form.FileSaveItem->isEnabled());
    EXPECT_FALSE(form.FileSaveAsItem->isEnabled());
    EXPECT_TRUE(form.FileCloseItem->isEnabled());
    EXPECT_EQ(form.FileSaveAsItem->text().toStdString(), "Save &As...");
    EXPECT_EQ(form.FileSaveAsItem->statusTip().toStdString(), "Save current file as...");
    EXPECT_EQ(form.Window1->menuAction()->statusTip().toStdString(),
              "Window related commands such as Tile and Cascade");
    EXPECT_EQ(form.SaveSub.title, "Save SubCircuit");
    EXPECT_EQ(form.SaveSub.filter, "SubCircuit Files|*.xch");
    EXPECT_EQ(form.SaveSub.defaultExt, "xch");
    // No schematic windows yet: their commands are off.
    for (QAction* item : {form.FileNewItem, form.NewSubcircuit1, form.OpenSubcircuit1})
        EXPECT_FALSE(item->isEnabled());
    EXPECT_FALSE(form.NewSchema->isEnabled());
}

// What the result side asks of the frame, and the cursor window's button.
TEST_F(Routing, TheResultSideReachesTheFrameThroughItsServices)
{
    TMainForm& form = *f.form;
    ASSERT_EQ(MainFrame, &form);
    EXPECT_EQ(MainForm, &form);
    QWidget cursorWindow;
    form.FormCur = &cursorWindow;
    form.ButtCur->setEnabled(true);
    QTest::mouseClick(form.ButtCur, Qt::LeftButton);
    EXPECT_TRUE(MainFrame->CursorDown());
    EXPECT_TRUE(cursorWindow.isVisible());
    QTest::mouseClick(form.ButtCur, Qt::LeftButton);
    EXPECT_FALSE(cursorWindow.isVisible());
    MainFrame->SetCursorDown(true);  // as the cursor window does when shown
    EXPECT_TRUE(form.ButtCur->isChecked());
    EXPECT_FALSE(cursorWindow.isVisible());

    form.ZoomB->setChecked(true);
    EXPECT_TRUE(MainFrame->ZoomDown());
    MainFrame->SetZoomDown(false);
    EXPECT_FALSE(form.ZoomB->isChecked());

    MainFrame->Remember({"1", "2", "3", false});
    IntervalTexts interval = MainFrame->Remembered();
    EXPECT_EQ(interval.start + interval.end + interval.endTime, "123");
    EXPECT_FALSE(interval.hz);
    MdiChild* child = new TFormOther;
    MainFrame->AddChild(child);
    EXPECT_EQ(form.ActiveChild(), child);
}

TEST_F(Routing, SaveOfAResultRewritesItsParameterFileOnly)
{
    std::string fdt = f.Example("rc_lowpass");
    std::string fdtBytes = ReadBytes(fdt);
    TMDIChild* window = Add(new TMDIChild(fdt));
    window->model.SetCompoValue(0, 2200);
    f.form->FileSaveItemClick();
    EXPECT_EQ(ReadBytes(f.folder / "rc_lowpass.par"), "C1 R1 $ $ \r\n2200 1000 -1 1 \r\n0 1\r\n1 2\r\n0 0 0\r\n");
    EXPECT_EQ(ReadBytes(fdt), fdtBytes);
    EXPECT_TRUE(f.dialogs.requests.empty());
}

TEST_F(Routing, SaveOfASchematicByItsMode)
{
    Add(new TFormSch(true, "/s/sub.xch"));
    f.form->FileSaveItemClick();
    EXPECT_EQ(calls, std::vector<std::string>{"Saveassubc1Click"});

    calls.clear();
    Add(new TFormSch(false, "/s/amp.sch"));
    f.form->FileSaveItemClick();
    EXPECT_EQ(calls, std::vector<std::string>{"SaveSchema"});

    calls.clear();
    Add(new TFormSch(false, ""));
    f.dialogs.files = {f.folder / "new.sch"};
    f.form->FileSaveItemClick();
    EXPECT_EQ(calls, std::vector<std::string>{"SaveSchemaAs " + f.folder / "new.sch"});
}

TEST_F(Routing, SaveAsOfASchematicByItsMode)
{
    f.form->InitialDir = "/before/";
    Add(new TFormSch(false, "/s/amp.sch"));
    f.dialogs.files = {f.folder / "amp2.sch"};
    f.form->FileSaveAsItemClick();
    ASSERT_EQ(f.dialogs.requests.size(), 1u);
    const FileRequest& request = f.dialogs.requests[0];
    EXPECT_EQ(request.title, "Save");
    EXPECT_EQ(request.filter, "Files *.sch|*.sch|Files *.fdt|*.fdt");
    EXPECT_EQ(request.filterIndex, 1);
    EXPECT_EQ(request.defaultExt, "sch");
    EXPECT_EQ(request.fileName, "/s/amp.sch");
    EXPECT_EQ(request.initialDir, "/before/");
    EXPECT_EQ(calls, std::vector<std::string>{"SaveSchemaAs " + f.folder / "amp2.sch"});
    EXPECT_EQ(f.form->InitialDir, f.folder.Folder());

    calls.clear();
    Add(new TFormSch(true, "/s/sub.xch"));
    f.form->FileSaveAsItemClick();
    EXPECT_EQ(calls, std::vector<std::string>{"SaveSubcircuitAs"});
    EXPECT_EQ(f.dialogs.requests.size(), 1u);
}

TEST_F(Routing, ValueListsAndOtherWindowsHaveNoFileCommands)
{
    for (MdiChild* child : {static_cast<MdiChild*>(new TFormLista), static_cast<MdiChild*>(new TFormOther)}) {
        Add(child);
        f.form->FileSaveItemClick();
        f.form->FileSaveAsItemClick();
        f.form->FileCloseItemClick();
        EXPECT_FALSE(Closed(child));
    }
    EXPECT_TRUE(calls.empty());
    EXPECT_TRUE(f.dialogs.requests.empty());
}

TEST_F(Routing, OpenFileByTheExtensionInAnyCase)
{
    TMainForm& form = *f.form;
    form.SetSchematicWindows([](bool subcircuit, PartClipboard&) { return new TFormSch(subcircuit); });
    struct Case {
        const char* file;
        const char* opens;  // the class of the new window, or nullptr
    };
    for (Case c : {Case{"net.fdt", "TMDIChild"}, {"NET.FDT", "TMDIChild"}, {"a.b.Fdt", "TMDIChild"},
                   {"amp.sch", "TFormSch"}, {"AMP.SCH", "TFormSch"}, {"sub.xch", nullptr}, {"net.fdt.txt", nullptr},
                   {"noext", nullptr}, {"fdt", nullptr}}) {
        calls.clear();
        std::size_t before = form.Children().size();
        form.OpenFile(f.folder / c.file);
        if (!c.opens) {
            EXPECT_EQ(form.Children().size(), before) << c.file;
            continue;
        }
        ASSERT_EQ(form.Children().size(), before + 1) << c.file;
        EXPECT_STREQ(form.ActiveChild()->metaObject()->className(), c.opens) << c.file;
        if (std::string(c.opens) == "TFormSch")
            EXPECT_EQ(calls, std::vector<std::string>{"LoadSchema " + f.folder / c.file});
        else
            EXPECT_EQ(form.ActiveChild()->windowTitle().toStdString(), c.file);
    }
}

TEST_F(Routing, SchematicWindowsComeFromTheirMakerWithThePartClipboard)
{
    TMainForm& form = *f.form;
    std::vector<TFormSch*> made;
    form.SetSchematicWindows([&](bool subcircuit, PartClipboard& clipboard) {
        made.push_back(new TFormSch(subcircuit));
        made.back()->clipboard = &clipboard;
        return made.back();
    });
    for (QAction* item : {form.FileNewItem, form.NewSubcircuit1, form.OpenSubcircuit1})
        EXPECT_TRUE(item->isEnabled());
    EXPECT_TRUE(form.NewSchema->isEnabled());

    form.NewSchemaClick();
    form.NewSubcircuit1Click();
    form.InitialDir = "/before/";
    form.OpenSubcircuit1Click();  // cancelled
    f.dialogs.files = {f.folder / "SubCkt/filter.xch"};
    form.OpenSubcircuit1Click();
    ASSERT_EQ(made.size(), 3u);
    EXPECT_FALSE(made[0]->IsSubcircuit());
    EXPECT_TRUE(made[1]->IsSubcircuit());
    EXPECT_TRUE(made[2]->IsSubcircuit());
    for (TFormSch* window : made)
        EXPECT_EQ(window->clipboard, &form.Clipboard);
    EXPECT_EQ(calls, std::vector<std::string>{"LoadSchema " + f.folder / "SubCkt/filter.xch"});
    const FileRequest& request = f.dialogs.requests.back();
    EXPECT_EQ(request.title, "Open SubCircuit");
    EXPECT_EQ(request.filter, "SubCircuit Files|*.xch");
    EXPECT_EQ(request.defaultExt, "xch");
    EXPECT_EQ(request.initialDir, f.folder / "SubCkt");
    EXPECT_EQ(form.InitialDir, "/before/");
}

TEST_F(Routing, MinimizeAllGoesFromTheLastChildToTheFirst)
{
    std::vector<std::string> order;
    std::vector<MdiChild*> children;
    for (const char* name : {"A", "B", "C"}) {
        MdiChild* child = Add(new TFormOther);
        child->setWindowTitle(name);
        children.push_back(child);
    }
    struct StateWatch : QObject {
        std::vector<std::string>* order;
        bool eventFilter(QObject* watched, QEvent* event) override
        {
            auto* sub = static_cast<QWidget*>(watched);
            if (event->type() == QEvent::WindowStateChange && sub->isMinimized() &&
                !(static_cast<QWindowStateChangeEvent*>(event)->oldState() & Qt::WindowMinimized))
                order->push_back(sub->windowTitle().toStdString());
            return false;
        }
    } watch;
    watch.order = &order;
    for (MdiChild* child : children)
        child->parentWidget()->installEventFilter(&watch);
    f.form->Activate(children[0]);  // stacking from the bottom: B, C, A
    f.form->WindowMinimizeItemClick();
    EXPECT_EQ(order, (std::vector<std::string>{"B", "C", "A"}));
}

// No child is closed before all have agreed: a Cancel keeps every window.
TEST_F(Routing, TheCloseQuestionsOfAllChildrenComeFirst)
{
    TMainForm& form = *f.form;
    QSignalSpy closed(&form, &TMainForm::Closed);
    Add(new TFormSch(false, "c.sch", true));
    Add(new TFormSch(false, "b.sch", true));
    Add(new TFormSch(false, "a.sch", true));
    f.dialogs.answers = {MsgResult::Yes, MsgResult::Cancel};
    form.close();
    ProcessEvents();
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(closed.count(), 0);
    EXPECT_EQ(form.Children().size(), 3u);
    ASSERT_EQ(f.dialogs.shown.size(), 2u);
    EXPECT_EQ(f.dialogs.shown[0].text, "a.sch modified");
    EXPECT_EQ(f.dialogs.shown[1].text, "b.sch modified");
    EXPECT_EQ(calls, std::vector<std::string>{"saved a.sch"});
    EXPECT_EQ(IniFile(f.IniPath()).ReadString("SYSTEM", "Freqin", "unwritten"), "unwritten");

    f.dialogs.answers = {MsgResult::No, MsgResult::No, MsgResult::No};
    form.FileExitItemClick();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(closed.count(), 1);
    EXPECT_EQ(f.dialogs.shown.size(), 5u);
    EXPECT_EQ(IniFile(f.IniPath()).ReadString("SYSTEM", "Freqin", "unwritten"), "0.01");
}

TEST_F(Routing, ABusyChildDelaysClosingTheFrame)
{
    TMainForm& form = *f.form;
    QSignalSpy closed(&form, &TMainForm::Closed);
    MdiChild* child = Add(new TFormOther);
    {
        MdiChild::BusyScope loop(*child);
        form.close();
        form.close();
        ProcessEvents();
        EXPECT_TRUE(form.isVisible());
    }
    ProcessEvents();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(closed.count(), 1);
}

TEST_F(Routing, TheCurrentChildsMenusShowInTheMenuBar)
{
    auto titles = [&] {
        std::vector<std::string> list;
        for (QAction* action : f.form->menuBar()->actions())
            list.push_back(action->text().toStdString());
        return list;
    };
    auto* schematic = new TFormSch;
    auto* get = new QMenu("&Get", schematic);
    schematic->menus = {get->menuAction(), new QAction("&Spice Netlist", schematic)};
    Add(schematic);
    EXPECT_EQ(titles(), (std::vector<std::string>{"&File", "&Get", "&Spice Netlist", "&Window", "&Help"}));
    MdiChild* other = Add(new TFormOther);
    EXPECT_EQ(titles(), (std::vector<std::string>{"&File", "&Window", "&Help"}));
    f.form->Activate(schematic);
    EXPECT_EQ(titles(), (std::vector<std::string>{"&File", "&Get", "&Spice Netlist", "&Window", "&Help"}));
    schematic->CloseWindow();
    ProcessEvents();
    EXPECT_EQ(titles(), (std::vector<std::string>{"&File", "&Window", "&Help"}));
    EXPECT_EQ(f.form->ActiveChild(), other);
}

TEST_F(Routing, TheWindowMenuListsTheChildren)
{
    for (const char* name : {"one", "two"})
        Add(new TFormOther)->setWindowTitle(name);
    emit f.form->Window1->aboutToShow();
    std::vector<std::string> items;
    for (QAction* action : f.form->Window1->actions())
        if (!action->isSeparator())
            items.push_back(action->text().toStdString() + (action->isChecked() ? " *" : ""));
    EXPECT_EQ(items, (std::vector<std::string>{"&Cascade", "&Tile", "&Arrange Icons", "&Minimize All", "&1 one",
                                               "&2 two *"}));
    f.form->Window1->actions()[5]->trigger();
    EXPECT_EQ(f.form->ActiveChild()->windowTitle().toStdString(), "one");
}

// A '&' in a caption is shown as it is, not taken as a mnemonic.
TEST_F(Routing, TheWindowMenuShowsAmpersandsInCaptions)
{
    Add(new TFormOther)->setWindowTitle("R&D.fdt");
    emit f.form->Window1->aboutToShow();
    QAction* entry = f.form->Window1->actions().back();
    EXPECT_EQ(entry->text().toStdString(), "&1 R&&D.fdt");
}

// An exception that reaches the event loop is shown, and the program goes on.
TEST_F(Routing, AFailingCommandIsShownAndTheFrameGoesOn)
{
    Add(new TFormLista)->fails = true;
    QTest::mouseClick(f.form->ButtClipB, Qt::LeftButton);
    ASSERT_EQ(f.dialogs.shown.size(), 1u);
    EXPECT_EQ(f.dialogs.shown[0].text, "Out of luck");
    EXPECT_EQ(f.dialogs.shown[0].icon, MsgIcon::Error);
    QTest::mouseClick(f.form->ButtClipB, Qt::LeftButton);
    EXPECT_EQ(f.dialogs.shown.size(), 2u);
    EXPECT_TRUE(f.form->isVisible());
}

#include "routing_test.moc"

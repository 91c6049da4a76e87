// The schematic window turns mouse and key events into the editing core's
// calls: placing, turning, wiring, the grid, selecting, dragging, the part
// clipboard across windows, and ghosts that leave nothing behind.
#include <QListWidget>
#include <QPushButton>
#include <QMenuBar>
#include <filesystem>
#include <gtest/gtest.h>

#include "editor/drawing/Surface.h"
#include "platform/ImageCanvas.h"
#include "tests/editor/app/SchematicFrame.h"

namespace {

std::vector<std::string> Names(TFormSch& w)
{
    std::vector<std::string> names;
    for (const auto& part : w.Document().Parts)
        names.push_back(part->Name);
    return names;
}

// The surface as a fresh paint of the same parts shows it.
QImage Repainted(TFormSch& w)
{
    ImageCanvas fresh(SurfaceWidth, SurfaceHeight);
    PaintSurface(w.Document(), fresh, w.GrigliaButt->isChecked());
    return fresh.Image();
}

const QImage& Surface(TFormSch& w)
{
    return w.PBox->Canvas().Image();
}

class SchematicWindow : public testing::Test {
protected:
    SchematicFrame f;
};

}  // namespace

TEST_F(SchematicWindow, ThreeClicksPlaceThreeResistorsOnTheGrid)
{
    TFormSch& w = f.New();
    EXPECT_EQ(w.windowTitle().toStdString(), "Schema");
    w.Resistore->click();
    for (QPoint at : {QPoint(103, 207), QPoint(157, 212), QPoint(244, 396)})
        Click(w, at.x(), at.y());
    ASSERT_EQ(Names(w), (std::vector<std::string>{"R1", "R2", "R3"}));
    const auto& parts = w.Document().Parts;
    EXPECT_EQ(std::make_pair(parts[0]->X, parts[0]->Y), std::make_pair(100, 210));
    EXPECT_EQ(std::make_pair(parts[1]->X, parts[1]->Y), std::make_pair(160, 210));
    EXPECT_EQ(std::make_pair(parts[2]->X, parts[2]->Y), std::make_pair(240, 400));
    EXPECT_TRUE(w.Document().Modified);

    ASSERT_TRUE(w.Editor().Placing()) << "a fourth follows the mouse";
    Move(w, 400, 400);
    EXPECT_NE(Surface(w), Repainted(w)) << "its ghost is shown";
    Key(w, Qt::Key_Escape);
    EXPECT_FALSE(w.Editor().Placing());
    EXPECT_EQ(Surface(w), Repainted(w));
}

TEST_F(SchematicWindow, RightAndMiddleButtonsTurnThePartBeingPlaced)
{
    TFormSch& w = f.New();
    struct Case {
        QToolButton* button;
        int steps;  // turns that bring it back
    };
    for (Case c : {Case{w.Resistore, 8}, Case{w.OpAmp, 8}, Case{w.nTrasf, 4}, Case{w.Kmut, 4}}) {
        c.button->click();
        Move(w, 300, 300);
        for (int turn = 1; turn <= c.steps; ++turn) {
            Qt::MouseButton button = turn % 2 ? Qt::RightButton : Qt::MiddleButton;
            QTest::mouseClick(w.PBox, button, Qt::NoModifier, QPoint(300, 300));
            EXPECT_EQ(w.Editor().Placing()->Orientation, turn % c.steps) << c.button->objectName().toStdString();
        }
        Key(w, Qt::Key_Escape);
    }
    EXPECT_TRUE(w.Document().Parts.empty());
}

TEST_F(SchematicWindow, AWireTakesTwoClicksItsFixedEndSnapped)
{
    TFormSch& w = f.New();
    w.Filo->click();
    EXPECT_TRUE(w.Document().Modified) << "choosing the wire tool";
    Click(w, 23, 47);
    const GCompo* wire = w.Editor().Placing();
    ASSERT_TRUE(wire);
    EXPECT_EQ(std::make_pair(wire->X2, wire->Y2), std::make_pair(20, 50));
    EXPECT_TRUE(wire->StartFixed);
    EXPECT_TRUE(w.Document().Parts.empty());
    Click(w, 118, 52);
    ASSERT_EQ(w.Document().Parts.size(), 1u);
    const GCompo& dropped = *w.Document().Parts[0];
    EXPECT_EQ(std::make_tuple(dropped.X, dropped.Y, dropped.X2, dropped.Y2), std::make_tuple(120, 50, 20, 50));
    Click(w, 200, 204);
    EXPECT_EQ(std::make_pair(w.Editor().Placing()->X2, w.Editor().Placing()->Y2), std::make_pair(200, 200))
        << "a third click fixes the next wire";
}

// Ctrl let go a moment before the letter: the letter was pressed with Ctrl,
// so its release still copies, cuts or pastes.
TEST_F(SchematicWindow, CtrlLetGoBeforeTheLetterStillCounts)
{
    TFormSch& w = f.New();
    Place(w, w.Resistore, 100, 100);
    Click(w, 100, 130);
    auto ctrlFirst = [&](Qt::Key letter) {
        QTest::keyPress(w.PBox, Qt::Key_Control, Qt::ControlModifier);
        QTest::keyPress(w.PBox, letter, Qt::ControlModifier);
        QTest::keyRelease(w.PBox, Qt::Key_Control, Qt::NoModifier);
        QTest::keyRelease(w.PBox, letter, Qt::NoModifier);
    };
    ctrlFirst(Qt::Key_C);
    EXPECT_FALSE(f.form->Clipboard.Empty());
    ctrlFirst(Qt::Key_V);
    EXPECT_TRUE(w.Editor().PastePending());
    Click(w, 300, 300);
    ASSERT_EQ(Names(w), (std::vector<std::string>{"R1", "R2"}));
    QTest::keyPress(w.PBox, Qt::Key_V, Qt::ControlModifier);
    QTest::keyRelease(w.PBox, Qt::Key_V, Qt::NoModifier);
    QTest::keyPress(w.PBox, Qt::Key_V, Qt::NoModifier);
    QTest::keyRelease(w.PBox, Qt::Key_V, Qt::NoModifier);
    EXPECT_TRUE(w.Editor().PastePending()) << "pressed with Ctrl";
    Click(w, 500, 500);
    QTest::keyClick(w.PBox, Qt::Key_V);
    EXPECT_FALSE(w.Editor().PastePending()) << "a plain V";
}

TEST_F(SchematicWindow, GridOffWhilePlacingRemovesTheGhostUntilTheNextMove)
{
    TFormSch& w = f.New();
    Place(w, w.Condens, 100, 100);
    w.Resistore->click();
    Move(w, 300, 200);
    QTest::mouseClick(w.GrigliaButt, Qt::LeftButton);
    EXPECT_FALSE(w.GrigliaButt->isChecked());
    EXPECT_EQ(Surface(w), Repainted(w)) << "no grid, no ghost";
    EXPECT_EQ(Surface(w).pixel(500, 500), qRgb(255, 255, 255));
    Move(w, 310, 200);
    EXPECT_NE(Surface(w), Repainted(w)) << "the ghost is back";
    Click(w, 310, 200);
    EXPECT_EQ(w.Document().Parts.back()->X, 310) << "parts snap with the grid hidden";
    QTest::mouseClick(w.GrigliaButt, Qt::LeftButton);
    Key(w, Qt::Key_Escape);
    EXPECT_EQ(Surface(w).pixel(500, 500), qRgb(192, 192, 192));
    EXPECT_EQ(Surface(w), Repainted(w));
}

TEST_F(SchematicWindow, ClickShiftClickAndBandsSelect)
{
    TFormSch& w = f.New();
    GCompo& r1 = Place(w, w.Resistore, 100, 100);
    GCompo& r2 = Place(w, w.Resistore, 200, 100);
    GCompo& c1 = Place(w, w.Condens, 300, 100);
    auto selected = [&] { return std::vector<int>{r1.Selected, r2.Selected, c1.Selected}; };
    Click(w, 100, 130);
    EXPECT_EQ(selected(), (std::vector<int>{1, 0, 0}));
    Click(w, 200, 130, Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(selected(), (std::vector<int>{1, 1, 0}));
    Click(w, 100, 130, Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(selected(), (std::vector<int>{0, 1, 0}));
    Click(w, 600, 600);
    EXPECT_EQ(selected(), (std::vector<int>{0, 0, 0})) << "an empty spot";

    Drag(w, {150, 60}, {350, 180});
    EXPECT_EQ(selected(), (std::vector<int>{0, 1, 1}));
    Click(w, 600, 600);
    Drag(w, {350, 180}, {150, 60});
    EXPECT_EQ(selected(), (std::vector<int>{0, 1, 1})) << "drawn the other way";
    EXPECT_EQ(Surface(w), Repainted(w)) << "no band left";
    Key(w, Qt::Key_Delete);
    EXPECT_EQ(Names(w), std::vector<std::string>{"R1"});
}

TEST_F(SchematicWindow, ADraggedWireMovesItsNearerEnd)
{
    TFormSch& w = f.New();
    Wire(w, 100, 100, 300, 100);
    GCompo* wire = w.Document().Parts[0].get();
    ASSERT_EQ(std::make_tuple(wire->X, wire->Y, wire->X2, wire->Y2), std::make_tuple(300, 100, 100, 100));
    Click(w, 200, 100);
    ASSERT_TRUE(wire->Selected);
    Drag(w, {120, 100}, {120, 200});
    ASSERT_EQ(w.Document().Parts.size(), 1u);
    wire = w.Document().Parts[0].get();
    EXPECT_EQ(std::make_tuple(wire->X, wire->Y, wire->X2, wire->Y2), std::make_tuple(120, 200, 300, 100))
        << "the end that was grabbed moved, the other stayed";
    EXPECT_FALSE(w.Editor().Dragging());
    EXPECT_EQ(Surface(w), Repainted(w));
}

TEST_F(SchematicWindow, ADraggedPartKeepsItsNameAndGoesLast)
{
    TFormSch& w = f.New();
    Place(w, w.Resistore, 100, 100);
    Place(w, w.Condens, 300, 100);
    Click(w, 100, 130);
    Drag(w, {100, 130}, {200, 230});
    EXPECT_EQ(Names(w), (std::vector<std::string>{"C1", "R1"}));
    EXPECT_EQ(std::make_pair(w.Document().Parts[1]->X, w.Document().Parts[1]->Y), std::make_pair(200, 200));
}

// Copying R1 and C1 (with R1, R2 and C1 present): pasted into the same
// window they become R3 and C2, into another window R1 and C1; cut, they
// keep their names in every paste.
TEST_F(SchematicWindow, CopyCutAndPasteAcrossTwoWindows)
{
    TFormSch& a = f.New();
    Place(a, a.Resistore, 100, 100);
    Place(a, a.Resistore, 200, 100);
    Place(a, a.Condens, 300, 100);
    Click(a, 100, 130);
    Click(a, 300, 130, Qt::LeftButton, Qt::ShiftModifier);
    Key(a, Qt::Key_C, Qt::ControlModifier);
    a.Document().Modified = false;
    Key(a, Qt::Key_V, Qt::ControlModifier);
    EXPECT_TRUE(a.Editor().PastePending());
    Move(a, 412, 404);
    Click(a, 412, 404);
    EXPECT_EQ(Names(a), (std::vector<std::string>{"R1", "R2", "C1", "C2", "R3"}));
    const auto& pasted = a.Document().Parts;
    EXPECT_EQ(std::make_pair(pasted[3]->X, pasted[3]->Y), std::make_pair(410, 400)) << "the reference part";
    EXPECT_EQ(std::make_pair(pasted[4]->X, pasted[4]->Y), std::make_pair(210, 400));

    TFormSch& b = f.New();
    b.ButtPaste->click();
    Click(b, 500, 500);
    EXPECT_EQ(Names(b), (std::vector<std::string>{"C1", "R1"}));

    f.form->Activate(&a);
    for (int i : {3, 4})
        a.Document().Parts[static_cast<std::size_t>(i)]->Selected = 0;
    Key(a, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(Names(a), (std::vector<std::string>{"R2", "C2", "R3"}));
    f.form->Activate(&b);
    for (int paste = 0; paste < 2; ++paste) {
        b.ButtPaste->click();
        Click(b, 600, 300 + 200 * paste);
    }
    EXPECT_EQ(Names(b), (std::vector<std::string>{"C1", "R1", "C1", "R1", "C1", "R1"}));
    EXPECT_EQ(Surface(b), Repainted(b));
}

TEST_F(SchematicWindow, TheEditMenuHasTheClipboardCommands)
{
    TFormSch& w = f.New();
    QList<QAction*> bar = f.form->menuBar()->actions();
    auto caption = [](QAction* a) { return a->text().toStdString(); };
    std::vector<std::string> captions;
    for (QAction* action : bar)
        captions.push_back(caption(action));
    EXPECT_EQ(captions, (std::vector<std::string>{"&File", "&Get", "&Edit", "&Analysis", "&Spice Netlist", "&Window",
                                                  "&Help"}));
    Place(w, w.Resistore, 100, 100);
    Click(w, 100, 130);
    w.Edit1->actions()[0]->trigger();  // Copy
    w.Edit1->actions()[2]->trigger();  // Paste
    Click(w, 300, 300);
    EXPECT_EQ(Names(w), (std::vector<std::string>{"R1", "R2"}));
    w.Edit1->actions()[1]->trigger();  // Cut
    EXPECT_EQ(Names(w), std::vector<std::string>{"R2"});
}

// Each Get item places the kind of the first letter of its name; "Current
// Out" places a current output.
TEST_F(SchematicWindow, GetItemsAndPaletteButtonsChooseTheirKind)
{
    TFormSch& w = f.New();
    for (QAction* item : w.Get1->actions()) {
        std::string name = item->objectName().toStdString();
        if (item->isSeparator() || name == "Mosfet1" || name == "BJTh1" || name == "BJTpi1" || name == "Text1")
            continue;
        item->trigger();
        ASSERT_TRUE(w.Editor().Placing()) << name;
        char expected = name == "CurrentOut1" ? 'i' : name == "Wire1" ? 'W' : name[0];
        EXPECT_EQ(w.Editor().Placing()->Kind, expected) << name;
    }
    for (QToolButton* button : {w.Resistore, w.GConduttanza, w.Condens, w.LIndutt, w.VTensione, w.ICorrente, w.HVCCS,
                                w.YCCVS, w.EVCVS, w.FCCCS, w.OpAmp, w.nTrasf, w.Kmut, w.ground, w.vOut, w.iCurrOut}) {
        button->click();
        EXPECT_EQ(w.Editor().Placing()->Kind, button->objectName().toStdString()[0]);
        EXPECT_FALSE(button->toolTip().isEmpty());
    }
    QTest::mouseClick(w.Cursore, Qt::LeftButton);
    EXPECT_FALSE(w.Editor().Placing());
}

TEST_F(SchematicWindow, TheTextPanelTypesATextThatFollowsTheMouse)
{
    TFormSch& w = f.New();
    GCompo& r1 = Place(w, w.Resistore, 100, 100);
    Click(w, 100, 130);
    w.Testo->click();
    ASSERT_FALSE(w.PanelText->isHidden());
    ASSERT_EQ(w.focusWidget(), w.EditText);
    QTest::keyClicks(w.EditText, "V");
    w.PediceBut->click();
    QTest::keyClicks(w.EditText, "out");
    Key(w, Qt::Key_Delete);
    EXPECT_TRUE(r1.Selected) << "Delete belongs to the text being typed";
    EXPECT_EQ(w.EditText->text().toStdString(), "V\xC2\xA3out");
    Key(w, Qt::Key_Return);
    EXPECT_TRUE(w.PanelText->isHidden());
    ASSERT_TRUE(w.Editor().Placing());
    EXPECT_EQ(w.Editor().Placing()->Text, "V\xA3out");
    Click(w, 303, 305);
    EXPECT_EQ(w.Document().Parts.back()->X, 303) << "texts do not snap";

    w.Testo->click();
    EXPECT_EQ(w.EditText->text().toStdString(), "V\xC2\xA3out") << "the edit keeps its text";
    w.ApiceBut->click();
    EXPECT_EQ(w.Editor().Text().Text, "V\xA3out\xE7");
    QTest::mouseClick(w.TextCanc, Qt::LeftButton);
    EXPECT_TRUE(w.PanelText->isHidden());
}

TEST_F(SchematicWindow, KeysReleasedInAnyControlReachTheWindow)
{
    TFormSch& w = f.New();
    Place(w, w.Resistore, 100, 100);
    Click(w, 100, 130);
    w.ListSub->setFocus();
    QTest::keyClick(w.ListSub, Qt::Key_Delete);
    EXPECT_TRUE(w.Document().Parts.empty());
}

// After placing, turning, bands, drags, pastes and tool changes the surface
// is what a fresh paint of the parts gives: no stray ghost.
TEST_F(SchematicWindow, AfterAScriptOfMovesTheSurfaceIsAFreshPaint)
{
    TFormSch& w = f.New();
    w.OpAmp->click();
    for (int x = 100; x < 300; x += 37)
        Move(w, x, 2 * x);
    QTest::mouseClick(w.PBox, Qt::RightButton, Qt::NoModifier, QPoint(260, 300));
    Click(w, 260, 300);
    Move(w, 500, 500);
    w.Filo->click();
    Click(w, 400, 100);
    Move(w, 480, 160);
    QTest::mouseClick(w.GrigliaButt, Qt::LeftButton);
    Move(w, 470, 150);
    Click(w, 470, 150);
    Key(w, Qt::Key_Escape);
    Drag(w, {50, 50}, {700, 700});
    Key(w, Qt::Key_C, Qt::ControlModifier);
    Move(w, 600, 600);
    Key(w, Qt::Key_V, Qt::ControlModifier);
    Move(w, 650, 650);
    w.Resistore->click();
    Move(w, 620, 400);
    Click(w, 620, 400);
    Drag(w, {260, 300}, {300, 600});
    w.Testo->click();
    QTest::keyClicks(w.EditText, "x");
    Key(w, Qt::Key_Return);
    Move(w, 100, 800);
    Key(w, Qt::Key_Escape);
    ASSERT_FALSE(w.Editor().Placing());
    ASSERT_FALSE(w.Editor().Dragging());
    ASSERT_FALSE(w.Editor().BandActive());
    EXPECT_EQ(Surface(w), Repainted(w));
}

TEST_F(SchematicWindow, ASubcircuitWindowOffersNoSourcesNoAnalysisButItsSave)
{
    std::filesystem::create_directories(f.folder / "SubCkt");
    f.CopyExample("SubCkt/rcsection.sbc", "");
    TFormSch& normal = f.New();
    ASSERT_EQ(normal.ListSub->count(), 1);
    EXPECT_EQ(normal.ListSub->item(0)->text().toStdString(), "rcsection");
    EXPECT_TRUE(normal.SaveSub->isHidden());
    QTest::mouseClick(normal.ListSub->viewport(), Qt::LeftButton, Qt::NoModifier,
                      normal.ListSub->visualItemRect(normal.ListSub->item(0)).center());
    ASSERT_TRUE(normal.Editor().Placing());
    EXPECT_EQ(normal.Editor().Placing()->Kind, 'X');

    TFormSch& sub = f.New(true);
    EXPECT_EQ(sub.ListSub->count(), 0);
    EXPECT_FALSE(sub.SaveSub->isHidden());
    for (QToolButton* off : {sub.VTensione, sub.ICorrente, sub.iCurrOut, sub.ButtApprox, sub.ButtAnalisi})
        EXPECT_FALSE(off->isEnabled()) << off->objectName().toStdString();
    for (QAction* off : {sub.VoltageSource1, sub.ICurrentSource1, sub.CurrentOut1})
        EXPECT_FALSE(off->isEnabled()) << off->objectName().toStdString();
    EXPECT_TRUE(sub.vOut->isEnabled());
    for (QAction* item : sub.Analysis1->actions())
        EXPECT_TRUE(item->isEnabled());
}

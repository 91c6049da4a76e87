// The subcircuit list picks the part to place whenever the user changes its
// highlight, by click, by keys or by a drag, and once per such change: the
// part being placed is the highlighted subcircuit.
#include <QListWidget>
#include <filesystem>
#include <gtest/gtest.h>

#include "tests/editor/app/SchematicFrame.h"

namespace {

// A schematic window listing copies of the example subcircuit.
class SubcircuitList : public testing::Test {
protected:
    TFormSch& Window(std::initializer_list<const char*> names = {"ladder", "notch", "rcsection", "tnet"})
    {
        std::filesystem::create_directories(f.folder / "SubCkt");
        for (const char* name : names)
            std::filesystem::copy_file(std::string(TERVOX_SOURCE_DIR) + "/examples/SubCkt/rcsection.sbc",
                                       f.folder / ("SubCkt/" + std::string(name) + ".sbc"));
        TFormSch& w = f.New();
        EXPECT_EQ(w.ListSub->count(), static_cast<int>(names.size()));
        EXPECT_TRUE(f.dialogs.shown.empty()) << "filling the list picks nothing";
        return w;
    }
    QPoint At(TFormSch& w, const char* name) const
    {
        QList<QListWidgetItem*> items = w.ListSub->findItems(name, Qt::MatchExactly);
        EXPECT_EQ(items.size(), 1) << name;
        return items.isEmpty() ? QPoint() : w.ListSub->visualItemRect(items[0]).center();
    }
    void ClickItem(TFormSch& w, const char* name)
    {
        QTest::mouseClick(w.ListSub->viewport(), Qt::LeftButton, Qt::NoModifier, At(w, name));
    }
    void DragItems(TFormSch& w, const char* from, const char* to)
    {
        QWidget* view = w.ListSub->viewport();
        QTest::mousePress(view, Qt::LeftButton, Qt::NoModifier, At(w, from));
        QTest::mouseMove(view, (At(w, from) + At(w, to)) / 2);
        QTest::mouseMove(view, At(w, to));
        QTest::mouseRelease(view, Qt::LeftButton, Qt::NoModifier, At(w, to));
    }
    static std::string Highlighted(TFormSch& w)
    {
        QListWidgetItem* item = w.ListSub->currentItem();
        return item && item->isSelected() ? item->text().toStdString() : "";
    }
    // The subcircuit of the part dropped by a click on the surface.
    static std::string Dropped(TFormSch& w, int x, int y)
    {
        size_t before = w.Document().Parts.size();
        Click(w, x, y);
        if (w.Document().Parts.size() != before + 1)
            return "(nothing placed)";
        return w.Document().Parts.back()->Text;
    }
    static std::string Refusal(const std::string& name)
    {
        return "SubCircuit " + name +
               " cannot be placed!\r\nThe name of this subcircuit must not contain blanks, control characters or # !";
    }

    SchematicFrame f;
};

TEST_F(SubcircuitList, AfterAClickAndDownTheCanvasGetsTheHighlightedSubcircuit)
{
    TFormSch& w = Window();
    ClickItem(w, "notch");
    ASSERT_EQ(w.focusWidget(), w.ListSub);
    Key(w, Qt::Key_Down);
    ASSERT_EQ(Highlighted(w), "rcsection");
    EXPECT_EQ(Dropped(w, 200, 200), "rcsection");
    EXPECT_EQ(w.Document().Parts.back()->Name, "X1");
    ASSERT_TRUE(w.Editor().Placing()) << "the next one follows the mouse";
    EXPECT_EQ(w.Editor().Placing()->Text, "rcsection");

    // Down does nothing else in the window: the selected part stays.
    Key(w, Qt::Key_Escape);
    Click(w, 200, 200);
    ASSERT_TRUE(w.Document().Parts.back()->Selected);
    w.ListSub->setFocus();
    Key(w, Qt::Key_Down);
    EXPECT_EQ(w.Document().Parts.size(), 1u);
    EXPECT_TRUE(w.Document().Parts.back()->Selected);
    EXPECT_TRUE(f.dialogs.shown.empty());
}

struct KeyCase {
    const char* name;
    int key;
    const char* highlighted;
};

void PrintTo(const KeyCase& c, std::ostream* out)
{
    *out << c.name;
}

class SubcircuitListKeys : public SubcircuitList, public testing::WithParamInterface<KeyCase> {};

TEST_P(SubcircuitListKeys, ThePartBeingPlacedFollowsTheHighlight)
{
    TFormSch& w = Window();
    ClickItem(w, "notch");
    ASSERT_EQ(Dropped(w, 200, 200), "notch");
    w.ListSub->setFocus();
    Key(w, GetParam().key);
    ASSERT_EQ(Highlighted(w), GetParam().highlighted);
    EXPECT_EQ(Dropped(w, 300, 200), GetParam().highlighted);
}

INSTANTIATE_TEST_SUITE_P(Keys, SubcircuitListKeys,
                         testing::Values(KeyCase{"Down", Qt::Key_Down, "rcsection"},
                                         KeyCase{"Up", Qt::Key_Up, "ladder"},
                                         KeyCase{"End", Qt::Key_End, "tnet"},
                                         KeyCase{"PageDown", Qt::Key_PageDown, "tnet"},
                                         KeyCase{"Home", Qt::Key_Home, "ladder"},
                                         KeyCase{"Letter", Qt::Key_T, "tnet"}),
                         [](const testing::TestParamInfo<KeyCase>& key) { return std::string(key.param.name); });

TEST_F(SubcircuitList, ANameThatCannotBePlacedIsRefusedOnceByClickAndSoByKeys)
{
    TFormSch& w = Window({"a#b", "ladder"});
    ClickItem(w, "a#b");
    EXPECT_EQ(f.Messages(), std::vector<std::string>{Refusal("a#b")});
    EXPECT_FALSE(w.Editor().Placing());

    ClickItem(w, "ladder");
    ASSERT_TRUE(w.Editor().Placing());
    Key(w, Qt::Key_Up);
    EXPECT_EQ(f.Messages(), (std::vector<std::string>{Refusal("a#b"), Refusal("a#b")}));
    EXPECT_FALSE(w.Editor().Placing()) << "the part of the old highlight is dropped";
    Key(w, Qt::Key_Up);
    EXPECT_EQ(f.Messages().size(), 2u) << "a key that moves nothing picks nothing";
}

// Qt moves the highlight while a press drags over a single-selection list.
TEST_F(SubcircuitList, APressDraggedToAnotherItemPicksItOnRelease)
{
    TFormSch& w = Window({"a#b", "ladder", "tnet"});
    ClickItem(w, "ladder");
    DragItems(w, "ladder", "a#b");
    EXPECT_EQ(f.Messages(), std::vector<std::string>{Refusal("a#b")});
    DragItems(w, "a#b", "tnet");
    ASSERT_EQ(Highlighted(w), "tnet");
    EXPECT_EQ(Dropped(w, 200, 200), "tnet");
    EXPECT_EQ(f.Messages().size(), 1u);
}

}  // namespace

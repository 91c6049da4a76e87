#include <QApplication>
#include <QTextBrowser>
#include <QToolButton>
#include <gtest/gtest.h>

#include "platform/Help.h"
#include "tests/editor/app/Frame.h"

namespace {

QTextBrowser* HelpBrowser()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == "HelpWindow" && window->isVisible())
            return window->findChild<QTextBrowser*>();
    return nullptr;
}

std::string Page()
{
    return HelpBrowser()->source().toLocalFile().toStdString();
}

}  // namespace

// The pages the build puts beside the programs: contents, schematic and
// result window, linked from the contents.
TEST(Help, ContentsAndContextsOpenInTheHelpWindow)
{
    Frame f;
    f.CopyProgram("help");
    TMainForm& form = f.Start();
    form.Contents1Click();
    ASSERT_TRUE(HelpBrowser());
    EXPECT_EQ(Page(), f.folder / "help/index.html");
    std::string contents = HelpBrowser()->toHtml().toStdString();
    EXPECT_NE(contents.find("102.html"), std::string::npos);
    EXPECT_NE(contents.find("300.html"), std::string::npos);
    for (int context : {102, 300}) {
        ShowHelp(context);
        EXPECT_EQ(Page(), f.folder / ("help/" + std::to_string(context) + ".html"));
        EXPECT_FALSE(HelpBrowser()->toPlainText().isEmpty());
    }
    EXPECT_TRUE(f.dialogs.shown.empty());
}

TEST(Help, MissingHelpIsReported)
{
    Frame f;
    TMainForm& form = f.Start();
    form.SpeedButton1->click();
    ASSERT_EQ(f.dialogs.shown.size(), 1u);
    EXPECT_EQ(f.dialogs.shown[0].text, "The help page " + f.folder / "help/index.html" + " is missing!");
    EXPECT_EQ(f.dialogs.shown[0].caption, "Error");
    EXPECT_FALSE(HelpBrowser());
}

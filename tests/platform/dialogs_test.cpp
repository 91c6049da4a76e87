#include <gtest/gtest.h>

#include "platform/Dialogs.h"
#include "tests/platform/ScriptedDialogs.h"

TEST(Dialogs, WithoutDisplayBoxesGoToStderrAndTakeTheirFirstButton)
{
    testing::internal::CaptureStderr();
    EXPECT_EQ(MessageDlg("Big?\r\nSure?", MsgIcon::Warning, MsgButtons::YesNo), MsgResult::Yes);
    EXPECT_EQ(MessageBox("Invalid!", "Error", MsgIcon::Error), MsgResult::Ok);
    ShowMessage("Error in line 3");
    EXPECT_EQ(MessageDlg("Save?", MsgIcon::Confirmation, MsgButtons::YesNoCancel), MsgResult::Yes);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Warning: Big?\nSure?\nError: Invalid!\nTestPlatform: Error in line 3\nConfirm: Save?\n");
}

TEST(Dialogs, WithoutDisplayFileDialogsAreCancelled)
{
    std::string path = "unchanged";
    FileRequest request;
    request.filter = "CRC Files|*.crc";
    EXPECT_FALSE(Dialogs().OpenFileName(request, path));
    EXPECT_FALSE(Dialogs().SaveFileName(request, path));
    EXPECT_EQ(path, "unchanged");
}

TEST(Dialogs, AnInstalledServiceAnswersEverything)
{
    std::string path;
    {
        ScriptedDialogs scripted;
        scripted.answer = MsgResult::No;
        scripted.files = {"/x/chosen.crc"};
        ShowMessage("one");
        EXPECT_EQ(MessageDlg("two", MsgIcon::Warning, MsgButtons::YesNo), MsgResult::No);
        EXPECT_EQ(MessageBox("three", "Error", MsgIcon::Error), MsgResult::Ok);
        EXPECT_TRUE(Dialogs().OpenFileName(FileRequest(), path));
        EXPECT_FALSE(Dialogs().SaveFileName(FileRequest(), path));

        ASSERT_EQ(scripted.shown.size(), 3u);
        EXPECT_EQ(scripted.shown[0].caption, "TestPlatform");
        EXPECT_EQ(scripted.shown[0].buttons, MsgButtons::Ok);
        EXPECT_EQ(scripted.shown[1].caption, "Warning");
        EXPECT_EQ(scripted.shown[1].icon, MsgIcon::Warning);
        EXPECT_EQ(scripted.shown[2].text, "three");
        EXPECT_EQ(scripted.shown[2].caption, "Error");
        EXPECT_EQ(scripted.shown[2].icon, MsgIcon::Error);
    }
    EXPECT_EQ(path, "/x/chosen.crc");
    testing::internal::CaptureStderr();
    ShowMessage("back to the standard service");
    EXPECT_NE(testing::internal::GetCapturedStderr(), "");
}

#include <gtest/gtest.h>

#include "platform/Dialogs.h"

namespace {

class ScriptedDialogs : public DialogService {
public:
    MsgResult Message(const std::string& text, const std::string& caption, MsgIcon icon,
                      MsgButtons buttons) override
    {
        shown.push_back({text, caption, icon, buttons});
        return MsgResult::No;
    }
    bool OpenFileName(const FileRequest& request, std::string& path) override
    {
        path = request.initialDir + "chosen." + request.defaultExt;
        return true;
    }
    bool SaveFileName(const FileRequest&, std::string&) override { return false; }

    struct Box {
        std::string text, caption;
        MsgIcon icon;
        MsgButtons buttons;
    };
    std::vector<Box> shown;
};

}  // namespace

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
    ScriptedDialogs scripted;
    SetDialogs(&scripted);
    ShowMessage("one");
    EXPECT_EQ(MessageDlg("two", MsgIcon::Warning, MsgButtons::YesNo), MsgResult::No);
    EXPECT_EQ(MessageBox("three", "Error", MsgIcon::Error), MsgResult::No);
    FileRequest request;
    request.initialDir = "/x/";
    request.defaultExt = "crc";
    std::string path;
    EXPECT_TRUE(Dialogs().OpenFileName(request, path));
    SetDialogs(nullptr);

    EXPECT_EQ(path, "/x/chosen.crc");
    ASSERT_EQ(scripted.shown.size(), 3u);
    EXPECT_EQ(scripted.shown[0].caption, "TestPlatform");
    EXPECT_EQ(scripted.shown[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(scripted.shown[1].caption, "Warning");
    EXPECT_EQ(scripted.shown[1].icon, MsgIcon::Warning);
    EXPECT_EQ(scripted.shown[2].text, "three");
    EXPECT_EQ(scripted.shown[2].caption, "Error");
    EXPECT_EQ(scripted.shown[2].icon, MsgIcon::Error);
}

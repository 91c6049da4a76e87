// Save As of a result window writes a pair that opens again, and asks
// before it replaces files.
#include <gtest/gtest.h>

#include "tests/editor/app/Frame.h"
#include "viewer/app/ChildWin.h"
#include "viewer/model/FDT.h"

namespace {

class ResultSaveAs : public testing::Test {
protected:
    void SetUp() override
    {
        f.Start().OpenFile(f.Example("rc_lowpass"));
        window = dynamic_cast<TMDIChild*>(f.form->ActiveChild());
        ASSERT_TRUE(window);
        window->Model()->SetCompoValue(0, 2.2e-6);
    }

    Frame f;
    TMDIChild* window = nullptr;
};

}  // namespace

TEST_F(ResultSaveAs, WritesTheParametersAndACopyOfTheTerms)
{
    f.form->InitialDir = "/before/";
    std::filesystem::create_directory(f.folder / "saved");
    f.dialogs.files = {f.folder / "saved/copy.fdt"};
    f.form->FileSaveAsItemClick();
    ASSERT_EQ(f.dialogs.requests.size(), 1u);
    const FileRequest& request = f.dialogs.requests[0];
    EXPECT_EQ(request.title, "Save");
    EXPECT_EQ(request.filterIndex, 2);
    EXPECT_EQ(request.defaultExt, "fdt");
    EXPECT_EQ(request.fileName, f.folder / "rc_lowpass.par");
    EXPECT_EQ(request.initialDir, "/before/");
    EXPECT_TRUE(f.dialogs.shown.empty());
    EXPECT_EQ(f.form->InitialDir, f.folder / "saved/");
    EXPECT_EQ(ReadBytes(f.folder / "saved/copy.fdt"), ReadBytes(f.folder / "rc_lowpass.fdt"));
    EXPECT_EQ(window->windowTitle().toStdString(), "copy.fdt");
    EXPECT_EQ(window->Model()->fdtPath, f.folder / "saved/copy.fdt");

    f.form->OpenFile(f.folder / "saved/copy.fdt");
    auto* copy = dynamic_cast<TMDIChild*>(f.form->ActiveChild());
    ASSERT_TRUE(copy && copy->Model()->loaded);
    EXPECT_EQ(copy->Model()->GetCompo(0).value, 2.2e-6);
    EXPECT_EQ(copy->Model()->denominatorTerms, 2);
    EXPECT_TRUE(f.dialogs.shown.empty());
}

TEST_F(ResultSaveAs, AsksBeforeReplacingAnotherPair)
{
    std::string other = f.Example("sallen_key");
    std::string before = ReadBytes(other);
    f.dialogs.files = {other, other};
    f.dialogs.answers = {MsgResult::No, MsgResult::Yes};
    f.form->FileSaveAsItemClick();
    ASSERT_EQ(f.dialogs.shown.size(), 1u);
    EXPECT_EQ(f.dialogs.shown[0].text, other + "\r\nalready exists. Replace it?");
    EXPECT_EQ(f.dialogs.shown[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(ReadBytes(other), before);
    EXPECT_EQ(window->windowTitle().toStdString(), "rc_lowpass.fdt");

    f.form->FileSaveAsItemClick();
    EXPECT_EQ(f.dialogs.shown.size(), 2u);
    EXPECT_EQ(ReadBytes(other), ReadBytes(f.folder / "rc_lowpass.fdt"));
    EXPECT_EQ(window->windowTitle().toStdString(), "sallen_key.fdt");
}

TEST_F(ResultSaveAs, OverItsOwnPairOnlyTheParametersAreWritten)
{
    std::string terms = ReadBytes(f.folder / "rc_lowpass.fdt");
    f.dialogs.files = {f.folder / "rc_lowpass.fdt"};
    f.form->FileSaveAsItemClick();
    EXPECT_TRUE(f.dialogs.shown.empty());
    EXPECT_EQ(ReadBytes(f.folder / "rc_lowpass.fdt"), terms);
    EXPECT_EQ(ReadBytes(f.folder / "rc_lowpass.par").substr(0, 24), "C1 R1 $ $ \r\n2.2E-6 1000 ");
}

TEST_F(ResultSaveAs, AFailedWriteIsReportedAndChangesNothing)
{
    f.dialogs.files = {f.folder / "missing/copy.fdt"};
    f.form->FileSaveAsItemClick();
    ASSERT_EQ(f.dialogs.shown.size(), 1u);
    EXPECT_EQ(f.dialogs.shown[0].text, "The file " + f.folder / "missing/copy.fdt" + " cannot be written!");
    EXPECT_EQ(window->windowTitle().toStdString(), "rc_lowpass.fdt");
    EXPECT_EQ(window->Model()->fdtPath, f.folder / "rc_lowpass.fdt");
}

// A window that computes is not saved under its computation.
TEST_F(ResultSaveAs, ABusyWindowIsNotSaved)
{
    std::string par = ReadBytes(f.folder / "rc_lowpass.par");
    f.dialogs.files = {f.folder / "copy.fdt"};
    {
        MdiChild::BusyScope loop(*window);
        f.form->FileSaveAsItemClick();
        f.form->FileSaveItemClick();
    }
    EXPECT_TRUE(f.dialogs.requests.empty());
    EXPECT_EQ(ReadBytes(f.folder / "rc_lowpass.par"), par);
    f.form->FileSaveItemClick();
    EXPECT_NE(ReadBytes(f.folder / "rc_lowpass.par"), par);
}

// Paths are the file system's bytes (UTF-8): a folder named "Téléchargements"
// chosen in a dialog must reach the file functions as those bytes, not as
// Latin-1, which would name another file.
#include <QDir>
#include <gtest/gtest.h>

#include "formats/TextFile.h"
#include "platform/Latin1.h"
#include "platform/PathText.h"
#include "tests/support/TempFolder.h"

TEST(PathText, AChosenPathIsTheFileSystemsBytes)
{
    TempFolder folder;
    const std::string name = "T\xC3\xA9l\xC3\xA9" "chargements";  // UTF-8
    std::filesystem::create_directory(folder / name);
    WriteBytes(folder / name + "/r\xC3\xA9seau.sch", "R#1#1#0#R1#1#0\r\n");
    // What a file dialog gives back for that file.
    QString chosen = QDir(QString::fromStdString(folder / name)).entryList(QDir::Files).first();
    EXPECT_EQ(chosen, QString::fromUtf8("r\u00e9seau.sch"));
    std::string path = PathBytes(QString::fromStdString(folder / name) + "/" + chosen);
    std::vector<std::string> lines;
    EXPECT_TRUE(ReadTextLines(path, lines));
    EXPECT_FALSE(ReadTextLines(Bytes(QString::fromStdString(folder / name) + "/" + chosen), lines))
        << "as Latin-1 it names no file";
    EXPECT_EQ(PathText(path), QString::fromStdString(folder / name) + "/" + chosen);
}

TEST(PathText, TextsShowTheirPathsDecodedAndOtherBytesAsLatin1)
{
    EXPECT_EQ(DisplayText("Schema: T\xC3\xA9l\xC3\xA9" "chargements/a.sch"),
              QString::fromUtf8("Schema: T\u00e9l\u00e9chargements/a.sch"));
    EXPECT_EQ(DisplayText("BJT II\xB0"), QString::fromUtf8("BJT II\u00b0")) << "not UTF-8: Latin-1";
    EXPECT_EQ(DisplayText("Ground node missing!"), "Ground node missing!");
}

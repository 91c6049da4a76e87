// Files whose names are near the file system's limit: their writers' side
// files (temporaries, second names, locks) still fit beside them.
#include <gtest/gtest.h>

#include <filesystem>

#include "formats/SideNames.h"
#include "formats/TextFile.h"
#include "tests/support/TempFolder.h"

namespace {

using Names = std::vector<std::string>;

// The limit of the folders the tests write to.
constexpr std::size_t kLimit = 255;

std::string Named(std::size_t length, const std::string& extension, char fill = 'x')
{
    return std::string(length - extension.size(), fill) + extension;
}

TEST(SideNamesTest, ShortNamesKeepTheirNameLongOnesAShortenedOne)
{
    TempFolder folder;
    ASSERT_EQ(pathconf(folder.Path().c_str(), _PC_NAME_MAX), static_cast<long>(kLimit));
    const std::string shortName = folder / Named(kLimit - kSideSuffixRoom, ".sch");
    EXPECT_EQ(SideStem(shortName), shortName);
    for (std::size_t length : {kLimit - kSideSuffixRoom + 1, std::size_t{250}, kLimit}) {
        const std::string path = folder / Named(length, ".sch");
        const std::string stem = SideStem(path);
        EXPECT_EQ(std::filesystem::path(stem).parent_path(), folder.Path()) << "in the same folder";
        EXPECT_LE(std::filesystem::path(stem).filename().string().size() + kSideSuffixRoom, kLimit) << length;
        EXPECT_EQ(SideStem(path), stem) << "the same for every run";
        EXPECT_NE(SideStem(folder / Named(length, ".crc")), stem) << "its own for each name";
    }
    // A shortened name keeps whole UTF-8 characters: "ä" is two bytes.
    std::string umlauts;
    while (umlauts.size() < kLimit - 4)
        umlauts += "\xc3\xa4";
    const std::string stem = std::filesystem::path(SideStem(folder / (umlauts + ".sch"))).filename().string();
    const std::string start = stem.substr(0, stem.find('~'));
    EXPECT_EQ(start.size() % 2, 0u);
    EXPECT_EQ(start, umlauts.substr(0, start.size()));
}

// Every name the file system takes is written whole, with nothing left beside
// it, also over an old file; one it does not take is told and not written.
TEST(SideNamesTest, TextFilesOfAnyNameThatFitsAreWritten)
{
    for (std::size_t length : {kLimit - kSideSuffixRoom, std::size_t{250}, kLimit}) {
        SCOPED_TRACE(length);
        TempFolder folder;
        const std::string path = folder / Named(length, ".sch");
        ASSERT_TRUE(WriteTextLines(path, {"first"}));
        ASSERT_TRUE(WriteTextLines(path, {"second"}));
        EXPECT_EQ(ReadBytes(path), "second\r\n");
        EXPECT_EQ(folder.Names(), Names{Named(length, ".sch")});
        EXPECT_EQ(CannotCreateText(path), "Cannot create file \"" + path + "\"");
    }
    TempFolder folder;
    const std::string tooLong = folder / Named(kLimit + 1, ".sch");
    EXPECT_FALSE(WriteTextLines(tooLong, {"x"}));
    EXPECT_EQ(folder.Names(), Names{});
    EXPECT_EQ(CannotCreateText(tooLong),
              "Cannot create file \"" + tooLong + "\"\r\nIts name is too long for the file system!");
    EXPECT_EQ(CannotWriteText(tooLong),
              "The file " + tooLong + " cannot be written!\r\nIts name is too long for the file system!");
}

}  // namespace

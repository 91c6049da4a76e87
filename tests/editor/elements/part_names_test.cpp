// Automatic names, the names a file can hold, the subcircuit list and the
// question before a window closes.
#include "editor/commands/CloseQuery.h"
#include "editor/elements/PartList.h"
#include "editor/elements/PartNames.h"
#include "editor/subcircuits/SubcircuitList.h"
#include "tests/editor/TestSupport.h"

#include <gtest/gtest.h>

namespace {

Schematic WithNames(std::initializer_list<std::pair<char, const char*>> parts)
{
    Schematic s;
    for (auto [kind, name] : parts) {
        s.Parts.push_back(std::make_unique<GCompo>(kind, nullptr, false, false, false));
        s.Parts.back()->Name = name;
    }
    return s;
}

TEST(NewName, NeverRepeatsANameOfTheKind)
{
    EXPECT_EQ(NewName(WithNames({}), 'R'), "R1");
    EXPECT_EQ(NewName(WithNames({{'R', "R1"}, {'R', "R2"}}), 'R'), "R3");
    EXPECT_EQ(NewName(WithNames({{'R', "R1"}, {'R', "R3"}}), 'R'), "R4");
    EXPECT_EQ(NewName(WithNames({{'R', "R2"}, {'R', "R3"}}), 'R'), "R4");
    EXPECT_EQ(NewName(WithNames({{'R', "R1"}, {'R', "R1"}}), 'R'), "R3") << "a cut R1 pasted twice";
    EXPECT_EQ(NewName(WithNames({{'R', "Rload"}, {'C', "R2"}}), 'R'), "R2") << "only the kind's names count";
    EXPECT_EQ(NewName(WithNames({{'Q', "Q1"}}), 'q'), "q1");
    EXPECT_EQ(NewName(WithNames({{'C', "C2"}, {'C', "C3"}, {'C', "C4"}}), 'C'), "C5");
}

TEST(AddComponent, NamesAllButWiresAndTexts)
{
    Schematic s = WithNames({{'R', "R1"}, {'R', "R3"}});
    for (char kind : {'R', 'W', 'T', 'g', 'v', 'R'})
        AddComponent(s, std::make_unique<GCompo>(kind, nullptr, false, false, false));
    auto named = std::make_unique<GCompo>('R', nullptr, false, false, false);
    named->Name = "R1";
    AddComponent(s, std::move(named));
    std::vector<std::string> names;
    for (const auto& part : s.Parts)
        names.push_back(part->Name);
    EXPECT_EQ(names, (std::vector<std::string>{"R1", "R3", "R4", "", "", "g1", "v1", "R5", "R1"}));
}

TEST(IsFileName, RefusesWhatWouldSplitALine)
{
    for (const char* good : {"R1", "Rload", "C_1", "X\xB5"})
        EXPECT_TRUE(IsFileName(good)) << good;
    for (const char* bad : {"", " R1", "R 1", "R1 ", "R\t1", "R#1", "R\r", "R\x7F", "R\x1B"})
        EXPECT_FALSE(IsFileName(bad)) << bad;
}

TEST(SubcircuitNames, SymbolFilesOfTheFolderSorted)
{
    TempFolder folder;
    for (const char* name : {"tee.sbc", "amp.sbc", "amp.sp", "notes.txt", "Big.sbc", "x.SBC"})
        WriteBytes(folder / name, "4 4 \r\n");
    EXPECT_EQ(SubcircuitNames(folder.Folder()), (std::vector<std::string>{"Big", "amp", "tee"}));
    EXPECT_TRUE(SubcircuitNames(folder / "none/").empty());
}

TEST(CloseQuery, TheDrawingIsNeverLost)
{
    Schematic s;
    s.FileName = "amp.sch";
    std::vector<std::string> asked;
    int saves = 0;
    auto run = [&](CloseAnswer answer, bool saved) {
        return MayClose(
            s,
            [&](const std::string& question) {
                asked.push_back(question);
                return answer;
            },
            [&] {
                ++saves;
                return saved;
            });
    };
    EXPECT_TRUE(run(CloseAnswer::Yes, false)) << "unmodified: no question";
    EXPECT_TRUE(asked.empty());
    s.Modified = true;
    EXPECT_TRUE(run(CloseAnswer::Yes, true));
    EXPECT_EQ(asked.back(), "amp.sch\r\nCircuit has been modified !\r\nSave current file ?");
    EXPECT_FALSE(run(CloseAnswer::Yes, false)) << "a cancelled or failed save keeps the window";
    EXPECT_TRUE(run(CloseAnswer::No, false));
    EXPECT_FALSE(run(CloseAnswer::Cancel, true));
    EXPECT_EQ(saves, 2);
}

}  // namespace

#include <gtest/gtest.h>

#include "platform/IniText.h"

using Lines = std::vector<std::string>;

namespace {

const Lines kFile = {"; kept comment", "[Other]", "Main=7", "", "[system]", " main = 1234 ", "odd line",
                     "LASTFILE=a b.fdt", "", "[Tail]", "x=1"};

}  // namespace

struct FindCase {
    const char* name;
    const char* section;
    const char* key;
    const char* expected;  // nullptr: not found
};

void PrintTo(const FindCase& c, std::ostream* os) { *os << c.name; }

class FindIni : public testing::TestWithParam<FindCase> {};

TEST_P(FindIni, MatchesNamesIgnoringCase)
{
    const FindCase& c = GetParam();
    std::optional<std::string> value = FindIniValue(kFile, c.section, c.key);
    if (c.expected) {
        ASSERT_TRUE(value.has_value());
        EXPECT_EQ(*value, c.expected);
    } else {
        EXPECT_FALSE(value.has_value());
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, FindIni,
                         testing::Values(FindCase{"SectionOtherCase", "SYSTEM", "Main", "1234"},
                                         FindCase{"KeyOtherCase", "SYSTEM", "lastfile", "a b.fdt"},
                                         FindCase{"OtherSection", "other", "MAIN", "7"},
                                         FindCase{"NotInSection", "SYSTEM", "x", nullptr},
                                         FindCase{"NoSection", "None", "Main", nullptr},
                                         FindCase{"NotAKey", "SYSTEM", "odd line", nullptr}),
                         [](const auto& test) { return std::string(test.param.name); });

struct SetCase {
    const char* name;
    Lines before;
    const char* key;
    Lines after;
};

void PrintTo(const SetCase& c, std::ostream* os) { *os << c.name; }

class SetIni : public testing::TestWithParam<SetCase> {};

TEST_P(SetIni, ChangesOnlyTheKeysLine)
{
    Lines lines = GetParam().before;
    SetIniValue(lines, "SYSTEM", GetParam().key, "v");
    EXPECT_EQ(lines, GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SetIni,
    testing::Values(SetCase{"ReplacesInPlace", {"[x]", "Main=1", "[System]", "a=1", " MAIN =2", "b=3"}, "Main",
                            {"[x]", "Main=1", "[System]", "a=1", "Main=v", "b=3"}},
                    SetCase{"AddsAfterLastLineOfSection", {"[SYSTEM]", "a=1", "", "", "[Next]", "c=2"}, "Hz",
                            {"[SYSTEM]", "a=1", "Hz=v", "", "", "[Next]", "c=2"}},
                    SetCase{"AddsToEmptySection", {"[SYSTEM]", "[Next]"}, "Hz", {"[SYSTEM]", "Hz=v", "[Next]"}},
                    SetCase{"AddsSection", {"; only a comment"}, "Hz", {"; only a comment", "[SYSTEM]", "Hz=v"}},
                    SetCase{"EmptyFile", {}, "Hz", {"[SYSTEM]", "Hz=v"}}),
    [](const auto& test) { return std::string(test.param.name); });

#include <gtest/gtest.h>
#include <vector>

#include "platform/CommandLine.h"

struct TailCase {
    const char* name;
    std::vector<const char*> arguments;  // after the program's name
    const char* tail;
};

void PrintTo(const TailCase& c, std::ostream* os) { *os << c.name; }

class CommandLine : public testing::TestWithParam<TailCase> {};

TEST_P(CommandLine, TailIsTheArgumentsJoinedByOneBlank)
{
    std::vector<const char*> argv = {"Vimlo"};
    argv.insert(argv.end(), GetParam().arguments.begin(), GetParam().arguments.end());
    EXPECT_EQ(CommandLineTail(static_cast<int>(argv.size()), argv.data()), GetParam().tail);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CommandLine,
    testing::Values(TailCase{"None", {}, ""}, TailCase{"OnePath", {"/a/b.crc"}, "/a/b.crc"},
                    TailCase{"BlanksInsideAnArgument", {"/my dir/b.crc"}, "/my dir/b.crc"},
                    TailCase{"SplitPath", {"/my", "dir/b.crc"}, "/my dir/b.crc"},
                    TailCase{"QuotesKept", {"\"b.crc\""}, "\"b.crc\""},
                    TailCase{"QtOptionsKept", {"-platform", "xcb", "-style", "x.crc"}, "-platform xcb -style x.crc"},
                    TailCase{"EmptyArgument", {"a", "", "b"}, "a  b"}),
    [](const auto& test) { return std::string(test.param.name); });

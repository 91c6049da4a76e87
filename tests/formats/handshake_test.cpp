#include <gtest/gtest.h>
#include <string>

#include "formats/Handshake.h"

namespace {

struct LineCase {
    const char* name;
    std::string data;
    std::string line;
};

void PrintTo(const LineCase& c, std::ostream* os) { *os << c.name; }

class MessageLines : public testing::TestWithParam<LineCase> {};

TEST_P(MessageLines, WriteAndReadBack)
{
    EXPECT_EQ(MessageLine(WM_ANALYSIS_DONE, GetParam().data), GetParam().line);
    std::uint32_t message = 0;
    std::string data = "old";
    ASSERT_TRUE(ReadMessageLine(GetParam().line, message, data));
    EXPECT_EQ(message, 33545u);
    EXPECT_EQ(data, GetParam().data);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MessageLines,
    testing::Values(LineCase{"NoData", "", "33545"}, LineCase{"Path", "/r/amp.fdt", "33545 /r/amp.fdt"},
                    LineCase{"BlanksAndPercent", " a b%.fdt ", "33545 %20a%20b%25.fdt%20"},
                    LineCase{"LineBreaksAndControls", "a\r\nb\tc\x7f", "33545 a%0D%0Ab%09c%7F"},
                    LineCase{"EightBitBytes", "\xC3\xBC" "ber=\\x.fdt", "33545 \xC3\xBC" "ber=\\x.fdt"}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(MessageLines, WhatIsNoMessage)
{
    for (const char* line : {"", " 33545", "hello", "33545x", "-1", "99999999999", "33545 a b", "33545 a%2",
                             "33545 a%zz", "33545 a\tb"}) {
        std::uint32_t message = 0;
        std::string data;
        EXPECT_FALSE(ReadMessageLine(line, message, data)) << '"' << line << '"';
    }
    std::uint32_t message = 0;
    std::string data;
    EXPECT_TRUE(ReadMessageLine("7 %2f", message, data));
    EXPECT_EQ(data, "/");
}

TEST(Handshake, NamesOfTheEndpointAndTheKeys)
{
    EXPECT_EQ(WM_ANALYSIS_DONE, 32768u + 777u);
    EXPECT_EQ(EndpointFileName(4711), "tervox-4711");
    EXPECT_STREQ(kIniSection, "SYSTEM");
    EXPECT_STREQ(kMainKey, "Main");
    EXPECT_STREQ(kLastFileKey, "LastFile");
}

}  // namespace

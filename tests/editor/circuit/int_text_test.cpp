// Whole-text integers with a fallback, as the framework reads them.
#include "editor/circuit/IntText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct IntCase {
    const char* text;
    int value;
};

TEST(StrToIntDef, WholeDecimalTextOrFallback)
{
    const IntCase cases[] = {
        {"7", 7},   {"10", 10},         {"+3", 3},          {"-4", -4},         {"  5", 5},
        {"", -1},   {" ", -1},          {"+", -1},          {"-", -1},          {"5 ", -1},
        {"3.0", -1}, {"2e1", -1},        {"ten", -1},        {"1a", -1},         {"\t5", -1},
        {"2147483647", 2147483647},     {"-2147483648", -2147483647 - 1},  {"2147483648", -1},
        {"-2147483649", -1},            {"99999999999999999999", -1},
    };
    for (const IntCase& c : cases)
        EXPECT_EQ(StrToIntDef(c.text, -1), c.value) << '"' << c.text << '"';
}

}  // namespace

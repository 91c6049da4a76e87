#include "editor/elements/VisibleName.h"

#include <gtest/gtest.h>

TEST(VisibleName, ControlCharactersAreWrittenOut)
{
    const std::pair<std::string, std::string> table[] = {
        {"amp", "amp"},
        {"a\tb", "a\\tb"},
        {"a\rb", "a\\rb"},
        {"a\nb", "a\\nb"},
        {"\r\n", "\\r\\n"},
        {std::string("a\0b", 3), "a^@b"},
        {"\x01", "^A"},
        {"x\x1A", "x^Z"},
        {"\x1B", "^["},
        {"\x1C\x1D\x1E\x1F", "^\\^]^^^_"},
        {"a\x7F", "a^?"},
        {"a b#c", "a b#c"},
        {"\x80\xA0\xB5\xFF", "\x80\xA0\xB5\xFF"},
        {"^A\\t", "^A\\t"},
        {"", ""},
    };
    for (const auto& [name, shown] : table)
        EXPECT_EQ(VisibleName(name), shown) << name;
}

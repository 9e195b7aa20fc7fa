#include "cli/Printable.h"

#include <gtest/gtest.h>

using namespace varnel;

TEST(PrintableTest, controls_backslashes_and_stray_bytes_are_escaped) {
    const struct {
        std::string bytes;
        std::string shown;
    } cases[] = {
        {"cobol", "cobol"},
        {"caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80", "caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80"},
        {"\x1b[31mred", "\\x1b[31mred"},
        {std::string("a\0b", 3), "a\\x00b"},
        {"tab\there\r\n\x7f", "tab\\x09here\\x0d\\x0a\\x7f"},
        {"\xC2\x9B"
         "31m\xC2\xA0",
         "\\u009b31m\xC2\xA0"},
        {"C:\\x1b", "C:\\\\x1b"},
        {"caf\xC3", "caf\\xc3"},
        {"\xFF\xC0\xAF\xED\xA0\x80", "\\xff\\xc0\\xaf\\xed\\xa0\\x80"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(printable(c.bytes), c.shown) << c.shown;
    }
}

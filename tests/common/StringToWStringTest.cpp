#include "varnel/common/StringToWString.h"

#include <gtest/gtest.h>

using namespace varnel;

TEST(StringToWStringTest, decodes_utf8_and_replaces_invalid_bytes) {
    const struct {
        std::string narrow;
        std::wstring wide;
    } cases[] = {
        {"", L""},
        {"File: core/GSTMake.cpp\nLine: 42", L"File: core/GSTMake.cpp\nLine: 42"},
        {"void f(const std::wstring&)", L"void f(const std::wstring&)"},
        {"/home/ren\xC3\xA9/core/GSTMake.cpp", L"/home/ren\u00e9/core/GSTMake.cpp"},
        {"\xF0\x9F\x98\x80", std::wstring{0xD83D, 0xDE00}},
        {"a\xFF"
         "b\xC3",
         L"a\uFFFDb\uFFFD"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(string_to_wstring(c.narrow), c.wide) << c.narrow;
    }
}

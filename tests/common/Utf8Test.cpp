#include "varnel/common/Utf8.h"

#include <boost/optional/optional_io.hpp>
#include <gtest/gtest.h>

using namespace varnel;

TEST(Utf8Test, valid_utf8_round_trips_as_utf16_code_units) {
    const struct {
        std::string bytes;
        std::wstring text;
    } cases[] = {
        {"", L""},
        {"John Smith", L"John Smith"},
        {"caf\xC3\xA9", L"caf\u00e9"},
        {"\xE2\x82\xAC 5", L"\u20ac 5"},
        {"\xF0\x9F\x98\x80!", std::wstring{0xD83D, 0xDE00, L'!'}},
        {"\xF4\x8F\xBF\xBF", std::wstring{0xDBFF, 0xDFFF}},
    };
    for (const auto& c : cases) {
        const auto text = utf8_to_utf16(c.bytes);
        ASSERT_TRUE(text) << c.bytes;
        EXPECT_EQ(*text, c.text) << c.bytes;
        EXPECT_EQ(utf16_to_utf8(c.text), c.bytes);
        EXPECT_EQ(exact_utf8(c.text), c.bytes);
    }
}

TEST(Utf8Test, invalid_utf8_is_refused) {
    const std::string cases[] = {
        "\xC3",             // cut sequence
        "\xC3(",            // bad continuation
        "\xC0\xAF",         // overlong slash
        "\xE0\x80\xAF",     // overlong slash
        "\xED\xA0\x80",     // an encoded surrogate
        "\xF4\x90\x80\x80", // past U+10FFFF
        "\xFF",             // never a lead byte
        "ok\x80",           // a stray continuation byte
    };
    for (const auto& bytes : cases) {
        EXPECT_FALSE(utf8_to_utf16(bytes)) << bytes;
    }
}

TEST(Utf8Test, lone_surrogates_become_replacement_characters_or_nothing_exact) {
    const struct {
        std::wstring text;
        std::string bytes;
    } cases[] = {
        {{L'a', 0xD83D, L'b'},
         "a\xEF\xBF\xBD"
         "b"},
        {{0xDE00}, "\xEF\xBF\xBD"},
        {{0xDE00, 0xD83D}, "\xEF\xBF\xBD\xEF\xBF\xBD"},
        {{L'x', 0xD83D, 0xD83D, 0xDE00}, "x\xEF\xBF\xBD\xF0\x9F\x98\x80"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(utf16_to_utf8(c.text), c.bytes);
        EXPECT_FALSE(exact_utf8(c.text));
    }
}

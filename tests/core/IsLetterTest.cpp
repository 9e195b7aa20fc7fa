#include "varnel/core/IsLetter.h"

#include <regex>
#include <string>

#include <gtest/gtest.h>

using namespace varnel;

TEST(IsLetterTest, agrees_with_the_letters_only_pattern_on_every_code_unit) {
    const std::wregex letters_only(L"[[:alpha:]]+");
    int letters = 0;
    for (wchar_t c = 0; c < 0x10000; ++c) {
        const bool expected = std::regex_match(std::wstring(1, c), letters_only);
        ASSERT_EQ(is_letter(c), expected) << "code unit " << static_cast<int>(c);
        letters += expected ? 1 : 0;
    }
    // The comparison means something only if the locale knows letters beyond ASCII.
    EXPECT_GT(letters, 1000);
}

TEST(IsLetterTest, classifies_typical_units) {
    const struct {
        wchar_t unit;
        bool letter;
    } cases[] = {
        {L'a', true},       {L'Z', true},       {L'\u00e9', true},  {L'\u0416', true},
        {L'0', false},      {L'_', false},      {L' ', false},      {L'$', false},
        {L'\xD83D', false}, {L'\xDE00', false}, {L'\u2014', false}, {L'\u00d7', false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(is_letter(c.unit), c.letter) << "code unit " << static_cast<int>(c.unit);
    }
}

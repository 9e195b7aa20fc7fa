#include "varnel/common/CharacterNumber.h"

#include <gtest/gtest.h>

using namespace varnel;

TEST(CharacterNumberTest, a_surrogate_pair_counts_as_one_character) {
    const std::wstring pair_in_middle{L'a', 0xD83D, 0xDE00, L'b'};
    const std::wstring lone_halves{0xDE00, 0xD83D, L'c'};
    const struct {
        std::wstring text;
        std::size_t offset;
        std::size_t number;
    } cases[] = {
        {L"", 0, 1},         {L"abc", 0, 1},         {L"abc", 2, 3},         {L"abc", 3, 4},
        {L"abc", 9, 4},      {pair_in_middle, 1, 2}, {pair_in_middle, 2, 2}, {pair_in_middle, 3, 3},
        {lone_halves, 2, 3},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(character_number(c.text, c.offset), c.number) << c.offset;
    }
}

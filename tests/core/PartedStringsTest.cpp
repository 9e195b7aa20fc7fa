#include "varnel/core/PartedStrings.h"

#include "tests/core/DumpParts.h"
#include "tests/support/ThrowingAssertHandler.h"

#include <sstream>

#include <gtest/gtest.h>

using namespace varnel;

TEST(PartedStringsTest, part_common_string_takes_whole_words_only_for_letters_only_pieces) {
    const struct {
        std::wstring search, replace, piece;
        bool parted;
        std::wstring search_parts, replace_parts;
    } cases[] = {
        {L"concat cat", L"cat", L"cat", true, L"concat |[cat:0]", L"[cat:0]"},
        {L"cats", L"cat", L"cat", false, L"cats", L"cat"},
        {L"cat5", L"cat", L"cat", true, L"[cat:0]|5", L"[cat:0]"},
        {L"cat_", L"(cat)", L"cat", true, L"[cat:0]|_", L"(|[cat:0]|)"},
        {L"John Smith", L"Ann Smoke", L"n S", true, L"Joh|[n S:0]|mith", L"An|[n S:0]|moke"},
        {L"caf\u00e9", L"caf", L"caf", false, L"caf\u00e9", L"caf"},
        {L"caf1", L"caf", L"caf", true, L"[caf:0]|1", L"[caf:0]"},
        {L"\u00fcber", L"ber", L"ber", false, L"\u00fcber", L"ber"},
        {L"abc", L"xyz", L"b", false, L"abc", L"xyz"},
    };
    for (const auto& c : cases) {
        PartedStrings parted(c.search, c.replace, {});
        EXPECT_EQ(parted.part_common_string(c.piece, 0), c.parted) << c.search;
        EXPECT_EQ(dump(parted.search_parts), c.search_parts);
        EXPECT_EQ(dump(parted.replace_parts), c.replace_parts);
    }
}

TEST(PartedStringsTest, greedy_parting_longest_first) {
    const std::wstring smile = L"\xD83D\xDE00";
    const struct {
        std::wstring search, replace;
        std::set<std::wstring> common;
        unsigned max_groups;
        std::wstring search_parts, replace_parts;
    } cases[] = {
        {L"abc", L"xyz", {}, 99, L"abc", L"xyz"},
        {L"abc", L"", {}, 99, L"abc", L""},
        {L"abc", L"abc", {L""}, 99, L"abc", L"abc"},
        // Common parts are not searched again.
        {L"ab", L"ab ab", {L"a", L"ab", L"b"}, 99, L"[ab:0]", L"[ab:0]| ab"},
        // A letter before "bc" in the search sample sits in another part by then.
        {L"x1abc",
         L"1a bc",
         {L"1", L"1a", L"a", L"b", L"bc", L"c"},
         99,
         L"x|[1a:0]|[bc:1]",
         L"[1a:0]| |[bc:1]"},
        // Of two equally long pieces competing for the same text, the smaller one wins.
        {L"123",
         L"12/23",
         {L"1", L"12", L"2", L"23", L"3"},
         99,
         L"[12:0]|[3:1]",
         L"[12:0]|/2|[3:1]"},
        // The first pieces found keep their groups; the rest stays literal.
        {L"a-b-c", L"c+b+a", {L"a", L"b", L"c"}, 2, L"[a:0]|-|[b:1]|-c", L"c+|[b:1]|+|[a:0]"},
        {L"a-b-c", L"c+b+a", {L"a", L"b", L"c"}, 0, L"a-b-c", L"c+b+a"},
        // Half a surrogate pair is never a piece of its own.
        {L"x" + smile, L"\xD83D\xDE01", {L"\xD83D"}, 99, L"x" + smile, L"\xD83D\xDE01"},
        {smile + L"!",
         L"\xDE00" + smile,
         {L"\xDE00", smile},
         99,
         L"[" + smile + L":0]|!",
         L"\xDE00|[" + smile + L":0]"},
    };
    for (const auto& c : cases) {
        const PartedStrings parted(c.search, c.replace, c.common, c.max_groups);
        EXPECT_EQ(dump(parted.search_parts), c.search_parts) << c.search;
        EXPECT_EQ(dump(parted.replace_parts), c.replace_parts) << c.search;
    }
    EXPECT_EQ(PartedStrings(L"abc", L"", {}).replace_parts, std::vector{StringPart(L"")});
}

TEST(PartedStringsTest, ready_made_parts_must_pair_their_groups) {
    using Parts = std::vector<StringPart>;
    const Parts john = {StringPart(L"John", 0, StringPart::Common), StringPart(L" ")};
    const Parts john_again = {StringPart(L"x"), StringPart(L"John", 0, StringPart::Common)};
    EXPECT_EQ(PartedStrings(john, john_again).replace_parts, john_again);

    const Parts bad[] = {
        {StringPart(L"Jon", 0, StringPart::Common)},
        {StringPart(L"John", 1, StringPart::Common)},
        {StringPart(L"John", 0, StringPart::Common), StringPart(L"John", 0, StringPart::Common)},
        {StringPart(L"John")},
    };
    for (const Parts& replace_parts : bad) {
        EXPECT_CONTRACT_VIOLATION(PartedStrings(john, replace_parts),
                                  DBC::IAssertHandler::precondition);
    }
}

TEST(PartedStringsTest, printable_form_and_contracts) {
    std::wostringstream out;
    out << StringPart(L"ab", 2, StringPart::Common) << L"; " << StringPart(L"x");
    EXPECT_EQ(out.str(), L"ab, 2, Common; x, 0, Unique");
    PartedStrings parted(L"a", L"a", {});
    EXPECT_CONTRACT_VIOLATION(parted.part_common_string(L"", 0), DBC::IAssertHandler::precondition);
}

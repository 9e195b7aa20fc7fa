#include "varnel/core/GreedyParting.h"

#include "tests/core/DumpParts.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

using namespace varnel;

TEST(GreedyPartingTest, parts_like_the_candidate_walk) {
    const std::wstring smile = L"\xD83D\xDE00";
    const struct {
        std::wstring search, replace, search_parts, replace_parts;
    } cases[] = {
        {L"John Smith", L"Smith, John", L"[John:1]|[ :2]|[Smith:0]", L"[Smith:0]|,|[ :2]|[John:1]"},
        {L"2008-05-31", L"31/05/2008", L"[2008:0]|-|[05:1]|-|[31:2]",
         L"[31:2]|/|[05:1]|/|[2008:0]"},
        {L"concat cat", L"cat", L"concat |[cat:0]", L"[cat:0]"},
        {L"a.b", L"", L"a.b", L""},
        {L"abc", L"abc", L"[abc:0]", L"[abc:0]"},
        {L"abc", L"xyz", L"abc", L"xyz"},
        {L"John Smith", L"Jon Smithers", L"Joh|[n Smith:0]", L"Jo|[n Smith:0]|ers"},
        {L"cat", L"cats", L"cat", L"cats"},
        {L"x$y", L"y $x", L"[x:1]|[$:0]|[y:2]", L"[y:2]| |[$:0]|[x:1]"},
        {L"ab-ab", L"ab ab", L"[ab:0]|-|[ab:1]", L"[ab:0]| |[ab:1]"},
        // A word cut off by a shared piece becomes a whole word of its own part.
        {L"x1abc", L"1a bc", L"x|[1a:0]|[bc:1]", L"[1a:0]| |[bc:1]"},
        {L"zz 1+ yy", L"yy 1+ zz", L"[zz:2]|[ 1+ :0]|[yy:1]", L"[yy:1]|[ 1+ :0]|[zz:2]"},
        // Equally long pieces: the first in code-unit order wins, words and others alike.
        {L"b-a ab", L"ab a-b", L"[b:2]|[-:1]|a|[ a:0]|b", L"ab|[ a:0]|[-:1]|[b:2]"},
        {L"ab b-", L"b- ab", L"[ab:0]|[ :2]|[b-:1]", L"[b-:1]|[ :2]|[ab:0]"},
        // The first occurrence in text order is taken, in each sample.
        {L"a-b a-b", L"a-b", L"[a-b:0]| a-b", L"[a-b:0]"},
        {L"x a-b a-b", L"a-b y a-b", L"x|[ a-b:0]|[ :2]|[a-b:1]", L"[a-b:1]|[ :2]|y|[ a-b:0]"},
        // A shared piece never starts inside a surrogate pair nor ends inside one.
        {L"a" + smile, L"b" + smile, L"a|[" + smile + L":0]", L"b|[" + smile + L":0]"},
        {smile + L"x", L"\xDE00x", smile + L"|[x:0]", L"\xDE00|[x:0]"},
    };
    for (const auto& c : cases) {
        const PartedStrings parted = greedy_parting(c.search, c.replace);
        EXPECT_EQ(dump(parted.search_parts), c.search_parts) << c.search << L" / " << c.replace;
        EXPECT_EQ(dump(parted.replace_parts), c.replace_parts) << c.search << L" / " << c.replace;
    }
}

TEST(GreedyPartingTest, stops_at_the_group_limit) {
    const struct {
        unsigned int max_groups;
        std::wstring search_parts, replace_parts;
    } cases[] = {
        {0, L"John Smith", L"Smith, John"},
        {1, L"John |[Smith:0]", L"[Smith:0]|, John"},
        {2, L"[John:1]| |[Smith:0]", L"[Smith:0]|, |[John:1]"},
        {3, L"[John:1]|[ :2]|[Smith:0]", L"[Smith:0]|,|[ :2]|[John:1]"},
        {99, L"[John:1]|[ :2]|[Smith:0]", L"[Smith:0]|,|[ :2]|[John:1]"},
    };
    for (const auto& c : cases) {
        const PartedStrings parted = greedy_parting(L"John Smith", L"Smith, John", c.max_groups);
        EXPECT_EQ(dump(parted.search_parts), c.search_parts) << c.max_groups;
        EXPECT_EQ(dump(parted.replace_parts), c.replace_parts) << c.max_groups;
    }
}

#include "varnel/core/MakeReplaceRegex.h"

#include "varnel/core/PartingWorkspace.h"
#include "varnel/languages/ECMAScriptFormatting.h"
#include "varnel/languages/VisualStudioFormatting.h"

#include <gtest/gtest.h>

using namespace varnel;

namespace {

const VisualStudioFormatting visual_studio;
const ECMAScriptFormatting ecmascript;

} // namespace

// Readable failure messages.
namespace varnel {
static void PrintTo(const ReplaceRegex& result, std::ostream* out) {
    *out << testing::PrintToString(result.regex) << " / " << testing::PrintToString(result.format);
}
} // namespace varnel

TEST(MakeReplaceRegexTest, results_in_both_languages) {
    const struct {
        std::wstring search, replace;
        ReplaceRegex ecmascript, visual_studio;
    } cases[] = {
        {L"John Smith",
         L"Smith, John",
         {L"(John)( )(Smith)", L"$3,$2$1"},
         {L"{John}{ }{Smith}", L"\\3,\\2\\1"}},
        {L"2008-05-31",
         L"31/05/2008",
         {L"(2008)-(05)-(31)", L"$3/$2/$1"},
         {L"{2008}-{05}-{31}", L"\\3/\\2/\\1"}},
        {L"concat cat", L"cat", {L"concat (cat)", L"$1"}, {L"concat {cat}", L"\\1"}},
        {L"a.b", L"", {L"a\\.b", L""}, {L"a\\.b", L""}},
        {L"abc", L"abc", {L"(abc)", L"$1"}, {L"{abc}", L"\\1"}},
        {L"abc", L"xyz", {L"abc", L"xyz"}, {L"abc", L"xyz"}},
        {L"a:b", L"$\\", {L"a:b", L"$$\\"}, {L"a\\:b", L"$\\\\"}},
        {L"John Smith",
         L"Jon Smithers",
         {L"Joh(n Smith)", L"Jo$1ers"},
         {L"Joh{n Smith}", L"Jo\\1ers"}},
        {L"cat", L"cats", {L"cat", L"cats"}, {L"cat", L"cats"}},
        {L"x$y", L"y $x", {L"(x)(\\$)(y)", L"$3 $2$1"}, {L"{x}{\\$}{y}", L"\\3 \\2\\1"}},
        {L"ab-ab", L"ab ab", {L"(ab)-(ab)", L"$1 $2"}, {L"{ab}-{ab}", L"\\1 \\2"}},
        {L"x1abc", L"1a bc", {L"x(1a)(bc)", L"$1 $2"}, {L"x{1a}{bc}", L"\\1 \\2"}},
        // A digit after a back reference; Visual Studio reads one digit only.
        {L"ab", L"ab2", {L"(ab)", L"$012"}, {L"{ab}", L"\\12"}},
        // Twelve pieces: Visual Studio can refer to nine groups, the rest stays literal.
        {L"a-b-c-d-e-f-g-h-i-j-k-l",
         L"a1b2c3d4e5f6g7h8i9j0k1l2",
         {L"(a)-(b)-(c)-(d)-(e)-(f)-(g)-(h)-(i)-(j)-(k)-(l)",
          L"$011$022$033$044$055$066$077$088$099$100$111$122"},
         {L"{a}-{b}-{c}-{d}-{e}-{f}-{g}-{h}-{i}-j-k-l",
          L"\\11\\22\\33\\44\\55\\66\\77\\88\\99j0k1l2"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(make_replace_regex(c.search, c.replace, ecmascript), c.ecmascript)
            << c.search << L" / " << c.replace;
        EXPECT_EQ(make_replace_regex(c.search, c.replace, visual_studio), c.visual_studio)
            << c.search << L" / " << c.replace;
    }
}

// A workspace keeps arrays sized and filled by the call before: longer and shorter samples, more
// and fewer distinct units, with and without surrogate pairs, one after the other.
TEST(MakeReplaceRegexTest, a_reused_workspace_gives_every_call_a_fresh_result) {
    std::wstring words;
    std::wstring changed;
    std::wstring wide;
    for (int i = 0; i < 3000; ++i) {
        words += static_cast<wchar_t>(i % 7 == 0 ? L' ' : L'a' + (i * i) % 26);
        changed += static_cast<wchar_t>(i % 11 == 0 ? L'-' : words.back());
        // Over 255 distinct units, which the suffix sorting takes another way.
        wide += static_cast<wchar_t>(0x4E00 + (i * 37) % 400);
    }
    const std::wstring pairs[][2] = {
        {words, changed},
        {L"John Smith", L"Smith, John"},
        {wide, wide.substr(1000) + L"x" + wide.substr(0, 1000)},
        {L"a\xD83D\xDE00"
         L"b-c\xD83D\xDE01"
         L"d",
         L"c\xD83D\xDE01"
         L"d a\xD83D\xDE00"
         L"b"},
        {changed, words.substr(0, 500)},
        {L"x1abc 2008-05-31", L"31/05/2008 1a bc"},
    };
    PartingWorkspace workspace;
    const IRegexFormatting* const formattings[] = {&ecmascript, &visual_studio};
    for (const IRegexFormatting* formatting : formattings) {
        for (const auto& [search, replace] : pairs) {
            EXPECT_EQ(make_replace_regex(search, replace, *formatting, workspace),
                      make_replace_regex(search, replace, *formatting))
                << search.substr(0, 20) << L" / " << replace.substr(0, 20);
        }
    }
}

TEST(MakeReplaceRegexDeathTest, an_empty_search_sample_ends_the_process) {
    EXPECT_EXIT(make_replace_regex(L"", L"x", ecmascript), testing::ExitedWithCode(1), "");
}

#include "core/MakeReplaceRegex.h"

#include "languages/ECMAScriptFormatting.h"
#include "languages/VisualStudioFormatting.h"

#include <gtest/gtest.h>

namespace {

const VisualStudioFormatting visual_studio;
const ECMAScriptFormatting ecmascript;

} // namespace

// Readable failure messages.
static void PrintTo(const ReplaceRegex& result, std::ostream* out) {
    *out << testing::PrintToString(result.regex) << " / " << testing::PrintToString(result.format);
}

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

TEST(MakeReplaceRegexDeathTest, an_empty_search_sample_ends_the_process) {
    EXPECT_EXIT(make_replace_regex(L"", L"x", ecmascript), testing::ExitedWithCode(1), "");
}

// What each construct of both languages matches when PCRE2 runs it: every match of the regex in
// the text is shown between < and >. Classes follow the global locale, which the tests set to
// C.UTF-8.

#include "varnel/replace/RunReplace.h"

#include <regex>

#include <gtest/gtest.h>

using namespace varnel;

namespace {

struct Case {
    std::wstring regex;
    std::wstring text;
    std::wstring marked;
};

std::wstring marked(const std::wstring& regex, const std::wstring& text, Language language) {
    const std::wstring whole_match = language == Language::VisualStudio ? L"\\0"
                                     : language == Language::Python     ? L"\\g<0>"
                                                                        : L"$&";
    const ReplaceOutcome outcome =
        Replacer(regex, L"<" + whole_match + L">", language).replace_all(text);
    switch (outcome.status) {
    case ReplaceOutcome::Status::Replaced:
        return outcome.text;
    case ReplaceOutcome::Status::NoMatch:
        return L"no match";
    default:
        return L"error: " + outcome.message;
    }
}

} // namespace

TEST(TranslationTest, visual_studio_constructs) {
    const Case cases[] = {
        // Tagged expressions and grouping: the tag captures (see the back reference), the
        // grouping only groups.
        {L"{ab}+", L"xabab", L"x<abab>"},
        {L"(ab)+c", L"ababcx", L"<ababc>x"},
        {L"{a.}\\1", L"abacac", L"ab<acac>"},
        {L"(a)({b})\\1", L"abb ab", L"<abb> ab"},
        // Repetitions, greedy and lazy, and n times.
        {L"ba*", L"b baaa", L"<b> <baaa>"},
        {L"ba+", L"b baa", L"b <baa>"},
        {L"a.@b", L"axbxb", L"<axb>xb"},
        {L"a.#b", L"abbxb", L"<abb>xb"},
        {L"a^3", L"aaaaa", L"<aaa>aa"},
        {L"(ab)^2", L"abababab", L"<abab><abab>"},
        // Anchors: lines and words.
        {L"^b", L"ab\nb\r\nb", L"ab\n<b>\r\n<b>"},
        {L"a$", L"a\na\r\nab", L"<a>\n<a>\r\nab"},
        {L"<b", L"ab b", L"ab <b>"},
        {L"a>", L"aa ab", L"a<a> ab"},
        {L"<\u00e9t\u00e9>", L"\u00e9t\u00e9s \u00e9t\u00e9", L"\u00e9t\u00e9s <\u00e9t\u00e9>"},
        // Sets, with ranges, classes and escapes in them.
        {L"[a-c]+", L"xabcd", L"x<abc>d"},
        {L"[^a-c]+", L"abxyc", L"ab<xy>c"},
        {L"[:Lu:Nu]+", L"aB1c", L"a<B1>c"},
        {L"[\\]\\-]+", L"a]-b", L"a<]->b"},
        {L"[-a]+", L"b-ab", L"b<-a>b"},
        {L"[\\t\\:]+", L"a\t:b", L"a<\t:>b"},
        // Prevent match, or, escapes.
        {L"real~(ity)", L"reality realty", L"reality <real>ty"},
        {L"cat|dog", L"a dog", L"a <dog>"},
        {L"\\.\\:\\{\\\\\\~\\@", L"a.:{\\~@", L"a<.:{\\~@>"},
        {L"a\\tb", L"a\tb", L"<a\tb>"},
        {L"a\\nb", L"a\r\nb a\nb", L"<a\r\nb> <a\nb>"},
        {L"a.c", L"a\nc abc", L"a\nc <abc>"},
        // Classes.
        {L":Zs", L"a\u00a0b", L"a<\u00a0>b"},
        {L":b+", L"a \t b", L"a< \t >b"},
        {L":Wh+", L"a \t\n\u2003b", L"a< \t\n\u2003>b"},
        {L":Lu+", L"ab\u00c9Cd", L"ab<\u00c9C>d"},
        {L":Ll+", L"AB\u00e9c D", L"AB<\u00e9c> D"},
        {L":Al+", L"12\u00e9t\u00e93", L"12<\u00e9t\u00e9>3"},
        {L":c+", L"\u00e9ab1", L"\u00e9<ab>1"},
        {L":a+", L"\u00e9_ab1_", L"\u00e9_<ab1>_"},
        {L":Nu+", L"x42y", L"x<42>y"},
        {L":Pu+", L"a,.!b", L"a<,.!>b"},
        {L":w", L"12abc3", L"12<abc>3"},
        {L":i", L"1 _x1$ y", L"1 <_x1$> <y>"},
        {L":q", L"say \"hi\" 'yo'", L"say <\"hi\"> <'yo'>"},
        {L":z", L"a123b", L"a<123>b"},
        {L":h", L"x0fFg", L"x<0fF>g"},
        {L":n", L"v 3.14 .5 5.", L"v <3.14> <.5> <5.>"},
        {L":z+", L"12", L"<12>"},
        // A class that stands for a string is one item: a quantifier repeats the string.
        {L":z+1", L"121", L"<121>"},
        {L":z*", L"a12", L"<>a<12><>"},
        {L":w@", L"ab", L"<><ab><>"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(marked(c.regex, c.text, Language::VisualStudio), c.marked)
            << testing::PrintToString(c.regex);
    }
}

TEST(TranslationTest, ecmascript_as_the_standard_library_reads_it) {
    const struct : Case {
        bool standard_library_agrees = true;
    } cases[] = {
        // Classes by the locale: glibc counts only ASCII digits as digits.
        {{L"\\d+", L"a\u066123", L"a\u0661<23>"}},
        {{L"\\w+", L"\u00e9t\u00e9_1 x", L"<\u00e9t\u00e9_1> <x>"}},
        {{L"\\s+", L"a \u2003b", L"a< \u2003>b"}},
        {{L"\\D\\S\\W", L"1ab-", L"1<ab->"}},
        {{L"[[:alpha:]]+", L"1\u00e9t\u00e92", L"1<\u00e9t\u00e9>2"}},
        {{L"[[:upper:][:digit:]]+", L"aB1c", L"a<B1>c"}},
        {{L"[^[:space:]]+", L" ab ", L" <ab> "}},
        {{L"[\\d_]+", L"a1_2b", L"a<1_2>b"}},
        // Word boundaries by the same classes.
        {{L"\\b\u00e9", L"\u00e9t\u00e9 \u00e9", L"<\u00e9>t\u00e9 <\u00e9>"}},
        {{L"\\Bt", L"tat", L"ta<t>"}},
        // No line mode: ^ at the beginning, $ at the very end only.
        {{L"^a", L"aa", L"<a>a"}},
        {{L"a$", L"a\na", L"a\n<a>"}},
        {{L"a$", L"a\n", L"no match"}},
        {{L".+", L"\n\r\u2028\u2029x", L"\n\r\u2028\u2029<x>"}},
        // Escapes.
        {{L"\\u00e9", L"\u00e9t\u00e9", L"<\u00e9>t<\u00e9>"}},
        {{L"\\x41", L"BAB", L"B<A>B"}},
        {{L"\\0", std::wstring(L"a\0b", 3), std::wstring(L"a<\0>b", 5)}},
        {{L"\\f\\n\\r\\t\\v", L"\f\n\r\t\v", L"<\f\n\r\t\v>"}},
        {{L"[\\b]", L"a\bb", L"a<\b>b"}},
        {{L"\\/\\-\\:", L"a/-:", L"a</-:>"}},
        {{L"\\cJ", L"a\nbJ", L"a<\n>bJ"}, false}, // the standard library reads J
        // Groups, lookaheads, back references.
        {{L"a(?=b)", L"acab", L"ac<a>b"}},
        {{L"a(?!b)", L"abac", L"ab<a>c"}},
        {{L"(?:ab)+", L"ababx", L"<abab>x"}},
        {{L"(a)\\1", L"aab", L"<aa>b"}},
        {{L"(a)|b\\1", L"b", L"no match"}},
        // Repetitions, lazy ones, and a repetition repeated.
        {{L"a{2}", L"aaa", L"<aa>a"}},
        {{L"a{2,}", L"aaaa", L"<aaaa>"}},
        {{L"a{1,2}?", L"aa", L"<a><a>"}},
        {{L"a+?", L"aa", L"<a><a>"}},
        {{L"a{2}{2}", L"aaaaa", L"<aaaa>a"}},
        {{L"a?b", L"ab b", L"<ab> <b>"}},
        // Brackets: empty, a dash first or last, ranges; ] and } alone are literal.
        {{L"a[]", L"a", L"no match"}},
        {{L"[^]", L"\n", L"<\n>"}},
        {{L"[a-]+", L"-ab", L"<-a>b"}},
        {{L"[-a-c]+", L"x-bd", L"x<-b>d"}},
        {{L"a]}", L"a]}", L"<a]}>"}},
        // Empty matches, as std::regex_replace finds them.
        {{L"x*", L"axb", L"<>a<x><>b<>"}},
    };
    for (const auto& c : cases) {
        const auto context = testing::PrintToString(c.regex);
        EXPECT_EQ(marked(c.regex, c.text, Language::ECMAScript), c.marked) << context;
        const std::wregex standard(c.regex);
        const std::wstring replaced = std::regex_replace(c.text, standard, L"<$&>");
        const bool matches = std::regex_search(c.text, standard);
        EXPECT_EQ((matches ? replaced : L"no match") == c.marked, c.standard_library_agrees)
            << context;
    }
}

// Both languages match whole characters: a surrogate pair is one character, in the regex as in the
// text, and a surrogate without its partner in the text is matched by nothing and left as it is.
TEST(TranslationTest, whole_characters) {
    const std::wstring smile = L"\xD83D\xDE00";
    const std::wstring grin = L"\xD83D\xDE01";
    const struct : Case {
        Language language;
    } cases[] = {
        {{L".", L"a" + smile, L"<a><" + smile + L">"}, Language::ECMAScript},
        {{L"[^a]", L"a" + smile, L"a<" + smile + L">"}, Language::ECMAScript},
        {{L"\\W", smile, L"<" + smile + L">"}, Language::ECMAScript},
        {{L"\\uD83D\\uDE00+", smile + smile, L"<" + smile + smile + L">"}, Language::ECMAScript},
        {{L"[" + smile + L"-" + grin + L"]", L"a" + grin, L"a<" + grin + L">"},
         Language::ECMAScript},
        {{L"\\uD83D", smile, L"no match"}, Language::ECMAScript},
        {{L"[\\uD800-\\uDFFF]", smile, L"no match"}, Language::ECMAScript},
        {{L".",
          L"a\xD83D"
          L"b",
          L"<a>\xD83D<b>"},
         Language::ECMAScript},
        {{L"[^x]+",
          L"a\xDC80"
          L"b\xDE00",
          L"<a>\xDC80<b>\xDE00"},
         Language::ECMAScript},
        {{L"x*", L"\xDC80", L"<>\xDC80<>"}, Language::ECMAScript},
        {{L".", smile, L"<" + smile + L">"}, Language::VisualStudio},
        {{L"[^a]+",
          L"\xDC80"
          L"b" +
              smile,
          L"\xDC80<b" + smile + L">"},
         Language::VisualStudio},
        {{L"a:Wh@b",
          L"a\xDC80"
          L"b ab",
          L"a\xDC80"
          L"b <ab>"},
         Language::VisualStudio},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(marked(c.regex, c.text, c.language), c.marked) << testing::PrintToString(c.regex);
    }
}

// Where the Perl-like languages part: each reads \d, \w, \s, "." and "$" as its engine does.
TEST(TranslationTest, perl_like_languages_where_they_part) {
    const auto javascript = Language::JavaScript;
    const auto python = Language::Python;
    const auto pcre = Language::PCRE;
    const struct : Case {
        Language language;
    } cases[] = {
        {{L"\\d+", L"1\u06632", L"<1>\u0663<2>"}, javascript},
        {{L"\\d+", L"1\u06632", L"<1\u06632>"}, python},
        {{L"\\d+", L"1\u06632", L"<1>\u0663<2>"}, pcre},
        {{L"\\w+", L"\u00e9_1\u00b2", L"\u00e9<_1>\u00b2"}, javascript},
        {{L"\\w+", L"\u00e9_1\u00b2", L"<\u00e9_1\u00b2>"}, python},
        {{L"\\b.", L"\u00e9a", L"\u00e9<a>"}, javascript},
        {{L"\\b.", L"\u00e9a", L"<\u00e9>a"}, python},
        {{L"\\s", L"\ufeff\u001c", L"<\ufeff>\u001c"}, javascript},
        {{L"\\s", L"\ufeff\u001c", L"\ufeff<\u001c>"}, python},
        {{L"\\s|[[:alpha:]]", L"\u0085\u00e9\va", L"\u0085\u00e9<\v><a>"}, pcre},
        {{L".", L"\r\u2028", L"no match"}, javascript},
        {{L".", L"\r\u2028", L"<\r><\u2028>"}, python},
        {{L"a$", L"a\n", L"no match"}, javascript},
        {{L"a$", L"a\n", L"<a>\n"}, python},
        {{L"a\\Z", L"a\n", L"no match"}, python},
        {{L"a$|c\\z", L"c\na\n", L"c\n<a>\n"}, pcre},
        {{L"a{,2}", L"a", L"error: { must be followed by a number"}, javascript},
        {{L"a{,2}", L"aaa", L"<aa><a><>"}, python},
        {{L"\\q", L"q", L"error: \\q is not supported"}, python},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(marked(c.regex, c.text, c.language), c.marked) << testing::PrintToString(c.regex);
    }
}

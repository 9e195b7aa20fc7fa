#include "tests/support/ThrowingAssertHandler.h"
#include "varnel/languages/ECMAScriptFormatting.h"
#include "varnel/languages/PcreFormatting.h"
#include "varnel/languages/PosixEreFormatting.h"
#include "varnel/languages/PythonFormatting.h"
#include "varnel/languages/VisualStudioFormatting.h"

#include <random>
#include <regex>
#include <sstream>

#include <gtest/gtest.h>

using namespace varnel;

namespace {

using Blocks = std::vector<PrettyFormatBlock>;
const auto N = PrettyFormatBlock::Normal;
const auto E = PrettyFormatBlock::Escape;
const auto S = PrettyFormatBlock::Special;

const VisualStudioFormatting visual_studio;
const ECMAScriptFormatting ecmascript;
const PcreFormatting pcre;
const PythonFormatting python;
const PosixEreFormatting posix_ere;

const std::wstring visual_studio_specials = L"\\^$.*+?()[]{}|:<>#~@";
const std::wstring ecmascript_specials = L"\\^$.*+?()[]{}|";

// The blocks by their defining recursion, kept here as the reference the scan must agree with.
Blocks reference_special_split(const std::wstring& t, const std::wstring& specials) {
    if (t.empty()) {
        return {};
    }
    const auto p = t.find_first_of(specials);
    if (p == std::wstring::npos) {
        return {{N, t}};
    }
    Blocks result = reference_special_split(t.substr(0, p), specials);
    result.emplace_back(S, t.substr(p, 1));
    const Blocks after = reference_special_split(t.substr(p + 1), specials);
    result.insert(result.end(), after.begin(), after.end());
    return result;
}

Blocks reference_regex_blocks(const std::wstring& r, const std::wstring& specials) {
    if (r.empty()) {
        return {};
    }
    for (const wchar_t c : specials) {
        const auto p = r.find(std::wstring{L'\\', c});
        if (p == std::wstring::npos) {
            continue;
        }
        Blocks result = reference_regex_blocks(r.substr(0, p), specials);
        result.emplace_back(E, L"\\");
        result.emplace_back(N, std::wstring(1, c));
        const Blocks after = reference_regex_blocks(r.substr(p + 2), specials);
        result.insert(result.end(), after.begin(), after.end());
        return result;
    }
    return reference_special_split(r, specials);
}

Blocks reference_back_reference_split(const std::wstring& t, wchar_t escape, bool two_digits) {
    if (t.empty()) {
        return {};
    }
    const std::wregex reference(std::wstring{L'\\', escape} + L"[[:digit:]]" +
                                (two_digits ? L"{1,2}" : L"{1}"));
    std::wsmatch match;
    if (!std::regex_search(t, match, reference)) {
        return {{N, t}};
    }
    const auto p = static_cast<std::size_t>(match.position(0));
    Blocks result = reference_back_reference_split(t.substr(0, p), escape, two_digits);
    result.emplace_back(S, match.str(0));
    const Blocks after =
        reference_back_reference_split(t.substr(p + match.str(0).size()), escape, two_digits);
    result.insert(result.end(), after.begin(), after.end());
    return result;
}

Blocks reference_format_blocks(const std::wstring& f, wchar_t escape, bool two_digits) {
    if (f.empty()) {
        return {};
    }
    const auto p = f.find(std::wstring(2, escape));
    if (p == std::wstring::npos) {
        return reference_back_reference_split(f, escape, two_digits);
    }
    Blocks result = reference_back_reference_split(f.substr(0, p), escape, two_digits);
    result.emplace_back(E, std::wstring(1, escape));
    result.emplace_back(N, std::wstring(1, escape));
    const Blocks after = reference_format_blocks(f.substr(p + 2), escape, two_digits);
    result.insert(result.end(), after.begin(), after.end());
    return result;
}

std::wstring joined(const Blocks& blocks) {
    std::wstring text;
    for (const auto& block : blocks) {
        text += block.text;
    }
    return text;
}

std::wstring random_text(std::mt19937& random, const std::wstring& alphabet) {
    std::wstring text(random() % 16, L' ');
    for (auto& c : text) {
        c = alphabet[random() % alphabet.size()];
    }
    return text;
}

struct Case {
    const IRegexFormatting& formatting;
    std::wstring input;
    Blocks expected;
};

} // namespace

TEST(PrettyFormatBlockTest, regex_blocks) {
    const Case cases[] = {
        {ecmascript,
         L"(John)( )(Smith)",
         {{S, L"("},
          {N, L"John"},
          {S, L")"},
          {S, L"("},
          {N, L" "},
          {S, L")"},
          {S, L"("},
          {N, L"Smith"},
          {S, L")"}}},
        {ecmascript, L"a\\.b", {{N, L"a"}, {E, L"\\"}, {N, L"."}, {N, L"b"}}},
        {ecmascript,
         L"[[:digit:]]+",
         {{S, L"["}, {S, L"["}, {N, L":digit:"}, {S, L"]"}, {S, L"]"}, {S, L"+"}}},
        {visual_studio, L":z", {{S, L":"}, {N, L"z"}}},
        {ecmascript, L":z", {{N, L":z"}}},
        {ecmascript, L"", {}},
        {ecmascript, L"plain text", {{N, L"plain text"}}},
        {ecmascript, L"abc\\", {{N, L"abc"}, {S, L"\\"}}},
        {ecmascript, L"\\d+", {{S, L"\\"}, {N, L"d"}, {S, L"+"}}},
        {ecmascript, L"\\\\.", {{E, L"\\"}, {N, L"\\"}, {S, L"."}}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.formatting.pretty_format_regex(c.input), c.expected) << c.input;
    }
}

TEST(PrettyFormatBlockTest, format_blocks) {
    const Case cases[] = {
        {ecmascript, L"$3,$2$1", {{S, L"$3"}, {N, L","}, {S, L"$2"}, {S, L"$1"}}},
        {ecmascript, L"$$1", {{E, L"$"}, {N, L"$"}, {N, L"1"}}},
        {ecmascript, L"$123", {{S, L"$12"}, {N, L"3"}}},
        {ecmascript, L"$01", {{S, L"$01"}}},
        {ecmascript, L"a$b", {{N, L"a$b"}}},
        {ecmascript, L"a$", {{N, L"a$"}}},
        {ecmascript, L"", {}},
        {visual_studio, L"\\3,\\2\\1", {{S, L"\\3"}, {N, L","}, {S, L"\\2"}, {S, L"\\1"}}},
        {visual_studio, L"\\12", {{S, L"\\1"}, {N, L"2"}}},
        {visual_studio, L"\\\\1", {{E, L"\\"}, {N, L"\\"}, {N, L"1"}}},
        {pcre,
         L"${10}0$123\\$1",
         {{S, L"${10}"}, {N, L"0"}, {S, L"$123"}, {E, L"\\"}, {N, L"$"}, {N, L"1"}}},
        {pcre, L"${x}${1", {{N, L"${x}${1"}}},
        {python,
         L"\\g<12>\\1\\\\g<1>",
         {{S, L"\\g<12>"}, {S, L"\\1"}, {E, L"\\"}, {N, L"\\"}, {N, L"g<1>"}}},
        {python, L"\\g<>\\g<1", {{N, L"\\g<>\\g<1"}}},
        {posix_ere, L"&\\&\\12", {{S, L"&"}, {E, L"\\"}, {N, L"&"}, {S, L"\\1"}, {N, L"2"}}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.formatting.pretty_format_format(c.input), c.expected) << c.input;
    }
}

TEST(PrettyFormatBlockTest, the_scan_agrees_with_the_recursive_definition) {
    std::mt19937 random(2024);
    const std::wstring alphabet = L"ab1 \\\\$$^.:()[]{}|#~@<>*+?\u00e9";
    for (int round = 0; round < 3000; ++round) {
        const std::wstring text = random_text(random, alphabet);
        EXPECT_EQ(visual_studio.pretty_format_regex(text),
                  reference_regex_blocks(text, visual_studio_specials))
            << text;
        EXPECT_EQ(ecmascript.pretty_format_regex(text),
                  reference_regex_blocks(text, ecmascript_specials))
            << text;
        EXPECT_EQ(visual_studio.pretty_format_format(text),
                  reference_format_blocks(text, L'\\', false))
            << text;
        EXPECT_EQ(ecmascript.pretty_format_format(text), reference_format_blocks(text, L'$', true))
            << text;
    }
}

TEST(PrettyFormatBlockTest, blocks_join_back_to_long_texts) {
    std::mt19937 random(99);
    const std::wstring alphabet = L"ab1 \\$().";
    std::wstring text(100000, L' ');
    for (auto& c : text) {
        c = alphabet[random() % alphabet.size()];
    }
    for (const IRegexFormatting* formatting : {static_cast<const IRegexFormatting*>(&visual_studio),
                                               static_cast<const IRegexFormatting*>(&ecmascript)}) {
        EXPECT_EQ(joined(formatting->pretty_format_regex(text)), text);
        EXPECT_EQ(joined(formatting->pretty_format_format(text)), text);
    }
}

TEST(PrettyFormatBlockTest, text_form) {
    std::wostringstream out;
    out << PrettyFormatBlock(S, L"(") << L"|" << PrettyFormatBlock(E, L"\\") << L"|"
        << PrettyFormatBlock(N, L"ab");
    EXPECT_EQ(out.str(), L"Special, (|Escape, \\|Normal, ab");
    std::wostringstream unused;
    EXPECT_CONTRACT_VIOLATION(
        unused << PrettyFormatBlock(static_cast<PrettyFormatBlock::Type>(7), L"x"),
        DBC::IAssertHandler::unreachable);
}

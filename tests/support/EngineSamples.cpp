#include "tests/support/EngineSamples.h"

#include "tests/support/SampleMaker.h"
#include "varnel/core/MakeReplaceRegex.h"
#include "varnel/languages/LanguageFactory.h"

#include <algorithm>
#include <cwctype>

namespace varnel {

namespace {

// The text with the characters beyond the basic plane as surrogate pairs: Varnel's texts hold
// UTF-16 code units in wchar_t.
std::wstring utf16(const std::wstring& text) {
    std::wstring units;
    for (const wchar_t c : text) {
        if (static_cast<unsigned>(c) <= 0xFFFF) {
            units += c;
        } else {
            const auto offset = static_cast<unsigned>(c) - 0x10000;
            units += {static_cast<wchar_t>(0xD800 + (offset >> 10)),
                      static_cast<wchar_t>(0xDC00 + (offset & 0x3FF))};
        }
    }
    return units;
}

} // namespace

// Pieces of several scripts, every ASCII punctuation character, line breaks and pairs outside the
// basic plane.
std::vector<std::wstring> engine_alphabet() {
    std::vector<std::wstring> pieces = {
        L"a",         L"Z",      L"q",      L"x",      L"F",      L"0",      L"7",
        L"12",        L"\u00e9", L"\u00df", L"\u00c4", L"\u03b1", L"\u03a9", L"\u0436",
        L"\u0414",    L"\u0628", L"\u0663", L"\u096b", L"\u0915", L"\u093f", L"\u0301",
        L"\u4e2d",    L"\ud55c", L"\uff13", L"\u01c5", L"\u216b", L"\u00b2", L" ",
        L"\t",        L"\n",     L"\r",     L"\v",     L"\f",     L"\u00a0", L"\u2003",
        L"\u3000",    L"\u2028", L"\u2029", L"\u0085", L"\u001c", L"\ufeff", L"\U0001F600",
        L"\U0001F601"};
    for (wchar_t c = L'!'; c <= L'~'; ++c) {
        if (!std::iswalnum(static_cast<wint_t>(c))) {
            pieces.emplace_back(1, c);
        }
    }
    for (auto& piece : pieces) {
        piece = utf16(piece);
    }
    return pieces;
}

std::wstring engine_text(std::mt19937& random, const std::vector<std::wstring>& pieces,
                         std::size_t most) {
    std::wstring text;
    for (std::size_t n = random() % (most + 1); n > 0; --n) {
        text += pieces[random() % pieces.size()];
    }
    return text;
}

// Fixed pairs, then random ones: the shared pieces of the project's sample maker, and pieces of
// the alphabet above in another order, some with new text or none at all.
EnginePairs engine_sample_pairs(std::size_t count) {
    const std::wstring punctuation = L"!\"#$%&'()*+,-./:;<=>?@[\\]^_`{|}~";
    std::wstring reversed = punctuation;
    std::reverse(reversed.begin(), reversed.end());
    EnginePairs pairs = {
        {L"John Smith", L"Smith, John"},
        {L"a1 b2 c3 d4 e5 f6 g7 h8 i9 j10 k11 l12", L"l12,k11,j10,i9,h8,g7,f6,e5,d4,c3,b2,a1"},
        {L"x+y = z", L""},
        {punctuation + L" \t", L"\t" + reversed},
        {L"\U0001F600 x \U0001F601", L"\U0001F601 x \U0001F600"},
        {L"ab$1\\1&cd", L"cd0&\\1$1ab9"},
        {L"a\nb\r\nc\u2028d", L"d\u2028c\r\nb\na"},
        {L"it's \"quoted\"", L"\"quoted\" it's"},
        {L"a/b@c", L"c@b/a1"},
    };
    for (auto& [search, replace] : pairs) {
        search = utf16(search);
        replace = utf16(replace);
    }
    SampleMaker maker;
    std::mt19937 random(23);
    const auto pieces = engine_alphabet();
    while (pairs.size() < count) {
        if (pairs.size() % 2 == 0) {
            pairs.push_back(maker.pair(pairs.size() % 4 == 0));
            continue;
        }
        std::vector<std::wstring> words(1 + random() % 14);
        for (auto& word : words) {
            word = engine_text(random, pieces, 3);
        }
        std::wstring search = join(words, L"");
        if (search.empty()) {
            search = L"x";
        }
        std::shuffle(words.begin(), words.end(), random);
        const std::wstring replace =
            random() % 10 == 0 ? L"" : join(words, engine_text(random, pieces, 2));
        pairs.emplace_back(search, replace);
    }
    return pairs;
}

std::vector<EngineJob> inferred_jobs(Language language, const EnginePairs& pairs) {
    const LanguageFactory factory;
    std::vector<EngineJob> jobs;
    for (const auto& [search, replace] : pairs) {
        const ReplaceRegex rule =
            make_replace_regex(search, replace, factory.regex_formatting(language));
        jobs.push_back({rule.regex, rule.format, search});
    }
    return jobs;
}

} // namespace varnel

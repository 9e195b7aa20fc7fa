#include "tests/support/SampleMaker.h"

#include <algorithm>

std::wstring join(const std::vector<std::wstring>& words, const std::wstring& glue) {
    std::wstring result;
    for (const std::wstring& word : words) {
        result += (result.empty() ? L"" : glue) + word;
    }
    return result;
}

std::vector<std::wstring> SampleMaker::pieces(std::size_t max_count) {
    static const std::wstring all[] = {
        L"a",
        L"b",
        L"ab",
        L"ba",
        L"cat",
        L"\u00e9",
        L"\u00fc",
        L"\u00e9t\u00e9",
        L"1",
        L"2",
        L"12",
        L"0",
        L" ",
        L"  ",
        L"\\",
        L"$",
        L"$1",
        L"\\1",
        L"^",
        L".",
        L"*",
        L"+",
        L"?",
        L"(",
        L")",
        L"[",
        L"]",
        L"{",
        L"}",
        L"|",
        L":",
        L"<",
        L">",
        L"#",
        L"~",
        L"@",
        L"-",
        L"\xD83D\xDE00",
        L"\xD83D\xDE01",
    };
    std::vector<std::wstring> result(random() % (max_count + 1));
    for (auto& piece : result) {
        piece = all[random() % std::size(all)];
    }
    return result;
}

std::wstring SampleMaker::reordered(const std::vector<std::wstring>& pieces) {
    std::vector<std::wstring> runs;
    for (std::size_t begin = 0; begin < pieces.size();) {
        const std::size_t end = std::min(pieces.size(), begin + 1 + random() % 3);
        runs.push_back(join({pieces.begin() + begin, pieces.begin() + end}, L""));
        begin = end;
    }
    std::shuffle(runs.begin(), runs.end(), random);
    std::wstring result;
    for (const std::wstring& run : runs) {
        result += (random() % 3 == 0 ? join(this->pieces(2), L"") : L"") + run;
    }
    return result;
}

std::pair<std::wstring, std::wstring> SampleMaker::pair(bool reorder) {
    std::vector<std::wstring> search = pieces(14);
    search.push_back(L"x");
    const std::wstring replace = reorder ? reordered(search) : join(pieces(14), L"");
    return {join(search, L""), replace};
}

std::pair<std::wstring, std::wstring> SampleMaker::many_words(std::size_t count, bool letters) {
    std::vector<std::wstring> words;
    for (std::size_t i = 0; i < count; ++i) {
        words.push_back(
            letters ? std::wstring{L"bcdfgh"[i % 6], L"aeiou"[i / 6 % 5], L"klmnpr"[i / 30 % 6]}
                    : std::to_wstring(i * 7 % 1000));
    }
    const std::wstring search = join(words, L" ");
    std::shuffle(words.begin(), words.end(), random);
    return {search, join(words, L"; ")};
}

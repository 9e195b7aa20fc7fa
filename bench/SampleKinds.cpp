#include "bench/SampleKinds.h"

#include <algorithm>
#include <random>
#include <unordered_set>
#include <vector>

const char* kind_name(Kind kind) {
    switch (kind) {
    case random_words:
        return "random_words";
    case same_text:
        return "same_text";
    case reversed_words:
        return "reversed_words";
    case changed_every_10:
        return "changed_every_10";
    case changed_every_1000:
        return "changed_every_1000";
    case distinct_words:
        return "distinct_words";
    case digits_only:
        return "digits_only";
    case punctuation_only:
        return "punctuation_only";
    default:
        return "one_unit_pieces";
    }
}

namespace {

std::wstring random_word(std::mt19937& random, int shortest, int longest) {
    std::uniform_int_distribution<int> length(shortest, longest);
    std::uniform_int_distribution<int> letter(L'a', L'z');
    std::wstring word;
    for (int n = length(random); n > 0; --n) {
        word += static_cast<wchar_t>(letter(random));
    }
    return word;
}

// Words of 2 to 9 lower-case letters, a vocabulary of 2000 of them.
std::vector<std::wstring> vocabulary(std::mt19937& random) {
    std::vector<std::wstring> words(2000);
    for (std::wstring& word : words) {
        word = random_word(random, 2, 9);
    }
    return words;
}

// Words separated by spaces, now and then a comma or a full stop, cut to exactly size units.
std::vector<std::wstring> text_words(std::mt19937& random, const std::vector<std::wstring>& words,
                                     int size) {
    std::uniform_int_distribution<std::size_t> pick(0, words.size() - 1);
    std::uniform_int_distribution<int> mark(0, 11);
    std::vector<std::wstring> result;
    int units = 0;
    while (units < size) {
        std::wstring word = words[pick(random)];
        const int m = mark(random);
        word += m == 0 ? L"," : m == 1 ? L"." : L"";
        result.push_back(word);
        units += static_cast<int>(word.size()) + 1;
    }
    return result;
}

std::wstring join(const std::vector<std::wstring>& words, int size) {
    std::wstring result;
    for (const std::wstring& word : words) {
        result += result.empty() ? L"" : L" ";
        result += word;
    }
    result.resize(static_cast<std::size_t>(size));
    return result;
}

std::wstring random_units(std::mt19937& random, const std::wstring& units, int size) {
    std::uniform_int_distribution<std::size_t> pick(0, units.size() - 1);
    std::wstring result(static_cast<std::size_t>(size), L' ');
    for (wchar_t& unit : result) {
        unit = units[pick(random)];
    }
    return result;
}

// Every step-th unit replaced by another letter.
std::wstring changed_copy(std::mt19937& random, std::wstring text, std::size_t step) {
    std::uniform_int_distribution<int> letter(L'a', L'z');
    for (std::size_t i = step - 1; i < text.size(); i += step) {
        const wchar_t original = text[i];
        while (text[i] == original) {
            text[i] = static_cast<wchar_t>(letter(random));
        }
    }
    return text;
}

} // namespace

Samples make_samples(Kind kind, int size) {
    std::mt19937 random(2024);
    const std::vector<std::wstring> words = vocabulary(random);
    const std::vector<std::wstring> search = text_words(random, words, size);
    const std::wstring text = join(search, size);
    switch (kind) {
    case random_words:
        return {text, join(text_words(random, words, size), size)};
    case same_text:
        return {text, text};
    case reversed_words:
        return {text, join(std::vector<std::wstring>(search.rbegin(), search.rend()), size)};
    case changed_every_10:
        return {text, changed_copy(random, text, 10)};
    case changed_every_1000:
        return {text, changed_copy(random, text, 1000)};
    case distinct_words: {
        std::unordered_set<std::wstring> seen;
        std::vector<std::wstring> distinct;
        for (int units = 0; units < size;) {
            std::wstring word = random_word(random, 3, 10);
            if (seen.insert(word).second) {
                units += static_cast<int>(word.size()) + 1;
                distinct.push_back(word);
            }
        }
        const std::wstring in_order = join(distinct, size);
        std::shuffle(distinct.begin(), distinct.end(), random);
        return {in_order, join(distinct, size)};
    }
    case digits_only:
        return {random_units(random, L"0123456789", size),
                random_units(random, L"0123456789", size)};
    case punctuation_only:
        return {random_units(random, L".,;:-_/()[]{}!?'", size),
                random_units(random, L".,;:-_/()[]{}!?'", size)};
    default: {
        // Every other unit of the replacement is a digit, which the search sample never holds.
        std::wstring replace = random_units(random, L".,;:-_/!", size);
        for (std::size_t i = 0; i < replace.size(); i += 2) {
            replace[i] = static_cast<wchar_t>(L'0' + i % 10);
        }
        return {random_units(random, L".,;:-_/!", size), replace};
    }
    }
}

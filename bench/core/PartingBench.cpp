// The inference on long samples: the suffix tree with the candidate walk against the greedy
// parting engine, for ordinary and adversarial kinds of sample pairs, in both languages, with
// time and peak heap use; building the suffix array of the same text, the engine's lower bound;
// and the styling of the longest results.

#include "bench/core/PeakMemory.h"
#include "core/GSTMake.h"
#include "core/GreedyParting.h"
#include "core/PartedStrings.h"
#include "core/PartedStringsToRegex.h"
#include "core/SuffixArray.h"
#include "languages/ECMAScriptFormatting.h"
#include "languages/VisualStudioFormatting.h"

#include <algorithm>
#include <locale>
#include <random>
#include <set>
#include <string>
#include <unordered_set>
#include <vector>

#include <benchmark/benchmark.h>

namespace {

enum Kind {
    random_words,
    same_text,
    reversed_words,
    // A copy with one unit in every 10 or every 1,000 changed, as after a careful edit.
    changed_every_10,
    changed_every_1000,
    // Words that occur once in each sample, in another order in the replacement.
    distinct_words,
    // Two independent texts over a few units that are not letters.
    digits_only,
    punctuation_only,
    // The samples share single units only, never two in a row.
    one_unit_pieces,
};

constexpr Kind all_kinds[] = {random_words,     same_text,          reversed_words,
                              changed_every_10, changed_every_1000, distinct_words,
                              digits_only,      punctuation_only,   one_unit_pieces};

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

struct Samples {
    std::wstring search;
    std::wstring replace;
};

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

const IRegexFormatting& formatting_of(bool ecmascript) {
    static const ECMAScriptFormatting ecmascript_formatting;
    static const VisualStudioFormatting visual_studio_formatting;
    return ecmascript ? static_cast<const IRegexFormatting&>(ecmascript_formatting)
                      : visual_studio_formatting;
}

ReplaceRegex run_pipeline(const Samples& samples, const IRegexFormatting& formatting) {
    const std::set<std::wstring> common =
        GST::common_substrings(GST::make({samples.search, samples.replace}));
    const PartedStrings parted(samples.search, samples.replace, common,
                               formatting.max_back_reference());
    return parted_strings_to_regex(parted, formatting);
}

ReplaceRegex run_engine(const Samples& samples, const IRegexFormatting& formatting) {
    return parted_strings_to_regex(
        greedy_parting(samples.search, samples.replace, formatting.max_back_reference()),
        formatting);
}

template <ReplaceRegex (*Run)(const Samples&, const IRegexFormatting&)>
void measure(benchmark::State& state, Kind kind, int size, bool ecmascript) {
    const Samples samples = make_samples(kind, size);
    const IRegexFormatting& formatting = formatting_of(ecmascript);
    std::size_t peak = 0;
    for (auto _ : state) {
        PeakMemory::reset();
        const ReplaceRegex result = Run(samples, formatting);
        peak = std::max(peak, PeakMemory::peak_since_reset());
        benchmark::DoNotOptimize(result);
    }
    const std::vector<StringPart> parts =
        greedy_parting(samples.search, samples.replace, formatting.max_back_reference())
            .search_parts;
    const auto groups = std::count_if(parts.begin(), parts.end(), [](const StringPart& part) {
        return part.kind == StringPart::Common;
    });
    state.counters["peak_heap"] = benchmark::Counter(
        static_cast<double>(peak), benchmark::Counter::kDefaults, benchmark::Counter::kIs1024);
    state.counters["bytes_per_unit"] =
        static_cast<double>(peak) /
        static_cast<double>(samples.search.size() + samples.replace.size());
    state.counters["groups"] = static_cast<double>(groups);
}

// The engine's lower bound: the suffix array with its prefix lengths of both samples joined.
void suffix_array(benchmark::State& state, Kind kind, int size) {
    const Samples samples = make_samples(kind, size);
    std::vector<int> codes;
    for (const wchar_t unit : samples.search) {
        codes.push_back(static_cast<int>(unit) + 2);
    }
    codes.push_back(1);
    for (const wchar_t unit : samples.replace) {
        codes.push_back(static_cast<int>(unit) + 2);
    }
    codes.push_back(0);
    for (auto _ : state) {
        benchmark::DoNotOptimize(make_suffix_array(codes, 0x10002));
    }
}

// Styling the result of the longest samples for display: both texts split into blocks.
void pretty_format(benchmark::State& state, Kind kind, int size) {
    const ECMAScriptFormatting formatting;
    const ReplaceRegex result = run_engine(make_samples(kind, size), formatting);
    std::size_t blocks = 0;
    for (auto _ : state) {
        blocks = formatting.pretty_format_regex(result.regex).size() +
                 formatting.pretty_format_format(result.format).size();
        benchmark::DoNotOptimize(blocks);
    }
    state.counters["blocks"] = static_cast<double>(blocks);
    state.counters["units"] = static_cast<double>(result.regex.size() + result.format.size());
}

void add(const std::string& name, Kind kind, int size, bool with_pipeline) {
    for (const bool ecmascript : {true, false}) {
        const std::string language = ecmascript ? "/ecmascript" : "/visual_studio";
        if (with_pipeline) {
            benchmark::RegisterBenchmark(("pipeline" + language + name).c_str(),
                                         measure<run_pipeline>, kind, size, ecmascript)
                ->Unit(benchmark::kMillisecond);
        }
        benchmark::RegisterBenchmark(("engine" + language + name).c_str(), measure<run_engine>,
                                     kind, size, ecmascript)
            ->Unit(benchmark::kMillisecond);
    }
}

void register_all() {
    for (const Kind kind : all_kinds) {
        const std::string prefix = std::string("/") + kind_name(kind) + "/";
        const bool first_kinds = kind <= reversed_words;
        // Where the engine overtakes the walk.
        if (first_kinds) {
            for (const int size : {4, 6, 8, 12, 16, 24}) {
                add("/crossover" + prefix + std::to_string(size), kind, size, true);
            }
        }
        // The walk's time grows with the cube of the size: from 1,000 to 10,000 code units it
        // would need minutes (and its candidates gigabytes), so it runs up to 1,000 only.
        for (const int size : {100, 1000, 10000, 100000, 1000000}) {
            add(prefix + std::to_string(size), kind, size, first_kinds && size <= 1000);
        }
        for (const int size : {100000, 1000000}) {
            benchmark::RegisterBenchmark(("suffix_array" + prefix + std::to_string(size)).c_str(),
                                         suffix_array, kind, size)
                ->Unit(benchmark::kMillisecond);
        }
        if (first_kinds) {
            benchmark::RegisterBenchmark(("pretty_format" + prefix + "100000").c_str(),
                                         pretty_format, kind, 100000)
                ->Unit(benchmark::kMillisecond);
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    std::locale::global(std::locale("C.UTF-8"));
    register_all();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

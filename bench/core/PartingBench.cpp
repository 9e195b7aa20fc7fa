// The inference on long samples: the suffix tree with the candidate walk against the greedy
// parting engine, for three kinds of sample pairs, with time and peak heap use; and the styling
// of the longest results.

#include "bench/core/PeakMemory.h"
#include "core/GSTMake.h"
#include "core/GreedyParting.h"
#include "core/PartedStrings.h"
#include "core/PartedStringsToRegex.h"
#include "languages/ECMAScriptFormatting.h"

#include <algorithm>
#include <locale>
#include <random>
#include <set>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

namespace {

enum Kind { random_words, same_text, reversed_words };

const char* kind_name(Kind kind) {
    switch (kind) {
    case random_words:
        return "random_words";
    case same_text:
        return "same_text";
    default:
        return "reversed_words";
    }
}

// Words of 2 to 9 lower-case letters, a vocabulary of 2000 of them.
std::vector<std::wstring> vocabulary(std::mt19937& random) {
    std::uniform_int_distribution<int> length(2, 9);
    std::uniform_int_distribution<int> letter(L'a', L'z');
    std::vector<std::wstring> words(2000);
    for (std::wstring& word : words) {
        for (int n = length(random); n > 0; --n) {
            word += static_cast<wchar_t>(letter(random));
        }
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

struct Samples {
    std::wstring search;
    std::wstring replace;
};

Samples make_samples(Kind kind, int size) {
    std::mt19937 random(2024);
    const std::vector<std::wstring> words = vocabulary(random);
    std::vector<std::wstring> search = text_words(random, words, size);
    switch (kind) {
    case random_words:
        return {join(search, size), join(text_words(random, words, size), size)};
    case same_text:
        return {join(search, size), join(search, size)};
    default: {
        const std::wstring text = join(search, size);
        std::vector<std::wstring> reversed = search;
        std::reverse(reversed.begin(), reversed.end());
        return {text, join(reversed, size)};
    }
    }
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
void measure(benchmark::State& state, Kind kind, int size) {
    const Samples samples = make_samples(kind, size);
    const ECMAScriptFormatting formatting;
    std::size_t peak = 0;
    std::size_t groups = 0;
    for (auto _ : state) {
        PeakMemory::reset();
        const ReplaceRegex result = Run(samples, formatting);
        peak = std::max(peak, PeakMemory::peak_since_reset());
        groups =
            static_cast<std::size_t>(std::count(result.regex.begin(), result.regex.end(), L'('));
        benchmark::DoNotOptimize(result);
    }
    state.counters["peak_heap"] = benchmark::Counter(
        static_cast<double>(peak), benchmark::Counter::kDefaults, benchmark::Counter::kIs1024);
    state.counters["groups"] = static_cast<double>(groups);
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
    if (with_pipeline) {
        benchmark::RegisterBenchmark(("pipeline" + name).c_str(), measure<run_pipeline>, kind, size)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::RegisterBenchmark(("engine" + name).c_str(), measure<run_engine>, kind, size)
        ->Unit(benchmark::kMillisecond);
}

void register_all() {
    for (const Kind kind : {random_words, same_text, reversed_words}) {
        const std::string prefix = std::string("/") + kind_name(kind) + "/";
        // Where the engine overtakes the walk.
        for (const int size : {4, 6, 8, 12, 16, 24}) {
            add("/crossover" + prefix + std::to_string(size), kind, size, true);
        }
        // The walk's time grows with the cube of the size: from 1,000 to 10,000 code units it
        // would need minutes (and its candidates gigabytes), so it runs up to 1,000 only.
        for (const int size : {100, 1000, 10000, 100000}) {
            add(prefix + std::to_string(size), kind, size, size <= 1000);
        }
        benchmark::RegisterBenchmark(("pretty_format" + prefix + "100000").c_str(), pretty_format,
                                     kind, 100000)
            ->Unit(benchmark::kMillisecond);
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

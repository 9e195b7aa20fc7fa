// Time to infer a regex from a sentence of words and the same words shuffled, by sample length.

#include "varnel/core/MakeReplaceRegex.h"
#include "varnel/languages/ECMAScriptFormatting.h"
#include "varnel/languages/VisualStudioFormatting.h"

#include <algorithm>
#include <random>

#include <benchmark/benchmark.h>

using namespace varnel;

namespace {

// Words of letters and numbers, separated by spaces, about length code units in all.
std::vector<std::wstring> words_of_length(std::size_t length, std::mt19937& random) {
    std::vector<std::wstring> words;
    std::size_t total = 0;
    while (total < length) {
        std::wstring word(3 + random() % 5, L'a');
        for (auto& c : word) {
            c = random() % 4 == 0 ? L'0' + random() % 10 : L'a' + random() % 26;
        }
        total += word.size() + 1;
        words.push_back(word);
    }
    return words;
}

std::wstring join(const std::vector<std::wstring>& words) {
    std::wstring result;
    for (const std::wstring& word : words) {
        result += (result.empty() ? L"" : L" ") + word;
    }
    return result;
}

template <class Formatting>
void make_replace_regex_of_shuffled_words(benchmark::State& state) {
    std::mt19937 random(5);
    std::vector<std::wstring> words =
        words_of_length(static_cast<std::size_t>(state.range(0)), random);
    const std::wstring search = join(words);
    std::shuffle(words.begin(), words.end(), random);
    const std::wstring replace = join(words);
    const Formatting formatting;
    for (auto _ : state) {
        benchmark::DoNotOptimize(make_replace_regex(search, replace, formatting));
    }
    state.counters["length"] = static_cast<double>(search.size());
}

BENCHMARK(make_replace_regex_of_shuffled_words<ECMAScriptFormatting>)
    ->Arg(100)
    ->Arg(200)
    ->Arg(400)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(make_replace_regex_of_shuffled_words<VisualStudioFormatting>)
    ->Arg(100)
    ->Arg(200)
    ->Arg(400)
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

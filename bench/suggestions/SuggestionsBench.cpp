#include "bench/SampleKinds.h"
#include "varnel/core/MakeReplaceRegex.h"
#include "varnel/languages/LanguageFactory.h"
#include "varnel/suggestions/MakeSelectionSuggestion.h"
#include "varnel/suggestions/MakeSuggestions.h"

#include <locale>
#include <string>

#include <benchmark/benchmark.h>

using namespace varnel;

namespace {

const LanguageFactory& factory() {
    static const LanguageFactory instance;
    return instance;
}

Language language_of(const benchmark::State& state) {
    return static_cast<Language>(state.range(0));
}

std::wstring repeated_to(const std::wstring& piece, std::size_t length) {
    std::wstring result;
    while (result.size() < length) {
        result += piece;
    }
    result.resize(length);
    return result;
}

void run_suggestions(benchmark::State& state, const std::wstring& sample) {
    const auto language = language_of(state);
    const auto rows = factory().regex_language(language).regex_descriptions();
    const auto formatting = factory().regex_formatting_ptr(language);
    const auto text = formatting->escape_regex(sample);
    std::size_t elements = 0;
    for (const auto& suggestion : make_suggestions(text, rows, formatting)) {
        elements += suggestion.elements.size();
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(make_suggestions(text, rows, formatting));
    }
    // What the call made: one element a suggestion from the whole-sample pass, more from the
    // composite pass, none when no pattern recognises anything.
    state.counters["elements"] = static_cast<double>(elements);
}

void run_selection(benchmark::State& state, const std::wstring& regex_text) {
    const auto language = language_of(state);
    const auto rows = factory().regex_language(language).regex_descriptions();
    const auto formatting = factory().regex_formatting_ptr(language);
    for (auto _ : state) {
        benchmark::DoNotOptimize(make_selection_suggestion(regex_text, rows, formatting));
    }
}

// What every caret move in the regex box costs before the suggestions are made.
void BM_RegexDescriptions(benchmark::State& state) {
    const auto& language = factory().regex_language(language_of(state));
    for (auto _ : state) {
        benchmark::DoNotOptimize(language.regex_descriptions());
    }
}

// A selection that rows match as a whole: the whole-sample pass alone.
void BM_SuggestionsWhole200(benchmark::State& state) {
    run_suggestions(state, repeated_to(L"abcXyz", 200));
}

// A selection of words, numbers, spaces and punctuation: the composite pass.
void BM_SuggestionsComposite200(benchmark::State& state) {
    run_suggestions(state, repeated_to(L"x = 10; say 'hi' now, ", 200));
}

void BM_SuggestionsComposite100k(benchmark::State& state) {
    run_suggestions(state, repeated_to(L"word 123 x = 10; ", 100000));
}

// Letters and dashes in turn: a pattern claims every other unit.
void BM_SuggestionsDashes100k(benchmark::State& state) {
    run_suggestions(state, repeated_to(L"a-", 100000));
}

// The search sample of each kind of sample pair, selected whole.
void suggestions_of_kind(benchmark::State& state, Kind kind) {
    run_suggestions(state, make_samples(kind, 100000).search);
}

// The regex made from each kind of sample pair.
void selection_of_kind(benchmark::State& state, Kind kind) {
    const Samples samples = make_samples(kind, 100000);
    const auto formatting = factory().regex_formatting_ptr(language_of(state));
    run_selection(state, make_replace_regex(samples.search, samples.replace, *formatting).regex);
}

// A typical made regex: groups and literals; the proposal is found near the front.
void BM_SelectionTypical2000(benchmark::State& state) {
    run_selection(state, repeated_to(L"{John}\\.{ }{Smith} - ", 2000));
}

// Escapes only, with one word at the end: every row searches the whole text.
void BM_SelectionLate2000(benchmark::State& state) {
    run_selection(state, repeated_to(L"\\.\\(\\)-", 1996) + L"word");
}

void BM_SelectionLate100k(benchmark::State& state) {
    run_selection(state, repeated_to(L"\\.\\(\\)-", 99996) + L"word");
}

} // namespace

BENCHMARK(BM_RegexDescriptions)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SuggestionsWhole200)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SuggestionsComposite200)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SuggestionsComposite100k)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SuggestionsDashes100k)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SelectionTypical2000)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SelectionLate2000)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SelectionLate100k)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    // As in the application: letters are classified by a UTF-8 locale.
    std::locale::global(std::locale("C.UTF-8"));
    for (const Kind kind : all_kinds) {
        const std::string name = kind_name(kind);
        benchmark::RegisterBenchmark(("BM_SuggestionsOfKind/" + name).c_str(), suggestions_of_kind,
                                     kind)
            ->Arg(0)
            ->Arg(1)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("BM_SelectionOfKind/" + name).c_str(), selection_of_kind,
                                     kind)
            ->Arg(0)
            ->Arg(1)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

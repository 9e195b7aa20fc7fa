// The time of one learning call: ten examples of up to 200 code units, and a thousand.

#include "varnel/learning/LearnReplaceRegex.h"

#include <locale>
#include <random>

#include <benchmark/benchmark.h>

using namespace varnel;

namespace {

// Lines "<name> <number>-<number>-<number> <name>" padded with words to about length units,
// rewritten as the date reordered and the first name's initial: a rule of several groups and a
// gap, the kind the learning spends most on.
std::vector<varnel::Example> examples(std::size_t count, std::size_t length) {
    static const wchar_t* const names[] = {L"Ada", L"Grace", L"Alan", L"Edsger", L"Barbara"};
    std::mt19937 random(7);
    std::vector<varnel::Example> made;
    for (std::size_t i = 0; i < count; ++i) {
        const std::wstring name = names[random() % std::size(names)];
        const std::wstring year = std::to_wstring(1900 + random() % 200);
        const std::wstring month = std::to_wstring(10 + random() % 3);
        const std::wstring day = std::to_wstring(10 + random() % 19);
        std::wstring search = name + L" " + year + L"-" + month + L"-" + day;
        while (search.size() + 8 < length) {
            search += L" word" + std::to_wstring(random() % 100);
        }
        made.push_back({search, name.substr(0, 1) + L" " + day + L"/" + month + L"/" + year});
    }
    return made;
}

void learn(benchmark::State& state, Language language) {
    std::locale::global(std::locale("C.UTF-8"));
    const auto made = examples(static_cast<std::size_t>(state.range(0)),
                               static_cast<std::size_t>(state.range(1)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(varnel::learn_replace_regex(made, {}, language));
    }
}

} // namespace

BENCHMARK_CAPTURE(learn, visual_studio, Language::VisualStudio)
    ->Args({10, 200})
    ->Args({1000, 200})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(learn, ecmascript, Language::ECMAScript)
    ->Args({10, 200})
    ->Args({1000, 200})
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();

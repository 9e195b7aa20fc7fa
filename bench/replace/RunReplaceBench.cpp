// What running a regex costs: the window's check (the inferred regex and format run once on the
// search sample, compiling included) by sample length, and "Replace All" over many short lines,
// as the command line rewrites a file.

#include "varnel/core/MakeReplaceRegex.h"
#include "varnel/languages/LanguageFactory.h"
#include "varnel/replace/RunReplace.h"

#include <algorithm>
#include <locale>
#include <random>

#include <benchmark/benchmark.h>

using namespace varnel;

namespace {

const LanguageFactory factory;

// As in the application, classes follow a UTF-8 locale.
void use_utf8_locale() {
    std::locale::global(std::locale("C.UTF-8"));
}

// Tokens of letters, numbers and marks that both languages escape, separated by spaces, cut to
// length code units; the replacement holds the same tokens in reverse order.
std::pair<std::wstring, std::wstring> samples(std::size_t length) {
    static const std::wstring tokens[] = {L"total", L"=",  L"(a+b)",    L"$5",  L"x:y", L"done.",
                                          L"{id}",  L"42", L"path\\to", L"[0]", L"ok?", L"#7"};
    std::mt19937 random(11);
    std::vector<std::wstring> picked;
    for (std::size_t units = 0; units < length;) {
        picked.push_back(tokens[random() % std::size(tokens)] + std::to_wstring(random() % 1000));
        units += picked.back().size() + 1;
    }
    const auto joined = [length](const std::vector<std::wstring>& words) {
        std::wstring text;
        for (const std::wstring& word : words) {
            text += word + L" ";
        }
        return text.substr(0, length);
    };
    std::wstring search = joined(picked);
    std::reverse(picked.begin(), picked.end());
    return {search, joined(picked)};
}

void BM_Check(benchmark::State& state) {
    use_utf8_locale();
    const auto language = static_cast<Language>(state.range(1));
    const auto [search, replace] = samples(static_cast<std::size_t>(state.range(0)));
    const ReplaceRegex inferred =
        make_replace_regex(search, replace, factory.regex_formatting(language));
    for (auto _ : state) {
        const ReplaceOutcome outcome =
            run_replace(inferred.regex, inferred.format, search, language);
        if (outcome.text != replace) {
            state.SkipWithError("the check did not rebuild the replacement");
        }
        benchmark::DoNotOptimize(outcome);
    }
    state.counters["regex_length"] = static_cast<double>(inferred.regex.size());
}

// Log lines of about 40 code units; the regex takes them apart and the format reorders them.
void BM_ReplaceAllLines(benchmark::State& state) {
    use_utf8_locale();
    const auto language = static_cast<Language>(state.range(0));
    const bool ecmascript = language == Language::ECMAScript;
    const Replacer replacer(ecmascript ? L"(\\d+)-(\\d+)-(\\d+) (\\w+): (.*)"
                                       : L"{:z}-{:z}-{:z} {:w}\\: {.*}",
                            ecmascript ? L"$3.$2.$1 [$4] $5" : L"\\3.\\2.\\1 [\\4] \\5", language);
    std::mt19937 random(3);
    std::vector<std::wstring> lines(10000);
    std::size_t units = 0;
    for (std::wstring& line : lines) {
        line = L"2024-0" + std::to_wstring(1 + random() % 9) + L"-" +
               std::to_wstring(10 + random() % 18) + (random() % 2 ? L" error: " : L" notice: ") +
               L"disk " + std::to_wstring(random() % 100) + L"% full on /dev/sd" +
               static_cast<wchar_t>(L'a' + random() % 4);
        units += line.size();
    }
    for (auto _ : state) {
        for (const std::wstring& line : lines) {
            benchmark::DoNotOptimize(replacer.replace_all(line));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(lines.size()));
    state.counters["units_per_second"] =
        benchmark::Counter(static_cast<double>(units) * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate);
}

BENCHMARK(BM_Check)
    ->ArgsProduct({{1000, 10000, 100000},
                   {static_cast<std::int64_t>(Language::VisualStudio),
                    static_cast<std::int64_t>(Language::ECMAScript)}})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReplaceAllLines)
    ->Arg(static_cast<std::int64_t>(Language::VisualStudio))
    ->Arg(static_cast<std::int64_t>(Language::ECMAScript))
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

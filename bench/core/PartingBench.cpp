// The inference on long samples: the suffix tree with the candidate walk against the greedy
// parting engine, for ordinary and adversarial kinds of sample pairs, in both languages, with
// time and peak heap use; building the suffix array of the same text, the engine's lower bound;
// and the styling of the longest results.

#include "bench/SampleKinds.h"
#include "bench/core/PeakMemory.h"
#include "varnel/core/GSTMake.h"
#include "varnel/core/GreedyParting.h"
#include "varnel/core/PartedStrings.h"
#include "varnel/core/PartedStringsToRegex.h"
#include "varnel/core/SampleIndex.h"
#include "varnel/core/SuffixArray.h"
#include "varnel/languages/ECMAScriptFormatting.h"
#include "varnel/languages/VisualStudioFormatting.h"

#include <algorithm>
#include <locale>
#include <set>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

using namespace varnel;

namespace {

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
    const std::wstring joined = samples.search + L'\0' + samples.replace + L'\0';
    std::vector<int> code_table;
    std::vector<int> codes;
    const int alphabet_size = encode_joined(joined, samples.search.size(), code_table, codes);
    for (auto _ : state) {
        benchmark::DoNotOptimize(make_suffix_array(codes, alphabet_size));
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

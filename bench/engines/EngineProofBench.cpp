// The proof of the inference on the real engines at volume: 10,000 sample pairs per language with
// code to copy, inferred and run by node, perl, python3 or GNU sed, and by Varnel's runner. Prints
// the pairs, the mismatches (the engine's text is not the pair's replacement), the runner's
// disagreements with the engine and the time of each language; exits with 1 when any pair
// mismatched or disagreed.

#include "tests/support/EngineSamples.h"
#include "tests/support/RealEngine.h"
#include "varnel/languages/LanguageFactory.h"
#include "varnel/replace/RunReplace.h"

#include <chrono>
#include <cstdlib>
#include <iostream>
#include <locale>

using namespace varnel;

int main(int argc, char** argv) {
    std::locale::global(std::locale("C.UTF-8"));
    const std::size_t count = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 10000;
    const EnginePairs pairs = engine_sample_pairs(count);
    int status = 0;
    for (const Language language :
         {Language::JavaScript, Language::PCRE, Language::Python, Language::PosixERE}) {
        const auto start = std::chrono::steady_clock::now();
        const std::vector<EngineJob> jobs = inferred_jobs(language, pairs);
        const auto results = run_on_real_engine(language, jobs);
        std::size_t mismatches = results.size() == jobs.size() ? 0 : jobs.size();
        if (mismatches > 0) {
            std::cerr << real_engine_errors() << std::endl;
        }
        std::size_t disagreements = 0;
        for (std::size_t i = 0; i < results.size(); ++i) {
            mismatches += results[i] != pairs[i].second;
            disagreements +=
                Replacer(jobs[i].regex, jobs[i].format, language).replace_all(jobs[i].text).text !=
                results[i];
        }
        const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
        std::wcout << names_of(language)->caption << L": " << jobs.size() << L" pairs, "
                   << mismatches << L" mismatches, " << disagreements << L" runner disagreements, "
                   << seconds.count() << L" s" << std::endl;
        status |= mismatches > 0 || disagreements > 0;
    }
    return status;
}

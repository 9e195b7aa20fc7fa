// The proof of the inference on the real engines at volume: 10,000 sample pairs per language with
// code to copy, inferred and run by node, perl, python3 or GNU sed. Prints the pairs, the
// mismatches and the time of each language; exits with 1 when any pair mismatched.

#include "tests/support/EngineSamples.h"
#include "tests/support/RealEngine.h"
#include "varnel/languages/LanguageFactory.h"

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
        for (std::size_t i = 0; i < results.size(); ++i) {
            mismatches += results[i] != pairs[i].second;
        }
        const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
        std::wcout << names_of(language)->caption << L": " << jobs.size() << L" pairs, "
                   << mismatches << L" mismatches, " << seconds.count() << L" s" << std::endl;
        status |= mismatches > 0;
    }
    return status;
}

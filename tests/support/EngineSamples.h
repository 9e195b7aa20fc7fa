#pragma once
// Texts and sample pairs for the real engines: pieces of several scripts, every ASCII punctuation
// character, line breaks, white space of many kinds and pairs outside the basic plane.

#include "tests/support/RealEngine.h"

#include <random>
#include <string>
#include <utility>
#include <vector>

namespace varnel {

using EnginePairs = std::vector<std::pair<std::wstring, std::wstring>>;

std::vector<std::wstring> engine_alphabet();
// Up to most pieces of the alphabet.
std::wstring engine_text(std::mt19937& random, const std::vector<std::wstring>& pieces,
                         std::size_t most);
// count pairs: fixed ones (more than ten groups, an empty replacement, every special character,
// surrogate pairs, line breaks), then random ones, the project's sample maker's and the
// alphabet's pieces in another order.
EnginePairs engine_sample_pairs(std::size_t count);
// The rule inferred from each pair in the language, to run on the pair's search sample.
std::vector<EngineJob> inferred_jobs(Language language, const EnginePairs& pairs);

} // namespace varnel

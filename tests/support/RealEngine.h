#pragma once
// The real engines of the languages that have code to copy: node, perl, python3 and GNU sed run
// the line that "copy as code" prints for each rule, many rules in one child process.

#include "varnel/languages/Language.h"

#include <optional>
#include <string>
#include <vector>

namespace varnel {

struct EngineJob {
    std::wstring regex;
    std::wstring format;
    std::wstring text; // no NUL: sed reads the texts as NUL-separated records
};

// What each job's line makes of its text: every match replaced; none where the engine refused
// the line. Empty when the engine could not run the batch at all. Texts and results are UTF-16,
// surrogate pairs as the engines' characters.
// Precondition: the language has code to copy.
std::vector<std::optional<std::wstring>> run_on_real_engine(Language language,
                                                            const std::vector<EngineJob>& jobs);

// What the engine that last failed to run a batch wrote to standard error.
const std::string& real_engine_errors();

// The language's reference to the whole match in a format ("$&", "\g<0>", "&").
std::wstring whole_match_reference(Language language);

} // namespace varnel

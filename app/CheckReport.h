#pragma once
// The window's live check: what running the regex and the format on the search sample gives, told
// in one line, and how that stands against the replacement sample.

#include "varnel/languages/LanguageFactory.h"
#include "varnel/replace/RunReplace.h"

#include <string>

namespace varnel {

// What the check runs on: the result boxes' texts, the two samples and the language.
struct CheckInput {
    std::wstring regex;
    std::wstring format;
    std::wstring search;
    std::wstring replacement;
    Language language = Language::VisualStudio;
};

struct CheckReport {
    enum class State {
        rebuilds, // the replacement sample comes out
        differs,  // something else comes out
        no_match, // the regex does not match the search sample
        error     // the regex or the format is not valid, or too complex to run
    };
    State state;
    std::wstring text;

    bool operator==(const CheckReport&) const = default;
};

// The report on an outcome of running input's regex and format on its search sample. Positions are
// told in characters from 1, a surrogate pair being one; a text that comes out is quoted whole up
// to a few hundred code units, cut with "…" beyond.
CheckReport check_report(const ReplaceOutcome& outcome, const CheckInput& input);

// Runs the regex and the format on the search sample (the first match) and reports.
CheckReport run_check(const CheckInput& input);

} // namespace varnel

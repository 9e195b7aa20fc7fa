#pragma once
// Learns one regular expression and one format from several examples of a rewrite: the rule that
// Replace All would apply to every line of a text, as a person would write it from the examples.
//
// Every rule returned has been run by the regex runner (replace/RunReplace.h) on every example:
// Replace All on each example's search text gives exactly its replace text, and each unchanged
// text comes out as it went in. When no such rule is found the answer says why, naming the
// example and the piece that no regex replacement can explain. docs/learning.md describes the
// candidates tried and the order of preference among them.

#include "varnel/languages/Language.h"

#include <atomic>
#include <cstddef>
#include <string>
#include <variant>
#include <vector>

namespace varnel {

// Strings hold UTF-16 code units, one per wchar_t.
struct Example {
    std::wstring search;
    std::wstring replace;

    bool operator==(const Example&) const = default;
};

// A piece of an example's output whose origin the examples leave open: one more example that
// tells the alternatives apart settles it.
struct AmbiguousPiece {
    std::size_t example;   // counted from 1
    std::size_t position;  // code-unit offset in that example's replace text
    std::wstring text;     // the piece
    std::wstring question; // the alternatives, for the user

    bool operator==(const AmbiguousPiece&) const = default;
};

struct LearnedRule {
    std::wstring regex;
    std::wstring format;
    std::vector<AmbiguousPiece> ambiguous;

    bool operator==(const LearnedRule&) const = default;
};

struct Refusal {
    std::wstring reason;
    std::size_t example = 0; // the example the reason names, counted from 1; 0 when none
    std::wstring piece;      // the piece of it the reason names; empty when none

    bool operator==(const Refusal&) const = default;
};

using LearnResult = std::variant<LearnedRule, Refusal>;

// Precondition: examples is not empty and no example's search text is empty; every element of
// every string is a UTF-16 code unit. Classifies letters and digits by the global locale, as the
// runner does. A pure function, safe to call from several threads at once; when cancelled turns
// true it stops soon and refuses with the reason that it was cancelled.
LearnResult learn_replace_regex(const std::vector<Example>& examples,
                                const std::vector<std::wstring>& unchanged, Language language,
                                const std::atomic<bool>* cancelled = nullptr);

} // namespace varnel

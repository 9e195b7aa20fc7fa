#pragma once

#include "varnel/learning/LearnReplaceRegex.h"

#include <string>
#include <vector>

namespace varnel {

// What the rule is learned from.
struct ExampleFile {
    std::vector<Example> examples; // never empty
    std::vector<std::wstring> unchanged;
};

// The examples a file holds ("-": standard input), one a line; blank lines are skipped. A file
// whose name ends in ".jsonl" holds a JSON value a line: ["search", "replace"] or "unchanged text";
// any other holds SEARCH, a tab and REPLACE, or a text without a tab that must stay unchanged.
// Throws CommandError that names the file and the line.
ExampleFile read_examples(const std::string& path);

} // namespace varnel

#pragma once
// The judge of an inferred regex and format: applied to the search sample, they must give the
// replacement sample. The regexes run on the standard library's regular expressions (Visual
// Studio's
// {} groups and escapes read as ECMAScript's); the formats other than ECMAScript's and
// JavaScript's go through a reader of each language's back references and escapes. Shared by the
// tests and the fuzz targets, so it reports what is wrong instead of asserting.

#include "varnel/core/MakeReplaceRegex.h"
#include "varnel/languages/LanguageFactory.h"

#include <string>

namespace varnel {

struct ReplaceVerdict {
    // The capturing groups of the regex.
    unsigned int groups = 0;
    // What is wrong, in words; empty when the result is sound.
    std::string fault;
};

// Judges result as the inference's answer for search and replace in the language: applied to
// search it must give replace, with no more groups than the language's format strings can refer
// to, and no group or escape may part a surrogate pair of either sample.
ReplaceVerdict judge_replace_regex(const std::wstring& search, const std::wstring& replace,
                                   const ReplaceRegex& result, Language language);

} // namespace varnel

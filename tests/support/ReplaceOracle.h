#pragma once
// The judge of an inferred regex and format: applied to the search sample, they must give the
// replacement sample. ECMAScript results run on the standard library's regular expressions; Visual
// Studio results, which it cannot run, go through a reader that knows only what the inference
// writes: escaped literals and {} groups in the regex, \N references in the format. Shared by the
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

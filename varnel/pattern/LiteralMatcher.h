#pragma once
// Finds a regex that is plain text with groups by searching for its text. PCRE2 compiles a
// pattern into at most 64K code units (the link size of Debian's build), which a regex inferred
// from a sample of some 30,000 code units or more exceeds; such a regex is found this way.

#include "varnel/pattern/IRegexMatcher.h"
#include "varnel/pattern/Pcre2Writer.h"

#include <functional>

namespace varnel {

class LiteralMatcher : public IRegexMatcher {
public:
    // Precondition: the text is not empty.
    explicit LiteralMatcher(const LiteralRegex& regex);
    LiteralMatcher(const LiteralMatcher&) = delete;
    LiteralMatcher& operator=(const LiteralMatcher&) = delete;

    Found find(std::u16string_view text, std::size_t start, bool not_empty_at_start,
               std::vector<std::size_t>& spans) const override;

private:
    const LiteralRegex regex;
    // Refers to regex.text.
    const std::boyer_moore_searcher<std::u16string::const_iterator> searcher;
};

} // namespace varnel

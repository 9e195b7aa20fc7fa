#pragma once
// Finds the matches of a regex compiled by PCRE2 in UTF mode: a character outside the Basic
// Multilingual Plane is matched whole, and a surrogate without its partner in the text is no
// character, matched by nothing and so never changed.

#include "varnel/pattern/IRegexMatcher.h"
#include "varnel/pattern/Pcre2Code.h"

namespace varnel {

class Pcre2Matcher : public IRegexMatcher {
public:
    Pcre2Matcher(std::shared_ptr<const Pcre2Code> code, unsigned groups);

    Found find(std::u16string_view text, std::size_t start, bool not_empty_at_start,
               std::vector<std::size_t>& spans) const override;

private:
    const std::shared_ptr<const Pcre2Code> code;
    const unsigned groups;
};

} // namespace varnel

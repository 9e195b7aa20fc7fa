#pragma once
// The reading of a language whose regexes the runner cannot run yet: every regex is refused with
// an error that says so, rather than read by another language's rules and matched wrongly.

#include "varnel/languages/IRegexSyntax.h"

namespace varnel {

class RefusingSyntax : public IRegexSyntax {
public:
    std::optional<RegexError> read_regex(const std::wstring& regex,
                                         IRegexBuilder& builder) const override;
    // The whole format as text.
    FormatRead read_format(const std::wstring& format, const RegexGroups& groups) const override;
    bool runnable() const override { return false; }
};

} // namespace varnel

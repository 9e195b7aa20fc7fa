#pragma once

#include "varnel/languages/CommonFormatting.h"

namespace varnel {

// PCRE as Perl's s///, PHP's preg_replace and grep -P read it, "\d", "\w", "\s" and the POSIX
// classes in ASCII (PCRE2's default, Perl's /a): "$1", "${10}"; "\$" and "\\" are literal.
class PcreFormatting : public CommonFormatting {
public:
    PcreFormatting();

    std::wstring one_of(CharacterClass kind) const override;
    std::optional<std::wstring> code(const std::wstring& regex, const std::wstring& format,
                                     const std::vector<std::wstring>& files) const override;
};

} // namespace varnel

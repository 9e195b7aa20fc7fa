#pragma once

#include "varnel/languages/CommonFormatting.h"

namespace varnel {

// POSIX extended regular expressions as GNU sed -E, grep -E and awk read them: POSIX
// classes by the locale, "\1" to "\9" and "&" for the whole match, no lazy repetition.
class PosixEreFormatting : public CommonFormatting {
public:
    PosixEreFormatting();

    std::wstring one_of(CharacterClass kind) const override;
    std::wstring any_text(bool lazy) const override;
    std::optional<std::wstring> code(const std::wstring& regex, const std::wstring& format,
                                     const std::vector<std::wstring>& files) const override;
};

} // namespace varnel

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

    // Parentheses only capture; no lazy repetition, no line anchors; "\<", "\>" and "\b" for
    // words.
    std::optional<std::wstring> write_assertion(IRegexBuilder::Assertion kind) const override;
    std::optional<std::wstring> write_repeat(const IRegexBuilder::Repeat& repeat) const override;
    std::optional<std::wstring> write_open_group(IRegexBuilder::Group kind) const override;

protected:
    std::optional<CharSet> dot() const override;
    // A bracket expression holds no escapes: a backslash and a "]" cannot be written in it, the
    // others stand for themselves.
    std::optional<std::wstring> bracket_character(char32_t c) const override;
    std::optional<std::wstring> bracket_class(const CharSet::Item& item) const override;
    std::optional<std::wstring> class_alone(const CharSet::Item& item) const override;
};

} // namespace varnel

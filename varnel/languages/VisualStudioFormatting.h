#pragma once

#include "varnel/languages/CommonFormatting.h"

namespace varnel {

// The Visual Studio find-and-replace syntax: braces tag, a backslash and one digit refer back.
class VisualStudioFormatting : public CommonFormatting {
public:
    VisualStudioFormatting();

    std::wstring one_of(CharacterClass kind) const override;
    std::wstring run_of(CharacterClass kind) const override;
    std::wstring any_text(bool lazy) const override;

    // A class alone is written as in a set (":Nu"); braces tag, parentheses group, "~(" refuses
    // a match, "@" and "#" repeat lazily and "^n" n times.
    std::optional<std::wstring> write_assertion(IRegexBuilder::Assertion kind) const override;
    std::optional<std::wstring> write_repeat(const IRegexBuilder::Repeat& repeat) const override;
    std::optional<std::wstring> write_open_group(IRegexBuilder::Group kind) const override;
    std::wstring write_close_group(IRegexBuilder::Group kind) const override;

protected:
    std::optional<CharSet> dot() const override;
    std::optional<std::wstring> bracket_character(char32_t c) const override;
    std::optional<std::wstring> bracket_class(const CharSet::Item& item) const override;
    std::optional<std::wstring> class_alone(const CharSet::Item& item) const override;
};

} // namespace varnel

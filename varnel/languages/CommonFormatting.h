#pragma once
// The writing rules shared by both languages, configured by five values.

#include "varnel/languages/IRegexFormatting.h"

#include <bitset>

namespace varnel {

class CommonFormatting : public IRegexFormatting {
public:
    CommonFormatting(wchar_t group_begin, wchar_t group_end, const std::wstring& special_characters,
                     wchar_t format_escape, bool two_digit_back_references);

    std::wstring make_group(const std::wstring& text) const override;
    std::wstring escape_regex(const std::wstring& text) const override;
    std::wstring unescape_regex(const std::wstring& text) const override;
    std::wstring make_back_reference(unsigned int number) const override;
    std::wstring escape_format(const std::wstring& text) const override;
    bool has_special_characters(const std::wstring& regex) const override;
    std::vector<PrettyFormatBlock> pretty_format_regex(const std::wstring& regex) const override;
    std::vector<PrettyFormatBlock> pretty_format_format(const std::wstring& format) const override;
    unsigned int max_back_reference() const override;
    std::wstring make_back_reference_before_digit(unsigned int number) const override;

private:
    bool is_special(wchar_t c) const;

    const wchar_t group_begin;
    const wchar_t group_end;
    // The backslash comes first: escaping and unescaping visit the characters in this order.
    const std::wstring special_characters;
    // The special characters below 128, looked up once per character of a long text without a
    // search of the list.
    std::bitset<128> special_ascii;
    const wchar_t format_escape;
    const bool two_digit_back_references;
};

} // namespace varnel

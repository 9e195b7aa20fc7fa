#pragma once
// The writing rules shared by every language, configured by its syntax of groups, literals and
// format strings.

#include "varnel/languages/IRegexFormatting.h"

#include <bitset>

namespace varnel {

// How a language's format strings refer to groups and write literal text.
struct FormatSyntax {
    enum class References {
        OneDigit,  // the sign and one digit: "\1"..."\9"
        TwoDigits, // the sign and up to two digits, "$01" before a digit: "$1"..."$99"
        Braced,    // the sign and any digits, "${1}" before a digit
        Named      // "\g<1>", which nothing can join
    };
    References references;
    wchar_t sign;         // begins a back reference
    wchar_t escape;       // makes the next character literal
    std::wstring escaped; // the characters written after the escape to stand for themselves
    wchar_t whole_match;  // stands for the whole match ("&" in sed); 0 when none does
};

class CommonFormatting : public IRegexFormatting {
public:
    CommonFormatting(wchar_t group_begin, wchar_t group_end, const std::wstring& special_characters,
                     const FormatSyntax& format_syntax);

    std::wstring make_group(const std::wstring& text) const override;
    std::wstring escape_regex(const std::wstring& text) const override;
    std::wstring unescape_regex(const std::wstring& text) const override;
    std::wstring make_back_reference(unsigned int number) const override;
    std::wstring escape_format(const std::wstring& text) const override;
    bool has_special_characters(const std::wstring& regex) const override;
    std::vector<PrettyFormatBlock> pretty_format_regex(const std::wstring& regex) const override;
    std::vector<PrettyFormatBlock> pretty_format_format(const std::wstring& format) const override;
    unsigned int max_back_reference() const override;
    std::wstring make_back_reference_before(unsigned int number, wchar_t next) const override;

    // The repetitions of one_of with "*" and "+", ".*" and ".*?", "^" and "$": what most
    // languages write.
    std::wstring any_number_of(CharacterClass kind) const override;
    std::wstring run_of(CharacterClass kind) const override;
    std::wstring any_text(bool lazy) const override;
    std::wstring line_start() const override;
    std::wstring line_end() const override;
    // None: a language has code to copy only where it says so.
    std::optional<std::wstring> code(const std::wstring& regex, const std::wstring& format,
                                     const std::vector<std::wstring>& files) const override;

private:
    bool is_special(wchar_t c) const;
    // The length of the back reference (or whole-match sign) at format[at]; 0 when none is there.
    std::size_t reference_length(const std::wstring& format, std::size_t at) const;

    const wchar_t group_begin;
    const wchar_t group_end;
    // The backslash comes first: escaping and unescaping visit the characters in this order.
    const std::wstring special_characters;
    // The special characters below 128, looked up once per character of a long text without a
    // search of the list.
    std::bitset<128> special_ascii;
    const FormatSyntax format_syntax;
};

} // namespace varnel

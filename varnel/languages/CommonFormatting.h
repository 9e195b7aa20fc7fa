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

    // The pieces as Perl writes them ("(?:", "\b", "{2,5}?", "[^[:alpha:]\d]"), which most
    // languages follow; a literal as escape_regex writes it, a set as "." or a class alone where
    // it is one, else as a bracket expression of bracket_character and bracket_class.
    std::wstring write_literal(char16_t unit) const override;
    std::optional<std::wstring> write_set(const CharSet& set) const override;
    std::optional<std::wstring> write_one_of(LocaleClass name, bool complement) const override;
    std::optional<std::wstring> write_assertion(IRegexBuilder::Assertion kind) const override;
    std::optional<std::wstring> write_repeat(const IRegexBuilder::Repeat& repeat) const override;
    std::wstring write_alternative() const override;
    std::optional<std::wstring> write_open_group(IRegexBuilder::Group kind) const override;
    std::wstring write_close_group(IRegexBuilder::Group kind) const override;
    std::optional<std::wstring> write_back_reference(unsigned number) const override;

protected:
    // The set "." stands for, written so; none when the language's reading of "." is not known.
    virtual std::optional<CharSet> dot() const;
    // One character of a bracket expression, and one class item of it; none where the language
    // cannot write it there.
    virtual std::optional<std::wstring> bracket_character(char32_t c) const;
    virtual std::optional<std::wstring> bracket_class(const CharSet::Item& item) const;
    // A class item written alone for a set of that one item ("\d" rather than "[\d]"); none
    // when it takes a bracket expression.
    virtual std::optional<std::wstring> class_alone(const CharSet::Item& item) const;

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

#pragma once
// How one regex language writes literals, groups, back references and format strings, and how it
// splits them into styled blocks for display.

#include "varnel/languages/IRegexBuilder.h"
#include "varnel/languages/PrettyFormatBlock.h"

#include <optional>
#include <string>
#include <vector>

namespace varnel {

class IRegexFormatting {
public:
    // The text wrapped as exactly one capturing group.
    virtual std::wstring make_group(const std::wstring& text) const = 0;
    // The text as a regex literal that matches exactly the text.
    virtual std::wstring escape_regex(const std::wstring& text) const = 0;
    // The inverse of escape_regex on its results.
    virtual std::wstring unescape_regex(const std::wstring& text) const = 0;
    // A format-string reference to capturing group number (counted from 1).
    virtual std::wstring make_back_reference(unsigned int number) const = 0;
    // The text as format-string literal text that produces exactly the text.
    virtual std::wstring escape_format(const std::wstring& text) const = 0;
    // True when the regex is more than an escaped literal.
    virtual bool has_special_characters(const std::wstring& regex) const = 0;
    virtual std::vector<PrettyFormatBlock> pretty_format_regex(const std::wstring& regex) const = 0;
    virtual std::vector<PrettyFormatBlock>
    pretty_format_format(const std::wstring& format) const = 0;

    // The highest group number a format string of this language can refer to: a back reference
    // is read with one digit (at most 9) or with up to two digits (at most 99).
    virtual unsigned int max_back_reference() const = 0;
    // A reference to group number written before the format text that begins with next, so that
    // the two are not read as one ("$01" rather than "$1" before a "2").
    virtual std::wstring make_back_reference_before(unsigned int number, wchar_t next) const = 0;

    // Building blocks of regexes written by rule rather than copied from a sample.
    enum class CharacterClass {
        Digit,
        Letter,
        Uppercase,
        Lowercase,
        Alphanumeric,
        Whitespace,
        Punctuation
    };
    // Exactly one character of the class.
    virtual std::wstring one_of(CharacterClass kind) const = 0;
    // Zero or more characters of the class.
    virtual std::wstring any_number_of(CharacterClass kind) const = 0;
    // One or more characters of the class, written as the language's named pattern where its
    // table has one.
    virtual std::wstring run_of(CharacterClass kind) const = 0;
    // Any text within a line: the longest (greedy) or the shortest (lazy) that lets the rest match.
    // A language without lazy repetition gives the greedy form for both.
    virtual std::wstring any_text(bool lazy) const = 0;
    virtual std::wstring line_start() const = 0;
    virtual std::wstring line_end() const = 0;

    // The pieces a language's reader finds (IRegexBuilder), written in this language, so that a
    // regex read in another language can be written in this one piece by piece; none for a piece
    // this language has no way to write. Each piece is written for itself: where its neighbours
    // would change how it reads ("\1" before a digit), reading the whole back tells.
    virtual std::wstring write_literal(char16_t unit) const = 0;
    virtual std::optional<std::wstring> write_set(const CharSet& set) const = 0;
    virtual std::optional<std::wstring> write_one_of(LocaleClass name, bool complement) const = 0;
    virtual std::optional<std::wstring> write_assertion(IRegexBuilder::Assertion kind) const = 0;
    virtual std::optional<std::wstring> write_repeat(const IRegexBuilder::Repeat& repeat) const = 0;
    virtual std::wstring write_alternative() const = 0;
    virtual std::optional<std::wstring> write_open_group(IRegexBuilder::Group kind) const = 0;
    virtual std::wstring write_close_group(IRegexBuilder::Group kind) const = 0;
    virtual std::optional<std::wstring> write_back_reference(unsigned number) const = 0;

    // A command or a line of code that runs the regex and the format, every match of each line, in
    // the language's home (sed, perl, Python, JavaScript), quoted for the shell or the language;
    // the shell commands read the files named, standard input when there are none. None for a
    // language that has no such home.
    virtual std::optional<std::wstring> code(const std::wstring& regex, const std::wstring& format,
                                             const std::vector<std::wstring>& files) const = 0;

    virtual ~IRegexFormatting() = default;
};

} // namespace varnel

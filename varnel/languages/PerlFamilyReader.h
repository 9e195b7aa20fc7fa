#pragma once
// The reading that ECMAScript, JavaScript, Python and Perl (PCRE) share: groups, alternatives,
// quantifiers, bracket expressions and backslash escapes, the one Perl made and the others took
// up. Where they part, a flavour says which way a language goes.

#include "varnel/languages/IRegexSyntax.h"

namespace varnel {

struct PerlFlavour {
    // How escapes and the openings of groups are written.
    enum class Dialect { ECMAScript, JavaScript, Python, Perl };
    // The sets of \d, \s and \w; the word characters of \b and \B are those of \w.
    struct Classes {
        CharSet digit;
        CharSet space;
        CharSet word;
    };
    enum class PosixClasses {
        None,   // "[[:alpha:]]" is a bracket of "[", ":", "a"... followed by "]"
        Locale, // the classes of the locale
        Ascii   // the ASCII members only
    };

    Dialect dialect;
    // None: \d, \s and \w are the locale's classes.
    std::optional<Classes> classes;
    PosixClasses posix_classes = PosixClasses::None;
    // The rest as Perl has it, which the others part from here and there.
    CharSet dot = {true, {CharSet::Item::range(U'\n', U'\n')}};
    IRegexBuilder::Assertion dollar = IRegexBuilder::Assertion::TextEndOrFinalLineFeed;
    // "]" right after "[" or "[^" stands for itself.
    bool literal_bracket_first = true;
    // A quantifier after a quantifier repeats the repetition rather than being an error.
    bool stacked_quantifiers = false;
    // A "{" that begins no repetition stands for itself rather than being an error.
    bool literal_brace = true;
    // "{,n}" repeats at most n times.
    bool open_minimum = true;
    // "a*+" never gives back what it took.
    bool possessive = true;
    // A quantifier may follow a lookahead or a lookbehind.
    bool repeatable_lookaround = true;
};

// Reads regex into builder as flavour reads it.
[[nodiscard]] std::optional<RegexError> read_perl_family_regex(const std::wstring& regex,
                                                               const PerlFlavour& flavour,
                                                               IRegexBuilder& builder);

// The set of the code points of the ranges, first to last.
CharSet ranges_set(std::initializer_list<std::pair<char32_t, char32_t>> ranges);

// The ranges, and the white space beyond them that JavaScript and Python agree on: Unicode's space
// separators, the line and the paragraph separator.
CharSet with_unicode_spaces(std::initializer_list<std::pair<char32_t, char32_t>> ranges);

// Everything but the line terminators of JavaScript, which its "." does not match.
CharSet not_line_terminator();

} // namespace varnel

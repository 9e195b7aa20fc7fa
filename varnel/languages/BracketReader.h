#pragma once
// A bracket expression ("[a-z_[:digit:]]", "[^:Lu:Nu]") read into a set. Each language reads its
// own members; "^" first, "]" and "-", and how single characters, classes and dashes make ranges
// are the same in both, as the standard library's ECMAScript grammar has it: "]" ends the
// expression even first, a dash between two characters makes a range, a dash first, last or
// right after a range stands for itself, and a range may neither begin nor end with a class. The
// two halves of a surrogate pair, one after the other, are one character.

#include "varnel/languages/IRegexSyntax.h"

#include <functional>
#include <variant>

namespace varnel {

struct BracketMember {
    enum Kind { Unit, Class, Dash, End };
    Kind kind;
    std::size_t offset;
    char32_t unit = 0;                // Unit
    std::vector<CharSet::Item> items; // Class

    static BracketMember mark(Kind kind, std::size_t offset) { return {kind, offset, 0, {}}; }
    static BracketMember of_unit(char32_t unit, std::size_t offset) {
        return {Unit, offset, unit, {}};
    }
    static BracketMember of_class(std::vector<CharSet::Item> items, std::size_t offset) {
        return {Class, offset, 0, std::move(items)};
    }
};

using BracketRead = std::variant<BracketMember, RegexError>;

// Reads the bracket expression that begins at i (its "[") in regex, up to and including its "]",
// hands its set to the builder and leaves i after it. read_member reads the member at i, which is
// neither "]" nor "-", and moves i past it. With literal_first, a "]" first (after "[" or "[^")
// stands for itself, as in Perl and Python, rather than ending the expression.
[[nodiscard]] std::optional<RegexError>
read_bracket(const std::wstring& regex, std::size_t& i, IRegexBuilder& builder,
             const std::function<BracketRead()>& read_member, bool literal_first = false);

// Reads the member that begins at i with "[:", "[." or "[=", a class of the locale ("[:alpha:]"),
// and leaves i after it; collating elements and equivalence classes are refused.
BracketRead read_bracket_class(const std::wstring& regex, std::size_t& i);

} // namespace varnel

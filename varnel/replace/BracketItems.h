#pragma once
// A bracket expression ("[a-z_[:digit:]]", "[^:Lu:Nu]") as a PCRE2 class. Each language reads its
// own members; "^" first, "]" and "-", and how single code units, classes and dashes make ranges
// are the same in both, as the standard library's ECMAScript grammar has it: "]" ends the
// expression even first, a dash between two code units makes a range, a dash first, last or
// right after a range stands for itself, and a range may neither begin nor end with a class.

#include "varnel/replace/PatternWriter.h"

#include <functional>

namespace varnel {

struct BracketToken {
    enum Kind { Unit, Class, Dash, End };
    Kind kind;
    std::size_t offset;
    char16_t unit;        // Unit
    std::u16string items; // Class: its members as PCRE2 items

    static BracketToken mark(Kind kind, std::size_t offset) { return {kind, offset, 0, {}}; }
    static BracketToken of_unit(char16_t unit, std::size_t offset) {
        return {Unit, offset, unit, {}};
    }
    static BracketToken of_class(std::u16string items, std::size_t offset) {
        return {Class, offset, 0, std::move(items)};
    }
};

using BracketRead = std::variant<BracketToken, RegexError>;

// Reads the bracket expression that begins at i (its "[") in regex, up to and including its "]",
// writes it as one item and leaves i after it. read_member reads the member at i, which is
// neither "]" nor "-", and moves i past it.
std::optional<RegexError> write_bracket(const std::wstring& regex, std::size_t& i,
                                        PatternWriter& writer,
                                        const std::function<BracketRead()>& read_member);

} // namespace varnel

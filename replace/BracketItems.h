#pragma once
// The members of a bracket expression ("[a-z_[:digit:]]") as PCRE2 items. Each language reads
// its own tokens; how single code units, classes and dashes make ranges is the same in both, as
// the standard library's ECMAScript grammar has it: a dash between two code units makes a range,
// a dash first, last or right after a range stands for itself, and a range may neither begin nor
// end with a class.

#include "replace/PatternWriter.h"

#include <functional>

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

// Reads tokens up to and including End.
std::variant<std::u16string, RegexError>
bracket_items(const std::function<BracketRead()>& read_token);

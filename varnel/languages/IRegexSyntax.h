#pragma once
// How one regex language reads its own regexes and format strings: what is a group, a class, an
// escape, a back reference, and a reference in a format. The one place a language's reading is
// written; the runner and the suggestions reach it through this interface.

#include "varnel/languages/IRegexBuilder.h"

#include <cstddef>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace varnel {

struct RegexError {
    std::wstring message;
    std::size_t offset; // in the regex, in code units
};

// One piece of a format string as it is read.
struct FormatPiece {
    enum Kind {
        Text,  // text, put in as it is
        Group, // the text of group number, 0 the whole match; nothing for a group that took no part
        Before, // the text between the previous match (or the beginning) and the match
        Prefix, // the text between the beginning and the match
        After   // the text after the match
    };
    Kind kind;
    std::wstring text;      // Text
    unsigned number = 0;    // Group
    std::size_t offset = 0; // in the format, of a reference

    bool operator==(const FormatPiece&) const = default;
};

// The capturing groups of a regex, which a format refers to.
struct RegexGroups {
    unsigned count = 0;
    // The named ones: name and number.
    std::vector<std::pair<std::wstring, unsigned>> names;

    std::optional<unsigned> number_of(const std::wstring& name) const;
};

// A format's pieces, or why the format cannot be used.
using FormatRead = std::variant<std::vector<FormatPiece>, RegexError>;

class IRegexSyntax {
public:
    // Reads the regex into the builder, from its first piece on; the first error ends the reading
    // (the builder then holds a part of the regex, to be thrown away).
    [[nodiscard]] virtual std::optional<RegexError> read_regex(const std::wstring& regex,
                                                               IRegexBuilder& builder) const = 0;
    // The format string's pieces, in order, adjacent text joined, for a regex with groups. A
    // reference to a group beyond them is left for the runner to refuse.
    virtual FormatRead read_format(const std::wstring& format, const RegexGroups& groups) const = 0;

    // Where a replace-all searches on after an empty match.
    enum class AfterEmptyMatch {
        NonEmptyHere, // from the same place, for a match that is not empty there
        NextCharacter // from the next character on
    };
    virtual AfterEmptyMatch after_empty_match() const { return AfterEmptyMatch::NonEmptyHere; }

    virtual ~IRegexSyntax() = default;
};

} // namespace varnel

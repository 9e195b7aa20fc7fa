#pragma once
// Writes a PCRE2 pattern from the pieces a translator reads in a regex of one of our languages,
// and keeps what running it needs besides: where each piece came from (to report PCRE2's errors
// at the user's offset), the number of capturing groups, and, for a regex that is plain text with
// groups (what the inference writes), that text.
//
// Every literal is written as a hexadecimal escape unless it is an ASCII letter or digit, so no
// character of the user's regex reaches PCRE2 with a meaning PCRE2 would give it. Capturing groups
// are the user's only: everything else is written without capturing, so group numbers agree.

#include "varnel/replace/LocaleClass.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace varnel {

struct RegexError {
    std::wstring message;
    std::size_t offset; // in the user's regex, in code units
};

// A regex that is plain text with capturing groups around parts of it.
struct LiteralRegex {
    std::u16string text;
    // [begin, end) in text of groups 1, 2, ...
    std::vector<std::pair<std::size_t, std::size_t>> groups;
};

struct TranslatedRegex {
    std::u16string pattern;
    // For each code unit of pattern: the offset in the user's regex it was written for.
    std::vector<std::size_t> source_offsets;
    unsigned groups = 0;
    // ^ and $ match at the edges of every line rather than only at the edges of the text.
    bool line_anchors = false;
    std::optional<LiteralRegex> literal;
};

using Translation = std::variant<TranslatedRegex, RegexError>;

// A bracket expression of PCRE2 holding ranges (negated: every code unit outside them).
std::u16string pcre2_class(const CodeUnitRanges& ranges, bool negated);
// The members of ranges as items inside a PCRE2 bracket expression.
std::u16string pcre2_class_items(const CodeUnitRanges& ranges);
// One code unit as a literal of PCRE2, inside or outside a bracket expression.
std::u16string pcre2_literal(char16_t unit);
// A number in decimal digits.
std::u16string pcre2_number(unsigned long number);

// Assertions on the edges of words, a word character being a letter, a digit or the underscore
// by the global locale.
enum class WordEdge { Start, End, Boundary, NotBoundary };
std::u16string pcre2_word_edge(WordEdge edge);

class PatternWriter {
public:
    enum class Group { Capturing, NonCapturing, Lookahead, NegativeLookahead };
    struct OpenGroup {
        Group kind;
        std::size_t offset;
    };

    // The calls name the offset in the user's regex of what they write.
    void literal(char16_t unit, std::size_t offset);
    // One item PCRE2 can repeat.
    void atom(std::u16string_view pcre2, std::size_t offset);
    // A zero-width item that cannot be repeated.
    void assertion(std::u16string_view pcre2, std::size_t offset);
    // Repeats the item before; false when there is none that can be repeated. A quantifier after
    // a quantifier repeats the repetition, as the standard library reads it.
    [[nodiscard]] bool quantifier(std::u16string_view pcre2, std::size_t offset);
    void alternative(std::size_t offset);
    void open_group(Group kind, std::size_t offset);
    // The innermost group still open, if any.
    std::optional<OpenGroup> innermost_group() const;
    // Precondition: a group is open.
    void close_group(std::size_t offset);
    // False unless the group is one that was closed before this point.
    [[nodiscard]] bool back_reference(unsigned number, std::size_t offset);

    // Precondition: every group is closed.
    TranslatedRegex finish(bool line_anchors) &&;

private:
    struct Opened {
        OpenGroup group;
        std::size_t pattern_begin;
        unsigned number; // 0 unless capturing
    };

    void append(std::u16string_view pcre2, std::size_t offset);

    TranslatedRegex result;
    std::vector<Opened> open_groups;
    // Where the item that a quantifier would repeat begins in the pattern, and whether it is
    // already repeated.
    std::optional<std::size_t> item_begin;
    bool repeated = false;
    LiteralRegex literal_text;
    bool plain_text = true;
};

} // namespace varnel

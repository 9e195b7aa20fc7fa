#pragma once
// What a language's reader finds in a regex, handed over piece by piece in the order the regex
// writes them, for an engine to build its own pattern from (varnel/pattern/ writes PCRE2). Every
// call names the offset in the user's regex of what it stands for, in code units. The pieces say
// what is meant, not how a language writes it: a reader never hands on its own syntax.

#include "varnel/languages/LocaleClass.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace varnel {

// A set of characters, one of which a bracket expression or a class escape matches.
struct CharSet {
    struct Item {
        enum Kind {
            Range,           // the code points first to last
            Class,           // the members of a class of the locale
            ClassComplement, // every character outside a class of the locale
            SpaceSeparators  // Unicode's space separators (general category Zs)
        };
        Kind kind;
        char32_t first = 0;
        char32_t last = 0;
        LocaleClass locale_class = LocaleClass::Alnum;

        static Item range(char32_t first, char32_t last) { return {Range, first, last}; }
        static Item of_class(LocaleClass name, bool complement) {
            return {complement ? ClassComplement : Class, 0, 0, name};
        }
        bool operator==(const Item&) const = default;
    };

    // Every character outside the items rather than inside them.
    bool negated = false;
    // In the order the regex lists them.
    std::vector<Item> items;
};

class IRegexBuilder {
public:
    enum class Group { Capturing, NonCapturing, Lookahead, NegativeLookahead };
    struct OpenGroup {
        Group kind;
        std::size_t offset;
    };
    enum class Assertion {
        TextStart,
        TextEnd, // the very end only
        LineStart,
        LineEnd, // before a CR, a LF or CR LF, or at the end
        WordStart,
        WordEnd,
        WordBoundary,
        NotWordBoundary // a word character being a letter, a digit or "_" by the locale
    };
    struct Repeat {
        unsigned long min;
        std::optional<unsigned long> max; // none: no upper bound
        bool lazy = false;
    };

    // One code unit to match as itself; the two halves of a surrogate pair, one after the other,
    // stand for their character.
    virtual void literal(char16_t unit, std::size_t offset) = 0;
    // One character of a bracket expression's set.
    virtual void set(const CharSet& set, std::size_t offset) = 0;
    // One character of a class of the locale, or outside it, written as a class of its own ("\d",
    // "\W", ":Al") rather than in a bracket expression.
    virtual void one_of(LocaleClass name, bool complement, std::size_t offset) = 0;
    // A zero-width test, which cannot be repeated.
    virtual void assertion(Assertion kind, std::size_t offset) = 0;
    // Repeats the item before; false when there is none that can be repeated. A repeat after a
    // repeat repeats the repetition.
    [[nodiscard]] virtual bool repeat(const Repeat& repeat, std::size_t offset) = 0;
    virtual void alternative(std::size_t offset) = 0;
    virtual void open_group(Group kind, std::size_t offset) = 0;
    // The innermost group still open, if any.
    virtual std::optional<OpenGroup> innermost_group() const = 0;
    // Precondition: a group is open.
    virtual void close_group(std::size_t offset) = 0;
    // The text capturing group number (from 1) matched; false unless that group was closed before
    // this point.
    [[nodiscard]] virtual bool back_reference(unsigned number, std::size_t offset) = 0;

    virtual ~IRegexBuilder() = default;
};

} // namespace varnel

#pragma once
// What a language's reader finds in a regex, handed over piece by piece in the order the regex
// writes them, for an engine to build its own pattern from (varnel/pattern/ writes PCRE2). Every
// call names the offset in the user's regex of what it stands for, in code units. The pieces say
// what is meant, not how a language writes it: a reader never hands on its own syntax.

#include "varnel/languages/LocaleClass.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace varnel {

// A set of characters, one of which a bracket expression or a class escape matches.
struct CharSet {
    struct Item {
        enum Kind {
            Range,             // the code points first to last
            Class,             // the members of a class of the locale
            ClassComplement,   // every character outside a class of the locale
            Property,          // the characters with a Unicode property
            PropertyComplement // every character without it
        };
        Kind kind;
        char32_t first = 0;
        char32_t last = 0;
        LocaleClass locale_class = LocaleClass::Alnum;
        // Property: a general category ("Lu", "L"), a script ("sc:Greek", "scx:Greek"), a binary
        // property ("Alphabetic"), or "Xwd": a letter, a number or "_".
        std::string property;

        static Item range(char32_t first, char32_t last) {
            return {Range, first, last, LocaleClass::Alnum, {}};
        }
        static Item of_class(LocaleClass name, bool complement) {
            return {complement ? ClassComplement : Class, 0, 0, name, {}};
        }
        static Item of_property(std::string property, bool complement) {
            return {complement ? PropertyComplement : Property, 0, 0, LocaleClass::Alnum,
                    std::move(property)};
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
    enum class Group {
        Capturing,
        NonCapturing,
        Lookahead,
        NegativeLookahead,
        Lookbehind,
        NegativeLookbehind,
        Atomic // once it has matched, never tried again another way
    };
    struct OpenGroup {
        Group kind;
        std::size_t offset;
    };
    enum class Assertion {
        TextStart,
        TextEnd,                // the very end only
        TextEndOrFinalLineFeed, // the very end, or before a line feed that ends the text
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
        bool possessive = false; // what it took is never given back
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
    // A zero-width test with word characters of word on one side only (boundary) or on both sides
    // or neither (not boundary), which cannot be repeated.
    virtual void word_boundary(const CharSet& word, bool boundary, std::size_t offset) = 0;
    // Repeats the item before; false when there is none that can be repeated. A repeat after a
    // repeat repeats the repetition.
    [[nodiscard]] virtual bool repeat(const Repeat& repeat, std::size_t offset) = 0;
    virtual void alternative(std::size_t offset) = 0;
    virtual void open_group(Group kind, std::size_t offset) = 0;
    // Names the capturing group opened last, for the format to refer to it by name.
    virtual void name_group(const std::wstring& name) = 0;
    // The innermost group still open, if any.
    virtual std::optional<OpenGroup> innermost_group() const = 0;
    // Precondition: a group is open.
    virtual void close_group(std::size_t offset) = 0;
    // The text capturing group number (from 1) matched; false unless that group was closed before
    // this point.
    [[nodiscard]] virtual bool back_reference(unsigned number, std::size_t offset) = 0;
    // The text capturing group number matched, or nothing when the group took no part, is still
    // open or comes later. Precondition: the regex has that group.
    virtual void back_reference_or_empty(unsigned number, std::size_t offset) = 0;

    virtual ~IRegexBuilder() = default;
};

} // namespace varnel

#pragma once
// Writes a PCRE2 pattern from what a language's reader finds in a regex, and keeps what running
// it needs besides: where each piece came from (to report PCRE2's errors at the user's offset),
// the number of capturing groups, and, for a regex that is plain text with groups (what the
// inference writes), that text.
//
// Every ASCII literal is written as a hexadecimal escape unless it is a letter or a digit, so no
// character of the user's regex reaches PCRE2 with a meaning PCRE2 would give it; a character of
// the Basic Multilingual Plane from 128 up has none and is written as it is, which keeps a class of
// the locale's letters a few thousand code units long. Capturing groups
// are the user's only: everything else is written without capturing, so group numbers agree.
// Classes of the locale are written out as their members, under the locale of LocaleClasses.
//
// Two ways to write:
// - Characters: for PCRE2's UTF mode, on the text itself. A surrogate pair is one character, in
//   the regex as in the text; a surrogate without its partner in the regex matches nothing.
// - ClassCodes: for a text of LocaleClasses' codes. Only what codes can say is written: literals
//   below 128, bracket expressions of such units, ranges and classes (a dash first or last),
//   groups, alternatives and the greedy +, * and ?. Anything else leaves the pattern unwritten.

#include "varnel/languages/IRegexBuilder.h"
#include "varnel/pattern/LocaleClasses.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace varnel {

// A regex that is plain text with capturing groups around parts of it.
struct LiteralRegex {
    std::u16string text;
    // [begin, end) in text of groups 1, 2, ...
    std::vector<std::pair<std::size_t, std::size_t>> groups;
};

struct Pcre2Pattern {
    std::u16string pattern;
    unsigned groups = 0;
    // The names the reader gave groups, with their numbers.
    std::vector<std::pair<std::wstring, unsigned>> names;
    std::optional<LiteralRegex> literal;

    // The offset in the user's regex that the code unit at offset in pattern was written for (the
    // last one's for an offset at or past the end).
    std::size_t source_offset(std::size_t offset) const;

    // Where each piece written for one offset of the user's regex begins in pattern, in order.
    struct Source {
        std::size_t pattern_begin;
        std::size_t offset;
    };
    std::vector<Source> sources;
};

class Pcre2Writer : public IRegexBuilder {
public:
    enum class Mode { Characters, ClassCodes };

    Pcre2Writer(Mode mode, std::shared_ptr<const LocaleClasses> classes);

    void literal(char16_t unit, std::size_t offset) override;
    void set(const CharSet& set, std::size_t offset) override;
    void one_of(LocaleClass name, bool complement, std::size_t offset) override;
    void assertion(Assertion kind, std::size_t offset) override;
    void word_boundary(const CharSet& word, bool boundary, std::size_t offset) override;
    [[nodiscard]] bool repeat(const Repeat& repeat, std::size_t offset) override;
    void alternative(std::size_t offset) override;
    void open_group(Group kind, std::size_t offset) override;
    void name_group(const std::wstring& name) override;
    std::optional<OpenGroup> innermost_group() const override;
    void close_group(std::size_t offset) override;
    [[nodiscard]] bool back_reference(unsigned number, std::size_t offset) override;
    void back_reference_or_empty(unsigned number, std::size_t offset) override;

    // None when the mode cannot say all the regex says. Precondition: every group is closed.
    std::optional<Pcre2Pattern> finish() &&;

private:
    struct Opened {
        OpenGroup group;
        std::size_t pattern_begin;
        unsigned number; // 0 unless capturing
    };

    void append(std::u16string_view pcre2, std::size_t offset);
    void atom(std::u16string_view pcre2, std::size_t offset);
    void zero_width(std::u16string_view pcre2, std::size_t offset);
    // Writes a high surrogate still waiting for its partner as what it is alone.
    void end_pending_surrogate();
    std::u16string set_text(const CharSet& set) const;
    std::u16string coded_set_text(const CharSet& set);

    const Mode mode;
    const std::shared_ptr<const LocaleClasses> classes;
    Pcre2Pattern result;
    std::vector<Opened> open_groups;
    // Where the item that a repeat would repeat begins in the pattern, and whether it is already
    // repeated.
    std::optional<std::size_t> item_begin;
    bool repeated = false;
    LiteralRegex literal_text;
    bool plain_text = true;
    bool writable = true;
    struct PendingSurrogate {
        char16_t unit;
        std::size_t offset;
    };
    std::optional<PendingSurrogate> pending_surrogate;
};

} // namespace varnel

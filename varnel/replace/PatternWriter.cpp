#include "varnel/replace/PatternWriter.h"

#include "varnel/common/DBC.h"

#include <algorithm>

namespace varnel {

namespace {

const char16_t hex_digits[] = u"0123456789abcdef";

bool is_ascii_alphanumeric(char16_t unit) {
    return (unit >= u'a' && unit <= u'z') || (unit >= u'A' && unit <= u'Z') ||
           (unit >= u'0' && unit <= u'9');
}

std::u16string word_class(bool negated) {
    const std::optional<CodeUnitRanges> word = locale_class(L"w");
    DBC_CHECK(word);
    return pcre2_class(*word, negated);
}

} // namespace

std::u16string pcre2_literal(char16_t unit) {
    if (is_ascii_alphanumeric(unit)) {
        return std::u16string(1, unit);
    }
    std::u16string digits;
    for (unsigned value = unit; digits.empty() || value != 0; value /= 16) {
        digits.insert(digits.begin(), hex_digits[value % 16]);
    }
    return u"\\x{" + digits + u"}";
}

std::u16string pcre2_number(unsigned long number) {
    std::u16string digits;
    for (const char digit : std::to_string(number)) {
        digits += static_cast<char16_t>(digit);
    }
    return digits;
}

std::u16string pcre2_class_items(const CodeUnitRanges& ranges) {
    std::u16string items;
    for (const CodeUnitRange& range : ranges) {
        items += pcre2_literal(range.first);
        if (range.last != range.first) {
            items += u'-';
            items += pcre2_literal(range.last);
        }
    }
    return items;
}

std::u16string pcre2_class(const CodeUnitRanges& ranges, bool negated) {
    // The pattern is compiled to allow empty classes: "[]" matches nothing, "[^]" anything.
    return (negated ? u"[^" : u"[") + pcre2_class_items(ranges) + u"]";
}

std::u16string pcre2_word_edge(WordEdge edge) {
    const std::u16string word = word_class(false);
    const std::u16string after_word = u"(?<=" + word + u")";
    const std::u16string not_after_word = u"(?<!" + word + u")";
    const std::u16string before_word = u"(?=" + word + u")";
    const std::u16string not_before_word = u"(?!" + word + u")";
    switch (edge) {
    case WordEdge::Start:
        return not_after_word + before_word;
    case WordEdge::End:
        return after_word + not_before_word;
    case WordEdge::Boundary:
        return u"(?:" + after_word + not_before_word + u"|" + not_after_word + before_word + u")";
    case WordEdge::NotBoundary:
        return u"(?:" + after_word + before_word + u"|" + not_after_word + not_before_word + u")";
    }
    DBC_UNREACHABLE();
}

void PatternWriter::append(std::u16string_view pcre2, std::size_t offset) {
    result.pattern += pcre2;
    result.source_offsets.insert(result.source_offsets.end(), pcre2.size(), offset);
}

void PatternWriter::literal(char16_t unit, std::size_t offset) {
    item_begin = result.pattern.size();
    repeated = false;
    append(pcre2_literal(unit), offset);
    literal_text.text += unit;
}

void PatternWriter::atom(std::u16string_view pcre2, std::size_t offset) {
    item_begin = result.pattern.size();
    repeated = false;
    append(pcre2, offset);
    plain_text = false;
}

void PatternWriter::assertion(std::u16string_view pcre2, std::size_t offset) {
    item_begin = std::nullopt;
    append(pcre2, offset);
    plain_text = false;
}

bool PatternWriter::quantifier(std::u16string_view pcre2, std::size_t offset) {
    if (!item_begin) {
        return false;
    }
    if (repeated) {
        // PCRE2 would read a second quantifier as possessive or refuse it.
        const std::size_t begin = *item_begin;
        const std::size_t item_offset = result.source_offsets[begin];
        result.pattern.insert(begin, u"(?:");
        result.source_offsets.insert(result.source_offsets.begin() + static_cast<long>(begin), 3,
                                     item_offset);
        append(u")", offset);
    }
    append(pcre2, offset);
    repeated = true;
    plain_text = false;
    return true;
}

void PatternWriter::alternative(std::size_t offset) {
    item_begin = std::nullopt;
    append(u"|", offset);
    plain_text = false;
}

void PatternWriter::open_group(Group kind, std::size_t offset) {
    const unsigned number = kind == Group::Capturing ? ++result.groups : 0;
    open_groups.push_back({{kind, offset}, result.pattern.size(), number});
    if (kind == Group::Capturing) {
        literal_text.groups.emplace_back(literal_text.text.size(), literal_text.text.size());
    }
    item_begin = std::nullopt;
    switch (kind) {
    case Group::Capturing:
        append(u"(", offset);
        break;
    case Group::NonCapturing:
        append(u"(?:", offset);
        break;
    case Group::Lookahead:
        append(u"(?=", offset);
        plain_text = false;
        break;
    case Group::NegativeLookahead:
        append(u"(?!", offset);
        plain_text = false;
        break;
    }
}

std::optional<PatternWriter::OpenGroup> PatternWriter::innermost_group() const {
    if (open_groups.empty()) {
        return std::nullopt;
    }
    return open_groups.back().group;
}

void PatternWriter::close_group(std::size_t offset) {
    DBC_PRECONDITION(!open_groups.empty());
    const Opened group = open_groups.back();
    open_groups.pop_back();
    append(u")", offset);
    const Group kind = group.group.kind;
    const bool lookahead = kind == Group::Lookahead || kind == Group::NegativeLookahead;
    item_begin = lookahead ? std::nullopt : std::optional<std::size_t>(group.pattern_begin);
    repeated = false;
    if (kind == Group::Capturing) {
        literal_text.groups[group.number - 1].second = literal_text.text.size();
    }
}

bool PatternWriter::back_reference(unsigned number, std::size_t offset) {
    const bool still_open =
        std::any_of(open_groups.begin(), open_groups.end(),
                    [number](const Opened& group) { return group.number == number; });
    if (number == 0 || number > result.groups || still_open) {
        return false;
    }
    atom(u"\\g{" + pcre2_number(number) + u"}", offset);
    return true;
}

TranslatedRegex PatternWriter::finish(bool line_anchors) && {
    DBC_PRECONDITION(open_groups.empty());
    result.line_anchors = line_anchors;
    if (plain_text) {
        result.literal = std::move(literal_text);
    }
    return std::move(result);
}

} // namespace varnel

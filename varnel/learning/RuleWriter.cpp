#include "varnel/learning/RuleWriter.h"

#include <algorithm>

namespace varnel {

namespace {

using CharacterClass = IRegexFormatting::CharacterClass;

// Outer groups first: by first element, the longer first, an element before its first character.
bool opens_before(const Source& a, const Source& b) {
    if (a.first != b.first) {
        return a.first < b.first;
    }
    if (a.head != b.head) {
        return !a.head;
    }
    return a.last > b.last;
}

bool holds(const Source& outer, const Source& inner) {
    return !outer.head && inner.first >= outer.first && inner.last <= outer.last;
}

// The narrowest class that holds the first character of the element in every example.
CharacterClass head_class(std::size_t element, const Frame& frame,
                          const std::vector<Example>& examples, const CharacterKinds& kinds) {
    bool digits = true;
    bool upper = true;
    bool lower = true;
    bool letters = true;
    for (std::size_t e = 0; e < examples.size(); ++e) {
        const wchar_t c = examples[e].search[frame.spans[e][element].begin];
        digits = digits && kinds.is_digit(c);
        upper = upper && kinds.is_upper(c);
        lower = lower && kinds.is_lower(c);
        letters = letters && kinds.is_letter(c);
    }
    if (digits) {
        return CharacterClass::Digit;
    }
    if (upper) {
        return CharacterClass::Uppercase;
    }
    if (lower) {
        return CharacterClass::Lowercase;
    }
    return letters ? CharacterClass::Letter : CharacterClass::Alphanumeric;
}

CharacterClass run_class(TokenKind kind) {
    switch (kind) {
    case TokenKind::Digits:
        return CharacterClass::Digit;
    case TokenKind::Letters:
        return CharacterClass::Letter;
    case TokenKind::Word:
        return CharacterClass::Alphanumeric;
    case TokenKind::Space:
        return CharacterClass::Whitespace;
    case TokenKind::Other:
        return CharacterClass::Punctuation;
    }
    return CharacterClass::Punctuation;
}

std::wstring element_regex(std::size_t index, const Frame& frame,
                           const std::vector<Example>& examples,
                           const IRegexFormatting& formatting) {
    const Element& element = frame.elements[index];
    if (element.gap) {
        return formatting.any_text(element.lazy);
    }
    if (element.literal) {
        const Span span = frame.spans[0][index];
        return formatting.escape_regex(examples[0].search.substr(span.begin, span.size()));
    }
    // A differing separator is one character; every other token a run.
    return element.kind == TokenKind::Other ? formatting.one_of(CharacterClass::Punctuation)
                                            : formatting.run_of(run_class(element.kind));
}

} // namespace

std::optional<ReplaceRegex> write_rule(const Frame& frame, const FormatPlan& plan,
                                       const std::vector<Example>& examples,
                                       const CharacterKinds& kinds,
                                       const IRegexFormatting& formatting) {
    std::vector<Source> groups;
    for (const Segment& segment : plan) {
        if (segment.source &&
            std::find(groups.begin(), groups.end(), *segment.source) == groups.end()) {
            groups.push_back(*segment.source);
        }
    }
    if (groups.size() > formatting.max_back_reference()) {
        return std::nullopt;
    }
    std::sort(groups.begin(), groups.end(), opens_before);
    for (std::size_t a = 0; a < groups.size(); ++a) {
        for (std::size_t b = a + 1; b < groups.size(); ++b) {
            if (groups[b].first <= groups[a].last && !holds(groups[a], groups[b])) {
                return std::nullopt;
            }
        }
    }

    ReplaceRegex rule;
    if (frame.line_start) {
        rule.regex += formatting.line_start();
    }
    // Each open group's start in the regex written so far; a group closes by wrapping the text
    // written since.
    std::vector<std::pair<Source, std::size_t>> open;
    std::size_t next = 0;
    for (std::size_t i = 0; i < frame.elements.size(); ++i) {
        for (; next < groups.size() && groups[next].first == i && !groups[next].head; ++next) {
            open.emplace_back(groups[next], rule.regex.size());
        }
        if (next < groups.size() && groups[next].first == i && groups[next].head) {
            ++next;
            const TokenKind kind = frame.elements[i].kind;
            rule.regex +=
                formatting.make_group(formatting.one_of(head_class(i, frame, examples, kinds)));
            rule.regex += formatting.any_number_of(run_class(kind));
        } else {
            rule.regex += element_regex(i, frame, examples, formatting);
        }
        while (!open.empty() && open.back().first.last == i) {
            const std::size_t start = open.back().second;
            const std::wstring inner = rule.regex.substr(start);
            rule.regex.resize(start);
            rule.regex += formatting.make_group(inner);
            open.pop_back();
        }
    }
    if (frame.line_end) {
        rule.regex += formatting.line_end();
    }

    for (std::size_t s = 0; s < plan.size(); ++s) {
        if (!plan[s].source) {
            rule.format += formatting.escape_format(plan[s].constant);
            continue;
        }
        const auto number = static_cast<unsigned int>(
            std::find(groups.begin(), groups.end(), *plan[s].source) - groups.begin() + 1);
        const bool literal_follows = s + 1 < plan.size() && !plan[s + 1].source;
        const wchar_t next =
            literal_follows ? formatting.escape_format(plan[s + 1].constant.substr(0, 1)).front()
                            : 0;
        rule.format += formatting.make_back_reference_before(number, next);
    }
    return rule;
}

} // namespace varnel

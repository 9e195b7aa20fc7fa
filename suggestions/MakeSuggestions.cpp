#include "suggestions/MakeSuggestions.h"

#include "common/DBC.h"

#include <cstdint>
#include <list>
#include <regex>
#include <string_view>

namespace {

// One piece of the sample during the composite pass. The texts are views into the sample and
// into the rows, which both outlive the pass, so that splitting a long sample copies no text.
struct SampleSegment {
    enum Kind : std::int32_t { Literal = 0, Pattern = 1 };

    explicit SampleSegment(std::wstring_view text) : text(text), kind(Literal) {}
    SampleSegment(std::wstring_view regex, std::wstring_view name)
        : regex(regex), name(name), kind(Pattern) {}

    std::wstring_view text;
    std::wstring_view regex;
    std::wstring_view name;
    Kind kind;
};

// A list, so that a split costs the same wherever it happens in a long sample.
using SegmentList = std::list<SampleSegment>;
using ElementList = std::vector<std::shared_ptr<ISuggestionElement>>;

// Splits the first Literal segment in which row finds a match into the text before the match,
// the row's pattern and the text after it. The search starts at from: the segments before it
// were searched for this row without a match and have not changed since, so skipping them gives
// the same split as starting at the front, without searching a long sample over and over.
// Afterwards, from is the first segment that may still hold a match.
bool split_first_match(SegmentList& segments, SegmentList::iterator& from,
                       const RegexDescription& row) {
    for (auto segment = from; segment != segments.end(); ++segment) {
        if (segment->kind != SampleSegment::Literal) {
            continue;
        }
        const std::wstring_view text = segment->text;
        std::match_results<std::wstring_view::const_iterator> match;
        // An empty match would split off nothing and the caller would never stop, so a row that
        // can match the empty string claims only its non-empty matches.
        if (!std::regex_search(text.begin(), text.end(), match, row.matcher,
                               std::regex_constants::match_not_null)) {
            continue;
        }
        const auto begin = static_cast<std::size_t>(match.position(0));
        const auto end = begin + static_cast<std::size_t>(match.length(0));
        from = segments.emplace(segment, row.regex, row.name);
        if (begin > 0) {
            from = segments.emplace(from, text.substr(0, begin));
        }
        if (end < text.size()) {
            segment->text = text.substr(end);
        } else {
            segments.erase(segment);
        }
        return true;
    }
    return false;
}

std::vector<Suggestion>
whole_sample_suggestions(const std::wstring& sample,
                         const std::vector<RegexDescription>& descriptions) {
    std::vector<Suggestion> result;
    for (const auto& row : descriptions) {
        if (std::regex_match(sample, row.matcher)) {
            result.emplace_back(ElementList{
                std::make_shared<RegexSuggestionElement>(row.regex, row.description, row.name)});
        }
    }
    return result;
}

// The rows are applied from the last to the first, so a later row claims text before an earlier
// one can (a quoted string before the words inside it).
std::vector<Suggestion> composite_suggestions(const std::wstring& sample,
                                              const std::vector<RegexDescription>& descriptions,
                                              const IRegexFormatting& formatting) {
    SegmentList segments{SampleSegment(sample)};
    for (auto row = descriptions.rbegin(); row != descriptions.rend(); ++row) {
        auto from = segments.begin();
        while (split_first_match(segments, from, *row)) {
        }
    }
    if (segments.size() == 1 && segments.front().kind == SampleSegment::Literal) {
        return {};
    }
    ElementList elements;
    for (const auto& segment : segments) {
        if (segment.kind == SampleSegment::Literal) {
            const std::wstring text(segment.text);
            elements.push_back(
                std::make_shared<TextSuggestionElement>(formatting.escape_regex(text), text));
        } else {
            elements.push_back(std::make_shared<RegexSuggestionElement>(
                std::wstring(segment.regex), std::wstring(), std::wstring(segment.name)));
        }
    }
    return {Suggestion(elements)};
}

} // namespace

std::vector<Suggestion> make_suggestions(const std::wstring& text,
                                         const std::vector<RegexDescription>& descriptions,
                                         const std::shared_ptr<IRegexFormatting>& formatting) {
    DBC_PRECONDITION(formatting != nullptr);
    if (formatting->has_special_characters(text)) {
        return {};
    }
    const std::wstring sample = formatting->unescape_regex(text);
    std::vector<Suggestion> result = whole_sample_suggestions(sample, descriptions);
    if (result.empty()) {
        result = composite_suggestions(sample, descriptions, *formatting);
    }
    return result;
}

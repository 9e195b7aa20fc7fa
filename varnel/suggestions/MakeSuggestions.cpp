#include "varnel/suggestions/MakeSuggestions.h"

#include "varnel/common/DBC.h"
#include "varnel/suggestions/RowMatcher.h"
#include "varnel/suggestions/SampleText.h"

#include <algorithm>
#include <string_view>

namespace varnel {

namespace {

using ElementList = std::vector<std::shared_ptr<ISuggestionElement>>;

// A stretch of the sample that a row claimed in the composite pass, and the row's element.
struct Claim {
    std::size_t begin;
    std::size_t end;
    std::size_t element;
};

std::vector<Suggestion>
whole_sample_suggestions(SampleText& sample, const std::vector<RegexDescription>& descriptions) {
    std::vector<Suggestion> result;
    for (const auto& row : descriptions) {
        if (RowMatcher::of(row)->matches(sample)) {
            result.emplace_back(ElementList{
                std::make_shared<RegexSuggestionElement>(row.regex, row.description, row.name)});
        }
    }
    return result;
}

// Every stretch of the unclaimed text the row finds, leftmost first, each searched for in the
// unclaimed piece that holds it as a text of its own; empty matches do not count, or a row that
// can match the empty string would claim nothing forever.
//
// A row whose matches depend on nothing but the units they cover is searched for in the rest of
// the whole text at once, which crosses any number of pieces in one search: a match that lies in
// one piece is the match a search of that piece finds, one that runs into a claimed stretch is
// searched for again in its piece alone. Any other row searches each piece, and after a claim the
// text before it again: it is a text of its own now, and an anchor may match in it.
void claim_all(SampleText& sample, const RegexDescription& row, std::size_t element,
               std::vector<Claim>& claims) {
    const auto matcher = RowMatcher::of(row);
    const std::size_t size = sample.size();
    for (std::size_t position = sample.unclaimed_from(0); position < size;
         position = sample.unclaimed_from(position)) {
        std::optional<Match> found;
        if (!matcher->reads_only_its_match()) {
            const std::size_t piece_end = sample.next_claimed(position, size);
            found = matcher->search(sample, position, piece_end, true);
            if (!found) {
                position = piece_end;
                continue;
            }
        } else {
            found = matcher->search(sample, position, size, true);
            if (!found) {
                return;
            }
            const std::size_t begin = sample.unclaimed_from(found->begin);
            if (begin != found->begin) {
                position = begin;
                continue;
            }
            const std::size_t end = sample.next_claimed(found->begin, found->end);
            if (end < found->end) {
                found = matcher->search(sample, found->begin, end, true);
                if (!found) {
                    position = end;
                    continue;
                }
            }
        }
        claims.push_back({found->begin, found->end, element});
        sample.claim(found->begin, found->end);
        if (matcher->reads_only_its_match()) {
            position = found->end;
        }
    }
}

// The rows are applied from the last to the first, so a later row claims text before an earlier
// one can (a quoted string before the words inside it).
std::vector<Suggestion> composite_suggestions(SampleText& sample,
                                              const std::vector<RegexDescription>& descriptions,
                                              const IRegexFormatting& formatting) {
    // Every claim of a row shares the row's element, which never changes.
    ElementList row_elements;
    std::vector<Claim> claims;
    for (auto row = descriptions.rbegin(); row != descriptions.rend(); ++row) {
        row_elements.push_back(
            std::make_shared<RegexSuggestionElement>(row->regex, std::wstring(), row->name));
        claim_all(sample, *row, row_elements.size() - 1, claims);
    }
    if (claims.empty()) {
        return {};
    }
    std::sort(claims.begin(), claims.end(),
              [](const Claim& a, const Claim& b) { return a.begin < b.begin; });
    ElementList elements;
    const std::wstring_view text(sample.text());
    const auto add_literal = [&](std::size_t begin, std::size_t end) {
        if (begin < end) {
            const std::wstring literal(text.substr(begin, end - begin));
            elements.push_back(
                std::make_shared<TextSuggestionElement>(formatting.escape_regex(literal), literal));
        }
    };
    std::size_t position = 0;
    for (const Claim& claim : claims) {
        add_literal(position, claim.begin);
        elements.push_back(row_elements[claim.element]);
        position = claim.end;
    }
    add_literal(position, text.size());
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
    const std::wstring unescaped = formatting->unescape_regex(text);
    SampleText sample(unescaped);
    std::vector<Suggestion> result = whole_sample_suggestions(sample, descriptions);
    if (result.empty()) {
        result = composite_suggestions(sample, descriptions, *formatting);
    }
    return result;
}

} // namespace varnel

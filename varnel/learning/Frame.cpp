#include "varnel/learning/Frame.h"

#include "varnel/common/DBC.h"

#include <algorithm>

namespace varnel {

namespace {

std::size_t common_prefix(const std::wstring& a, const std::wstring& b) {
    return static_cast<std::size_t>(std::mismatch(a.begin(), a.end(), b.begin(), b.end()).first -
                                    a.begin());
}

std::size_t common_suffix(const std::wstring& a, const std::wstring& b, std::size_t limit) {
    std::size_t n = 0;
    while (n < limit && a[a.size() - 1 - n] == b[b.size() - 1 - n]) {
        ++n;
    }
    return n;
}

// The tokens that hold the characters in which the input and the output differ; for a pure
// insertion, the tokens on both sides of it.
std::vector<Token> changed_tokens(const std::vector<Token>& all, const Example& example) {
    const std::wstring& in = example.search;
    const std::wstring& out = example.replace;
    const std::size_t prefix = common_prefix(in, out);
    const std::size_t suffix = common_suffix(in, out, std::min(in.size(), out.size()) - prefix);
    const std::size_t begin = prefix;
    const std::size_t end = in.size() - suffix;
    std::vector<Token> changed;
    for (const Token& token : all) {
        const bool inside = begin < end ? token.end > begin && token.begin < end
                                        : token.end >= begin && token.begin <= end;
        if (inside) {
            changed.push_back(token);
        }
    }
    return changed;
}

} // namespace

FrameMaker::FrameMaker(const std::vector<Example>& examples, Reach reach, Grain grain,
                       const CharacterKinds& kinds)
    : examples(examples), kinds(kinds) {
    DBC_PRECONDITION(!examples.empty());
    bool all_whole = true;
    for (const Example& example : examples) {
        DBC_PRECONDITION(example.search != example.replace);
        std::vector<Token> all = tokenize(example.search, grain, kinds);
        std::vector<Token> region = reach == Reach::WholeLine ? all : changed_tokens(all, example);
        const std::size_t begin = region.empty() ? 0 : region.front().begin;
        const std::size_t end = region.empty() ? 0 : region.back().end;
        const std::size_t after = example.search.size() - end;
        inputs.push_back({begin, end});
        outputs.push_back({begin, example.replace.size() - after});
        at_line_start = at_line_start && begin == 0;
        at_line_end = at_line_end && after == 0;
        all_whole = all_whole && region.size() == all.size();
        tokens.push_back(std::move(region));
    }
    useful_ = reach == Reach::WholeLine || !all_whole;

    const std::size_t fewest =
        std::min_element(tokens.begin(), tokens.end(), [](const auto& a, const auto& b) {
            return a.size() < b.size();
        })->size();
    std::vector<std::size_t> index(examples.size());
    while (shared_head_ < fewest) {
        std::fill(index.begin(), index.end(), shared_head_);
        if (!column(index, false)) {
            break;
        }
        ++shared_head_;
    }
    while (shared_tail_ < fewest) {
        for (std::size_t e = 0; e < examples.size(); ++e) {
            index[e] = tokens[e].size() - 1 - shared_tail_;
        }
        if (!column(index, false)) {
            break;
        }
        ++shared_tail_;
    }
}

std::optional<Element> FrameMaker::column(const std::vector<std::size_t>& index,
                                          bool literal_words) const {
    const Token& first = tokens[0][index[0]];
    const std::wstring_view first_text =
        std::wstring_view(examples[0].search).substr(first.begin, first.end - first.begin);
    bool same_text = true;
    bool all_punctuation = true;
    for (std::size_t e = 0; e < examples.size(); ++e) {
        const Token& token = tokens[e][index[e]];
        if (token.kind != first.kind) {
            return std::nullopt;
        }
        const std::wstring_view text =
            std::wstring_view(examples[e].search).substr(token.begin, token.end - token.begin);
        same_text = same_text && text == first_text;
        all_punctuation = all_punctuation && text.size() == 1 && kinds.is_punctuation(text[0]);
    }
    Element element;
    element.kind = first.kind;
    switch (first.kind) {
    case TokenKind::Other:
        // A separator that differs between examples is one punctuation character; any other
        // character is text the rule cannot generalise.
        if (!same_text && !all_punctuation) {
            return std::nullopt;
        }
        element.literal = same_text;
        break;
    case TokenKind::Space:
        element.literal = same_text;
        break;
    default:
        element.literal = same_text && literal_words;
    }
    return element;
}

Frame FrameMaker::empty_frame() const {
    Frame frame;
    frame.spans.resize(examples.size());
    frame.outputs = outputs;
    return frame;
}

std::optional<Frame> FrameMaker::whole_shape(bool literal_words, bool anchored) const {
    const std::size_t count = tokens[0].size();
    if (count == 0 || shared_head_ != count ||
        std::any_of(tokens.begin(), tokens.end(),
                    [count](const auto& row) { return row.size() != count; })) {
        return std::nullopt;
    }
    Frame frame = empty_frame();
    std::vector<std::size_t> index(examples.size());
    for (std::size_t i = 0; i < count; ++i) {
        std::fill(index.begin(), index.end(), i);
        frame.elements.push_back(*column(index, literal_words));
        for (std::size_t e = 0; e < examples.size(); ++e) {
            frame.spans[e].push_back({tokens[e][i].begin, tokens[e][i].end});
        }
    }
    // Unanchored first, so that the rule also works inside longer lines; tied to the line's
    // edges it touches only when the examples need it.
    frame.line_start = anchored && at_line_start;
    frame.line_end = anchored && at_line_end;
    return frame;
}

std::optional<Frame> FrameMaker::with_gap(std::size_t head, std::size_t tail, bool lazy,
                                          bool literal_words) const {
    DBC_PRECONDITION(head <= shared_head_ && tail <= shared_tail_);
    // A gap at an edge of the frame needs that edge of the line to hold it.
    if ((head == 0 && !at_line_start) || (tail == 0 && !at_line_end)) {
        return std::nullopt;
    }
    Frame frame = empty_frame();
    frame.line_start = at_line_start;
    frame.line_end = at_line_end;
    bool gap_ever_filled = false;
    std::vector<std::size_t> index(examples.size());
    for (std::size_t e = 0; e < examples.size(); ++e) {
        if (tokens[e].size() < head + tail) {
            return std::nullopt;
        }
        gap_ever_filled = gap_ever_filled || tokens[e].size() > head + tail;
    }
    if (!gap_ever_filled) {
        return std::nullopt; // the whole shape, already tried
    }
    const auto add_tokens = [&](std::size_t from, std::size_t count, bool from_end) {
        for (std::size_t i = from; i < from + count; ++i) {
            for (std::size_t e = 0; e < examples.size(); ++e) {
                index[e] = from_end ? tokens[e].size() - (from + count) + (i - from) : i;
            }
            frame.elements.push_back(*column(index, literal_words));
            for (std::size_t e = 0; e < examples.size(); ++e) {
                frame.spans[e].push_back({tokens[e][index[e]].begin, tokens[e][index[e]].end});
            }
        }
    };
    add_tokens(0, head, false);
    Element gap;
    gap.gap = true;
    gap.lazy = lazy;
    frame.elements.push_back(gap);
    for (std::size_t e = 0; e < examples.size(); ++e) {
        const std::size_t begin = head == 0 ? inputs[e].begin : tokens[e][head - 1].end;
        const std::size_t end =
            tail == 0 ? inputs[e].end : tokens[e][tokens[e].size() - tail].begin;
        frame.spans[e].push_back({begin, end});
    }
    add_tokens(0, tail, true);
    return frame;
}

} // namespace varnel

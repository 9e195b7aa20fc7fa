#pragma once
// How a format writes every example's output from one frame: the same constants in every
// example, and copies of the same pieces of every input.

#include "varnel/learning/Frame.h"

#include <atomic>
#include <optional>
#include <string>
#include <vector>

namespace varnel {

// A piece of the input a format can copy: the elements first to last of a frame, or (head) the
// first character of element first alone.
struct Source {
    std::size_t first = 0;
    std::size_t last = 0;
    bool head = false;

    bool operator==(const Source&) const = default;
    Span span(const std::vector<Span>& spans) const {
        return head ? Span{spans[first].begin, spans[first].begin + 1}
                    : Span{spans[first].begin, spans[last].end};
    }
};

struct Segment {
    std::optional<Source> source; // a copy, or else the constant
    std::wstring constant;
};

using FormatPlan = std::vector<Segment>;

// The first plan found, preferring at each place of the outputs the longest copy, then a
// constant. Empty when there is none, or when the search grows beyond a bound.
std::optional<FormatPlan> plan_format(const Frame& frame, const std::vector<Example>& examples);

// The piece of an example's text a source stands for.
std::wstring_view source_text(const Source& source, const Frame& frame,
                              const std::vector<Example>& examples, std::size_t example);

// The sources a format may copy that give the same text as source in every example: a copy of
// one of them would fit the examples as well.
std::vector<Source> same_sources(const Source& source, const Frame& frame,
                                 const std::vector<Example>& examples);

} // namespace varnel

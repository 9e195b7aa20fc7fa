#include "varnel/learning/FormatPlan.h"

#include <algorithm>
#include <cstdint>
#include <unordered_set>

namespace varnel {

namespace {

// Beyond this many places visited the outputs have too many readings to be worth searching.
constexpr std::size_t max_steps = 20000;

// A copy of literal elements only writes what a constant writes; only gaps and generalised
// tokens are worth a group.
bool worth_copying(const Source& source, const Frame& frame) {
    for (std::size_t i = source.first; i <= source.last; ++i) {
        if (!frame.elements[i].literal) {
            return true;
        }
    }
    return false;
}

bool can_head(const Element& element) {
    return !element.gap && !element.literal &&
           (element.kind == TokenKind::Letters || element.kind == TokenKind::Digits ||
            element.kind == TokenKind::Word);
}

class Planner {
public:
    Planner(const Frame& frame, const std::vector<Example>& examples)
        : frame(frame), examples(examples), at(examples.size(), 0) {}

    std::optional<FormatPlan> run() {
        if (search()) {
            return plan;
        }
        return std::nullopt;
    }

private:
    struct Copy {
        Source source;
        std::size_t total; // its length summed over the examples
    };

    wchar_t output_at(std::size_t e, std::size_t offset) const {
        return examples[e].replace[frame.outputs[e].begin + offset];
    }
    std::size_t left(std::size_t e) const { return frame.outputs[e].size() - at[e]; }

    // How far the input from position from agrees with the rest of example e's output.
    std::size_t agreement(std::size_t e, std::size_t from, std::size_t limit) const {
        const std::wstring& in = examples[e].search;
        std::size_t n = 0;
        const std::size_t bound = std::min(limit, std::min(left(e), in.size() - from));
        while (n < bound && in[from + n] == output_at(e, at[e] + n)) {
            ++n;
        }
        return n;
    }

    std::vector<Copy> copies() const {
        std::vector<Copy> found;
        const std::size_t count = frame.elements.size();
        for (std::size_t i = 0; i < count; ++i) {
            // Copies from element i to any element before reach fit every example.
            std::size_t reach = count;
            for (std::size_t e = 0; e < examples.size() && reach > i; ++e) {
                const std::size_t from = frame.spans[e][i].begin;
                const std::size_t agree = agreement(e, from, frame.spans[e][count - 1].end - from);
                std::size_t j = i;
                while (j < reach && frame.spans[e][j].end - from <= agree) {
                    ++j;
                }
                reach = j;
            }
            for (std::size_t j = reach; j-- > i;) {
                add_copy(found, Source{i, j, false});
            }
            if (can_head(frame.elements[i])) {
                bool fits = true;
                for (std::size_t e = 0; e < examples.size() && fits; ++e) {
                    fits = left(e) > 0 &&
                           examples[e].search[frame.spans[e][i].begin] == output_at(e, at[e]);
                }
                if (fits) {
                    add_copy(found, Source{i, i, true});
                }
            }
        }
        std::stable_sort(found.begin(), found.end(),
                         [](const Copy& a, const Copy& b) { return a.total > b.total; });
        return found;
    }

    void add_copy(std::vector<Copy>& found, const Source& source) const {
        if (!source.head && !worth_copying(source, frame)) {
            return;
        }
        std::size_t total = 0;
        for (std::size_t e = 0; e < examples.size(); ++e) {
            total += source.span(frame.spans[e]).size();
        }
        if (total > 0) {
            found.push_back({source, total});
        }
    }

    std::uint64_t state() const {
        std::uint64_t hash = 14695981039346656037ULL;
        for (const std::size_t position : at) {
            hash = (hash ^ position) * 1099511628211ULL;
        }
        return hash;
    }

    bool search() {
        if (std::all_of(at.begin(), at.end(), [this, e = std::size_t{0}](std::size_t) mutable {
                return left(e++) == 0;
            })) {
            return true;
        }
        if (++steps > max_steps) {
            return false;
        }
        const std::uint64_t here = state();
        if (dead.count(here) != 0) {
            return false;
        }
        for (const Copy& copy : copies()) {
            plan.push_back({copy.source, {}});
            advance(copy.source, true);
            if (search()) {
                return true;
            }
            advance(copy.source, false);
            plan.pop_back();
        }
        if (constant_fits()) {
            const bool fresh = plan.empty() || plan.back().source;
            if (fresh) {
                plan.push_back({std::nullopt, {}});
            }
            plan.back().constant += output_at(0, at[0]);
            for (std::size_t& position : at) {
                ++position;
            }
            if (search()) {
                return true;
            }
            for (std::size_t& position : at) {
                --position;
            }
            plan.back().constant.pop_back();
            if (fresh) {
                plan.pop_back();
            }
        }
        dead.insert(here);
        return false;
    }

    bool constant_fits() const {
        for (std::size_t e = 0; e < examples.size(); ++e) {
            if (left(e) == 0 || output_at(e, at[e]) != output_at(0, at[0])) {
                return false;
            }
        }
        return true;
    }

    void advance(const Source& source, bool forward) {
        for (std::size_t e = 0; e < examples.size(); ++e) {
            const std::size_t size = source.span(frame.spans[e]).size();
            at[e] = forward ? at[e] + size : at[e] - size;
        }
    }

    const Frame& frame;
    const std::vector<Example>& examples;
    std::vector<std::size_t> at; // per example, how much of its output part is written
    FormatPlan plan;
    std::unordered_set<std::uint64_t> dead; // places known to lead nowhere
    std::size_t steps = 0;
};

} // namespace

std::optional<FormatPlan> plan_format(const Frame& frame, const std::vector<Example>& examples) {
    return Planner(frame, examples).run();
}

std::wstring_view source_text(const Source& source, const Frame& frame,
                              const std::vector<Example>& examples, std::size_t example) {
    const Span span = source.span(frame.spans[example]);
    return std::wstring_view(examples[example].search).substr(span.begin, span.size());
}

std::vector<Source> same_sources(const Source& source, const Frame& frame,
                                 const std::vector<Example>& examples) {
    std::vector<Source> same;
    const std::size_t count = frame.elements.size();
    const auto consider = [&](const Source& other) {
        if (other == source ||
            !(other.head ? can_head(frame.elements[other.first]) : worth_copying(other, frame))) {
            return;
        }
        for (std::size_t e = 0; e < examples.size(); ++e) {
            if (source_text(other, frame, examples, e) != source_text(source, frame, examples, e)) {
                return;
            }
        }
        same.push_back(other);
    };
    for (std::size_t i = 0; i < count; ++i) {
        consider(Source{i, i, true});
        for (std::size_t j = i; j < count; ++j) {
            consider(Source{i, j, false});
        }
    }
    return same;
}

} // namespace varnel

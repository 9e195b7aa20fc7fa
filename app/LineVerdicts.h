#pragma once
// What a rule does to each line of a text, and whether that is what the user said the line must
// become: the preview's verdicts, their counts and the rewritten text. Plain logic, without the
// window.

#include "app/SharedPieces.h"
#include "app/TextLines.h"
#include "varnel/replace/RunReplace.h"

#include <atomic>
#include <cstddef>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace varnel {

// The text each taught line must become, by the line's text.
using Expectations = std::unordered_map<std::wstring, std::wstring>;

struct LineVerdict {
    enum class Outcome { changed, same, no_match, failed };
    enum class Check { none, right, wrong };

    Outcome outcome = Outcome::no_match;
    Check check = Check::none;
    // changed and same: what the line becomes; failed: why the rule could not run on it.
    std::wstring result;
    std::vector<ReplacedSpan> matches;

    bool operator==(const LineVerdict&) const = default;
};

struct VerdictCounts {
    std::size_t lines = 0;
    std::size_t changed = 0;
    std::size_t same = 0; // matched, but the replacement gives the line back as it was
    std::size_t no_match = 0;
    std::size_t failed = 0;
    std::size_t right = 0;
    std::size_t wrong = 0;

    void add(const LineVerdict& verdict, int sign = 1);
    bool operator==(const VerdictCounts&) const = default;
};

// A copy shares the verdicts of the lines.
struct LineVerdicts {
    SharedPieces<LineVerdict> lines;
    VerdictCounts counts;
    // Set when the rule cannot run at all (a regex or format that is not valid): then no line
    // has a verdict.
    std::optional<std::wstring> problem;
};

// The verdict of one line.
LineVerdict judge_line(const std::wstring& line, const Replacer& replacer,
                       const Expectations& expected);

// The verdicts of every line; empty when cancelled turns true before the end.
LineVerdicts judge_lines(const SharedPieces<std::wstring>& lines, const Replacer& replacer,
                         const Expectations& expected,
                         const std::atomic<bool>* cancelled = nullptr);

// "412 lines: 398 changed, 14 without a match", with the kinds that occur.
std::wstring describe(const VerdictCounts& counts);

// What the line becomes: its result, or the line itself when the rule leaves it alone.
const std::wstring& rewritten(const std::wstring& line, const LineVerdict& verdict);

// What the text becomes. Precondition: verdicts of every line of it.
std::wstring rewritten_text(const TextLines& text, const LineVerdicts& verdicts);

// The first line after from (wrapping round to the start) whose verdict has the property; none
// when no line has it.
template <typename Property>
std::optional<std::size_t> next_line(const SharedPieces<LineVerdict>& lines, std::size_t from,
                                     Property property) {
    for (std::size_t step = 1; step <= lines.size(); ++step) {
        const std::size_t line = (from + step) % lines.size();
        if (property(lines[line])) {
            return line;
        }
    }
    return std::nullopt;
}

} // namespace varnel

#include "app/LineVerdicts.h"

#include "varnel/common/DBC.h"

#include <utility>

namespace varnel {

namespace {

using Outcome = LineVerdict::Outcome;
using Check = LineVerdict::Check;

std::wstring count_of(std::size_t count, const wchar_t* what) {
    return std::to_wstring(count) + L" " + what;
}

} // namespace

void VerdictCounts::add(const LineVerdict& verdict, int sign) {
    const auto step = static_cast<std::size_t>(sign);
    lines += step;
    switch (verdict.outcome) {
    case Outcome::changed:
        changed += step;
        break;
    case Outcome::same:
        same += step;
        break;
    case Outcome::no_match:
        no_match += step;
        break;
    case Outcome::failed:
        failed += step;
        break;
    }
    right += verdict.check == Check::right ? step : 0;
    wrong += verdict.check == Check::wrong ? step : 0;
}

LineVerdict judge_line(const std::wstring& line, const Replacer& replacer,
                       const Expectations& expected) {
    LineVerdict verdict;
    ReplaceOutcome outcome = replacer.replace_all(line, verdict.matches);
    switch (outcome.status) {
    case ReplaceOutcome::Status::Replaced:
        verdict.outcome = outcome.text == line ? Outcome::same : Outcome::changed;
        verdict.result = std::move(outcome.text);
        break;
    case ReplaceOutcome::Status::NoMatch:
        verdict.outcome = Outcome::no_match;
        break;
    default:
        verdict.outcome = Outcome::failed;
        verdict.result = std::move(outcome.message);
        verdict.matches.clear();
        return verdict;
    }
    if (const auto wanted = expected.find(line); wanted != expected.end()) {
        verdict.check = rewritten(line, verdict) == wanted->second ? Check::right : Check::wrong;
    }
    return verdict;
}

LineVerdicts judge_lines(const SharedPieces<std::wstring>& lines, const Replacer& replacer,
                         const Expectations& expected, const std::atomic<bool>* cancelled) {
    LineVerdicts verdicts;
    if (const auto& error = replacer.error()) {
        verdicts.problem = error->message;
        return verdicts;
    }
    for (const std::wstring& line : lines) {
        // Looked at every so many lines: often enough to stop soon, seldom enough to cost nothing.
        if (cancelled != nullptr && verdicts.lines.size() % 1024 == 0 && *cancelled) {
            return {};
        }
        verdicts.lines.push_back(judge_line(line, replacer, expected));
        verdicts.counts.add(verdicts.lines.back());
    }
    return verdicts;
}

std::wstring describe(const VerdictCounts& counts) {
    std::wstring text = count_of(counts.lines, counts.lines == 1 ? L"line" : L"lines") + L": " +
                        count_of(counts.changed, L"changed");
    if (counts.same > 0) {
        text += L", " + count_of(counts.same, L"matched but unchanged");
    }
    text += L", " + count_of(counts.no_match, L"without a match");
    if (counts.failed > 0) {
        text += L", " + count_of(counts.failed, L"too complex to run");
    }
    if (counts.right + counts.wrong > 0) {
        text += L"; " + count_of(counts.right, L"right") + L", " + count_of(counts.wrong, L"wrong");
    }
    return text;
}

const std::wstring& rewritten(const std::wstring& line, const LineVerdict& verdict) {
    return verdict.outcome == Outcome::changed || verdict.outcome == Outcome::same ? verdict.result
                                                                                   : line;
}

std::wstring rewritten_text(const TextLines& text, const LineVerdicts& verdicts) {
    DBC_PRECONDITION(verdicts.lines.size() == text.lines.size());
    return join_lines(
        text.lines.size(),
        [&](std::size_t i) -> const std::wstring& {
            return rewritten(text.lines[i], verdicts.lines[i]);
        },
        text);
}

} // namespace varnel

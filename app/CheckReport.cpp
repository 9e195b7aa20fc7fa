#include "app/CheckReport.h"

#include "varnel/common/CharacterNumber.h"
#include "varnel/common/CodeUnits.h"
#include "varnel/common/DBC.h"

#include <algorithm>

namespace varnel {

namespace {

// Beyond this many code units, a text that comes out is cut: the status line shows far less, and
// the label's width is measured on all it is given.
constexpr std::size_t quoted_length = 300;

std::wstring quoted(const std::wstring& text) {
    if (text.size() <= quoted_length) {
        return L"\u201C" + text + L"\u201D";
    }
    const std::size_t cut =
        is_high_surrogate(text[quoted_length - 1]) ? quoted_length - 1 : quoted_length;
    return L"\u201C" + text.substr(0, cut) + L"\u2026\u201D";
}

CheckReport replaced(const std::wstring& result, const std::wstring& replacement) {
    const std::wstring gives = L"Turns Search for into " + quoted(result);
    const auto [in_result, in_replacement] =
        std::mismatch(result.begin(), result.end(), replacement.begin(), replacement.end());
    if (in_result == result.end() && in_replacement == replacement.end()) {
        return {CheckReport::State::rebuilds, gives + L", as in Replace with"};
    }
    const auto differs_at = static_cast<std::size_t>(in_result - result.begin());
    return {CheckReport::State::differs, gives +
                                             L", which differs from Replace with at character " +
                                             std::to_wstring(character_number(result, differs_at))};
}

CheckReport not_valid(const std::wstring& what, const std::wstring& text,
                      const ReplaceOutcome& outcome) {
    return {CheckReport::State::error, what + L" is not valid at character " +
                                           std::to_wstring(character_number(text, outcome.offset)) +
                                           L": " + outcome.message};
}

} // namespace

CheckReport check_report(const ReplaceOutcome& outcome, const CheckInput& input) {
    using Status = ReplaceOutcome::Status;
    switch (outcome.status) {
    case Status::Replaced:
        return replaced(outcome.text, input.replacement);
    case Status::NoMatch:
        return {CheckReport::State::no_match, L"The regular expression does not match Search for"};
    case Status::InvalidRegex:
        return not_valid(L"The regular expression", input.regex, outcome);
    case Status::InvalidFormat:
        return not_valid(L"The format string", input.format, outcome);
    case Status::TooComplex:
        return {CheckReport::State::error,
                L"The regular expression is too complex to run on Search for: " + outcome.message};
    }
    DBC_UNREACHABLE();
}

CheckReport run_check(const CheckInput& input) {
    return check_report(run_replace(input.regex, input.format, input.search, input.language),
                        input);
}

} // namespace varnel

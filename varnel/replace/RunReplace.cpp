#include "varnel/replace/RunReplace.h"

#include "varnel/common/CodeUnits.h"
#include "varnel/common/DBC.h"
#include "varnel/languages/LanguageFactory.h"
#include "varnel/pattern/CompileRegex.h"
#include "varnel/replace/ReplaceFormat.h"

#include <algorithm>

#include <boost/format.hpp>

namespace varnel {

namespace {

using Status = ReplaceOutcome::Status;

bool code_units(const std::wstring& text) {
    return std::all_of(text.begin(), text.end(),
                       [](wchar_t c) { return static_cast<std::uint32_t>(c) <= 0xFFFF; });
}

ReplaceOutcome problem(Status status, const std::wstring& message, std::size_t offset = 0) {
    return {status, {}, 0, message, offset};
}

std::wstring missing_group_message(unsigned number, unsigned groups) {
    return (boost::wformat(L"the format refers to group %1%, but the regular expression has %2% "
                           L"group%3%") %
            number % groups % (groups == 1 ? L"" : L"s"))
        .str();
}

const IRegexSyntax& syntax_of(Language language) {
    static const LanguageFactory factory;
    return factory.regex_syntax(language);
}

// The text as PCRE2's code units, in a buffer each thread reuses.
const std::u16string& units_of(const std::wstring& text) {
    thread_local std::u16string units;
    units.resize(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        DBC_PRECONDITION(static_cast<std::uint32_t>(text[i]) <= 0xFFFF);
        units[i] = static_cast<char16_t>(text[i]);
    }
    return units;
}

} // namespace

Replacer::Replacer(const std::wstring& regex, const std::wstring& format, Language language,
                   Texts texts)
    : after_empty(syntax_of(language).after_empty_match()) {
    DBC_PRECONDITION(code_units(regex) && code_units(format));
    auto compiled = compile_regex(regex, syntax_of(language), texts == Texts::AnyLength);
    if (const auto* problem_found = std::get_if<RegexProblem>(&compiled)) {
        failure = problem(problem_found->kind == RegexProblem::Kind::Invalid ? Status::InvalidRegex
                                                                             : Status::TooComplex,
                          problem_found->message, problem_found->offset);
        return;
    }
    CompiledRegex& regex_compiled = std::get<CompiledRegex>(compiled);
    matcher = std::move(regex_compiled.matcher);
    FormatRead read = syntax_of(language).read_format(format, regex_compiled.groups);
    if (const auto* error = std::get_if<RegexError>(&read)) {
        failure = problem(Status::InvalidFormat, error->message, error->offset);
        return;
    }
    this->format =
        std::make_shared<const ReplaceFormat>(std::get<std::vector<FormatPiece>>(std::move(read)));
    const unsigned groups = regex_compiled.groups.count;
    if (const auto missing = this->format->missing_group(groups)) {
        failure = problem(Status::InvalidFormat, missing_group_message(missing->number, groups),
                          missing->offset);
    }
}

const std::optional<ReplaceOutcome>& Replacer::error() const {
    return failure;
}

ReplaceOutcome Replacer::replace_first(const std::wstring& text) const {
    return replace(text, false);
}

ReplaceOutcome Replacer::replace_all(const std::wstring& text) const {
    return replace(text, true);
}

ReplaceOutcome Replacer::replace_all(const std::wstring& text,
                                     std::vector<ReplacedSpan>& spans) const {
    spans.clear();
    return replace(text, true, &spans);
}

ReplaceOutcome Replacer::replace(const std::wstring& text, bool all,
                                 std::vector<ReplacedSpan>* replaced) const {
    if (failure) {
        return *failure;
    }
    const std::u16string& units = units_of(text);
    thread_local std::vector<std::size_t> spans;
    ReplaceOutcome outcome{Status::Replaced, {}, 0, {}, 0};
    std::size_t copied = 0;
    std::size_t start = 0;
    bool after_empty_match = false;
    // As std::regex_replace goes, and most engines: after an empty match, the next match may not
    // be an empty one at the same place; JavaScript moves on by a character instead.
    while (start <= units.size()) {
        IRegexMatcher::Found found = matcher->find(units, start, after_empty_match, spans);
        if (found.kind == IRegexMatcher::Found::TooComplex) {
            return problem(Status::TooComplex, found.reason);
        }
        if (found.kind == IRegexMatcher::Found::NoMatch) {
            break;
        }
        if (outcome.matches == 0) {
            outcome.text.reserve(text.size());
        }
        outcome.text.append(text, copied, spans[0] - copied);
        const std::size_t result_begin = outcome.text.size();
        format->append(outcome.text, text, spans, copied);
        if (replaced != nullptr) {
            replaced->push_back({spans[0], spans[1], result_begin, outcome.text.size()});
        }
        copied = spans[1];
        ++outcome.matches;
        if (!all) {
            break;
        }
        start = spans[1];
        after_empty_match = spans[0] == spans[1];
        if (after_empty_match && after_empty == IRegexSyntax::AfterEmptyMatch::NextCharacter) {
            start += start + 1 < units.size() && is_high_surrogate(units[start]) &&
                             is_low_surrogate(units[start + 1])
                         ? 2
                         : 1;
            after_empty_match = false;
        }
    }
    if (outcome.matches == 0) {
        return {Status::NoMatch, text, 0, {}, 0};
    }
    outcome.text.append(text, copied);
    return outcome;
}

ReplaceOutcome run_replace(const std::wstring& regex, const std::wstring& format,
                           const std::wstring& text, Language language) {
    return Replacer(regex, format, language).replace_first(text);
}

} // namespace varnel

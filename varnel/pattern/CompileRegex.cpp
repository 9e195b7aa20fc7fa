#include "varnel/pattern/CompileRegex.h"

#include "varnel/common/DBC.h"
#include "varnel/pattern/LiteralMatcher.h"
#include "varnel/pattern/Pcre2Matcher.h"
#include "varnel/pattern/Pcre2Writer.h"

namespace varnel {

std::variant<CompiledRegex, RegexProblem>
compile_regex(const std::wstring& regex, const IRegexSyntax& syntax, bool machine_code) {
    using Kind = RegexProblem::Kind;
    Pcre2Writer writer(Pcre2Writer::Mode::Characters, LocaleClasses::of(std::locale()));
    if (const auto error = syntax.read_regex(regex, writer)) {
        return RegexProblem{Kind::Invalid, error->message, error->offset};
    }
    const std::optional<Pcre2Pattern> written = std::move(writer).finish();
    DBC_CHECK(written);
    // A back reference to a group that took no part fails to match, as in the standard library.
    const std::uint32_t options =
        PCRE2_UTF | PCRE2_MATCH_INVALID_UTF | PCRE2_ALLOW_EMPTY_CLASS | PCRE2_DOLLAR_ENDONLY;
    const auto compiled = Pcre2Code::compile(written->pattern, options, machine_code);
    const RegexGroups groups{written->groups, written->names};
    if (const auto* code = std::get_if<std::shared_ptr<const Pcre2Code>>(&compiled)) {
        return CompiledRegex{std::make_shared<const Pcre2Matcher>(*code, written->groups), groups,
                             (*code)->min_length() == 0};
    }
    const auto& failure = std::get<Pcre2Code::Failure>(compiled);
    const std::wstring message = Pcre2Code::message(failure.error);
    if (failure.error != PCRE2_ERROR_PATTERN_TOO_LARGE) {
        DBC_CHECK(failure.offset <= written->pattern.size());
        return RegexProblem{Kind::Invalid, message, written->source_offset(failure.offset)};
    }
    if (written->literal && !written->literal->text.empty()) {
        return CompiledRegex{std::make_shared<const LiteralMatcher>(*written->literal), groups,
                             false};
    }
    return RegexProblem{Kind::TooComplex, message, 0};
}

} // namespace varnel

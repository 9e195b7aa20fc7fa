#include "varnel/pattern/ClassCodeMatcher.h"

#include "varnel/common/DBC.h"
#include "varnel/pattern/Pcre2Code.h"
#include "varnel/pattern/Pcre2Writer.h"

namespace varnel {

std::shared_ptr<const ClassCodeMatcher>
ClassCodeMatcher::compile(const std::wstring& pattern, const IRegexSyntax& syntax,
                          std::shared_ptr<const LocaleClasses> classes, bool longest) {
    Pcre2Writer writer(Pcre2Writer::Mode::ClassCodes, classes);
    if (syntax.read_regex(pattern, writer)) {
        return nullptr;
    }
    const std::optional<Pcre2Pattern> written = std::move(writer).finish();
    if (!written) {
        return nullptr;
    }
    // Only a first-by-priority match can use the JIT; the longest match needs the DFA matcher.
    const auto compiled = Pcre2Code::compile(written->pattern, PCRE2_ALLOW_EMPTY_CLASS, !longest);
    const auto* code = std::get_if<std::shared_ptr<const Pcre2Code>>(&compiled);
    if (code == nullptr) {
        return nullptr;
    }
    return std::make_shared<const ClassCodeMatcher>(*code, std::move(classes), longest);
}

ClassCodeMatcher::ClassCodeMatcher(std::shared_ptr<const Pcre2Code> code,
                                   std::shared_ptr<const LocaleClasses> classes, bool longest)
    : code(std::move(code)), locale_classes(std::move(classes)), longest(longest) {}

std::optional<std::optional<CodeSpan>> ClassCodeMatcher::find(std::u16string_view codes,
                                                              std::size_t from, std::size_t to,
                                                              Extent extent) const {
    DBC_PRECONDITION(from <= to && to <= codes.size());
    const std::uint32_t options = extent == Extent::Whole ? PCRE2_ANCHORED | PCRE2_ENDANCHORED
                                  : extent == Extent::AnywhereNotEmpty ? PCRE2_NOTEMPTY
                                                                       : 0;
    thread_local std::vector<std::size_t> spans;
    const int found = code->match(codes.substr(0, to), from, options, longest, 0, spans);
    if (found == PCRE2_ERROR_NOMATCH) {
        return std::optional<CodeSpan>();
    }
    if (found < 0) {
        return std::nullopt;
    }
    return std::optional<CodeSpan>(CodeSpan{spans[0], spans[1]});
}

} // namespace varnel

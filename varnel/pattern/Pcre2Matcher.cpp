#include "varnel/pattern/Pcre2Matcher.h"

#include "varnel/common/DBC.h"

namespace varnel {

Pcre2Matcher::Pcre2Matcher(std::shared_ptr<const Pcre2Code> code, unsigned groups)
    : code(std::move(code)), groups(groups) {}

IRegexMatcher::Found Pcre2Matcher::find(std::u16string_view text, std::size_t start,
                                        bool not_empty_at_start,
                                        std::vector<std::size_t>& spans) const {
    const int result = code->match(text, start, not_empty_at_start ? PCRE2_NOTEMPTY_ATSTART : 0,
                                   false, groups, spans);
    if (result > 0) {
        return {Found::Match, {}};
    }
    switch (result) {
    case PCRE2_ERROR_NOMATCH:
        return {Found::NoMatch, {}};
    case PCRE2_ERROR_MATCHLIMIT:
    case PCRE2_ERROR_DEPTHLIMIT:
    case PCRE2_ERROR_HEAPLIMIT:
    case PCRE2_ERROR_JIT_STACKLIMIT:
    case PCRE2_ERROR_NOMEMORY:
        return {Found::TooComplex, Pcre2Code::message(result)};
    default:
        // The match data holds every group (result 0 would say it did not), and the rest are
        // errors of the call.
        DBC_UNREACHABLE();
    }
}

} // namespace varnel

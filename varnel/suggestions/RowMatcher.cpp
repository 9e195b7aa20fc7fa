#include "varnel/suggestions/RowMatcher.h"

#include "varnel/suggestions/TranslateMatcher.h"

#include <map>
#include <mutex>
#include <regex>
#include <string>
#include <tuple>

#define PCRE2_CODE_UNIT_WIDTH 16
#include <pcre2.h>

namespace varnel {

namespace {

namespace flags = std::regex_constants;

// The flags under which std::wregex reads a pattern as the translation does.
bool translatable(flags::syntax_option_type given) {
    const auto known = flags::ECMAScript | flags::__polynomial | flags::nosubs | flags::optimize;
    return (given & flags::ECMAScript) && (given & ~known) == flags::syntax_option_type();
}

// The classes of a locale are worked out once: it takes some milliseconds.
std::shared_ptr<const UnitClasses> classes_of(const std::locale& locale) {
    static std::map<std::string, std::shared_ptr<const UnitClasses>> known;
    const auto [entry, added] = known.try_emplace(locale.name());
    if (added) {
        auto classes = std::make_shared<const UnitClasses>(locale);
        entry->second = classes->usable() ? classes : nullptr;
    }
    return entry->second;
}

std::shared_ptr<const pcre2_real_code_16>
compile(const std::wstring& pattern, flags::syntax_option_type given, const UnitClasses& classes) {
    const auto translation = translate_matcher(pattern, classes);
    if (!translation) {
        return nullptr;
    }
    int error = 0;
    PCRE2_SIZE offset = 0;
    pcre2_code* code = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(translation->data()),
                                     translation->size(), 0, &error, &offset, nullptr);
    if (code == nullptr) {
        return nullptr;
    }
    // Only a first-by-priority match can use the JIT; the longest match needs the DFA matcher.
    if (!(given & flags::__polynomial)) {
        pcre2_jit_compile(code, PCRE2_JIT_COMPLETE);
    }
    return std::shared_ptr<const pcre2_real_code_16>(code, pcre2_code_free);
}

} // namespace

// A locale without a name cannot be told from another, so its rows keep their std::wregex.
std::shared_ptr<const RowMatcher> RowMatcher::of(const RegexDescription& row) {
    const auto given = row.matcher.flags();
    const std::string locale = row.matcher.getloc().name();
    if (!translatable(given) || row.matcher_pattern.empty() || locale == "*") {
        return std::make_shared<const RowMatcher>(row.matcher, nullptr, nullptr);
    }
    static std::mutex mutex;
    static std::map<std::tuple<std::wstring, unsigned, std::string>,
                    std::shared_ptr<const RowMatcher>>
        compiled;
    const std::lock_guard lock(mutex);
    const auto [entry, added] =
        compiled.try_emplace({row.matcher_pattern, static_cast<unsigned>(given), locale});
    if (added) {
        const auto classes = classes_of(row.matcher.getloc());
        entry->second = std::make_shared<const RowMatcher>(
            row.matcher, classes,
            classes ? compile(row.matcher_pattern, given, *classes) : nullptr);
    }
    return entry->second;
}

RowMatcher::RowMatcher(const std::wregex& matcher, std::shared_ptr<const UnitClasses> classes,
                       std::shared_ptr<const pcre2_real_code_16> code)
    : matcher(matcher), classes(std::move(classes)), code(std::move(code)),
      longest(static_cast<bool>(matcher.flags() & flags::__polynomial)) {}

std::optional<std::optional<Match>> RowMatcher::run(SampleText& text, std::size_t from,
                                                    std::size_t to, std::uint32_t options) const {
    const std::u16string* codes = code ? text.codes(*classes) : nullptr;
    if (codes == nullptr) {
        return std::nullopt;
    }
    const auto subject = reinterpret_cast<PCRE2_SPTR>(codes->data());
    pcre2_match_data* data = text.match_data();
    int found = 0;
    if (longest) {
        int workspace[1000];
        found = pcre2_dfa_match(code.get(), subject, to, from, options, data, nullptr, workspace,
                                sizeof workspace / sizeof workspace[0]);
    } else {
        found = pcre2_match(code.get(), subject, to, from, options, data, nullptr);
    }
    if (found == PCRE2_ERROR_NOMATCH) {
        return std::optional<Match>();
    }
    if (found < 0) {
        return std::nullopt;
    }
    const PCRE2_SIZE* span = pcre2_get_ovector_pointer(data);
    return std::optional<Match>(Match{span[0], span[1]});
}

std::optional<Match> RowMatcher::search(SampleText& text, std::size_t from, std::size_t to,
                                        bool not_null) const {
    if (const auto found = run(text, from, to, not_null ? PCRE2_NOTEMPTY : 0)) {
        return *found;
    }
    const auto begin = text.text().begin();
    std::match_results<std::wstring::const_iterator> match;
    if (!std::regex_search(begin + static_cast<std::ptrdiff_t>(from),
                           begin + static_cast<std::ptrdiff_t>(to), match, matcher,
                           not_null ? flags::match_not_null : flags::match_default)) {
        return std::nullopt;
    }
    const auto match_begin = from + static_cast<std::size_t>(match.position(0));
    return Match{match_begin, match_begin + static_cast<std::size_t>(match.length(0))};
}

bool RowMatcher::matches(SampleText& text) const {
    if (const auto found = run(text, 0, text.size(), PCRE2_ANCHORED | PCRE2_ENDANCHORED)) {
        return found->has_value();
    }
    return std::regex_match(text.text(), matcher);
}

} // namespace varnel

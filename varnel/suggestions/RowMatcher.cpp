#include "varnel/suggestions/RowMatcher.h"

#include "varnel/languages/ECMAScriptSyntax.h"

#include <map>
#include <mutex>
#include <regex>
#include <string>
#include <tuple>

namespace varnel {

namespace {

namespace flags = std::regex_constants;

// The flags under which std::wregex reads a pattern as the translation does.
bool translatable(flags::syntax_option_type given) {
    const auto known = flags::ECMAScript | flags::__polynomial | flags::nosubs | flags::optimize;
    return (given & flags::ECMAScript) && (given & ~known) == flags::syntax_option_type();
}

} // namespace

// A locale without a name cannot be told from another, so its rows keep their std::wregex.
std::shared_ptr<const RowMatcher> RowMatcher::of(const RegexDescription& row) {
    const auto given = row.matcher.flags();
    const std::string locale = row.matcher.getloc().name();
    if (!translatable(given) || row.matcher_pattern.empty() || locale == "*") {
        return std::make_shared<const RowMatcher>(row.matcher, nullptr);
    }
    static std::mutex mutex;
    static std::map<std::tuple<std::wstring, unsigned, std::string>,
                    std::shared_ptr<const RowMatcher>>
        compiled;
    const std::lock_guard lock(mutex);
    const auto [entry, added] =
        compiled.try_emplace({row.matcher_pattern, static_cast<unsigned>(given), locale});
    if (added) {
        const auto classes = LocaleClasses::of(row.matcher.getloc());
        // The engine std::wregex runs for the tables finds the longest of the matches at the
        // leftmost position.
        const bool longest = static_cast<bool>(given & flags::__polynomial);
        entry->second = std::make_shared<const RowMatcher>(
            row.matcher, classes->codes_usable()
                             ? ClassCodeMatcher::compile(row.matcher_pattern, ECMAScriptSyntax(),
                                                         classes, longest)
                             : nullptr);
    }
    return entry->second;
}

RowMatcher::RowMatcher(const std::wregex& matcher, std::shared_ptr<const ClassCodeMatcher> coded)
    : matcher(matcher), coded(std::move(coded)) {}

std::optional<std::optional<Match>> RowMatcher::run(SampleText& text, std::size_t from,
                                                    std::size_t to, Extent extent) const {
    const std::u16string* codes = coded ? text.codes(coded->classes()) : nullptr;
    if (codes == nullptr) {
        return std::nullopt;
    }
    const auto found = coded->find(*codes, from, to, extent);
    if (!found) {
        return std::nullopt;
    }
    if (!*found) {
        return std::optional<Match>();
    }
    return std::optional<Match>(Match{(*found)->begin, (*found)->end});
}

std::optional<Match> RowMatcher::search(SampleText& text, std::size_t from, std::size_t to,
                                        bool not_null) const {
    if (const auto found =
            run(text, from, to, not_null ? Extent::AnywhereNotEmpty : Extent::Anywhere)) {
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
    if (const auto found = run(text, 0, text.size(), Extent::Whole)) {
        return found->has_value();
    }
    return std::regex_match(text.text(), matcher);
}

} // namespace varnel

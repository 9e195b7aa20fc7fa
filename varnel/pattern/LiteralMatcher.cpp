#include "varnel/pattern/LiteralMatcher.h"

#include "varnel/common/DBC.h"

namespace varnel {

LiteralMatcher::LiteralMatcher(const LiteralRegex& regex)
    : regex(regex), searcher(this->regex.text.begin(), this->regex.text.end()) {
    DBC_PRECONDITION(!regex.text.empty());
}

IRegexMatcher::Found LiteralMatcher::find(std::u16string_view text, std::size_t start, bool,
                                          std::vector<std::size_t>& spans) const {
    DBC_PRECONDITION(start <= text.size());
    const auto found = searcher(text.begin() + static_cast<long>(start), text.end());
    if (found.first == text.end()) {
        return {Found::NoMatch, {}};
    }
    const auto begin = static_cast<std::size_t>(found.first - text.begin());
    spans.assign({begin, begin + regex.text.size()});
    for (const auto& [group_begin, group_end] : regex.groups) {
        spans.push_back(begin + group_begin);
        spans.push_back(begin + group_end);
    }
    return {Found::Match, {}};
}

} // namespace varnel

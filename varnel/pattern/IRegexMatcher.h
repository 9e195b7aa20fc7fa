#pragma once
// Finds the matches of one compiled regex. A matcher is immutable and shared: every call keeps
// its state to itself, so one matcher serves several threads at once.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace varnel {

class IRegexMatcher {
public:
    struct Found {
        enum Kind { Match, NoMatch, TooComplex };
        Kind kind;
        std::wstring reason; // TooComplex: which limit the search reached
    };

    // The leftmost match in text at or after start; with not_empty_at_start, a match beginning at
    // start counts only if it is not empty. On a Match, spans holds the begin and end of the match
    // and then of each group, npos for a group that took no part.
    virtual Found find(std::u16string_view text, std::size_t start, bool not_empty_at_start,
                       std::vector<std::size_t>& spans) const = 0;

    virtual ~IRegexMatcher() = default;
};

} // namespace varnel

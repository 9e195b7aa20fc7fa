#pragma once
// A named pattern's matcher as the suggestions run it. The standard library's regex engine tries
// every start position at a cost of about a hundred nanoseconds, which on a text of 100,000
// units and a dozen rows is a second or more of searching. Where the row's matcher pattern can be
// read by the ECMAScript syntax into class codes (varnel/pattern/ClassCodeMatcher.h), the pattern
// layer runs it instead, on the text's codes, with the same results: the leftmost match, and of
// the matches that begin there the one std::wregex picks (the first by priority, or the longest
// for a matcher built for the non-recursive engine). Other rows run their std::wregex.

#include "varnel/languages/IRegexLanguage.h"
#include "varnel/pattern/ClassCodeMatcher.h"
#include "varnel/suggestions/SampleText.h"

#include <memory>
#include <optional>

namespace varnel {

struct Match {
    std::size_t begin;
    std::size_t end;
};

class RowMatcher {
public:
    // The codes' pattern of a matcher is compiled once for each pattern and locale.
    static std::shared_ptr<const RowMatcher> of(const RegexDescription& row);

    // Whether a match depends on nothing but the units it covers: no anchors, no assertions. A
    // search of a longer text then finds every match that a search of a piece of it finds.
    bool reads_only_its_match() const { return coded != nullptr; }
    // The leftmost match in [from, to) of the text, read as a text of its own, as
    // std::regex_search finds it; with not_null, empty matches do not count.
    std::optional<Match> search(SampleText& text, std::size_t from, std::size_t to,
                                bool not_null) const;
    // Whether the matcher matches the whole text, as std::regex_match.
    bool matches(SampleText& text) const;

    RowMatcher(const std::wregex& matcher, std::shared_ptr<const ClassCodeMatcher> coded);

private:
    using Extent = ClassCodeMatcher::Extent;

    std::wregex matcher;
    std::shared_ptr<const ClassCodeMatcher> coded;

    // The match found in the codes; none when there is none, and itself none when the codes could
    // not be searched (a unit outside 16 bits, a limit reached) and the standard library must.
    std::optional<std::optional<Match>> run(SampleText& text, std::size_t from, std::size_t to,
                                            Extent extent) const;
};

} // namespace varnel

#pragma once
// A named pattern's matcher as the suggestions run it. The standard library's regex engine tries
// every start position at a cost of about a hundred nanoseconds, which on a text of 100,000
// units and a dozen rows is a second or more of searching. Where the row's matcher pattern can be
// translated (TranslateMatcher), PCRE2 runs it instead, on the text's codes, with the same
// results: the leftmost match, and of the matches that begin there the one std::wregex picks (the
// first by priority, or the longest for a matcher built for the non-recursive engine). Other rows
// run their std::wregex.

#include "varnel/languages/IRegexLanguage.h"
#include "varnel/suggestions/SampleText.h"

#include <memory>
#include <optional>

struct pcre2_real_code_16;

namespace varnel {

struct Match {
    std::size_t begin;
    std::size_t end;
};

class RowMatcher {
public:
    // The translation of a matcher pattern is compiled once for each pattern and locale.
    static std::shared_ptr<const RowMatcher> of(const RegexDescription& row);

    // Whether a match depends on nothing but the units it covers: no anchors, no assertions. A
    // search of a longer text then finds every match that a search of a piece of it finds.
    bool reads_only_its_match() const { return code != nullptr; }
    // The leftmost match in [from, to) of the text, read as a text of its own, as
    // std::regex_search finds it; with not_null, empty matches do not count.
    std::optional<Match> search(SampleText& text, std::size_t from, std::size_t to,
                                bool not_null) const;
    // Whether the matcher matches the whole text, as std::regex_match.
    bool matches(SampleText& text) const;

    RowMatcher(const std::wregex& matcher, std::shared_ptr<const UnitClasses> classes,
               std::shared_ptr<const pcre2_real_code_16> code);

private:
    std::wregex matcher;
    std::shared_ptr<const UnitClasses> classes;
    std::shared_ptr<const pcre2_real_code_16> code;
    // The engine std::wregex runs finds the longest of the matches at the leftmost position.
    bool longest;

    // The match PCRE2 finds in the codes; none when it finds none, and itself when PCRE2 could
    // not run (a unit outside 16 bits, a limit reached) and the standard library must.
    std::optional<std::optional<Match>> run(SampleText& text, std::size_t from, std::size_t to,
                                            std::uint32_t options) const;
};

} // namespace varnel

// The selection proposed in any regex text and the suggestions for any selection, in both
// languages. The proposal is the earliest stretch a named pattern recognises and parts no surrogate
// pair. The suggestions are either one per named pattern that matches the whole selection, in
// table order, or one rewrite whose patterns and literal pieces cover the selected text exactly;
// no pattern finds anything in what is left literal; nothing only when the selection is regex
// syntax or no pattern finds anything in it.

#include "fuzz/FuzzFailure.h"
#include "fuzz/FuzzInput.h"
#include "fuzz/FuzzTarget.h"
#include "tests/support/PrintableText.h"
#include "tests/support/SurrogatePairs.h"
#include "varnel/common/Utf8.h"
#include "varnel/languages/LanguageFactory.h"
#include "varnel/suggestions/MakeSelectionSuggestion.h"
#include "varnel/suggestions/MakeSuggestions.h"

#include <regex>
#include <set>
#include <utility>

using namespace varnel;

namespace {

// Suggestions are checked for selections up to this long, and a rewrite is checked to cover its
// selection, which tries many stretches per pattern, up to the shorter length; longer texts only
// slow the fuzzing down.
constexpr std::size_t max_selection_length = 200;
constexpr std::size_t max_covered_length = 64;

using Rows = std::vector<RegexDescription>;

struct Dialect {
    std::string name;
    Rows rows;
    std::shared_ptr<IRegexFormatting> formatting;
};

[[noreturn]] void fail(const Dialect& language, const std::wstring& text, const char* what) {
    fuzz_failure(language.name + ": \"" + printable(text) + "\": " + what);
}

// The row a pattern element stands for, or none for a literal piece.
const RegexDescription* row_of(const Rows& rows, const ISuggestionElement& element) {
    for (const RegexDescription& row : rows) {
        if (row.regex == element.regex() && row.name == element.short_description()) {
            return &row;
        }
    }
    return nullptr;
}

bool matches_whole(const RegexDescription& row, const std::wstring& text, std::size_t begin,
                   std::size_t end) {
    return std::regex_match(text.begin() + static_cast<std::ptrdiff_t>(begin),
                            text.begin() + static_cast<std::ptrdiff_t>(end), row.matcher);
}

// Whether the elements from index on can cover sample from position on: a literal piece with its
// own text, a pattern with a stretch its row matches as a whole. Failed states are remembered.
class Cover {
public:
    Cover(const Dialect& language, const std::vector<std::shared_ptr<ISuggestionElement>>& elements,
          const std::wstring& sample)
        : sample(sample) {
        for (const auto& element : elements) {
            pieces.push_back({row_of(language.rows, *element), element->long_description()});
        }
    }

    bool from(std::size_t index, std::size_t position) {
        if (index == pieces.size()) {
            return position == sample.size();
        }
        if (failed.count({index, position}) > 0) {
            return false;
        }
        const Piece& piece = pieces[index];
        bool covered = false;
        if (piece.row != nullptr) {
            for (std::size_t end = sample.size(); end > position && !covered; --end) {
                covered = next_fits(index, end) &&
                          matches_whole(*piece.row, sample, position, end) && from(index + 1, end);
            }
        } else {
            covered = sample.compare(position, piece.text.size(), piece.text) == 0 &&
                      from(index + 1, position + piece.text.size());
        }
        if (!covered) {
            failed.insert({index, position});
        }
        return covered;
    }

private:
    // An element: the row of a pattern, or the text of a literal piece.
    struct Piece {
        const RegexDescription* row;
        std::wstring text;
    };

    // Whether the element after index can begin at position: a cheap test that spares most
    // matches of a pattern against stretches that could not be its own.
    bool next_fits(std::size_t index, std::size_t position) const {
        if (index + 1 == pieces.size()) {
            return position == sample.size();
        }
        const Piece& next = pieces[index + 1];
        return next.row != nullptr || sample.compare(position, next.text.size(), next.text) == 0;
    }

    const std::wstring& sample;
    std::vector<Piece> pieces;
    std::set<std::pair<std::size_t, std::size_t>> failed;
};

void check_composite(const Dialect& language, const Suggestion& suggestion,
                     const std::wstring& text, const std::wstring& sample) {
    const auto& elements = suggestion.elements;
    if (elements.size() < 2) {
        fail(language, text, "a rewrite of fewer than two elements");
    }
    bool literal_before = false;
    for (const auto& element : elements) {
        const bool literal = row_of(language.rows, *element) == nullptr;
        const std::wstring piece = element->long_description();
        if (literal && (literal_before || piece.empty() || element->short_description() != piece ||
                        element->regex() != language.formatting->escape_regex(piece))) {
            fail(language, text, "a literal piece is not one escaped stretch of text");
        }
        // Every stretch a pattern recognises is claimed: none is left in a literal piece.
        for (const RegexDescription& row : language.rows) {
            if (literal && std::regex_search(piece, row.matcher)) {
                fail(language, text, "a literal piece holds a stretch a pattern recognises");
            }
        }
        if (!literal && !element->long_description().empty()) {
            fail(language, text, "a pattern in a rewrite carries a description");
        }
        literal_before = literal;
    }
    if (sample.size() <= max_covered_length && !Cover(language, elements, sample).from(0, 0)) {
        fail(language, text, "the rewrite does not cover the selected text");
    }
}

void check_suggestions(const Dialect& language, const std::wstring& text) {
    const std::vector<Suggestion> suggestions =
        make_suggestions(text, language.rows, language.formatting);
    if (language.formatting->has_special_characters(text)) {
        if (!suggestions.empty()) {
            fail(language, text, "suggestions for regex syntax");
        }
        return;
    }
    const std::wstring sample = language.formatting->unescape_regex(text);
    std::vector<const RegexDescription*> whole_rows;
    bool found_any = false;
    for (const RegexDescription& row : language.rows) {
        if (matches_whole(row, sample, 0, sample.size())) {
            whole_rows.push_back(&row);
        }
        found_any = found_any || std::regex_search(sample, row.matcher);
    }
    if (!whole_rows.empty()) {
        bool same = suggestions.size() == whole_rows.size();
        for (std::size_t i = 0; same && i < suggestions.size(); ++i) {
            const auto& elements = suggestions[i].elements;
            same = elements.size() == 1 && row_of(language.rows, *elements[0]) == whole_rows[i] &&
                   elements[0]->long_description() == whole_rows[i]->description;
        }
        if (!same) {
            fail(language, text, "not one suggestion per pattern that matches the whole text");
        }
    } else if (suggestions.size() == 1) {
        check_composite(language, suggestions[0], text, sample);
    } else if (!suggestions.empty() || found_any) {
        fail(language, text, "no single rewrite although patterns find pieces of the text");
    }
}

// Checks the proposal and returns the proposed stretch, when there is one.
std::optional<std::wstring> check_selection(const Dialect& language, const std::wstring& text) {
    const auto proposal = make_selection_suggestion(text, language.rows, language.formatting);
    std::size_t earliest = text.size() + 1;
    for (const RegexDescription& row : language.rows) {
        std::wsmatch match;
        if (std::regex_search(text, match, row.matcher)) {
            earliest = std::min(earliest, static_cast<std::size_t>(match.position(0)));
        }
    }
    if (!proposal) {
        if (earliest <= text.size()) {
            fail(language, text, "no proposal although a pattern finds a stretch");
        }
        return std::nullopt;
    }
    const std::size_t start = proposal->start;
    const std::size_t end = proposal->end;
    bool recognised = false;
    for (const RegexDescription& row : language.rows) {
        recognised = recognised || (start < end && matches_whole(row, text, start, end));
    }
    if (start != earliest || !recognised) {
        fail(language, text, "the proposal is not the earliest stretch a pattern recognises");
    }
    if (whole_characters(text) &&
        (cuts_surrogate_pair(text, start) || cuts_surrogate_pair(text, end))) {
        fail(language, text, "the proposal parts a surrogate pair");
    }
    return text.substr(start, end - start);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const std::wstring text = input.take_text();
    static const LanguageFactory factory;
    static const std::vector<Dialect> languages = [] {
        std::vector<Dialect> result;
        for (const Language language : all_languages) {
            result.push_back({utf16_to_utf8(std::wstring(names_of(language)->caption)),
                              factory.regex_language(language).regex_descriptions(),
                              factory.regex_formatting_ptr(language)});
        }
        return result;
    }();
    for (const Dialect& language : languages) {
        // As in the window: the proposal is selected, and the selection asks for suggestions.
        const std::optional<std::wstring> selected = check_selection(language, text);
        for (const std::wstring* selection : {&text, selected ? &*selected : nullptr}) {
            if (selection != nullptr && selection->size() <= max_selection_length) {
                check_suggestions(language, *selection);
            }
        }
    }
    return 0;
}

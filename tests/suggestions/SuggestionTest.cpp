#include "varnel/suggestions/Suggestion.h"

#include <gtest/gtest.h>

using namespace varnel;

namespace {

using ElementList = std::vector<std::shared_ptr<ISuggestionElement>>;

std::shared_ptr<ISuggestionElement>
pattern(const std::wstring& regex, const std::wstring& description, const std::wstring& name) {
    return std::make_shared<RegexSuggestionElement>(regex, description, name);
}

std::shared_ptr<ISuggestionElement> text(const std::wstring& regex, const std::wstring& text) {
    return std::make_shared<TextSuggestionElement>(regex, text);
}

struct SuggestionCase {
    ElementList elements;
    std::wstring regex;
    std::wstring long_description;
    std::wstring short_description;
};

} // namespace

TEST(SuggestionTest, regex_and_descriptions_of_element_sequences) {
    const SuggestionCase cases[] = {
        {{}, L"", L"", L""},
        {{pattern(L":z", L"Integer", L"Integer")}, L":z", L"Integer", L"Integer"},
        {{pattern(L":h", L"Hexadecimal number", L"Hexadecimal")},
         L":h",
         L"Hexadecimal number",
         L"Hexadecimal"},
        // Alone, a pattern shows its description even when that is empty.
        {{pattern(L":i", L"", L"Identifier")}, L":i", L"", L"Identifier"},
        {{text(L"\\.", L".")}, L"\\.", L".", L"."},
        {{pattern(L":i", L"", L"Identifier"), text(L"\\.", L"."),
          pattern(L":i", L"", L"Identifier")},
         L":i\\.:i",
         L"Identifier . Identifier",
         L"Identifier . Identifier"},
        {{pattern(L":i", L"", L"Identifier"), pattern(L":Wh+", L"", L"Whitespace"),
          pattern(L":i", L"", L"Identifier")},
         L":i:Wh+:i",
         L"Identifier Whitespace Identifier",
         L"Identifier Whitespace Identifier"},
        // A space goes in only after something has been written.
        {{pattern(L"a", L"x", L""), pattern(L":z", L"y", L"Integer")},
         L"a:z",
         L"Integer",
         L"Integer"},
        {{pattern(L":z", L"y", L"Integer"), pattern(L"a", L"x", L"")},
         L":za",
         L"Integer ",
         L"Integer "},
        {{text(L"", L""), text(L"", L""), text(L"b", L"b")}, L"b", L"b", L"b"},
    };
    for (const auto& c : cases) {
        const Suggestion suggestion(c.elements);
        EXPECT_EQ(suggestion.regex(), c.regex);
        EXPECT_EQ(suggestion.long_description(), c.long_description) << c.regex;
        EXPECT_EQ(suggestion.short_description(), c.short_description) << c.regex;
    }
}

TEST(SuggestionTest, copies_share_their_elements) {
    const Suggestion original({pattern(L":i", L"", L"Identifier"), text(L"\\.", L".")});
    const Suggestion copy = original;
    ASSERT_EQ(copy.elements.size(), 2u);
    EXPECT_EQ(copy.elements[0].get(), original.elements[0].get());
    EXPECT_EQ(copy.elements[1].get(), original.elements[1].get());
    EXPECT_EQ(copy.regex(), original.regex());
    EXPECT_EQ(copy.long_description(), original.long_description());
}

#include "varnel/languages/LanguageFactory.h"

#include "tests/support/ThrowingAssertHandler.h"

#include <gtest/gtest.h>

using namespace varnel;

namespace {

using Language = Language;

struct LanguageCase {
    Language language;
    std::wstring group;
    std::size_t pattern_count;
    std::wstring first_special;
};

const LanguageCase language_cases[] = {
    {Language::VisualStudio, L"{x}", 12, L"*"}, {Language::ECMAScript, L"(x)", 7, L"*"},
    {Language::JavaScript, L"(x)", 10, L"*"},   {Language::PCRE, L"(x)", 12, L"*"},
    {Language::Python, L"(x)", 9, L"*"},        {Language::PosixERE, L"(x)", 13, L"*"},
};

} // namespace

TEST(LanguageFactoryTest, languages_in_menu_order) {
    EXPECT_EQ(
        std::vector<Language>(all_languages.begin(), all_languages.end()),
        (std::vector<Language>{Language::VisualStudio, Language::ECMAScript, Language::JavaScript,
                               Language::PCRE, Language::Python, Language::PosixERE}));
    // The settings store and the command line keep these values and names.
    EXPECT_EQ(static_cast<std::int32_t>(Language::VisualStudio), 0);
    EXPECT_EQ(static_cast<std::int32_t>(Language::ECMAScript), 1);
    EXPECT_EQ(language_on_command_line("posix-ere"), Language::PosixERE);
    EXPECT_EQ(language_stored_as(L"python"), Language::Python);
}

TEST(LanguageFactoryTest, each_language_gets_its_own_tables_and_rules) {
    const LanguageFactory factory;
    for (const auto& c : language_cases) {
        EXPECT_EQ(factory.regex_formatting(c.language).make_group(L"x"), c.group);
        EXPECT_EQ(factory.regex_language(c.language).regex_descriptions().size(), c.pattern_count);
    }
    EXPECT_NE(&factory.regex_language(Language::VisualStudio),
              &factory.regex_language(Language::ECMAScript));
}

TEST(LanguageFactoryTest, reference_and_pointer_forms_hand_out_the_same_object) {
    const LanguageFactory factory;
    for (const auto language : all_languages) {
        EXPECT_EQ(&factory.regex_language(language), factory.regex_language_ptr(language).get());
        EXPECT_EQ(&factory.regex_formatting(language),
                  factory.regex_formatting_ptr(language).get());
        EXPECT_EQ(factory.regex_language_ptr(language), factory.regex_language_ptr(language));
    }
}

TEST(LanguageFactoryTest, pointers_outlive_the_factory) {
    std::shared_ptr<IRegexFormatting> formatting;
    std::shared_ptr<IRegexLanguage> language;
    {
        const LanguageFactory factory;
        formatting = factory.regex_formatting_ptr(Language::ECMAScript);
        language = factory.regex_language_ptr(Language::VisualStudio);
    }
    EXPECT_EQ(formatting->escape_regex(L"1+1"), L"1\\+1");
    EXPECT_EQ(formatting->make_back_reference(12), L"$12");
    EXPECT_EQ(language->string_elements().size(), 10u);
}

TEST(LanguageFactoryTest, an_unknown_language_is_a_failed_precondition) {
    const LanguageFactory factory;
    const auto pre = DBC::IAssertHandler::precondition;
    for (const std::int32_t value : {6, -1, 1000}) {
        const auto language = static_cast<Language>(value);
        EXPECT_CONTRACT_VIOLATION(factory.regex_language(language), pre);
        EXPECT_CONTRACT_VIOLATION(factory.regex_formatting(language), pre);
        EXPECT_CONTRACT_VIOLATION(factory.regex_language_ptr(language), pre);
        EXPECT_CONTRACT_VIOLATION(factory.regex_formatting_ptr(language), pre);
    }
}

#include "varnel/core/PartedStringsToRegex.h"

#include "tests/support/ThrowingAssertHandler.h"
#include "varnel/languages/ECMAScriptFormatting.h"
#include "varnel/languages/VisualStudioFormatting.h"

#include <gtest/gtest.h>

using namespace varnel;

namespace {

const VisualStudioFormatting visual_studio;
const ECMAScriptFormatting ecmascript;

StringPart common(const std::wstring& text, std::uint32_t group) {
    return StringPart(text, group, StringPart::Common);
}

} // namespace

TEST(PartedStringsToRegexTest, literals_groups_and_back_references) {
    const PartedStrings literal_only({StringPart(L"a.b\\")}, {StringPart(L"5$\\")});
    const PartedStrings only_common({common(L"1.5", 0)}, {common(L"1.5", 0)});
    // A literal digit after a back reference must not be read as part of its number.
    const PartedStrings digit_after({common(L"ab", 0)}, {common(L"ab", 0), StringPart(L"2")});
    const struct {
        const PartedStrings& parted;
        const IRegexFormatting& formatting;
        ReplaceRegex expected;
    } cases[] = {
        {literal_only, ecmascript, {L"a\\.b\\\\", L"5$$\\"}},
        {literal_only, visual_studio, {L"a\\.b\\\\", L"5$\\\\"}},
        {only_common, ecmascript, {L"(1\\.5)", L"$1"}},
        {only_common, visual_studio, {L"{1\\.5}", L"\\1"}},
        {digit_after, ecmascript, {L"(ab)", L"$012"}},
        {digit_after, visual_studio, {L"{ab}", L"\\12"}},
    };
    for (const auto& c : cases) {
        const ReplaceRegex actual = parted_strings_to_regex(c.parted, c.formatting);
        EXPECT_EQ(actual.regex, c.expected.regex);
        EXPECT_EQ(actual.format, c.expected.format);
    }
}

TEST(PartedStringsToRegexTest, a_reference_to_a_missing_group_is_unreachable) {
    PartedStrings parted({StringPart(L"a")}, {StringPart(L"a")});
    parted.replace_parts.push_back(common(L"a", 7));
    EXPECT_CONTRACT_VIOLATION(parted_strings_to_regex(parted, ecmascript),
                              DBC::IAssertHandler::unreachable);
}

#include "core/PartedStringsToRegex.h"

#include "languages/ECMAScriptFormatting.h"
#include "languages/VisualStudioFormatting.h"
#include "tests/support/ThrowingAssertHandler.h"

#include <gtest/gtest.h>

namespace {

const VisualStudioFormatting visual_studio;
const ECMAScriptFormatting ecmascript;

StringPart common(const std::wstring& text, std::uint32_t group) {
    return StringPart(text, group, StringPart::Common);
}

} // namespace

TEST(PartedStringsToRegexTest, groups_are_numbered_by_their_place_in_the_regex) {
    const PartedStrings john_smith(
        {common(L"John", 1), common(L" ", 2), common(L"Smith", 0)},
        {common(L"Smith", 0), StringPart(L","), common(L" ", 2), common(L"John", 1)});
    const PartedStrings literal_only({StringPart(L"a.b\\")}, {StringPart(L"5$\\")});
    const PartedStrings only_common({common(L"1.5", 0)}, {common(L"1.5", 0)});
    // A literal digit after a back reference must not be read as part of its number.
    const PartedStrings digit_after({common(L"ab", 0)}, {common(L"ab", 0), StringPart(L"2")});
    const struct {
        const PartedStrings& parted;
        const IRegexFormatting& formatting;
        ReplaceRegex expected;
    } cases[] = {
        {john_smith, ecmascript, {L"(John)( )(Smith)", L"$3,$2$1"}},
        {john_smith, visual_studio, {L"{John}{ }{Smith}", L"\\3,\\2\\1"}},
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

#include "tests/support/ReplaceOracle.h"

#include "tests/support/PrintableText.h"
#include "tests/support/SurrogatePairs.h"
#include "varnel/languages/ECMAScriptFormatting.h"
#include "varnel/languages/VisualStudioFormatting.h"

#include <regex>

namespace varnel {

namespace {

const VisualStudioFormatting visual_studio;
const ECMAScriptFormatting ecmascript;

struct Applied {
    std::wstring replacement;
    unsigned int groups = 0;
    std::string fault;
};

Applied apply_ecmascript(const std::wstring& search, const ReplaceRegex& result) {
    try {
        const std::wregex regex(result.regex);
        return {std::regex_replace(search, regex, result.format,
                                   std::regex_constants::format_first_only),
                static_cast<unsigned int>(regex.mark_count()),
                {}};
    } catch (const std::regex_error& error) {
        return {{}, 0, std::string("the regex does not compile: ") + error.what()};
    }
}

// In the regex, a backslash escapes the unit after it and braces make a group; in the format, a
// backslash and one digit refer to a group, two backslashes stand for one, anything else is
// literal.
Applied apply_visual_studio(const std::wstring& search, const ReplaceRegex& result) {
    std::wstring regex;
    for (std::size_t i = 0; i < result.regex.size(); ++i) {
        const wchar_t c = result.regex[i];
        if (c == L'\\' && i + 1 < result.regex.size()) {
            regex += ecmascript.escape_regex(std::wstring(1, result.regex[++i]));
        } else if (c == L'{' || c == L'}') {
            regex += c == L'{' ? L'(' : L')';
        } else if (visual_studio.has_special_characters(std::wstring(1, c))) {
            return {{}, 0, "unescaped special character at " + std::to_string(i) + " of the regex"};
        } else {
            regex += ecmascript.escape_regex(std::wstring(1, c));
        }
    }
    std::wsmatch match;
    if (!std::regex_match(search, match, std::wregex(regex))) {
        return {{}, 0, "the regex does not match the search sample"};
    }
    Applied applied{L"", static_cast<unsigned int>(match.size() - 1), {}};
    const std::wstring& format = result.format;
    for (std::size_t i = 0; i < format.size(); ++i) {
        const wchar_t next = i + 1 < format.size() ? format[i + 1] : L'\0';
        if (format[i] == L'\\' && next >= L'0' && next <= L'9') {
            applied.replacement += match[next - L'0'].str();
            ++i;
        } else if (format[i] == L'\\' && next == L'\\') {
            applied.replacement += L'\\';
            ++i;
        } else {
            applied.replacement += format[i];
        }
    }
    return applied;
}

std::string find_fault(const std::wstring& search, const std::wstring& replace,
                       const ReplaceRegex& result, Language language, const Applied& applied) {
    if (!applied.fault.empty()) {
        return applied.fault;
    }
    if (applied.replacement != replace) {
        return "applied, it gives \"" + printable(applied.replacement) + "\"";
    }
    const IRegexFormatting& formatting = language == Language::VisualStudio
                                             ? static_cast<const IRegexFormatting&>(visual_studio)
                                             : ecmascript;
    if (applied.groups > formatting.max_back_reference()) {
        return std::to_string(applied.groups) + " groups";
    }
    // The regex is the search sample with syntax put in, so it holds every pair the sample holds
    // unless a group bracket or an escape landed inside one.
    if (count_surrogate_pairs(result.regex) != count_surrogate_pairs(search)) {
        return "a surrogate pair of the search sample is parted in the regex";
    }
    if (whole_characters(replace) && !whole_characters(result.format)) {
        return "a surrogate pair of the replacement sample is parted in the format";
    }
    return {};
}

} // namespace

ReplaceVerdict judge_replace_regex(const std::wstring& search, const std::wstring& replace,
                                   const ReplaceRegex& result, Language language) {
    const Applied applied = language == Language::VisualStudio ? apply_visual_studio(search, result)
                                                               : apply_ecmascript(search, result);
    std::string fault = find_fault(search, replace, result, language, applied);
    if (!fault.empty()) {
        fault = (language == Language::VisualStudio ? "Visual Studio: \"" : "ECMAScript: \"") +
                printable(search) + "\" / \"" + printable(replace) + "\" gave \"" +
                printable(result.regex) + "\" / \"" + printable(result.format) + "\": " + fault;
    }
    return {applied.groups, fault};
}

} // namespace varnel

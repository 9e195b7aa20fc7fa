#include "tests/support/ReplaceOracle.h"

#include "tests/support/PrintableText.h"
#include "tests/support/SurrogatePairs.h"
#include "varnel/languages/ECMAScriptFormatting.h"
#include "varnel/languages/VisualStudioFormatting.h"

#include <optional>
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

// A Visual Studio regex as ECMAScript: a backslash escapes the unit after it and braces make a
// group; none when a special character stands unescaped.
std::optional<std::wstring> visual_studio_as_ecmascript(const std::wstring& written) {
    std::wstring regex;
    for (std::size_t i = 0; i < written.size(); ++i) {
        const wchar_t c = written[i];
        if (c == L'\\' && i + 1 < written.size()) {
            regex += ecmascript.escape_regex(std::wstring(1, written[++i]));
        } else if (c == L'{' || c == L'}') {
            regex += c == L'{' ? L'(' : L')';
        } else if (visual_studio.has_special_characters(std::wstring(1, c))) {
            return std::nullopt;
        } else {
            regex += ecmascript.escape_regex(std::wstring(1, c));
        }
    }
    return regex;
}

// The group a format refers to at format[i] and the length of the reference, by each language's
// documented reading: "\N" (Visual Studio, sed), "\N", "\NN" or "\g<N>" (Python), "$N..." or
// "${N}" (Perl); sed's "&" is group 0. None when no reference starts there.
std::optional<std::pair<unsigned, std::size_t>>
reference_at(Language language, const std::wstring& format, std::size_t i) {
    const auto is_digit = [&](std::size_t at) {
        return at < format.size() && format[at] >= L'0' && format[at] <= L'9';
    };
    const auto number = [&](std::size_t from, std::size_t most) {
        std::size_t end = from;
        unsigned value = 0;
        while (end - from < most && is_digit(end)) {
            value = value * 10 + static_cast<unsigned>(format[end++] - L'0');
        }
        return std::pair{value, end - from};
    };
    const auto closed = [&](std::size_t from, wchar_t close) {
        const auto [value, digits] = number(from, format.size());
        const bool ok =
            digits > 0 && from + digits < format.size() && format[from + digits] == close;
        return ok ? std::optional(std::pair{value, from + digits + 1 - i}) : std::nullopt;
    };
    const wchar_t sign = language == Language::PCRE ? L'$' : L'\\';
    if (language == Language::PosixERE && format[i] == L'&') {
        return std::pair{0u, std::size_t{1}};
    }
    if (format[i] != sign) {
        return std::nullopt;
    }
    if (language == Language::Python && format.compare(i + 1, 2, L"g<") == 0) {
        return closed(i + 3, L'>');
    }
    if (language == Language::PCRE && i + 1 < format.size() && format[i + 1] == L'{') {
        return closed(i + 2, L'}');
    }
    const std::size_t most = language == Language::PCRE     ? format.size()
                             : language == Language::Python ? 2
                                                            : 1;
    const auto [value, digits] = number(i + 1, most);
    return digits == 0 ? std::nullopt : std::optional(std::pair{value, digits + 1});
}

// The format applied to the match: each reference by the language's reading, an escaped
// character as itself (the escape being the backslash, "\\$" in Perl, "\\&" in sed).
std::wstring expand(Language language, const std::wstring& format, const std::wsmatch& match) {
    if (language == Language::ECMAScript || language == Language::JavaScript) {
        return match.format(format);
    }
    const std::wstring escaped = language == Language::PCRE       ? L"\\$"
                                 : language == Language::PosixERE ? L"\\&"
                                                                  : L"\\";
    std::wstring replacement;
    for (std::size_t i = 0; i < format.size();) {
        if (format[i] == L'\\' && i + 1 < format.size() &&
            escaped.find(format[i + 1]) != std::wstring::npos) {
            replacement += format[i + 1];
            i += 2;
        } else if (const auto reference = reference_at(language, format, i)) {
            replacement += match[reference->first].str();
            i += reference->second;
        } else {
            replacement += format[i++];
        }
    }
    return replacement;
}

// Every language but Visual Studio escapes what the inference writes as ECMAScript does and makes
// groups with parentheses, so the standard library reads the regex; the format is read here.
Applied apply(Language language, const std::wstring& search, const ReplaceRegex& result) {
    const auto regex = language == Language::VisualStudio
                           ? visual_studio_as_ecmascript(result.regex)
                           : std::optional(result.regex);
    if (!regex) {
        return {{}, 0, "an unescaped special character in the regex"};
    }
    std::wsmatch match;
    try {
        if (!std::regex_match(search, match, std::wregex(*regex))) {
            return {{}, 0, "the regex does not match the search sample"};
        }
    } catch (const std::regex_error& error) {
        return {{}, 0, std::string("the regex does not compile: ") + error.what()};
    }
    return {
        expand(language, result.format, match), static_cast<unsigned int>(match.size() - 1), {}};
}

std::string find_fault(const std::wstring& search, const std::wstring& replace,
                       const ReplaceRegex& result, Language language, const Applied& applied) {
    if (!applied.fault.empty()) {
        return applied.fault;
    }
    if (applied.replacement != replace) {
        return "applied, it gives \"" + printable(applied.replacement) + "\"";
    }
    static const LanguageFactory factory;
    if (applied.groups > factory.regex_formatting(language).max_back_reference()) {
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
    const Applied applied = apply(language, search, result);
    std::string fault = find_fault(search, replace, result, language, applied);
    if (!fault.empty()) {
        const std::wstring_view caption = names_of(language)->caption;
        fault = std::string(caption.begin(), caption.end()) + ": \"" + printable(search) +
                "\" / \"" + printable(replace) + "\" gave \"" + printable(result.regex) +
                "\" / \"" + printable(result.format) + "\": " + fault;
    }
    return {applied.groups, fault};
}

} // namespace varnel

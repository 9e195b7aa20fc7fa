#include "varnel/languages/JavaScriptFormatting.h"

#include "varnel/languages/CharacterClasses.h"
#include "varnel/languages/CodeQuoting.h"

namespace varnel {

JavaScriptFormatting::JavaScriptFormatting()
    : CommonFormatting(L'(', L')', L"\\^$.*+?()[]{}|",
                       {FormatSyntax::References::TwoDigits, L'$', L'$', L"$", 0}) {}

std::wstring JavaScriptFormatting::one_of(CharacterClass kind) const {
    return unicode_property_class(kind);
}

std::optional<std::wstring> JavaScriptFormatting::code(const std::wstring& regex,
                                                       const std::wstring& format,
                                                       const std::vector<std::wstring>&) const {
    // A regex literal ends at an unescaped "/" and at a line terminator; "//" opens a comment.
    std::wstring body;
    for (const wchar_t c : escape_unescaped(regex, L"/")) {
        body += c == 0x2028 ? L"\\u2028" : c == 0x2029 ? L"\\u2029" : std::wstring(1, c);
    }
    body = body.empty() ? L"(?:)" : escape_line_breaks(body);
    return L"text.replace(/" + body + L"/gu, " + quoted_string(format) + L")";
}

} // namespace varnel

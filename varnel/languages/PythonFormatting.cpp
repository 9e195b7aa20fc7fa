#include "varnel/languages/PythonFormatting.h"

#include "varnel/common/DBC.h"
#include "varnel/languages/CodeQuoting.h"

#include <algorithm>

namespace varnel {

namespace {

// A raw string where one can hold the text, as Python's users write patterns; otherwise an
// escaped one. A raw string cannot hold its quote, a line break or an odd backslash at its end.
std::wstring python_string(const std::wstring& text) {
    const bool plain = std::none_of(text.begin(), text.end(), [](wchar_t c) { return c < 0x20; });
    const std::size_t last = text.find_last_not_of(L'\\');
    const std::size_t trailing = text.size() - (last == std::wstring::npos ? 0 : last + 1);
    for (const wchar_t quote : {L'\'', L'"'}) {
        if (plain && trailing % 2 == 0 && text.find(quote) == std::wstring::npos) {
            return L"r" + (quote + text) + quote;
        }
    }
    return quoted_string(text);
}

} // namespace

PythonFormatting::PythonFormatting()
    : CommonFormatting(L'(', L')', L"\\^$.*+?()[]{}|",
                       {FormatSyntax::References::Named, L'\\', L'\\', L"\\", 0}) {}

std::wstring PythonFormatting::one_of(CharacterClass kind) const {
    // re knows no Unicode properties: letters are the word characters but digits and "_".
    switch (kind) {
    case CharacterClass::Letter:
        return L"[^\\W\\d_]";
    case CharacterClass::Uppercase:
        return L"[A-Z]";
    case CharacterClass::Lowercase:
        return L"[a-z]";
    case CharacterClass::Alphanumeric:
        return L"[^\\W_]";
    case CharacterClass::Punctuation:
        return L"(?:[^\\w\\s]|_)";
    case CharacterClass::Digit:
        return L"\\d";
    case CharacterClass::Whitespace:
        return L"\\s";
    }
    DBC_UNREACHABLE();
}

std::optional<std::wstring> PythonFormatting::code(const std::wstring& regex,
                                                   const std::wstring& format,
                                                   const std::vector<std::wstring>&) const {
    return L"re.sub(" + python_string(regex) + L", " + python_string(format) + L", text)";
}

} // namespace varnel

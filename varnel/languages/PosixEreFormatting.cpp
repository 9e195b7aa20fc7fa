#include "varnel/languages/PosixEreFormatting.h"

#include "varnel/languages/CharacterClasses.h"
#include "varnel/languages/CodeQuoting.h"

namespace varnel {

PosixEreFormatting::PosixEreFormatting()
    : CommonFormatting(L'(', L')', L"\\^$.*+?()[]{}|",
                       {FormatSyntax::References::OneDigit, L'\\', L'\\', L"\\&", L'&'}) {}

std::wstring PosixEreFormatting::one_of(CharacterClass kind) const {
    return posix_class(kind);
}

std::wstring PosixEreFormatting::any_text(bool) const {
    return L".*";
}

std::optional<std::wstring> PosixEreFormatting::code(const std::wstring& regex,
                                                     const std::wstring& format,
                                                     const std::vector<std::wstring>& files) const {
    // GNU sed reads "\n" and "\r" in both halves; a line break itself would end the command.
    const auto half = [](const std::wstring& text) {
        return escape_line_breaks(escape_unescaped(text, L"/"));
    };
    return L"sed -E " + shell_quote(L"s/" + half(regex) + L"/" + half(format) + L"/g") +
           shell_arguments(files);
}

} // namespace varnel

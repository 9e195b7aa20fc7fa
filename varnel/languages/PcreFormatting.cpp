#include "varnel/languages/PcreFormatting.h"

#include "varnel/languages/CharacterClasses.h"
#include "varnel/languages/CodeQuoting.h"

namespace varnel {

PcreFormatting::PcreFormatting()
    : CommonFormatting(L'(', L')', L"\\^$.*+?()[]{}|",
                       {FormatSyntax::References::Braced, L'$', L'\\', L"\\$", 0}) {}

std::wstring PcreFormatting::one_of(CharacterClass kind) const {
    return unicode_property_class(kind);
}

std::optional<std::wstring> PcreFormatting::code(const std::wstring& regex,
                                                 const std::wstring& format,
                                                 const std::vector<std::wstring>& files) const {
    // Perl interpolates "@name" in both halves and ends each at "/". -CSD and utf8 read the files
    // and the program as UTF-8 characters, /a keeps \d, \w, \s and the POSIX classes in ASCII as
    // PCRE2 does, and -l keeps the line ending out of the text the regex sees.
    const std::wstring substitution =
        L"s/" + escape_unescaped(regex, L"/@") + L"/" + escape_unescaped(format, L"/@") + L"/ga";
    return L"perl -CSD -Mutf8 -lpe " + shell_quote(substitution) + shell_arguments(files);
}

} // namespace varnel

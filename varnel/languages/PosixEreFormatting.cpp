#include "varnel/languages/PosixEreFormatting.h"

#include "varnel/common/Utf8.h"
#include "varnel/languages/CharacterClasses.h"
#include "varnel/languages/CodeQuoting.h"
#include "varnel/languages/PosixEreSyntax.h"

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

std::optional<CharSet> PosixEreFormatting::dot() const {
    return PosixEreSyntax::dot();
}

std::optional<std::wstring> PosixEreFormatting::bracket_character(char32_t c) const {
    if (c == U'\\' || c == U']') {
        return std::nullopt;
    }
    return utf16_of(c);
}

std::optional<std::wstring> PosixEreFormatting::bracket_class(const CharSet::Item& item) const {
    // "[:w:]" would be read, but sed knows no such class.
    if (item.kind != CharSet::Item::Class || item.locale_class == LocaleClass::Word) {
        return std::nullopt;
    }
    return L"[:" + std::wstring(name_of(item.locale_class)) + L":]";
}

std::optional<std::wstring> PosixEreFormatting::class_alone(const CharSet::Item& item) const {
    // "\w" and "\s" as Perl has them, but no "\d".
    if ((item.kind == CharSet::Item::Class || item.kind == CharSet::Item::ClassComplement) &&
        item.locale_class == LocaleClass::Digit) {
        return std::nullopt;
    }
    return CommonFormatting::class_alone(item);
}

std::optional<std::wstring>
PosixEreFormatting::write_assertion(IRegexBuilder::Assertion kind) const {
    using Assertion = IRegexBuilder::Assertion;
    if (kind == Assertion::WordStart || kind == Assertion::WordEnd) {
        return kind == Assertion::WordStart ? L"\\<" : L"\\>";
    }
    return CommonFormatting::write_assertion(kind);
}

std::optional<std::wstring>
PosixEreFormatting::write_repeat(const IRegexBuilder::Repeat& repeat) const {
    if (repeat.lazy) {
        return std::nullopt;
    }
    return CommonFormatting::write_repeat(repeat);
}

std::optional<std::wstring> PosixEreFormatting::write_open_group(IRegexBuilder::Group kind) const {
    // Any other group would take a number of its own and move the references after it.
    if (kind != IRegexBuilder::Group::Capturing) {
        return std::nullopt;
    }
    return CommonFormatting::write_open_group(kind);
}

} // namespace varnel

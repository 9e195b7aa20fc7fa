#include "varnel/languages/VisualStudioFormatting.h"

#include "varnel/common/DBC.h"
#include "varnel/common/Utf8.h"
#include "varnel/languages/VisualStudioSyntax.h"

namespace varnel {

VisualStudioFormatting::VisualStudioFormatting()
    : CommonFormatting(L'{', L'}', L"\\^$.*+?()[]{}|:<>#~@",
                       {FormatSyntax::References::OneDigit, L'\\', L'\\', L"\\", 0}) {}

std::wstring VisualStudioFormatting::one_of(CharacterClass kind) const {
    switch (kind) {
    case CharacterClass::Digit:
        return L":Nu";
    case CharacterClass::Letter:
        return L":Al";
    case CharacterClass::Uppercase:
        return L":Lu";
    case CharacterClass::Lowercase:
        return L":Ll";
    case CharacterClass::Alphanumeric:
        // A set of the locale's classes, not :a, which knows only English letters: the same
        // characters as ECMAScript's [[:alnum:]].
        return L"[:Al:Nu]";
    case CharacterClass::Whitespace:
        return L":Wh";
    case CharacterClass::Punctuation:
        return L":Pu";
    }
    DBC_UNREACHABLE();
}

std::wstring VisualStudioFormatting::run_of(CharacterClass kind) const {
    // The integer pattern of the table; every other run is its one-character class repeated.
    return kind == CharacterClass::Digit ? L":z" : one_of(kind) + L"+";
}

std::wstring VisualStudioFormatting::any_text(bool lazy) const {
    return lazy ? L".@" : L".*";
}

std::optional<CharSet> VisualStudioFormatting::dot() const {
    return VisualStudioSyntax::dot();
}

std::optional<std::wstring> VisualStudioFormatting::bracket_character(char32_t c) const {
    switch (c) {
    case U'\\':
    case U']':
    case U'[':
    case U'^':
    case U'-':
    case U':':
        return std::wstring{L'\\', static_cast<wchar_t>(c)};
    case U'\t':
        return L"\\t";
    default:
        // A line feed and a carriage return stand for themselves: "\n" is every line break and
        // "\r" an "r".
        return utf16_of(c);
    }
}

std::optional<std::wstring> VisualStudioFormatting::bracket_class(const CharSet::Item& item) const {
    switch (item.kind) {
    case CharSet::Item::Property:
        return item.property == "Zs" ? std::optional<std::wstring>(L":Zs") : std::nullopt;
    case CharSet::Item::PropertyComplement:
    case CharSet::Item::ClassComplement:
    case CharSet::Item::Range:
        return std::nullopt;
    case CharSet::Item::Class:
        break;
    }
    switch (item.locale_class) {
    case LocaleClass::Space:
        return L":Wh";
    case LocaleClass::Upper:
        return L":Lu";
    case LocaleClass::Lower:
        return L":Ll";
    case LocaleClass::Alpha:
        return L":Al";
    case LocaleClass::Digit:
        return L":Nu";
    case LocaleClass::Punct:
        return L":Pu";
    case LocaleClass::Alnum:
    case LocaleClass::Blank:
    case LocaleClass::Cntrl:
    case LocaleClass::Graph:
    case LocaleClass::Print:
    case LocaleClass::Xdigit:
    case LocaleClass::Word:
        return std::nullopt;
    }
    DBC_UNREACHABLE();
}

std::optional<std::wstring> VisualStudioFormatting::class_alone(const CharSet::Item& item) const {
    return bracket_class(item);
}

std::optional<std::wstring>
VisualStudioFormatting::write_assertion(IRegexBuilder::Assertion kind) const {
    using Assertion = IRegexBuilder::Assertion;
    switch (kind) {
    case Assertion::LineStart:
        return L"^";
    case Assertion::LineEnd:
        return L"$";
    case Assertion::WordStart:
        return L"<";
    case Assertion::WordEnd:
        return L">";
    case Assertion::TextStart:
    case Assertion::TextEnd:
    case Assertion::TextEndOrFinalLineFeed:
    case Assertion::WordBoundary:
    case Assertion::NotWordBoundary:
        return std::nullopt;
    }
    DBC_UNREACHABLE();
}

std::optional<std::wstring>
VisualStudioFormatting::write_repeat(const IRegexBuilder::Repeat& repeat) const {
    if (repeat.possessive) {
        return std::nullopt;
    }
    if (!repeat.max && repeat.min <= 1) {
        return repeat.min == 0 ? (repeat.lazy ? L"@" : L"*") : (repeat.lazy ? L"#" : L"+");
    }
    if (repeat.max == repeat.min && !repeat.lazy) {
        return L"^" + std::to_wstring(repeat.min);
    }
    return std::nullopt;
}

std::optional<std::wstring>
VisualStudioFormatting::write_open_group(IRegexBuilder::Group kind) const {
    using Group = IRegexBuilder::Group;
    switch (kind) {
    case Group::Capturing:
        return L"{";
    case Group::NonCapturing:
        return L"(";
    case Group::NegativeLookahead:
        return L"~(";
    case Group::Lookahead:
    case Group::Lookbehind:
    case Group::NegativeLookbehind:
    case Group::Atomic:
        return std::nullopt;
    }
    DBC_UNREACHABLE();
}

std::wstring VisualStudioFormatting::write_close_group(IRegexBuilder::Group kind) const {
    return kind == IRegexBuilder::Group::Capturing ? L"}" : L")";
}

} // namespace varnel

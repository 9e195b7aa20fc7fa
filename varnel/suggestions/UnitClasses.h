#pragma once
// How the named patterns' matchers see code units under one locale, in a form PCRE2 runs fast: a
// unit below 128 stands for itself, any other unit for one code from 128 up that names the set
// of character classes (alpha, digit, space...) it belongs to. A class of the matchers then has
// at most 256 members, and PCRE2 classifies every unit exactly as the std::wregex matchers do,
// without a table of all 65,536 units in the pattern.

#include <array>
#include <bitset>
#include <locale>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace varnel {

class UnitClasses {
public:
    using Codes = std::bitset<256>;

    // Classifies all 16-bit units as std::regex_traits<wchar_t> imbued with the locale does.
    explicit UnitClasses(const std::locale& locale);

    // False when the locale puts units in more combinations of classes than there are codes.
    bool usable() const { return !codes.empty(); }
    // The codes of the text, one per unit; none when a unit lies outside 16 bits.
    std::optional<std::u16string> codes_of(std::wstring_view text) const;
    // The codes of the units in the class named as inside "[[:alpha:]]"; none for another name.
    std::optional<Codes> class_codes(const std::wstring& name) const;

private:
    static constexpr std::array<const wchar_t*, 12> class_names = {
        L"alnum", L"alpha", L"blank", L"cntrl", L"digit", L"graph",
        L"lower", L"print", L"punct", L"space", L"upper", L"xdigit"};

    // The code of each 16-bit unit; empty when not usable.
    std::vector<char16_t> codes;
    // Per class, the codes of its members.
    std::array<Codes, class_names.size()> members;
};

} // namespace varnel

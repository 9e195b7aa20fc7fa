#pragma once
// The classes of the standard library's regular expressions under one locale: which of them each
// 16-bit code unit belongs to, worked out once per locale, so that every engine of Varnel
// classifies letters, digits and spaces exactly as std::wregex and the language tables' matchers
// do.
//
// Two views of the one classification: the members of a class as ranges of code units, for a
// pattern that runs on the text itself; and class codes, for a pattern that runs fast on a coded
// text: a unit below 128 stands for itself, any other unit for one code from 128 up that names the
// combination of classes it belongs to, so a class has at most 256 members.

#include "varnel/languages/LocaleClass.h"

#include <bitset>
#include <locale>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace varnel {

struct CodeUnitRange {
    char16_t first;
    char16_t last;

    bool operator==(const CodeUnitRange&) const = default;
};

// Sorted, disjoint and not adjacent.
using CodeUnitRanges = std::vector<CodeUnitRange>;

class LocaleClasses {
public:
    using Codes = std::bitset<256>;

    // Classifies all 16-bit units as std::regex_traits<wchar_t> imbued with the locale does.
    explicit LocaleClasses(const std::locale& locale);

    // The classes of a locale, kept for the life of the program: classifying takes some
    // milliseconds. A locale built from facets has no name to keep it under and is classified
    // each time.
    static std::shared_ptr<const LocaleClasses> of(const std::locale& locale);

    // The name of the locale, "*" for one without a name.
    const std::string& locale_name() const { return name; }

    // The units in the class.
    CodeUnitRanges ranges(LocaleClass locale_class) const;

    // False when the locale puts units in more combinations of classes than there are codes.
    bool codes_usable() const { return usable; }
    // The codes of the text, one per unit; none when a unit lies outside 16 bits.
    // Precondition: codes_usable().
    std::optional<std::u16string> codes_of(std::wstring_view text) const;
    // The codes of the units in the class.
    Codes class_codes(LocaleClass locale_class) const;

private:
    bool is_member(std::size_t unit, LocaleClass locale_class) const;

    std::string name;
    // Per unit, a bit per class of LocaleClass (Word aside) it belongs to.
    std::vector<std::uint16_t> combinations;
    // Per unit, its code; and per class, the codes of its members.
    std::vector<char16_t> codes;
    std::vector<Codes> members;
    bool usable = true;
};

} // namespace varnel

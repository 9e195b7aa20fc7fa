#pragma once
// A pattern run on a text of class codes (LocaleClasses): how the suggestions run the language
// tables' matchers fast. A unit of a class is one table lookup, and the search goes through the
// codes as PCRE2 goes through any text.

#include "varnel/languages/IRegexSyntax.h"
#include "varnel/pattern/LocaleClasses.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace varnel {

class Pcre2Code;

struct CodeSpan {
    std::size_t begin;
    std::size_t end;
};

class ClassCodeMatcher {
public:
    // The pattern as the syntax reads it, for the codes of the classes; none when it holds what
    // codes cannot say (see varnel/pattern/Pcre2Writer.h). With longest, a search finds the
    // longest of the matches at the leftmost position, otherwise the first by priority.
    // Precondition: classes->codes_usable().
    static std::shared_ptr<const ClassCodeMatcher>
    compile(const std::wstring& pattern, const IRegexSyntax& syntax,
            std::shared_ptr<const LocaleClasses> classes, bool longest);

    const LocaleClasses& classes() const { return *locale_classes; }

    enum class Extent {
        Anywhere,
        AnywhereNotEmpty, // an empty match does not count
        Whole             // the match must cover [from, to)
    };
    // The match in codes[from, to), read as a text of its own; none when there is none, and
    // itself none when PCRE2 could not finish the search (a limit reached).
    std::optional<std::optional<CodeSpan>> find(std::u16string_view codes, std::size_t from,
                                                std::size_t to, Extent extent) const;

    ClassCodeMatcher(std::shared_ptr<const Pcre2Code> code,
                     std::shared_ptr<const LocaleClasses> classes, bool longest);

private:
    const std::shared_ptr<const Pcre2Code> code;
    const std::shared_ptr<const LocaleClasses> locale_classes;
    const bool longest;
};

} // namespace varnel

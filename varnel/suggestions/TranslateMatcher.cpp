#include "varnel/suggestions/TranslateMatcher.h"

#include <cstdio>
#include <cwchar>
#include <string_view>

namespace varnel {

namespace {

bool is_ascii(wchar_t c) {
    return c >= 0 && c < 128;
}

bool is_ascii_punctuation(wchar_t c) {
    return is_ascii(c) && c > L' ' && c < 127 && !(c >= L'0' && c <= L'9') &&
           !(c >= L'a' && c <= L'z') && !(c >= L'A' && c <= L'Z');
}

// Every code as a hexadecimal escape, so that no code reads as PCRE2 syntax.
std::u16string code_text(std::size_t code) {
    char text[16];
    std::snprintf(text, sizeof text, "\\x{%zx}", code);
    return std::u16string(text, text + std::char_traits<char>::length(text));
}

class Translator {
public:
    Translator(const std::wstring& pattern, const UnitClasses& classes)
        : pattern(pattern), classes(classes) {}

    std::optional<std::u16string> translate() {
        if (!alternatives() || i != pattern.size()) {
            return std::nullopt;
        }
        return out;
    }

private:
    const std::wstring& pattern;
    const UnitClasses& classes;
    std::size_t i = 0;
    std::u16string out;

    bool at(wchar_t c) const { return i < pattern.size() && pattern[i] == c; }
    bool at(const wchar_t* text) const { return pattern.compare(i, wcslen(text), text) == 0; }

    bool alternatives() {
        if (!sequence()) {
            return false;
        }
        while (at(L'|')) {
            ++i;
            out += u'|';
            if (!sequence()) {
                return false;
            }
        }
        return true;
    }

    bool sequence() {
        while (i < pattern.size() && !at(L'|') && !at(L')')) {
            if (!atom() || !quantifier()) {
                return false;
            }
        }
        return true;
    }

    bool atom() {
        const wchar_t c = pattern[i];
        if (c == L'(') {
            ++i;
            if (at(L'?')) {
                if (!at(L"?:")) {
                    return false;
                }
                i += 2;
            }
            out += u"(?:";
            if (!alternatives() || !at(L')')) {
                return false;
            }
            ++i;
            out += u')';
            return true;
        }
        if (c == L'[') {
            return bracket();
        }
        const auto unit = literal(std::wstring_view(L"^$.*+?()[]{}|"));
        if (!unit) {
            return false;
        }
        out += code_text(*unit);
        return true;
    }

    // A unit below 128 that is not one of the specials, or escaped punctuation; moves past it.
    std::optional<std::size_t> literal(std::wstring_view specials) {
        wchar_t c = pattern[i];
        if (c == L'\\') {
            if (i + 1 == pattern.size() || !is_ascii_punctuation(pattern[i + 1])) {
                return std::nullopt;
            }
            c = pattern[++i];
        } else if (!is_ascii(c) || specials.find(c) != std::wstring_view::npos) {
            return std::nullopt;
        }
        ++i;
        return static_cast<std::size_t>(c);
    }

    bool quantifier() {
        if (at(L'*') || at(L'+') || at(L'?')) {
            out += static_cast<char16_t>(pattern[i++]);
            // Lazy and stacked quantifiers are left to the standard library.
            return !(at(L'*') || at(L'+') || at(L'?') || at(L'{'));
        }
        return !at(L'{');
    }

    // "[", an optional "^", members up to "]". A dash stands for itself only first or last.
    bool bracket() {
        ++i;
        const bool negated = at(L'^');
        i += negated ? 1 : 0;
        UnitClasses::Codes members;
        bool first = true;
        while (!at(L']')) {
            if (i == pattern.size()) {
                return false;
            }
            if (at(L"[:")) {
                const std::size_t end = pattern.find(L":]", i + 2);
                if (end == std::wstring::npos) {
                    return false;
                }
                const auto named = classes.class_codes(pattern.substr(i + 2, end - i - 2));
                if (!named) {
                    return false;
                }
                members |= *named;
                i = end + 2;
            } else if (at(L'-')) {
                if (!first && pattern.compare(i + 1, 1, L"]") != 0) {
                    return false;
                }
                members.set(static_cast<std::size_t>(L'-'));
                ++i;
            } else {
                if (at(L"[.") || at(L"[=")) {
                    return false;
                }
                const auto low = literal(std::wstring_view(L"]"));
                if (!low) {
                    return false;
                }
                std::size_t high = *low;
                if (at(L'-') && pattern.compare(i + 1, 1, L"]") != 0) {
                    ++i;
                    if (at(L"[")) {
                        return false;
                    }
                    const auto last = literal(std::wstring_view(L"]-"));
                    if (!last || *last < *low) {
                        return false;
                    }
                    high = *last;
                }
                for (std::size_t unit = *low; unit <= high; ++unit) {
                    members.set(unit);
                }
            }
            first = false;
        }
        ++i;
        if (first) {
            return false;
        }
        if (members.none()) {
            out += negated ? u"[\\x{0}-\\x{ffff}]" : u"(?!)";
            return true;
        }
        out += negated ? u"[^" : u"[";
        for (std::size_t code = 0; code < members.size(); ++code) {
            if (members[code] && (code == 0 || !members[code - 1])) {
                std::size_t last = code;
                while (last + 1 < members.size() && members[last + 1]) {
                    ++last;
                }
                out += code_text(code);
                if (last > code) {
                    out += u'-';
                    out += code_text(last);
                }
            }
        }
        out += u']';
        return true;
    }
};

} // namespace

std::optional<std::u16string> translate_matcher(const std::wstring& pattern,
                                                const UnitClasses& classes) {
    return Translator(pattern, classes).translate();
}

} // namespace varnel

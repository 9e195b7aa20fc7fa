#include "varnel/languages/CommonFormatting.h"

#include "varnel/common/CodeUnits.h"
#include "varnel/common/DBC.h"
#include "varnel/common/Utf8.h"
#include "varnel/languages/LocaleClass.h"

#include <boost/algorithm/string/erase.hpp>
#include <boost/algorithm/string/replace.hpp>

namespace varnel {

namespace {

const wchar_t backslash = L'\\';

// Appends text[begin, end) as one Normal block, if it is not empty.
void append_normal(std::vector<PrettyFormatBlock>& blocks, const std::wstring& text,
                   std::size_t begin, std::size_t end) {
    if (begin < end) {
        blocks.emplace_back(PrettyFormatBlock::Normal, text.substr(begin, end - begin));
    }
}

} // namespace

CommonFormatting::CommonFormatting(wchar_t group_begin, wchar_t group_end,
                                   const std::wstring& special_characters,
                                   const FormatSyntax& format_syntax)
    : group_begin(group_begin), group_end(group_end), special_characters(special_characters),
      format_syntax(format_syntax) {
    DBC_PRECONDITION(!special_characters.empty() && special_characters.front() == backslash);
    DBC_PRECONDITION(format_syntax.escaped.find(format_syntax.escape) != std::wstring::npos);
    for (const wchar_t c : special_characters) {
        if (static_cast<std::size_t>(c) < special_ascii.size()) {
            special_ascii.set(static_cast<std::size_t>(c));
        }
    }
}

bool CommonFormatting::is_special(wchar_t c) const {
    const auto unit = static_cast<std::size_t>(c);
    return unit < special_ascii.size() ? special_ascii.test(unit)
                                       : special_characters.find(c) != std::wstring::npos;
}

std::wstring CommonFormatting::make_group(const std::wstring& text) const {
    return group_begin + text + group_end;
}

std::wstring CommonFormatting::escape_regex(const std::wstring& text) const {
    // Escaping the backslash first and every other special character after it is the same as
    // putting one backslash before each special character, in one pass.
    std::wstring result;
    result.reserve(text.size());
    for (const wchar_t c : text) {
        if (is_special(c)) {
            result += backslash;
        }
        result += c;
    }
    return result;
}

std::wstring CommonFormatting::unescape_regex(const std::wstring& text) const {
    std::wstring result = text;
    for (const wchar_t c : special_characters) {
        boost::replace_all(result, std::wstring{backslash, c}, std::wstring(1, c));
    }
    return result;
}

std::wstring CommonFormatting::make_back_reference(unsigned int number) const {
    if (format_syntax.references == FormatSyntax::References::Named) {
        return L"\\g<" + std::to_wstring(number) + L">";
    }
    return format_syntax.sign + std::to_wstring(number);
}

std::wstring CommonFormatting::escape_format(const std::wstring& text) const {
    std::wstring result;
    result.reserve(text.size());
    for (const wchar_t c : text) {
        if (format_syntax.escaped.find(c) != std::wstring::npos) {
            result += format_syntax.escape;
        }
        result += c;
    }
    return result;
}

bool CommonFormatting::has_special_characters(const std::wstring& regex) const {
    std::wstring rest = regex;
    for (const wchar_t c : special_characters) {
        boost::erase_all(rest, std::wstring{backslash, c});
    }
    return rest.find_first_of(special_characters) != std::wstring::npos;
}

unsigned int CommonFormatting::max_back_reference() const {
    return format_syntax.references == FormatSyntax::References::OneDigit ? 9 : 99;
}

std::wstring CommonFormatting::make_back_reference_before(unsigned int number, wchar_t next) const {
    using References = FormatSyntax::References;
    if (format_syntax.references == References::TwoDigits && is_ascii_digit(next) && number < 10) {
        return format_syntax.sign + (L"0" + std::to_wstring(number));
    }
    if (format_syntax.references == References::Braced && is_ascii_digit(next)) {
        return format_syntax.sign + (L"{" + std::to_wstring(number) + L"}");
    }
    return make_back_reference(number);
}

std::wstring CommonFormatting::any_number_of(CharacterClass kind) const {
    return one_of(kind) + L"*";
}

std::wstring CommonFormatting::run_of(CharacterClass kind) const {
    return one_of(kind) + L"+";
}

std::wstring CommonFormatting::any_text(bool lazy) const {
    return lazy ? L".*?" : L".*";
}

std::wstring CommonFormatting::line_start() const {
    return L"^";
}

std::wstring CommonFormatting::line_end() const {
    return L"$";
}

std::optional<std::wstring> CommonFormatting::code(const std::wstring&, const std::wstring&,
                                                   const std::vector<std::wstring>&) const {
    return std::nullopt;
}

// One left-to-right pass; no recursion, so long texts cannot exhaust the stack.
std::vector<PrettyFormatBlock>
CommonFormatting::pretty_format_regex(const std::wstring& regex) const {
    std::vector<PrettyFormatBlock> blocks;
    std::size_t run_begin = 0;
    std::size_t i = 0;
    while (i < regex.size()) {
        const wchar_t c = regex[i];
        if (!is_special(c)) {
            ++i;
            continue;
        }
        append_normal(blocks, regex, run_begin, i);
        if (c == backslash && i + 1 < regex.size() && is_special(regex[i + 1])) {
            blocks.emplace_back(PrettyFormatBlock::Escape, std::wstring(1, backslash));
            blocks.emplace_back(PrettyFormatBlock::Normal, std::wstring(1, regex[i + 1]));
            i += 2;
        } else {
            blocks.emplace_back(PrettyFormatBlock::Special, std::wstring(1, c));
            ++i;
        }
        run_begin = i;
    }
    append_normal(blocks, regex, run_begin, regex.size());
    return blocks;
}

std::size_t CommonFormatting::reference_length(const std::wstring& format, std::size_t at) const {
    using References = FormatSyntax::References;
    const auto digits_from = [&](std::size_t from, std::size_t most) {
        std::size_t end = from;
        while (end < format.size() && end - from < most && is_ascii_digit(format[end])) {
            ++end;
        }
        return end - from;
    };
    const auto closed_by = [&](std::size_t from, wchar_t close) {
        const std::size_t digits = digits_from(from, format.size());
        return digits > 0 && from + digits < format.size() && format[from + digits] == close
                   ? from + digits + 1 - at
                   : 0;
    };
    if (format_syntax.whole_match != 0 && format[at] == format_syntax.whole_match) {
        return 1;
    }
    if (format[at] != format_syntax.sign || at + 1 == format.size()) {
        return 0;
    }
    switch (format_syntax.references) {
    case References::OneDigit:
        return digits_from(at + 1, 1) == 0 ? 0 : 2;
    case References::TwoDigits:
    case References::Named: {
        // Python reads "\1" to "\99" as well as "\g<1>".
        const std::size_t digits = digits_from(at + 1, 2);
        if (digits > 0) {
            return 1 + digits;
        }
        const bool named =
            format_syntax.references == References::Named && format.compare(at + 1, 2, L"g<") == 0;
        return named ? closed_by(at + 3, L'>') : 0;
    }
    case References::Braced: {
        const std::size_t digits = digits_from(at + 1, format.size());
        if (digits > 0) {
            return 1 + digits;
        }
        return format[at + 1] == L'{' ? closed_by(at + 2, L'}') : 0;
    }
    }
    DBC_UNREACHABLE();
}

std::vector<PrettyFormatBlock>
CommonFormatting::pretty_format_format(const std::wstring& format) const {
    const wchar_t escape = format_syntax.escape;
    std::vector<PrettyFormatBlock> blocks;
    std::size_t run_begin = 0;
    std::size_t i = 0;
    while (i < format.size()) {
        const bool escape_here = format[i] == escape && i + 1 < format.size() &&
                                 format_syntax.escaped.find(format[i + 1]) != std::wstring::npos;
        const std::size_t reference = escape_here ? 0 : reference_length(format, i);
        if (escape_here) {
            append_normal(blocks, format, run_begin, i);
            blocks.emplace_back(PrettyFormatBlock::Escape, std::wstring(1, escape));
            blocks.emplace_back(PrettyFormatBlock::Normal, std::wstring(1, format[i + 1]));
            i += 2;
            run_begin = i;
        } else if (reference > 0) {
            append_normal(blocks, format, run_begin, i);
            blocks.emplace_back(PrettyFormatBlock::Special, format.substr(i, reference));
            i += reference;
            run_begin = i;
        } else {
            ++i;
        }
    }
    append_normal(blocks, format, run_begin, format.size());
    return blocks;
}

std::wstring CommonFormatting::write_literal(char16_t unit) const {
    return escape_regex(std::wstring(1, static_cast<wchar_t>(unit)));
}

std::optional<CharSet> CommonFormatting::dot() const {
    return std::nullopt;
}

std::optional<std::wstring> CommonFormatting::write_set(const CharSet& set) const {
    if (const std::optional<CharSet> any = dot();
        any && any->negated == set.negated && any->items == set.items) {
        return L".";
    }
    if (!set.negated && set.items.size() == 1 && set.items.front().kind != CharSet::Item::Range) {
        if (std::optional<std::wstring> alone = class_alone(set.items.front())) {
            return alone;
        }
    }
    std::wstring text = set.negated ? L"[^" : L"[";
    for (const CharSet::Item& item : set.items) {
        std::optional<std::wstring> written;
        switch (item.kind) {
        case CharSet::Item::Range:
            written = bracket_character(item.first);
            if (written && item.last != item.first) {
                const std::optional<std::wstring> last = bracket_character(item.last);
                written = last ? std::optional(*written + L"-" + *last) : std::nullopt;
            }
            break;
        case CharSet::Item::Class:
        case CharSet::Item::ClassComplement:
        case CharSet::Item::Property:
        case CharSet::Item::PropertyComplement:
            written = bracket_class(item);
            break;
        }
        if (!written) {
            return std::nullopt;
        }
        text += *written;
    }
    return text + L"]";
}

std::optional<std::wstring> CommonFormatting::bracket_character(char32_t c) const {
    switch (c) {
    case U'\\':
    case U']':
    case U'[':
    case U'^':
    case U'-':
        return std::wstring{backslash, static_cast<wchar_t>(c)};
    case U'\t':
        return L"\\t";
    case U'\n':
        return L"\\n";
    case U'\r':
        return L"\\r";
    default:
        return utf16_of(c);
    }
}

std::optional<std::wstring> CommonFormatting::class_alone(const CharSet::Item& item) const {
    // Perl's escapes of the locale's digits, spaces and word characters, "\D" their complement.
    if (item.kind == CharSet::Item::Property || item.kind == CharSet::Item::PropertyComplement) {
        return std::nullopt;
    }
    const wchar_t letter = item.locale_class == LocaleClass::Digit   ? L'd'
                           : item.locale_class == LocaleClass::Space ? L's'
                           : item.locale_class == LocaleClass::Word  ? L'w'
                                                                     : L'\0';
    if (letter == L'\0') {
        return std::nullopt;
    }
    const bool complement = item.kind == CharSet::Item::ClassComplement;
    return std::wstring{backslash,
                        complement ? static_cast<wchar_t>(letter - L'a' + L'A') : letter};
}

std::optional<std::wstring> CommonFormatting::bracket_class(const CharSet::Item& item) const {
    if (std::optional<std::wstring> escape = class_alone(item)) {
        return escape;
    }
    if (item.kind != CharSet::Item::Class) {
        return std::nullopt;
    }
    return L"[:" + std::wstring(name_of(item.locale_class)) + L":]";
}

std::optional<std::wstring> CommonFormatting::write_one_of(LocaleClass name,
                                                           bool complement) const {
    return write_set(CharSet{false, {CharSet::Item::of_class(name, complement)}});
}

std::optional<std::wstring> CommonFormatting::write_assertion(IRegexBuilder::Assertion kind) const {
    using Assertion = IRegexBuilder::Assertion;
    switch (kind) {
    case Assertion::TextStart:
        return L"^";
    case Assertion::TextEnd:
    case Assertion::TextEndOrFinalLineFeed:
        // What "$" means differs between languages; reading the translation back tells.
        return L"$";
    case Assertion::WordBoundary:
        return L"\\b";
    case Assertion::NotWordBoundary:
        return L"\\B";
    case Assertion::LineStart:
    case Assertion::LineEnd:
    case Assertion::WordStart:
    case Assertion::WordEnd:
        return std::nullopt;
    }
    DBC_UNREACHABLE();
}

std::optional<std::wstring>
CommonFormatting::write_repeat(const IRegexBuilder::Repeat& repeat) const {
    std::wstring text;
    if (repeat.min <= 1 && !repeat.max) {
        text = repeat.min == 0 ? L"*" : L"+";
    } else if (repeat.min == 0 && repeat.max == 1ul) {
        text = L"?";
    } else {
        text = L"{" + std::to_wstring(repeat.min);
        if (repeat.max != repeat.min) {
            text += L"," + (repeat.max ? std::to_wstring(*repeat.max) : L"");
        }
        text += L"}";
    }
    return repeat.lazy ? text + L"?" : repeat.possessive ? text + L"+" : text;
}

std::wstring CommonFormatting::write_alternative() const {
    return L"|";
}

std::optional<std::wstring> CommonFormatting::write_open_group(IRegexBuilder::Group kind) const {
    using Group = IRegexBuilder::Group;
    switch (kind) {
    case Group::Capturing:
        return L"(";
    case Group::NonCapturing:
        return L"(?:";
    case Group::Lookahead:
        return L"(?=";
    case Group::NegativeLookahead:
        return L"(?!";
    case Group::Lookbehind:
        return L"(?<=";
    case Group::NegativeLookbehind:
        return L"(?<!";
    case Group::Atomic:
        return L"(?>";
    }
    DBC_UNREACHABLE();
}

std::wstring CommonFormatting::write_close_group(IRegexBuilder::Group) const {
    return L")";
}

std::optional<std::wstring> CommonFormatting::write_back_reference(unsigned number) const {
    // A language reads as many digits of a back reference in its regexes as in its formats.
    if (number > max_back_reference()) {
        return std::nullopt;
    }
    return backslash + std::to_wstring(number);
}

} // namespace varnel

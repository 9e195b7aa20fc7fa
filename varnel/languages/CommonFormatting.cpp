#include "varnel/languages/CommonFormatting.h"

#include "varnel/common/CodeUnits.h"
#include "varnel/common/DBC.h"

#include <boost/algorithm/string/erase.hpp>
#include <boost/algorithm/string/replace.hpp>
#include <boost/format.hpp>

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
                                   const std::wstring& special_characters, wchar_t format_escape,
                                   bool two_digit_back_references)
    : group_begin(group_begin), group_end(group_end), special_characters(special_characters),
      format_escape(format_escape), two_digit_back_references(two_digit_back_references) {
    DBC_PRECONDITION(!special_characters.empty() && special_characters.front() == backslash);
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
    return (boost::wformat(L"%1%%2%") % format_escape % number).str();
}

std::wstring CommonFormatting::escape_format(const std::wstring& text) const {
    return boost::replace_all_copy(text, std::wstring(1, format_escape),
                                   std::wstring(2, format_escape));
}

bool CommonFormatting::has_special_characters(const std::wstring& regex) const {
    std::wstring rest = regex;
    for (const wchar_t c : special_characters) {
        boost::erase_all(rest, std::wstring{backslash, c});
    }
    return rest.find_first_of(special_characters) != std::wstring::npos;
}

unsigned int CommonFormatting::max_back_reference() const {
    return two_digit_back_references ? 99 : 9;
}

std::wstring CommonFormatting::make_back_reference_before_digit(unsigned int number) const {
    if (two_digit_back_references && number < 10) {
        return (boost::wformat(L"%1%0%2%") % format_escape % number).str();
    }
    return make_back_reference(number);
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

std::vector<PrettyFormatBlock>
CommonFormatting::pretty_format_format(const std::wstring& format) const {
    const std::size_t max_digits = two_digit_back_references ? 2 : 1;
    std::vector<PrettyFormatBlock> blocks;
    std::size_t run_begin = 0;
    std::size_t i = 0;
    while (i < format.size()) {
        const bool escape_here = format[i] == format_escape && i + 1 < format.size();
        if (escape_here && format[i + 1] == format_escape) {
            append_normal(blocks, format, run_begin, i);
            blocks.emplace_back(PrettyFormatBlock::Escape, std::wstring(1, format_escape));
            blocks.emplace_back(PrettyFormatBlock::Normal, std::wstring(1, format_escape));
            i += 2;
            run_begin = i;
        } else if (escape_here && is_ascii_digit(format[i + 1])) {
            append_normal(blocks, format, run_begin, i);
            std::size_t end = i + 1;
            while (end < format.size() && end - i <= max_digits && is_ascii_digit(format[end])) {
                ++end;
            }
            blocks.emplace_back(PrettyFormatBlock::Special, format.substr(i, end - i));
            i = end;
            run_begin = i;
        } else {
            ++i;
        }
    }
    append_normal(blocks, format, run_begin, format.size());
    return blocks;
}

} // namespace varnel

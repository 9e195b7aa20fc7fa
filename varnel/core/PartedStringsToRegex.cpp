#include "varnel/core/PartedStringsToRegex.h"

#include "varnel/common/CodeUnits.h"
#include "varnel/common/DBC.h"

#include <cstddef>

namespace varnel {

namespace {

// The 1-based place of group among the Common parts: the number of its capturing group.
unsigned find_group_number(const std::vector<StringPart>& parts, unsigned group) {
    unsigned number = 1;
    for (const StringPart& part : parts) {
        if (part.kind != StringPart::Common) {
            continue;
        }
        if (part.group == group) {
            return number;
        }
        ++number;
    }
    DBC_UNREACHABLE();
}

// Whether the format text written after parts[index] begins with a digit. Only a Unique part can
// start with one: a back reference starts with the format escape, and escaping a text leaves its
// first character alone unless it is the format escape.
bool digit_follows(const std::vector<StringPart>& parts, std::size_t index) {
    if (index + 1 >= parts.size()) {
        return false;
    }
    const StringPart& next = parts[index + 1];
    return next.kind == StringPart::Unique && !next.text.empty() && is_ascii_digit(next.text[0]);
}

} // namespace

ReplaceRegex parted_strings_to_regex(const PartedStrings& parted,
                                     const IRegexFormatting& formatting) {
    ReplaceRegex result;
    for (const StringPart& part : parted.search_parts) {
        const std::wstring literal = formatting.escape_regex(part.text);
        result.regex += part.kind == StringPart::Common ? formatting.make_group(literal) : literal;
    }
    const std::vector<StringPart>& parts = parted.replace_parts;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (parts[i].kind == StringPart::Unique) {
            result.format += formatting.escape_format(parts[i].text);
            continue;
        }
        const unsigned number = find_group_number(parted.search_parts, parts[i].group);
        // "$1" before a literal "2" would read as "$12".
        result.format += digit_follows(parts, i)
                             ? formatting.make_back_reference_before_digit(number)
                             : formatting.make_back_reference(number);
    }
    return result;
}

} // namespace varnel

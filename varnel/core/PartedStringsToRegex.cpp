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

// The first character of the format text written after parts[index]; none when a back reference
// or nothing follows. Only a Unique part's text can run into the reference before it.
wchar_t next_literal(const std::vector<StringPart>& parts, std::size_t index,
                     const IRegexFormatting& formatting) {
    if (index + 1 >= parts.size()) {
        return 0;
    }
    const StringPart& next = parts[index + 1];
    if (next.kind != StringPart::Unique || next.text.empty()) {
        return 0;
    }
    return formatting.escape_format(next.text.substr(0, 1)).front();
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
        result.format +=
            formatting.make_back_reference_before(number, next_literal(parts, i, formatting));
    }
    return result;
}

} // namespace varnel

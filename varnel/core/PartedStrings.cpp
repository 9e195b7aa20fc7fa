#include "varnel/core/PartedStrings.h"

#include "varnel/common/CodeUnits.h"
#include "varnel/common/DBC.h"
#include "varnel/core/IsLetter.h"

#include <algorithm>
#include <cstddef>
#include <map>
#include <optional>
#include <utility>

namespace varnel {

namespace {

struct StringPos {
    std::size_t part;
    std::size_t offset;
};

// A piece that starts with the second half of a surrogate pair or ends with the first half would
// put a group boundary inside a character and leave broken UTF-16 in the regex and the format.
bool cuts_a_character(const std::wstring& candidate) {
    return is_low_surrogate(candidate.front()) || is_high_surrogate(candidate.back());
}

// The first occurrence of needle in the Unique parts. A letters-only needle must not be glued to
// a letter inside its part, so that whole words are grouped; a part boundary counts as the edge.
std::optional<StringPos> find_string(const std::wstring& needle, std::vector<StringPart>& parts) {
    DBC_PRECONDITION(!needle.empty());
    const bool whole_words_only = std::all_of(needle.begin(), needle.end(), is_letter);
    for (std::size_t part = 0; part < parts.size(); ++part) {
        if (parts[part].kind == StringPart::Common) {
            continue;
        }
        const std::wstring& text = parts[part].text;
        for (std::size_t offset = text.find(needle); offset != std::wstring::npos;
             offset = text.find(needle, offset + 1)) {
            const std::size_t end = offset + needle.size();
            const bool glued = whole_words_only && ((offset > 0 && is_letter(text[offset - 1])) ||
                                                    (end < text.size() && is_letter(text[end])));
            if (!glued) {
                return StringPos{part, offset};
            }
        }
    }
    return std::nullopt;
}

// Replaces the part at pos by the text before str, str as a Common part, and the text after;
// empty Unique pieces are left out.
void split_part(const StringPos& pos, const std::wstring& str, std::vector<StringPart>& parts,
                unsigned group) {
    const std::wstring text = parts[pos.part].text;
    std::vector<StringPart> pieces;
    if (pos.offset > 0) {
        pieces.emplace_back(text.substr(0, pos.offset));
    }
    pieces.emplace_back(str, group, StringPart::Common);
    if (pos.offset + str.size() < text.size()) {
        pieces.emplace_back(text.substr(pos.offset + str.size()));
    }
    const auto at = parts.erase(parts.begin() + static_cast<std::ptrdiff_t>(pos.part));
    parts.insert(at, pieces.begin(), pieces.end());
}

// The texts of the Common parts by group; false when a group occurs twice.
bool collect_groups(const std::vector<StringPart>& parts,
                    std::map<std::uint32_t, std::wstring>& groups) {
    for (const StringPart& part : parts) {
        if (part.kind == StringPart::Common && !groups.emplace(part.group, part.text).second) {
            return false;
        }
    }
    return true;
}

// Every group stands on exactly one Common part in each list, with the same text.
bool groups_pair_up(const std::vector<StringPart>& search_parts,
                    const std::vector<StringPart>& replace_parts) {
    std::map<std::uint32_t, std::wstring> search_groups;
    std::map<std::uint32_t, std::wstring> replace_groups;
    return collect_groups(search_parts, search_groups) &&
           collect_groups(replace_parts, replace_groups) && search_groups == replace_groups;
}

} // namespace

StringPart::StringPart(const std::wstring& text) : text(text) {}

StringPart::StringPart(const std::wstring& text, std::uint32_t group, Kind kind)
    : text(text), group(group), kind(kind) {}

std::wostream& operator<<(std::wostream& out, const StringPart& part) {
    return out << part.text << L", " << part.group << L", "
               << (part.kind == StringPart::Common ? L"Common" : L"Unique");
}

PartedStrings::PartedStrings(const std::wstring& search, const std::wstring& replace,
                             const std::set<std::wstring>& common, unsigned int max_groups)
    : search_parts{StringPart(search)}, replace_parts{StringPart(replace)} {
    std::vector<std::wstring> candidates;
    for (const std::wstring& candidate : common) {
        if (!candidate.empty() && !cuts_a_character(candidate)) {
            candidates.push_back(candidate);
        }
    }
    // Stable, so that candidates of equal length keep the ascending order of the set.
    std::stable_sort(
        candidates.begin(), candidates.end(),
        [](const std::wstring& a, const std::wstring& b) { return a.size() > b.size(); });
    unsigned group = 0;
    std::size_t cursor = 0;
    while (cursor < candidates.size() && group < max_groups) {
        if (part_common_string(candidates[cursor], group)) {
            ++group;
            cursor = 0;
        } else {
            ++cursor;
        }
    }
}

PartedStrings::PartedStrings(std::vector<StringPart> search_parts,
                             std::vector<StringPart> replace_parts)
    : search_parts(std::move(search_parts)), replace_parts(std::move(replace_parts)) {
    DBC_PRECONDITION(groups_pair_up(this->search_parts, this->replace_parts));
}

bool PartedStrings::part_common_string(const std::wstring& str, unsigned int group) {
    DBC_PRECONDITION(!str.empty());
    const auto in_search = find_string(str, search_parts);
    const auto in_replace = find_string(str, replace_parts);
    if (!in_search || !in_replace) {
        return false;
    }
    split_part(*in_search, str, search_parts, group);
    split_part(*in_replace, str, replace_parts, group);
    return true;
}

} // namespace varnel

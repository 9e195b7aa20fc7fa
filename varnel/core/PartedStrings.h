#pragma once
// Both samples split greedily into parts: Common parts (shared by both samples, tied together by a
// group identifier) and Unique parts (literal text of one sample only).

#include <cstdint>
#include <limits>
#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace varnel {

class StringPart {
public:
    enum Kind : std::int32_t { Unique = 0, Common = 1 };

    explicit StringPart(const std::wstring& text);
    StringPart(const std::wstring& text, std::uint32_t group, Kind kind);

    bool operator==(const StringPart&) const = default;

    std::wstring text;
    std::uint32_t group = 0;
    Kind kind = Unique;
};

std::wostream& operator<<(std::wostream& out, const StringPart& part);

class PartedStrings {
public:
    static constexpr unsigned int unlimited_groups = std::numeric_limits<unsigned int>::max();

    // Parts both samples with the candidates, longest first; stops once max_groups pieces are
    // parted, so that a language that can only refer to so many groups is never asked for more.
    PartedStrings(const std::wstring& search, const std::wstring& replace,
                  const std::set<std::wstring>& common, unsigned int max_groups = unlimited_groups);
    // Parts made elsewhere (by a faster engine that gives the same parts). Precondition: every
    // group stands on exactly one Common part of each list, with the same text.
    PartedStrings(std::vector<StringPart> search_parts, std::vector<StringPart> replace_parts);

    // Turns the first acceptable occurrence of str in each sample into a Common part.
    bool part_common_string(const std::wstring& str, unsigned int group);

    std::vector<StringPart> search_parts;
    std::vector<StringPart> replace_parts;
};

} // namespace varnel

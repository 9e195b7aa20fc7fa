#pragma once
// A text that the named patterns search, for every row of a table in turn: the text itself for
// the std::wregex matchers and its class codes (varnel/pattern/LocaleClasses.h), worked out once.
// Stretches that one row claims are no longer searched by the rows after it; in the codes they read
// as a mark that only a negated class can match.

#include "varnel/pattern/LocaleClasses.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace varnel {

class SampleText {
public:
    // The text must outlive this object.
    explicit SampleText(const std::wstring& text);
    SampleText(const SampleText&) = delete;
    SampleText& operator=(const SampleText&) = delete;

    const std::wstring& text() const { return whole; }
    std::size_t size() const { return whole.size(); }

    // The codes under the classes, claimed stretches marked; none when a unit of the text lies
    // outside 16 bits.
    const std::u16string* codes(const LocaleClasses& classes);

    // Precondition: [begin, end) is not empty and holds no claimed position.
    void claim(std::size_t begin, std::size_t end);
    bool is_claimed(std::size_t position) const;
    // The first position from the given one on that is not claimed, or the size.
    std::size_t unclaimed_from(std::size_t position) const;
    // The first claimed position in [from, to), or to. Precondition: from is not claimed.
    std::size_t next_claimed(std::size_t from, std::size_t to) const;

    static constexpr char16_t claimed_code = u'\xFFFF';

private:
    const std::wstring& whole;
    // A bit per unit, set where claimed.
    std::vector<std::uint64_t> claimed;
    const LocaleClasses* coded_with = nullptr;
    std::optional<std::u16string> coded;
};

} // namespace varnel

#include "varnel/suggestions/SampleText.h"

#include "varnel/common/DBC.h"

#include <algorithm>
#include <bit>

namespace varnel {

namespace {

constexpr std::size_t bits = 64;

} // namespace

SampleText::SampleText(const std::wstring& text) : whole(text) {}

const std::u16string* SampleText::codes(const LocaleClasses& classes) {
    if (coded_with != &classes) {
        coded_with = &classes;
        coded = classes.codes_of(whole);
        for (std::size_t i = 0; coded && i < whole.size(); ++i) {
            if (is_claimed(i)) {
                (*coded)[i] = claimed_code;
            }
        }
    }
    return coded ? &*coded : nullptr;
}

void SampleText::claim(std::size_t begin, std::size_t end) {
    DBC_PRECONDITION(begin < end && end <= whole.size());
    DBC_PRECONDITION(unclaimed_from(begin) == begin && next_claimed(begin, end) == end);
    claimed.resize((whole.size() + bits - 1) / bits);
    for (std::size_t i = begin; i < end; ++i) {
        claimed[i / bits] |= std::uint64_t{1} << (i % bits);
    }
    if (coded) {
        std::fill(coded->begin() + static_cast<std::ptrdiff_t>(begin),
                  coded->begin() + static_cast<std::ptrdiff_t>(end), claimed_code);
    }
}

bool SampleText::is_claimed(std::size_t position) const {
    return !claimed.empty() && ((claimed[position / bits] >> (position % bits)) & 1u) != 0;
}

// Both scans go a word of 64 units at a time.
std::size_t SampleText::unclaimed_from(std::size_t position) const {
    while (position < whole.size() && is_claimed(position)) {
        const std::uint64_t word = ~claimed[position / bits] >> (position % bits);
        position = word == 0 ? (position / bits + 1) * bits
                             : position + static_cast<std::size_t>(std::countr_zero(word));
    }
    return std::min(position, whole.size());
}

std::size_t SampleText::next_claimed(std::size_t from, std::size_t to) const {
    if (claimed.empty()) {
        return to;
    }
    while (from < to) {
        const std::uint64_t word = claimed[from / bits] >> (from % bits);
        if (word != 0) {
            return std::min(to, from + static_cast<std::size_t>(std::countr_zero(word)));
        }
        from = (from / bits + 1) * bits;
    }
    return std::min(from, to);
}

} // namespace varnel

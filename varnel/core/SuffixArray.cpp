#include "varnel/core/SuffixArray.h"

#include "varnel/common/DBC.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <divsufsort.h>
#include <limits>

namespace varnel {

namespace {

using Types = std::vector<bool>; // true: S-type suffix (smaller than the next one)

bool is_lms(const Types& types, int i) {
    return i > 0 && types[i] && !types[i - 1];
}

// The start (or one past the end) of each character's bucket in the suffix array.
void find_buckets(const int* s, int n, int k, bool ends, std::vector<int>& buckets) {
    buckets.assign(static_cast<std::size_t>(k), 0);
    for (int i = 0; i < n; ++i) {
        ++buckets[s[i]];
    }
    int sum = 0;
    for (int& bucket : buckets) {
        sum += bucket;
        bucket = ends ? sum : sum - bucket;
    }
}

void induce(const int* s, int* sa, int n, int k, const Types& types, std::vector<int>& buckets) {
    find_buckets(s, n, k, false, buckets);
    for (int i = 0; i < n; ++i) {
        const int j = sa[i] - 1;
        if (sa[i] > 0 && !types[j]) {
            sa[buckets[s[j]]++] = j;
        }
    }
    find_buckets(s, n, k, true, buckets);
    for (int i = n - 1; i >= 0; --i) {
        const int j = sa[i] - 1;
        if (sa[i] > 0 && types[j]) {
            sa[--buckets[s[j]]] = j;
        }
    }
}

// True when the LMS substrings at a and b differ (characters or types).
bool lms_substrings_differ(const int* s, const Types& types, int a, int b) {
    for (int d = 0;; ++d) {
        if (s[a + d] != s[b + d] || types[a + d] != types[b + d]) {
            return true;
        }
        if (d > 0 && (is_lms(types, a + d) || is_lms(types, b + d))) {
            return false;
        }
    }
}

// Induced sorting of s[0, n) into sa; s[n - 1] is the only 0. The reduced problem lives inside
// sa itself, so the whole sort needs only the types and the buckets besides.
void sort_suffixes(const int* s, int* sa, int n, int k) {
    Types types(static_cast<std::size_t>(n), false);
    types[n - 1] = true;
    for (int i = n - 2; i >= 0; --i) {
        types[i] = s[i] < s[i + 1] || (s[i] == s[i + 1] && types[i + 1]);
    }
    std::vector<int> buckets;

    // Sort the LMS substrings.
    find_buckets(s, n, k, true, buckets);
    std::fill(sa, sa + n, -1);
    for (int i = 1; i < n; ++i) {
        if (is_lms(types, i)) {
            sa[--buckets[s[i]]] = i;
        }
    }
    induce(s, sa, n, k, types, buckets);

    // Name them; equal LMS substrings get equal names.
    int n1 = 0;
    for (int i = 0; i < n; ++i) {
        if (is_lms(types, sa[i])) {
            sa[n1++] = sa[i];
        }
    }
    std::fill(sa + n1, sa + n, -1);
    int names = 0;
    int previous = -1;
    for (int i = 0; i < n1; ++i) {
        const int position = sa[i];
        if (previous < 0 || lms_substrings_differ(s, types, position, previous)) {
            ++names;
            previous = position;
        }
        sa[n1 + position / 2] = names - 1;
    }
    for (int i = n - 1, j = n - 1; i >= n1; --i) {
        if (sa[i] >= 0) {
            sa[j--] = sa[i];
        }
    }

    // Sort the LMS suffixes by their names, recursively while names repeat.
    int* sa1 = sa;
    int* s1 = sa + n - n1;
    if (names < n1) {
        sort_suffixes(s1, sa1, n1, names);
    } else {
        for (int i = 0; i < n1; ++i) {
            sa1[s1[i]] = i;
        }
    }

    // Induce the order of all suffixes from the sorted LMS suffixes.
    find_buckets(s, n, k, true, buckets);
    for (int i = 1, j = 0; i < n; ++i) {
        if (is_lms(types, i)) {
            s1[j++] = i;
        }
    }
    for (int i = 0; i < n1; ++i) {
        sa1[i] = s1[sa1[i]];
    }
    std::fill(sa + n1, sa + n, -1);
    for (int i = n1 - 1; i >= 0; --i) {
        const int j = sa[i];
        sa[i] = -1;
        sa[--buckets[s[j]]] = j;
    }
    induce(s, sa, n, k, types, buckets);
}

// Texts of at most 256 codes besides the end mark, which is most text people paste, are sorted by
// libdivsufsort on bytes: it is about half again as fast as the induced sorting above on long
// texts. Its implicit end of text sorts first, as the end mark does.
constexpr int byte_alphabet_size = 257;

// The text without its end mark, a byte a code.
std::vector<std::uint8_t> to_bytes(const std::vector<int>& text) {
    std::vector<std::uint8_t> bytes(text.size() - 1);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<std::uint8_t>(text[i] - 1);
    }
    return bytes;
}

void sort_bytes(const std::vector<std::uint8_t>& bytes, std::vector<int>& suffixes) {
    suffixes[0] = static_cast<int>(bytes.size());
    const int status =
        divsufsort(bytes.data(), suffixes.data() + 1, static_cast<saidx_t>(bytes.size()));
    DBC_CHECK(status == 0);
}

// Both passes below read or write at random places: at a few million codes nearly every such
// access misses the caches, so each pass fetches the places it needs a few steps ahead (a third
// less time at 2,000,000 codes).
constexpr int lookahead = 16;

void fill_ranks(const std::vector<int>& suffixes, std::vector<int>& ranks) {
    const int n = static_cast<int>(suffixes.size());
    ranks.resize(suffixes.size());
    for (int k = 0; k < n; ++k) {
        if (k + lookahead < n) {
            __builtin_prefetch(&ranks[suffixes[k + lookahead]], 1);
        }
        ranks[suffixes[k]] = k;
    }
}

// Kasai: the prefix shared with the preceding suffix shrinks by at most one from i to i + 1.
// units holds the text's first n - 1 codes in any form that keeps them apart, the end mark left
// out: a prefix that reaches the end mark ends there. Bytes, where they do, take a quarter of the
// cache that codes take at the place read at random.
template <typename Unit>
void fill_common_prefixes(const Unit* units, const std::vector<int>& suffixes,
                          const std::vector<int>& ranks, std::vector<int>& common_prefixes) {
    const int n = static_cast<int>(suffixes.size());
    common_prefixes.assign(suffixes.size(), 0);
    int h = 0;
    for (int i = 0; i < n; ++i) {
        // The preceding suffix's start two steps of lookahead ahead, its text and the prefix
        // length's place one step ahead.
        if (i + 2 * lookahead < n) {
            __builtin_prefetch(&suffixes[std::max(ranks[i + 2 * lookahead] - 1, 0)]);
        }
        if (i + lookahead < n && ranks[i + lookahead] > 0) {
            const int ahead = ranks[i + lookahead];
            __builtin_prefetch(&units[suffixes[ahead - 1]]);
            __builtin_prefetch(&common_prefixes[ahead], 1);
        }
        const int k = ranks[i];
        if (k == 0) {
            h = 0;
            continue;
        }
        const int j = suffixes[k - 1];
        const int end = n - 1 - std::max(i, j);
        while (h < end && units[i + h] == units[j + h]) {
            ++h;
        }
        common_prefixes[k] = h;
        if (h > 0) {
            --h;
        }
    }
}

} // namespace

void make_suffix_array(const std::vector<int>& text, int alphabet_size, SuffixArray& result) {
    DBC_PRECONDITION(!text.empty() && text.back() == 0);
    DBC_PRECONDITION(text.size() < static_cast<std::size_t>(std::numeric_limits<int>::max() / 2));
    DBC_PRECONDITION(std::count(text.begin(), text.end(), 0) == 1);
    DBC_PRECONDITION(
        std::all_of(text.begin(), text.end(), [&](int c) { return c >= 0 && c < alphabet_size; }));
    const int n = static_cast<int>(text.size());
    result.suffixes.resize(text.size());
    // Empty unless the codes are sorted as bytes; then Kasai's method compares them too.
    std::vector<std::uint8_t> bytes;
    if (n == 1) {
        result.suffixes[0] = 0;
    } else if (alphabet_size <= byte_alphabet_size) {
        bytes = to_bytes(text);
        sort_bytes(bytes, result.suffixes);
    } else {
        sort_suffixes(text.data(), result.suffixes.data(), n, alphabet_size);
    }
    fill_ranks(result.suffixes, result.ranks);
    if (bytes.empty()) {
        fill_common_prefixes(text.data(), result.suffixes, result.ranks, result.common_prefixes);
    } else {
        fill_common_prefixes(bytes.data(), result.suffixes, result.ranks, result.common_prefixes);
    }
}

SuffixArray make_suffix_array(const std::vector<int>& text, int alphabet_size) {
    SuffixArray result;
    make_suffix_array(text, alphabet_size, result);
    return result;
}

} // namespace varnel

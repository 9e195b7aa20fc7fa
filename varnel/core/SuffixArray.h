#pragma once
// Suffix array and longest-common-prefix array of a text over a small integer alphabet, in
// linear time (libdivsufsort for byte-sized alphabets, induced sorting for larger ones; Kasai's
// method for the prefixes).

#include <vector>

namespace varnel {

struct SuffixArray {
    // Start positions of the suffixes, in ascending order of the suffixes.
    std::vector<int> suffixes;
    // ranks[suffixes[k]] == k.
    std::vector<int> ranks;
    // common_prefixes[k]: the length of the longest common prefix of the suffixes of ranks k - 1
    // and k; common_prefixes[0] is 0.
    std::vector<int> common_prefixes;
};

// Precondition: text ends with its only 0, and every code lies in [0, alphabet_size).
SuffixArray make_suffix_array(const std::vector<int>& text, int alphabet_size);
// The same into result, whose arrays keep their memory from one text to the next.
void make_suffix_array(const std::vector<int>& text, int alphabet_size, SuffixArray& result);

} // namespace varnel

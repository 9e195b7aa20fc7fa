#pragma once
// Both samples joined into one indexed text: the suffix array with its tree of shared prefixes
// answers, for the stretches of text that are still free, which longest piece holding a
// non-letter the two samples share, and where a given piece occurs.

#include "core/SuffixArray.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

class SampleIndex {
public:
    // The text is search, one separator, replace, one end mark; positions count in that text.
    SampleIndex(const std::wstring& search, const std::wstring& replace);

    const std::wstring& text() const { return joined; }
    int search_begin() const { return 0; }
    int search_end() const { return search_size; }
    int replace_begin() const { return search_size + 1; }
    int replace_end() const { return static_cast<int>(joined.size()) - 1; }

    // A piece of text: the first length units of the suffix of the given rank.
    struct Piece {
        int length = 0;
        int rank = 0;
    };

    // room[i] is how far the free stretch that holds position i goes on from i (0 where i is not
    // free); the piece is read inside one free stretch of each sample. The longest such piece that
    // holds a non-letter and neither begins with the second half of a surrogate pair nor ends with
    // the first half; among equally long ones the first in code-unit order. Length 0 when none.
    Piece longest_shared_piece(const std::vector<int>& room) const;

    std::wstring_view piece_text(const Piece& piece) const;
    // The ranks, first and last, of the suffixes that begin with the piece.
    std::pair<int, int> occurrence_ranks(const Piece& piece) const;
    int rank_of(int position) const { return index.ranks[position]; }
    int suffix_at(int rank) const { return index.suffixes[rank]; }

private:
    int search_size;
    std::wstring joined;
    SuffixArray index;
    // From each position, the distance to the first non-letter or the end of its sample.
    std::vector<int> letters_ahead;
    // At each position, how many first halves of surrogate pairs end there in a row.
    std::vector<int> high_surrogates_behind;

    // The tree of shared prefixes: one node per interval of ranks whose suffixes share a prefix
    // longer than any suffix outside it shares with them, in post-order (children first).
    std::vector<int> node_depth;
    std::vector<int> node_first_rank;
    std::vector<int> node_parent; // -1 at the root
    // The deepest node over each position's suffix.
    std::vector<int> leaf_parent;

    void build_tree();
    int usable_length(int first_rank, int length) const;
};

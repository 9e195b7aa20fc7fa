#pragma once
// Both samples joined into one indexed text: the suffix array with its tree of shared prefixes
// answers, for the stretches of text that are still free, which longest piece holding a
// non-letter the two samples share, and where a given piece occurs.
//
// Rounds cost what changed, not the whole index. The free room of each suffix is kept by rank in
// a tree of maxima, and a cut changes only the rooms within it and just before it. The nodes of
// the tree of shared prefixes that offer the longest pieces wait in a shortlist, best first, and
// are checked again only when they come to its top: what a node offers never grows, so a node
// whose offer still holds at the top is the best. Nodes left off the shortlist offer no more than
// its threshold; when the shortlist runs out, one pass over the whole index draws it up anew.

#include "varnel/core/RoomTree.h"
#include "varnel/core/RunLengths.h"
#include "varnel/core/SuffixArray.h"

#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace varnel {

// The codes that the suffix array sorts for joined (search, separator, replacement, end mark):
// 1, 2, ... for the distinct units in ascending order, then the separator at separator_at; the end
// mark is 0. Returns the alphabet's size. code_table is scratch that is left all zero, so that the
// next call finds it cleared without clearing all of it.
int encode_joined(const std::wstring& joined, std::size_t separator_at,
                  std::vector<int>& code_table, std::vector<int>& codes);

class SampleIndex {
public:
    // Indexes the samples afresh; the arrays keep their memory from one pair to the next. The text
    // is search, one separator, replace, one end mark; positions count in that text.
    void assign(const std::wstring& search, const std::wstring& replace);

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

    // The longest piece read inside one free stretch of each sample that holds a non-letter and
    // neither begins with the second half of a surrogate pair nor ends with the first half; among
    // equally long ones the first in code-unit order. Length 0 when none. At first the whole of
    // each sample is free; cut() takes stretches away.
    Piece longest_shared_piece();
    // [position, position + length) of the free stretch that begins at stretch_begin is no longer
    // free; the stretch now ends at position. Call after longest_shared_piece(), which bounds the
    // pieces that later calls can find and so the rooms that still matter.
    void cut(int stretch_begin, int position, int length);

    std::wstring_view piece_text(const Piece& piece) const;
    // The ranks, first and last, of the suffixes that begin with the piece.
    std::pair<int, int> occurrence_ranks(const Piece& piece) const;
    int rank_of(int position) const { return index.ranks[static_cast<std::size_t>(position)]; }
    int suffix_at(int rank) const { return index.suffixes[static_cast<std::size_t>(rank)]; }
    // The free room of the suffix of the rank: exact up to the length of the last piece that
    // longest_shared_piece() found, and never smaller than the true room.
    int room_at(int rank) const { return rooms.room(rank); }

private:
    // A node of the tree of shared prefixes, the ranks of its suffixes, and what it offers: the
    // usable length of its shared piece.
    struct Candidate {
        int length;
        int first_rank;
        int last_rank;
        int depth;

        // The longer piece; of equally long ones, the first in code-unit order.
        bool better_than(const Candidate& other) const {
            return length != other.length ? length > other.length : first_rank < other.first_rank;
        }
        // Orders for std::push_heap and its kin: the best, or the worst, at the front.
        static bool best_first(const Candidate& a, const Candidate& b) { return b.better_than(a); }
        static bool worst_first(const Candidate& a, const Candidate& b) { return a.better_than(b); }
    };
    struct Open {
        int depth;
        int first_rank;
        std::array<int, 2> room;
    };

    int search_size = 0;
    std::wstring joined;
    std::vector<int> codes;
    std::vector<int> code_table;
    SuffixArray index;
    // How many letters follow each position; how many first halves of surrogate pairs end at
    // each position, read backwards, kept only while has_surrogates holds.
    RunLengths letters;
    RunLengths high_surrogates;
    // Whether the samples hold any half of a surrogate pair; most text does not, and then no
    // piece needs the look at its ends that costs two reads at random places.
    bool has_surrogates = false;
    RoomTree rooms;
    // No piece found from now on is longer than the last one found.
    int cap = 0;
    std::vector<Candidate> shortlist;
    std::size_t shortlist_capacity = 0;
    bool has_threshold = false;
    Candidate threshold{};
    std::vector<Open> open;

    void draw_up_shortlist();
    void consider(const Open& node, int last_rank, int parent_depth);
    void raise_threshold(const Candidate& candidate);
    int current_length(const Candidate& candidate) const;
    int usable_length(int first_rank, int length) const;
};

} // namespace varnel

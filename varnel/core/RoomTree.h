#pragma once
// The free room of every suffix of the joined samples, by rank: how far the free stretch that
// holds the suffix's first unit goes on from it. Answers the largest room of one sample over any
// range of ranks in logarithmic time. Rooms only ever shrink, so a change seldom touches more
// than its own entry.

#include <algorithm>
#include <array>
#include <cstdlib>
#include <vector>

namespace varnel {

class RoomTree {
public:
    // room_of(rank) and in_replace(rank) for rank in [0, size). The arrays keep their memory from
    // one assignment to the next.
    template <typename RoomOf, typename InReplace>
    void assign(int size, RoomOf room_of, InReplace in_replace);

    int room(int rank) const { return std::abs(rooms[static_cast<std::size_t>(rank)]); }
    // The room at rank if its suffix lies in the sample, else 0.
    int room_in(int sample, int rank) const {
        const int room = rooms[static_cast<std::size_t>(rank)];
        return std::max(0, sample == 0 ? room : -room);
    }

    // Precondition: room is smaller than the room at rank. The maxima follow at settle(), once
    // for a whole cut: a cut in text order shrinks the largest room of a block again and again.
    void shrink(int rank, int room);
    void settle();
    // The largest room of the sample's suffixes with ranks in [first, last]; 0 when none.
    // Precondition: settled since the last shrink().
    int largest(int sample, int first, int last) const;

private:
    static constexpr int block = 64;

    // The rooms of the replacement's suffixes are kept negative: the sample of a suffix with room
    // left needs no array of its own, and a block's largest room in each sample is two maxima
    // over one run of integers.
    std::vector<int> rooms;
    int blocks = 0;
    // Per sample, a tree of maxima over the blocks of ranks: the blocks' own maxima at
    // [blocks, 2 * blocks), node i the larger of nodes 2i and 2i + 1.
    std::array<std::vector<int>, 2> trees;
    // The tree nodes of blocks whose largest room shrank, per sample; such a node holds -1 until
    // settled.
    std::array<std::vector<int>, 2> unsettled;

    std::array<int, 2> largest_in(int first, int last) const;
    void build();
};

template <typename RoomOf, typename InReplace>
void RoomTree::assign(int size, RoomOf room_of, InReplace in_replace) {
    rooms.resize(static_cast<std::size_t>(size));
    for (int rank = 0; rank < size; ++rank) {
        rooms[static_cast<std::size_t>(rank)] = in_replace(rank) ? -room_of(rank) : room_of(rank);
    }
    build();
}

} // namespace varnel

#include "varnel/core/RoomTree.h"

#include "varnel/common/DBC.h"

#include <algorithm>
#include <cstddef>

namespace varnel {

namespace {

std::size_t at(int i) {
    return static_cast<std::size_t>(i);
}

} // namespace

// The largest room of each sample's suffixes in [first, last].
std::array<int, 2> RoomTree::largest_in(int first, int last) const {
    int in_search = 0;
    int in_replace = 0;
    for (int rank = first; rank <= last; ++rank) {
        in_search = std::max(in_search, rooms[at(rank)]);
        in_replace = std::max(in_replace, -rooms[at(rank)]);
    }
    return {in_search, in_replace};
}

void RoomTree::build() {
    const int size = static_cast<int>(rooms.size());
    blocks = (size + block - 1) / block;
    unsettled = {};
    for (std::vector<int>& tree : trees) {
        tree.assign(at(2 * blocks), 0);
    }
    for (int b = 0; b < blocks; ++b) {
        const std::array<int, 2> largest =
            largest_in(b * block, std::min(size, (b + 1) * block) - 1);
        trees[0][at(blocks + b)] = largest[0];
        trees[1][at(blocks + b)] = largest[1];
    }
    for (std::vector<int>& tree : trees) {
        for (int node = blocks - 1; node > 0; --node) {
            tree[at(node)] = std::max(tree[at(2 * node)], tree[at(2 * node + 1)]);
        }
    }
}

void RoomTree::shrink(int rank, int room) {
    const int old_room = this->room(rank);
    DBC_PRECONDITION(room >= 0 && room < old_room);
    const int sample = rooms[at(rank)] > 0 ? 0 : 1;
    rooms[at(rank)] = sample == 0 ? room : -room;
    int& block_largest = trees[at(sample)][at(blocks + rank / block)];
    // Only the block's largest room can change the maxima above it.
    if (old_room == block_largest) {
        block_largest = -1;
        unsettled[at(sample)].push_back(blocks + rank / block);
    }
}

void RoomTree::settle() {
    const int size = static_cast<int>(rooms.size());
    for (int sample = 0; sample < 2; ++sample) {
        std::vector<int>& tree = trees[at(sample)];
        for (const int leaf : unsettled[at(sample)]) {
            const int b = leaf - blocks;
            tree[at(leaf)] = largest_in(b * block, std::min(size, (b + 1) * block) - 1)[at(sample)];
        }
        for (const int leaf : unsettled[at(sample)]) {
            for (int node = leaf / 2; node > 0; node /= 2) {
                const int larger = std::max(tree[at(2 * node)], tree[at(2 * node + 1)]);
                if (larger == tree[at(node)]) {
                    break;
                }
                tree[at(node)] = larger;
            }
        }
        unsettled[at(sample)].clear();
    }
}

int RoomTree::largest(int sample, int first, int last) const {
    DBC_PRECONDITION(0 <= first && first <= last && last < static_cast<int>(rooms.size()));
    DBC_PRECONDITION(unsettled[0].empty() && unsettled[1].empty());
    const int first_block = first / block;
    const int last_block = last / block;
    if (first_block == last_block) {
        return largest_in(first, last)[at(sample)];
    }
    int result = std::max(largest_in(first, (first_block + 1) * block - 1)[at(sample)],
                          largest_in(last_block * block, last)[at(sample)]);
    // The whole blocks between, bottom-up over [low, high).
    const std::vector<int>& tree = trees[at(sample)];
    for (int low = blocks + first_block + 1, high = blocks + last_block; low < high;
         low /= 2, high /= 2) {
        if (low % 2 == 1) {
            result = std::max(result, tree[at(low++)]);
        }
        if (high % 2 == 1) {
            result = std::max(result, tree[at(--high)]);
        }
    }
    return result;
}

} // namespace varnel

#include "core/RoomTree.h"

#include "common/DBC.h"

#include <algorithm>
#include <cstddef>

namespace {

std::size_t at(int i) {
    return static_cast<std::size_t>(i);
}

} // namespace

// The largest room of the sample's suffixes in [first, last], all within one block.
int RoomTree::largest_in(int sample, int first, int last) const {
    int result = 0;
    for (int rank = first; rank <= last; ++rank) {
        if (this->sample(rank) == sample) {
            result = std::max(result, rooms[at(rank)]);
        }
    }
    return result;
}

void RoomTree::build() {
    const int size = static_cast<int>(rooms.size());
    unsettled = {};
    blocks = (size + block - 1) / block;
    for (int sample = 0; sample < 2; ++sample) {
        std::vector<int>& tree = trees[at(sample)];
        tree.assign(at(2 * blocks), 0);
        for (int b = 0; b < blocks; ++b) {
            tree[at(blocks + b)] =
                largest_in(sample, b * block, std::min(size, (b + 1) * block) - 1);
        }
        for (int node = blocks - 1; node > 0; --node) {
            tree[at(node)] = std::max(tree[at(2 * node)], tree[at(2 * node + 1)]);
        }
    }
}

void RoomTree::shrink(int rank, int room) {
    const int old_room = rooms[at(rank)];
    DBC_PRECONDITION(room >= 0 && room < old_room);
    rooms[at(rank)] = room;
    const int sample = this->sample(rank);
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
            tree[at(leaf)] = largest_in(sample, b * block, std::min(size, (b + 1) * block) - 1);
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
        return largest_in(sample, first, last);
    }
    int result = std::max(largest_in(sample, first, (first_block + 1) * block - 1),
                          largest_in(sample, last_block * block, last));
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

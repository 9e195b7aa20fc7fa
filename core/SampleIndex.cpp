#include "core/SampleIndex.h"

#include "common/DBC.h"
#include "core/IsLetter.h"

#include <algorithm>
#include <cstddef>

namespace {

bool is_high_surrogate(wchar_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}

bool is_low_surrogate(wchar_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

// Small codes that keep the order of the code units: 1, 2, ... for the units in ascending order,
// then the separator; the end mark is 0. Returns the alphabet size.
int encode(const std::wstring& joined, std::size_t search_size, std::vector<int>& codes) {
    const std::size_t end_mark = joined.size() - 1;
    std::vector<int> table(0x10000, 0);
    std::vector<wchar_t> distinct;
    for (std::size_t i = 0; i < end_mark; ++i) {
        const auto unit = static_cast<std::size_t>(joined[i]);
        if (i == search_size) {
            continue;
        }
        if (unit >= table.size()) {
            distinct.push_back(joined[i]);
        } else if (table[unit] == 0) {
            table[unit] = 1;
            distinct.push_back(joined[i]);
        }
    }
    std::sort(distinct.begin(), distinct.end());
    distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
    for (std::size_t k = 0; k < distinct.size(); ++k) {
        const auto unit = static_cast<std::size_t>(distinct[k]);
        if (unit < table.size()) {
            table[unit] = static_cast<int>(k) + 1;
        }
    }
    const int separator = static_cast<int>(distinct.size()) + 1;
    codes.resize(joined.size());
    for (std::size_t i = 0; i < end_mark; ++i) {
        const auto unit = static_cast<std::size_t>(joined[i]);
        if (i == search_size) {
            codes[i] = separator;
        } else if (unit < table.size()) {
            codes[i] = table[unit];
        } else {
            const auto at = std::lower_bound(distinct.begin(), distinct.end(), joined[i]);
            codes[i] = static_cast<int>(at - distinct.begin()) + 1;
        }
    }
    codes[end_mark] = 0;
    return separator + 1;
}

} // namespace

SampleIndex::SampleIndex(const std::wstring& search, const std::wstring& replace)
    : search_size(static_cast<int>(search.size())) {
    joined.reserve(search.size() + replace.size() + 2);
    joined = search;
    joined += L'\0';
    joined += replace;
    joined += L'\0';
    std::vector<int> codes;
    const int alphabet_size = encode(joined, search.size(), codes);
    index = make_suffix_array(codes, alphabet_size);

    const int n = static_cast<int>(joined.size());
    letters_ahead.assign(joined.size(), 0);
    for (int i = n - 2; i >= 0; --i) {
        if (i != search_size && is_letter(joined[i])) {
            letters_ahead[i] = letters_ahead[i + 1] + 1;
        }
    }
    high_surrogates_behind.assign(joined.size(), 0);
    for (int i = 0; i < n; ++i) {
        if (is_high_surrogate(joined[i])) {
            high_surrogates_behind[i] = (i > 0 ? high_surrogates_behind[i - 1] : 0) + 1;
        }
    }
    build_tree();
}

// One left-to-right pass over the prefix lengths with a stack of open intervals; a node is
// numbered when it is opened and placed in post-order when it is closed.
void SampleIndex::build_tree() {
    const int n = static_cast<int>(joined.size());
    const std::vector<int>& prefixes = index.common_prefixes;
    std::vector<int> depth;
    std::vector<int> first_rank;
    std::vector<int> parent;
    std::vector<int> leaf_node(joined.size());
    std::vector<int> post_order;
    struct Open {
        int depth;
        int id;
    };
    std::vector<Open> open;
    const auto open_node = [&](int node_depth, int rank) {
        open.push_back({node_depth, static_cast<int>(depth.size())});
        depth.push_back(node_depth);
        first_rank.push_back(rank);
        parent.push_back(-1);
        return open.back().id;
    };
    open_node(0, 0);
    for (int i = 1; i <= n; ++i) {
        const int shared = i < n ? prefixes[i] : 0;
        const Open before = open.back();
        int rank = i - 1;
        int closed = -1;
        while (shared < open.back().depth) {
            closed = open.back().id;
            open.pop_back();
            post_order.push_back(closed);
            rank = first_rank[closed];
            if (shared <= open.back().depth) {
                parent[closed] = open.back().id;
            }
        }
        if (shared > open.back().depth) {
            const int id = open_node(shared, rank);
            if (closed >= 0) {
                parent[closed] = id;
            }
        }
        // The suffix of rank i - 1 hangs below the deeper of the intervals on its two sides.
        leaf_node[index.suffixes[i - 1]] = shared > before.depth ? open.back().id : before.id;
    }
    post_order.push_back(open.back().id);

    std::vector<int> place(depth.size());
    for (std::size_t k = 0; k < post_order.size(); ++k) {
        place[post_order[k]] = static_cast<int>(k);
    }
    node_depth.resize(depth.size());
    node_first_rank.resize(depth.size());
    node_parent.resize(depth.size());
    for (std::size_t k = 0; k < post_order.size(); ++k) {
        const int id = post_order[k];
        node_depth[k] = depth[id];
        node_first_rank[k] = first_rank[id];
        node_parent[k] = parent[id] < 0 ? -1 : place[parent[id]];
    }
    leaf_parent.resize(joined.size());
    for (std::size_t i = 0; i < joined.size(); ++i) {
        leaf_parent[i] = place[leaf_node[i]];
    }
}

// The longest prefix, at most length long, of the suffix of first_rank that holds a non-letter
// and does not cut a surrogate pair; 0 when there is none.
int SampleIndex::usable_length(int first_rank, int length) const {
    const int position = index.suffixes[first_rank];
    if (is_low_surrogate(joined[position])) {
        return 0;
    }
    const int usable = length - high_surrogates_behind[position + length - 1];
    return usable > letters_ahead[position] ? usable : 0;
}

// Two suffixes whose lowest common node has depth d share min(d, room of each) units in free
// text; a node therefore offers the smallest of its depth and the largest room below it in each
// sample. Children come before parents, so one pass carries the largest rooms upwards.
SampleIndex::Piece SampleIndex::longest_shared_piece(const std::vector<int>& room) const {
    DBC_PRECONDITION(room.size() == joined.size());
    std::vector<int> search_room(node_depth.size(), 0);
    std::vector<int> replace_room(node_depth.size(), 0);
    for (int i = 0; i < static_cast<int>(room.size()); ++i) {
        if (room[i] > 0) {
            std::vector<int>& rooms = i < search_size ? search_room : replace_room;
            rooms[leaf_parent[i]] = std::max(rooms[leaf_parent[i]], room[i]);
        }
    }
    Piece best;
    for (std::size_t node = 0; node < node_depth.size(); ++node) {
        const int in_search = search_room[node];
        const int in_replace = replace_room[node];
        const int shared = std::min({node_depth[node], in_search, in_replace});
        if (shared > 0 && shared >= best.length) {
            const int first_rank = node_first_rank[node];
            const int length = usable_length(first_rank, shared);
            if (length > best.length ||
                (length > 0 && length == best.length && first_rank < best.rank)) {
                best = {length, first_rank};
            }
        }
        const int parent = node_parent[node];
        if (parent >= 0) {
            search_room[parent] = std::max(search_room[parent], in_search);
            replace_room[parent] = std::max(replace_room[parent], in_replace);
        }
    }
    return best;
}

std::wstring_view SampleIndex::piece_text(const Piece& piece) const {
    return std::wstring_view(joined).substr(static_cast<std::size_t>(index.suffixes[piece.rank]),
                                            static_cast<std::size_t>(piece.length));
}

std::pair<int, int> SampleIndex::occurrence_ranks(const Piece& piece) const {
    const std::vector<int>& prefixes = index.common_prefixes;
    int first = piece.rank;
    while (first > 0 && prefixes[first] >= piece.length) {
        --first;
    }
    int last = piece.rank;
    while (last + 1 < static_cast<int>(prefixes.size()) && prefixes[last + 1] >= piece.length) {
        ++last;
    }
    return {first, last};
}

#include "varnel/core/SampleIndex.h"

#include "varnel/common/CodeUnits.h"
#include "varnel/common/DBC.h"
#include "varnel/core/IsLetter.h"

#include <algorithm>
#include <cstddef>
#include <limits>

namespace varnel {

namespace {

std::size_t at(int i) {
    return static_cast<std::size_t>(i);
}

std::array<int, 2> larger_rooms(const std::array<int, 2>& a, const std::array<int, 2>& b) {
    return {std::max(a[0], b[0]), std::max(a[1], b[1])};
}

// Enough nodes that a shortlist seldom runs out before many rounds have passed, few enough that
// it stays small beside the index.
int shortlist_size(int text_size) {
    return std::max(16, text_size / 32);
}

} // namespace

int encode_joined(const std::wstring& joined, std::size_t separator_at,
                  std::vector<int>& code_table, std::vector<int>& codes) {
    code_table.resize(0x10000);
    const auto in_table = [&](wchar_t unit) {
        return static_cast<std::size_t>(unit) < code_table.size();
    };
    std::vector<wchar_t> distinct;
    const std::size_t end_mark = joined.size() - 1;
    for (std::size_t i = 0; i < end_mark; ++i) {
        const wchar_t unit = joined[i];
        if (i == separator_at) {
            continue;
        }
        if (!in_table(unit)) {
            distinct.push_back(unit);
        } else if (code_table[static_cast<std::size_t>(unit)] == 0) {
            code_table[static_cast<std::size_t>(unit)] = 1;
            distinct.push_back(unit);
        }
    }
    std::sort(distinct.begin(), distinct.end());
    distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
    for (std::size_t k = 0; k < distinct.size(); ++k) {
        if (in_table(distinct[k])) {
            code_table[static_cast<std::size_t>(distinct[k])] = static_cast<int>(k) + 1;
        }
    }
    const int separator = static_cast<int>(distinct.size()) + 1;
    codes.resize(joined.size());
    for (std::size_t i = 0; i < end_mark; ++i) {
        const wchar_t unit = joined[i];
        if (i == separator_at) {
            codes[i] = separator;
        } else if (in_table(unit)) {
            codes[i] = code_table[static_cast<std::size_t>(unit)];
        } else {
            const auto found = std::lower_bound(distinct.begin(), distinct.end(), unit);
            codes[i] = static_cast<int>(found - distinct.begin()) + 1;
        }
    }
    codes[end_mark] = 0;
    for (const wchar_t unit : distinct) {
        if (in_table(unit)) {
            code_table[static_cast<std::size_t>(unit)] = 0;
        }
    }
    return separator + 1;
}

void SampleIndex::assign(const std::wstring& search, const std::wstring& replace) {
    search_size = static_cast<int>(search.size());
    joined.assign(search);
    joined += L'\0';
    joined += replace;
    joined += L'\0';
    const int alphabet_size = encode_joined(joined, at(search_size), code_table, codes);
    make_suffix_array(codes, alphabet_size, index);

    const int n = static_cast<int>(joined.size());
    letters.assign(n, [&](int i) { return i != search_size && is_letter(joined[at(i)]); });
    has_surrogates =
        std::any_of(joined.begin(), joined.end(), [](wchar_t c) { return is_surrogate(c); });
    if (has_surrogates) {
        high_surrogates.assign(n, [&](int i) { return is_high_surrogate(joined[at(n - 1 - i)]); });
    }
    rooms.assign(
        n,
        [&](int rank) {
            const int position = suffix_at(rank);
            if (position < search_size) {
                return search_size - position;
            }
            return position > search_size ? std::max(0, replace_end() - position) : 0;
        },
        [&](int rank) { return suffix_at(rank) > search_size; });
    cap = std::numeric_limits<int>::max();
    draw_up_shortlist();
}

// The longest prefix, at most length long, of the suffix of first_rank that holds a non-letter
// and does not cut a surrogate pair; 0 when there is none.
int SampleIndex::usable_length(int first_rank, int length) const {
    const int position = suffix_at(first_rank);
    if (has_surrogates && is_low_surrogate(joined[at(position)])) {
        return 0;
    }
    const int last = position + length - 1;
    const int n = static_cast<int>(joined.size());
    const int usable = has_surrogates ? length - high_surrogates.run_from(n - 1 - last) : length;
    return usable > letters.run_from(position) ? usable : 0;
}

// Two suffixes whose lowest common node has depth d share min(d, room of each) units in free
// text; a node therefore offers the smallest of its depth and the largest room below it in each
// sample, and no more than the cap.
int SampleIndex::current_length(const Candidate& candidate) const {
    int reach = std::min(candidate.depth, cap);
    for (int sample = 0; sample < 2 && reach > 0; ++sample) {
        reach = std::min(reach, rooms.largest(sample, candidate.first_rank, candidate.last_rank));
    }
    return reach > 0 ? usable_length(candidate.first_rank, reach) : 0;
}

void SampleIndex::raise_threshold(const Candidate& candidate) {
    if (!has_threshold || candidate.better_than(threshold)) {
        threshold = candidate;
        has_threshold = true;
    }
}

// A node whose piece is no longer than its parent's depth offers a prefix of the parent's piece,
// which the parent offers too (its rooms are at least as large), now and in every later round.
void SampleIndex::consider(const Open& node, int last_rank, int parent_depth) {
    Candidate candidate{std::min({node.depth, node.room[0], node.room[1], cap}), node.first_rank,
                        last_rank, node.depth};
    if (candidate.length <= parent_depth) {
        return;
    }
    const bool full = shortlist.size() >= shortlist_capacity;
    // Its length so far is a bound on what it offers: a bound that cannot enter the shortlist
    // stands for the node in the threshold.
    if (full && !candidate.better_than(shortlist.front())) {
        raise_threshold(candidate);
        return;
    }
    candidate.length = usable_length(candidate.first_rank, candidate.length);
    if (candidate.length <= parent_depth) {
        return;
    }
    if (!full) {
        shortlist.push_back(candidate);
        std::push_heap(shortlist.begin(), shortlist.end(), Candidate::worst_first);
    } else if (candidate.better_than(shortlist.front())) {
        raise_threshold(shortlist.front());
        std::pop_heap(shortlist.begin(), shortlist.end(), Candidate::worst_first);
        shortlist.back() = candidate;
        std::push_heap(shortlist.begin(), shortlist.end(), Candidate::worst_first);
    } else {
        raise_threshold(candidate);
    }
}

// One pass over the prefix lengths with a stack of open intervals, children closed before their
// parents, carries up the largest room below each node in each sample.
void SampleIndex::draw_up_shortlist() {
    shortlist.clear();
    shortlist_capacity = at(shortlist_size(static_cast<int>(joined.size())));
    has_threshold = false;
    const std::vector<int>& prefixes = index.common_prefixes;
    const int n = static_cast<int>(joined.size());
    open.clear();
    open.push_back({0, 0, {0, 0}});
    for (int rank = 1; rank <= n; ++rank) {
        const int shared = rank < n ? prefixes[at(rank)] : 0;
        std::array<int, 2> room{rooms.room_in(0, rank - 1), rooms.room_in(1, rank - 1)};
        int first_rank = rank - 1;
        while (shared < open.back().depth) {
            Open node = open.back();
            open.pop_back();
            node.room = larger_rooms(node.room, room);
            consider(node, rank - 1, std::max(shared, open.back().depth));
            room = node.room;
            first_rank = node.first_rank;
        }
        if (shared > open.back().depth) {
            open.push_back({shared, first_rank, room});
        } else {
            open.back().room = larger_rooms(open.back().room, room);
        }
    }
    std::make_heap(shortlist.begin(), shortlist.end(), Candidate::best_first);
}

SampleIndex::Piece SampleIndex::longest_shared_piece() {
    // Whether the candidate may be worse than a node left off the shortlist.
    const auto below_threshold = [&](const Candidate& candidate) {
        return has_threshold && threshold.better_than(candidate);
    };
    for (;;) {
        if (shortlist.empty()) {
            if (!has_threshold) {
                cap = 0;
                return {};
            }
            draw_up_shortlist();
            continue;
        }
        Candidate top = shortlist.front();
        const int length = current_length(top);
        // Every entry went in no worse than the threshold, and offers only shrink: a top whose
        // offer still holds beats every node, on the shortlist or off it.
        if (length == top.length) {
            cap = length;
            return {length, top.first_rank};
        }
        std::pop_heap(shortlist.begin(), shortlist.end(), Candidate::best_first);
        shortlist.pop_back();
        top.length = length;
        if (length > 0 && !below_threshold(top)) {
            shortlist.push_back(top);
            std::push_heap(shortlist.begin(), shortlist.end(), Candidate::best_first);
        }
    }
}

// A cut changes the room of its own positions, and of the positions before it in its stretch;
// of those, only the ones less than the cap before the cut can matter to a later piece.
void SampleIndex::cut(int stretch_begin, int position, int length) {
    if (cap == 0) {
        return;
    }
    for (int i = position; i < position + length; ++i) {
        rooms.shrink(rank_of(i), 0);
    }
    for (int i = std::max(stretch_begin, position - cap + 1); i < position; ++i) {
        rooms.shrink(rank_of(i), position - i);
    }
    rooms.settle();
}

std::wstring_view SampleIndex::piece_text(const Piece& piece) const {
    return std::wstring_view(joined).substr(at(suffix_at(piece.rank)), at(piece.length));
}

std::pair<int, int> SampleIndex::occurrence_ranks(const Piece& piece) const {
    const std::vector<int>& prefixes = index.common_prefixes;
    int first = piece.rank;
    while (first > 0 && prefixes[at(first)] >= piece.length) {
        --first;
    }
    int last = piece.rank;
    while (last + 1 < static_cast<int>(prefixes.size()) && prefixes[at(last + 1)] >= piece.length) {
        ++last;
    }
    return {first, last};
}

} // namespace varnel

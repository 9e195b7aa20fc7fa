#include "varnel/core/GreedyParting.h"

#include "varnel/common/DBC.h"
#include "varnel/core/CommonWords.h"
#include "varnel/core/IsLetter.h"
#include "varnel/core/PartingWorkspace.h"
#include "varnel/core/SampleIndex.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <iterator>
#include <string_view>
#include <vector>

namespace varnel {

namespace {

// A stretch of one sample in the joined text; a negative group marks a Unique part.
struct Span {
    int begin;
    int end;
    int group;
};

class Parting {
public:
    // The index must have been assigned the two samples.
    explicit Parting(SampleIndex& index);

    // Parts the next piece under the given group; false when no piece can be parted.
    bool part_next(int group);
    std::vector<StringPart> parts(int sample) const;

private:
    SampleIndex& index;
    const std::wstring& text;
    const std::array<Span, 2> samples;
    std::array<std::vector<Span>, 2> spans;
    // The units of each sample still in Unique parts.
    std::array<int, 2> free_units;
    CommonWords words;
    // Cuts whose words and rooms the next round brings up to date: a round that finds one sample
    // used up, or the group limit, makes that work needless.
    struct Cut {
        int sample;
        Span part;
        int position;
        int length;
    };
    std::vector<Cut> unsettled;

    std::vector<Span>::const_iterator part_at(int sample, int position) const;
    bool is_free_whole_word(int sample, int position, int length) const;
    int first_occurrence(int sample, const SampleIndex::Piece& piece, bool whole_word) const;
    void split(int sample, int position, int length, int group);
    void settle(const Cut& cut);
    void count_words(int sample, int begin, int end, bool add);
};

Parting::Parting(SampleIndex& index)
    : index(index),
      text(index.text()), samples{Span{index.search_begin(), index.search_end(), -1},
                                  Span{index.replace_begin(), index.replace_end(), -1}} {
    for (int sample = 0; sample < 2; ++sample) {
        const Span whole = samples[sample];
        spans[sample].push_back(whole);
        free_units[sample] = whole.end - whole.begin;
        count_words(sample, whole.begin, whole.end, true);
    }
}

// Adds or removes the maximal runs of letters inside [begin, end).
void Parting::count_words(int sample, int begin, int end, bool add) {
    const std::wstring_view view(text);
    int i = begin;
    while (i < end) {
        if (!is_letter(text[i])) {
            ++i;
            continue;
        }
        int j = i + 1;
        while (j < end && is_letter(text[j])) {
            ++j;
        }
        const std::wstring_view word =
            view.substr(static_cast<std::size_t>(i), static_cast<std::size_t>(j - i));
        if (add) {
            words.add(word, sample);
        } else {
            words.remove(word, sample);
        }
        i = j;
    }
}

// The part of the sample that holds the position.
std::vector<Span>::const_iterator Parting::part_at(int sample, int position) const {
    const std::vector<Span>& list = spans[sample];
    return std::prev(std::upper_bound(list.begin(), list.end(), position,
                                      [](int p, const Span& span) { return p < span.begin; }));
}

// Whether [position, position + length) lies in one Unique part with no letter beside it there.
bool Parting::is_free_whole_word(int sample, int position, int length) const {
    const Span part = *part_at(sample, position);
    const int end = position + length;
    return part.group < 0 && end <= part.end &&
           (position == part.begin || !is_letter(text[position - 1])) &&
           (end == part.end || !is_letter(text[end]));
}

// The first acceptable occurrence in the Unique parts of the sample, in text order. The index's
// room is exact for the pieces it finds itself and never too small for a word, whose occurrence
// is checked in full; the check runs only when a candidate comes before the best so far.
int Parting::first_occurrence(int sample, const SampleIndex::Piece& piece, bool whole_word) const {
    const auto [first, last] = index.occurrence_ranks(piece);
    int found = -1;
    for (int rank = first; rank <= last; ++rank) {
        const int position = index.suffix_at(rank);
        const bool in_sample = position >= samples[sample].begin && position < samples[sample].end;
        if (in_sample && index.room_at(rank) >= piece.length && (found < 0 || position < found) &&
            (!whole_word || is_free_whole_word(sample, position, piece.length))) {
            found = position;
        }
    }
    DBC_CHECK(found >= 0);
    return found;
}

// Cuts [position, position + length) out of its Unique part as a Common part.
void Parting::split(int sample, int position, int length, int group) {
    std::vector<Span>& list = spans[sample];
    const auto at = list.begin() + (part_at(sample, position) - list.cbegin());
    const Span part = *at;
    const int cut_end = position + length;
    DBC_CHECK(part.group < 0 && part.begin <= position && cut_end <= part.end);
    unsettled.push_back({sample, part, position, length});
    free_units[sample] -= length;

    std::vector<Span> pieces;
    if (part.begin < position) {
        pieces.push_back({part.begin, position, -1});
    }
    pieces.push_back({position, cut_end, group});
    if (cut_end < part.end) {
        pieces.push_back({cut_end, part.end, -1});
    }
    const auto next = list.erase(at);
    list.insert(next, pieces.begin(), pieces.end());
}

// Only the words that touch the cut change: the ones inside it go, the ones across its edges
// become shorter. The index learns which rooms shrank.
void Parting::settle(const Cut& cut) {
    const int cut_end = cut.position + cut.length;
    int zone_begin = cut.position;
    while (zone_begin > cut.part.begin && is_letter(text[zone_begin - 1])) {
        --zone_begin;
    }
    int zone_end = cut_end;
    while (zone_end < cut.part.end && is_letter(text[zone_end])) {
        ++zone_end;
    }
    count_words(cut.sample, zone_begin, zone_end, false);
    count_words(cut.sample, zone_begin, cut.position, true);
    count_words(cut.sample, cut_end, zone_end, true);
    index.cut(cut.part.begin, cut.position, cut.length);
}

bool Parting::part_next(int group) {
    if (free_units[0] == 0 || free_units[1] == 0) {
        return false;
    }
    for (const Cut& cut : unsettled) {
        settle(cut);
    }
    unsettled.clear();
    SampleIndex::Piece piece = index.longest_shared_piece();
    const std::wstring_view word = words.longest();
    const auto word_length = static_cast<int>(word.size());
    const bool take_word =
        !word.empty() && (word_length > piece.length ||
                          (word_length == piece.length && word < index.piece_text(piece)));
    if (!take_word && piece.length == 0) {
        return false;
    }
    if (take_word) {
        piece = {word_length, index.rank_of(static_cast<int>(word.data() - text.data()))};
    }
    const int in_search = first_occurrence(0, piece, take_word);
    const int in_replace = first_occurrence(1, piece, take_word);
    split(0, in_search, piece.length, group);
    split(1, in_replace, piece.length, group);
    return true;
}

std::vector<StringPart> Parting::parts(int sample) const {
    std::vector<StringPart> result;
    for (const Span& span : spans[sample]) {
        const std::wstring part_text = text.substr(static_cast<std::size_t>(span.begin),
                                                   static_cast<std::size_t>(span.end - span.begin));
        if (span.group < 0) {
            result.emplace_back(part_text);
        } else {
            result.emplace_back(part_text, static_cast<std::uint32_t>(span.group),
                                StringPart::Common);
        }
    }
    return result;
}

} // namespace

PartedStrings greedy_parting(const std::wstring& search, const std::wstring& replace,
                             unsigned int max_groups) {
    PartingWorkspace workspace;
    return greedy_parting(search, replace, max_groups, workspace);
}

PartedStrings greedy_parting(const std::wstring& search, const std::wstring& replace,
                             unsigned int max_groups, PartingWorkspace& workspace) {
    workspace.index().assign(search, replace);
    Parting parting(workspace.index());
    for (unsigned int group = 0; group < max_groups; ++group) {
        if (!parting.part_next(static_cast<int>(group))) {
            break;
        }
    }
    return PartedStrings(parting.parts(0), parting.parts(1));
}

} // namespace varnel

#pragma once
// Kinds of sample pairs for the benchmarks: ordinary texts of words and the kinds that make the
// inference work hard. Each pair is the same from run to run.

#include <string>

enum Kind {
    random_words,
    same_text,
    reversed_words,
    // A copy with one unit in every 10 or every 1,000 changed, as after a careful edit.
    changed_every_10,
    changed_every_1000,
    // Words that occur once in each sample, in another order in the replacement.
    distinct_words,
    // Two independent texts over a few units that are not letters.
    digits_only,
    punctuation_only,
    // The samples share single units only, never two in a row.
    one_unit_pieces,
};

constexpr Kind all_kinds[] = {random_words,     same_text,          reversed_words,
                              changed_every_10, changed_every_1000, distinct_words,
                              digits_only,      punctuation_only,   one_unit_pieces};

const char* kind_name(Kind kind);

struct Samples {
    std::wstring search;
    std::wstring replace;
};

// size code units in each sample.
Samples make_samples(Kind kind, int size);

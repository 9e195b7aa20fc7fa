#pragma once
// Random sample pairs for the tests that run what the inference writes: short pieces, some of
// them repeated (letters, accented letters, digits, spaces, every special character of both
// languages and characters outside the basic plane), and runs of them in another order.

#include <random>
#include <string>
#include <utility>
#include <vector>

std::wstring join(const std::vector<std::wstring>& words, const std::wstring& glue);

class SampleMaker {
public:
    // Up to max_count pieces.
    std::vector<std::wstring> pieces(std::size_t max_count);

    // Runs of the pieces in another order, with new pieces before some of them.
    std::wstring reordered(const std::vector<std::wstring>& pieces);

    // A search sample of up to 14 pieces and an "x"; the replacement sample is the same pieces
    // reordered, or new pieces.
    std::pair<std::wstring, std::wstring> pair(bool reorder);

    // count distinct short words separated by spaces, and the same words shuffled.
    std::pair<std::wstring, std::wstring> many_words(std::size_t count, bool letters);

    std::mt19937 random{2024};
};

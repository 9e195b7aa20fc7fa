#pragma once
// The whole words of the free text of two samples, counted per sample, so that the longest word
// both samples hold is known at once while the text is cut into pieces.

#include <array>
#include <set>
#include <string_view>
#include <unordered_map>

class CommonWords {
public:
    // The viewed text must outlive this object.
    void add(std::wstring_view word, int sample);
    // Precondition: the word was added for that sample more often than removed.
    void remove(std::wstring_view word, int sample);

    // The longest word held by both samples, the first in code-unit order among equally long
    // ones; empty when the samples share no word.
    std::wstring_view longest() const;

private:
    struct LongerFirst {
        bool operator()(std::wstring_view a, std::wstring_view b) const {
            return a.size() != b.size() ? a.size() > b.size() : a < b;
        }
    };

    std::unordered_map<std::wstring_view, std::array<int, 2>> counts;
    std::set<std::wstring_view, LongerFirst> shared;
};

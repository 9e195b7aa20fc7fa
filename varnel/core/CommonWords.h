#pragma once
// The whole words of the free text of two samples, counted per sample, so that the longest word
// both samples hold is known at once while the text is cut into pieces.

#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

namespace varnel {

class CommonWords {
public:
    // The viewed text must outlive this object.
    void add(std::wstring_view word, int sample);
    // Precondition: the word was added for that sample more often than removed.
    void remove(std::wstring_view word, int sample);

    // The longest word held by both samples, the first in code-unit order among equally long
    // ones; empty when the samples share no word.
    std::wstring_view longest();

private:
    struct Entry {
        std::wstring_view word; // empty in a free slot
        std::array<int, 2> count{};
        bool queued = false;
    };

    // Open addressing: a long text holds hundreds of thousands of distinct words, and a slot
    // costs less than a node of its own.
    std::vector<Entry> table;
    std::size_t used = 0;
    // The slots of the shared words, longest first; a word that stopped being shared leaves
    // only when it comes to the front.
    std::vector<std::size_t> queue;

    std::size_t slot_of(std::wstring_view word) const;
    void grow();
    void enqueue(std::size_t slot);
    bool worse(std::size_t slot, std::size_t other) const;
};

} // namespace varnel

#include "varnel/core/CommonWords.h"

#include "varnel/common/DBC.h"

#include <algorithm>
#include <functional>

namespace varnel {

namespace {

bool is_shared(const std::array<int, 2>& count) {
    return count[0] > 0 && count[1] > 0;
}

} // namespace

// The slot that holds the word, or the free slot where it belongs.
std::size_t CommonWords::slot_of(std::wstring_view word) const {
    const std::size_t mask = table.size() - 1;
    std::size_t slot = std::hash<std::wstring_view>()(word) & mask;
    while (!table[slot].word.empty() && table[slot].word != word) {
        slot = (slot + 1) & mask;
    }
    return slot;
}

// Longer words first, then code-unit order.
bool CommonWords::worse(std::size_t slot, std::size_t other) const {
    const std::wstring_view a = table[slot].word;
    const std::wstring_view b = table[other].word;
    return a.size() != b.size() ? a.size() < b.size() : a > b;
}

void CommonWords::enqueue(std::size_t slot) {
    table[slot].queued = true;
    queue.push_back(slot);
    std::push_heap(queue.begin(), queue.end(),
                   [this](std::size_t a, std::size_t b) { return worse(a, b); });
}

// Twice the slots, at most half of them used; the queue is drawn up afresh for the new slots.
void CommonWords::grow() {
    std::vector<Entry> old = std::move(table);
    table.assign(std::max<std::size_t>(16, old.size() * 2), Entry{});
    queue.clear();
    for (Entry& entry : old) {
        if (!entry.word.empty()) {
            entry.queued = is_shared(entry.count);
            const std::size_t slot = slot_of(entry.word);
            table[slot] = entry;
            if (entry.queued) {
                queue.push_back(slot);
            }
        }
    }
    std::make_heap(queue.begin(), queue.end(),
                   [this](std::size_t a, std::size_t b) { return worse(a, b); });
}

void CommonWords::add(std::wstring_view word, int sample) {
    DBC_PRECONDITION(!word.empty() && (sample == 0 || sample == 1));
    if ((used + 1) * 2 > table.size()) {
        grow();
    }
    const std::size_t slot = slot_of(word);
    Entry& entry = table[slot];
    if (entry.word.empty()) {
        entry.word = word;
        ++used;
    }
    ++entry.count[static_cast<std::size_t>(sample)];
    if (is_shared(entry.count) && !entry.queued) {
        enqueue(slot);
    }
}

void CommonWords::remove(std::wstring_view word, int sample) {
    DBC_PRECONDITION(sample == 0 || sample == 1);
    DBC_PRECONDITION(!table.empty());
    Entry& entry = table[slot_of(word)];
    DBC_PRECONDITION(!entry.word.empty() && entry.count[static_cast<std::size_t>(sample)] > 0);
    --entry.count[static_cast<std::size_t>(sample)];
}

std::wstring_view CommonWords::longest() {
    while (!queue.empty()) {
        Entry& entry = table[queue.front()];
        if (is_shared(entry.count)) {
            return entry.word;
        }
        entry.queued = false;
        std::pop_heap(queue.begin(), queue.end(),
                      [this](std::size_t a, std::size_t b) { return worse(a, b); });
        queue.pop_back();
    }
    return {};
}

} // namespace varnel

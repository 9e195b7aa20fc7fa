#include "core/CommonWords.h"

#include "common/DBC.h"

void CommonWords::add(std::wstring_view word, int sample) {
    DBC_PRECONDITION(!word.empty() && (sample == 0 || sample == 1));
    std::array<int, 2>& count = counts[word];
    if (++count[sample] == 1 && count[1 - sample] > 0) {
        shared.insert(word);
    }
}

void CommonWords::remove(std::wstring_view word, int sample) {
    DBC_PRECONDITION(sample == 0 || sample == 1);
    const auto found = counts.find(word);
    DBC_PRECONDITION(found != counts.end() && found->second[sample] > 0);
    std::array<int, 2>& count = found->second;
    if (--count[sample] == 0) {
        if (count[1 - sample] > 0) {
            shared.erase(word);
        } else {
            counts.erase(found);
        }
    }
}

std::wstring_view CommonWords::longest() const {
    return shared.empty() ? std::wstring_view() : *shared.begin();
}

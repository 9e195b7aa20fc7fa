#include "app/SampleWindow.h"

#include "varnel/common/DBC.h"

#include <algorithm>

#include <QChar>

namespace varnel {

namespace {

// Code units the stretch reaches either side of the caret: a line edit lays out 8,192 of them in
// about a millisecond, and a screen shows a few hundred.
constexpr qsizetype reach = 4096;
// Closer than this to an edge of the stretch within the sample, the caret takes the stretch along:
// more than a screen, so that the view never reaches the edge.
constexpr qsizetype margin = 1024;
// Typing lengthens the stretch; beyond this it is cut again around the caret.
constexpr qsizetype longest = 4 * reach;

// The offset moved back to the start of a surrogate pair it would split.
qsizetype whole_start(QStringView sample, qsizetype at) {
    const bool splits = at > 0 && at < sample.size() && sample[at].isLowSurrogate() &&
                        sample[at - 1].isHighSurrogate();
    return splits ? at - 1 : at;
}

// The offset moved on past the end of a surrogate pair it would split.
qsizetype whole_end(QStringView sample, qsizetype at) {
    const bool splits = at > 0 && at < sample.size() && sample[at - 1].isHighSurrogate() &&
                        sample[at].isLowSurrogate();
    return splits ? at + 1 : at;
}

} // namespace

SampleWindow::SampleWindow(QStringView sample, qsizetype caret, qsizetype anchor)
    : first(0), last(sample.size()), caret_at(caret), anchor_at(anchor) {
    DBC_PRECONDITION(0 <= caret && caret <= sample.size());
    DBC_PRECONDITION(0 <= anchor && anchor <= sample.size());
    if (sample.size() > 2 * reach) {
        const qsizetype start = std::clamp(caret - reach, qsizetype{0}, sample.size() - 2 * reach);
        first = whole_start(sample, start);
        last = whole_end(sample, start + 2 * reach);
    }
}

SampleWindow::SampleWindow(qsizetype first, qsizetype last, qsizetype caret, qsizetype anchor)
    : first(first), last(last), caret_at(caret), anchor_at(anchor) {}

qsizetype SampleWindow::selection_start() const {
    return std::min(caret_at, anchor_at);
}

qsizetype SampleWindow::selection_end() const {
    return std::max(caret_at, anchor_at);
}

qsizetype SampleWindow::shown_anchor() const {
    return std::clamp(anchor_at, first, last) - first;
}

SampleWindow SampleWindow::moved(QStringView sample, qsizetype shown_anchor,
                                 qsizetype shown_caret) const {
    DBC_PRECONDITION(0 <= shown_caret && shown_caret <= last - first);
    DBC_PRECONDITION(0 <= shown_anchor && shown_anchor <= last - first);
    const qsizetype held = this->shown_anchor();
    const auto in_sample = [&](qsizetype shown) {
        return shown == held ? anchor_at : first + shown;
    };
    return SampleWindow(first, last, in_sample(shown_caret), in_sample(shown_anchor))
        .fitted(sample);
}

SampleWindow SampleWindow::edited(QStringView sample, qsizetype start, qsizetype removed,
                                  qsizetype inserted) const {
    const qsizetype caret = start + inserted;
    DBC_PRECONDITION(0 <= start && 0 <= removed && 0 <= inserted && caret <= sample.size());
    // An edit within the stretch keeps it where it was; one beyond it puts it around the caret.
    if (start < first || start + removed > last) {
        return SampleWindow(sample, caret, caret);
    }
    return SampleWindow(first, last - removed + inserted, caret, caret).fitted(sample);
}

bool SampleWindow::same_stretch(const SampleWindow& other) const {
    return first == other.first && last == other.last;
}

SampleWindow SampleWindow::fitted(QStringView sample) const {
    DBC_PRECONDITION(last <= sample.size());
    const bool near_start = first > 0 && caret_at < first + margin;
    const bool near_end = last < sample.size() && caret_at > last - margin;
    const bool outside = caret_at < first || caret_at > last;
    if (near_start || near_end || outside || last - first > longest) {
        return SampleWindow(sample, caret_at, anchor_at);
    }
    return *this;
}

} // namespace varnel

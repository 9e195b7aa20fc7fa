#pragma once
// The stretch of a sample that a sample box's line edit holds. A line edit lays out its whole line
// on every change and every paint, a few hundred milliseconds for a mebibyte; the box gives it a
// few thousand code units around the caret instead, and keeps the caret and the selection's anchor
// as offsets into the whole sample. The stretch follows the caret and is cut at whole characters.

#include <QStringView>

namespace varnel {

class SampleWindow {
public:
    // The stretch around the caret, the whole sample while it is short.
    // Precondition: caret and anchor lie within the sample.
    SampleWindow(QStringView sample, qsizetype caret, qsizetype anchor);

    // Offsets into the sample: the stretch is [start, end).
    qsizetype start() const { return first; }
    qsizetype end() const { return last; }
    qsizetype caret() const { return caret_at; }
    qsizetype anchor() const { return anchor_at; }
    qsizetype selection_start() const;
    qsizetype selection_end() const;

    // Offsets into the stretch, as the line edit holds them: an anchor outside the stretch is held
    // at its nearer edge.
    qsizetype shown_caret() const { return caret_at - first; }
    qsizetype shown_anchor() const;

    // After the line edit moved its anchor and caret to these offsets into the stretch. An offset
    // where the anchor is held stands for the anchor itself, so a selection keeps an anchor beyond
    // the stretch. The stretch moves when the caret comes near an edge of it within the sample.
    SampleWindow moved(QStringView sample, qsizetype shown_anchor, qsizetype shown_caret) const;
    // After units [start, start + removed) of the sample became inserted units, the caret after
    // them; sample is the sample after the edit.
    SampleWindow edited(QStringView sample, qsizetype start, qsizetype removed,
                        qsizetype inserted) const;

    // True when the two hold the same stretch of the sample.
    bool same_stretch(const SampleWindow& other) const;

private:
    SampleWindow(qsizetype first, qsizetype last, qsizetype caret, qsizetype anchor);
    // This window, or a new one around the caret if the caret is near an edge of the stretch
    // within the sample or the stretch has grown too long.
    SampleWindow fitted(QStringView sample) const;

    qsizetype first;
    qsizetype last;
    qsizetype caret_at;
    qsizetype anchor_at;
};

} // namespace varnel

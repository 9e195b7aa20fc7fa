#include "app/LinesView.h"

#include <algorithm>

namespace varnel {

LinesView::LinesView(QWidget* parent) : QTreeView(parent) {}

void LinesView::dataChanged(const QModelIndex& top_left, const QModelIndex& bottom_right,
                            const QList<int>& roles) {
    const QModelIndex first_shown = indexAt(QPoint(0, 0));
    if (!top_left.isValid() || !first_shown.isValid() || top_left.parent().isValid()) {
        QTreeView::dataChanged(top_left, bottom_right, roles);
        return;
    }
    // The rows that fit in the viewport, one more for a row cut at its foot.
    const int shown = viewport()->height() / std::max(1, rowHeight(first_shown)) + 1;
    const int first = std::max(top_left.row(), first_shown.row());
    const int last = std::min(bottom_right.row(), first_shown.row() + shown);
    if (first <= last) {
        QTreeView::dataChanged(top_left.siblingAtRow(first), bottom_right.siblingAtRow(last),
                               roles);
    }
}

} // namespace varnel

#include "app/LinesView.h"

#include <algorithm>

#include <QHeaderView>

namespace varnel {

LinesView::LinesView(QWidget* parent) : QTableView(parent) {
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setShowGrid(false);
    setWordWrap(false);
    // Tab moves the focus on to the examples, as from any list, not from cell to cell.
    setTabKeyNavigation(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    // The lines are numbered in a column of their own.
    verticalHeader()->hide();
    // Rows as high as a tree view's, whose items are a line of text with a pixel above and below.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 2);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setStretchLastSection(true);
    horizontalHeader()->setHighlightSections(false);
}

void LinesView::dataChanged(const QModelIndex& top_left, const QModelIndex& bottom_right,
                            const QList<int>& roles) {
    const int first_shown = rowAt(0);
    if (!top_left.isValid() || first_shown < 0) {
        QTableView::dataChanged(top_left, bottom_right, roles);
        return;
    }
    // Below the last row, rowAt() gives -1: the rows in view run to the end.
    const int last_shown = rowAt(viewport()->height() - 1);
    const int first = std::max(top_left.row(), first_shown);
    const int last = last_shown < 0 ? bottom_right.row() : std::min(bottom_right.row(), last_shown);
    if (first <= last) {
        QTableView::dataChanged(top_left.siblingAtRow(first), bottom_right.siblingAtRow(last),
                                roles);
    }
}

} // namespace varnel

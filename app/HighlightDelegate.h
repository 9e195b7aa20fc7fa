#pragma once
// Paints a cell's text with the spans of the model's highlight role on a coloured ground: the
// matches in a line and the replacements in what it becomes.

#include <QStyledItemDelegate>

namespace varnel {

class HighlightDelegate : public QStyledItemDelegate {
public:
    // role: the model's role that gives the spans as a QList<QPoint> of (begin, end).
    HighlightDelegate(int role, QColor ground, QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    int role;
    QColor ground;
};

} // namespace varnel

#include "app/HighlightDelegate.h"

#include <QApplication>
#include <QPainter>
#include <QPoint>
#include <QTextLayout>

namespace varnel {

HighlightDelegate::HighlightDelegate(int role, QColor ground, QObject* parent)
    : QStyledItemDelegate(parent), role(role), ground(ground) {}

void HighlightDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
    const QVariant highlights = index.data(role);
    if (!highlights.isValid()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionViewItem cell(option);
    initStyleOption(&cell, index);
    const QString text = cell.text;
    cell.text.clear();
    const QWidget* widget = cell.widget;
    QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, widget);

    QList<QTextLayout::FormatRange> ranges;
    for (const QPoint& span : highlights.value<QList<QPoint>>()) {
        // An empty match or replacement has nothing to colour.
        if (span.y() > span.x()) {
            QTextLayout::FormatRange range{span.x(), span.y() - span.x(), {}};
            range.format.setBackground(ground);
            ranges.append(range);
        }
    }
    QTextLayout layout(text, cell.font);
    layout.setFormats(ranges);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(1e9);
    layout.endLayout();

    const QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &cell, widget);
    painter->save();
    painter->setClipRect(area);
    const bool selected = (cell.state & QStyle::State_Selected) != 0;
    painter->setPen(selected ? cell.palette.color(QPalette::HighlightedText)
                             : cell.palette.color(QPalette::Text));
    if (const QVariant foreground = index.data(Qt::ForegroundRole);
        foreground.isValid() && !selected) {
        painter->setPen(foreground.value<QBrush>().color());
    }
    const qreal top = area.top() + (area.height() - line.height()) / 2;
    layout.draw(painter, QPointF(area.left() + 2, top));
    painter->restore();
}

} // namespace varnel

#pragma once
// The preview's table of lines. A change of many rows repaints only the rows in view: the tree
// view's own handling walks every row of the change, which for a text of a million lines keeps
// the window from answering for a tenth of a second.

#include <QTreeView>

namespace varnel {

class LinesView : public QTreeView {
    Q_OBJECT

public:
    explicit LinesView(QWidget* parent = nullptr);

protected:
    void dataChanged(const QModelIndex& top_left, const QModelIndex& bottom_right,
                     const QList<int>& roles) override;
};

} // namespace varnel

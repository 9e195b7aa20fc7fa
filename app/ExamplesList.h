#pragma once
// The examples the preview learns from, each with its verdict under the rule: the main window's
// sample pair first, which is changed there, then the lines taught, whose wanted text is edited
// in place (the line itself: it must stay as it is) and which Delete removes.

#include "app/Lessons.h"
#include "varnel/replace/RunReplace.h"

#include <cstddef>
#include <optional>
#include <string>

#include <QTreeWidget>

namespace varnel {

class ExamplesList : public QTreeWidget {
    Q_OBJECT

public:
    explicit ExamplesList(QWidget* parent = nullptr);

    // replacer: the rule to judge the examples by; none when there is none that runs.
    void show_lessons(const Lessons& lessons, const Replacer* replacer);
    // The taught line selected, counted in Lessons::taught(); none for the sample or nothing.
    std::optional<std::size_t> selected_lesson() const;

signals:
    void changed(std::size_t lesson, const std::wstring& wanted);
    void remove_requested(std::size_t lesson);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void on_item_changed(QTreeWidgetItem* item, int column);

    bool has_sample = false;
};

} // namespace varnel

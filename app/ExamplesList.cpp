#include "app/ExamplesList.h"

#include "varnel/settings/QStringConversion.h"

#include <QKeyEvent>
#include <QSignalBlocker>

namespace varnel {

namespace {

enum Column { line_column, wanted_column, verdict_column };

QString verdict_caption(const std::wstring& line, const Replacer* replacer,
                        const Expectations& expected) {
    if (replacer == nullptr) {
        return {};
    }
    return judge_line(line, *replacer, expected).check == LineVerdict::Check::right
               ? QStringLiteral("\u2713 right")
               : QStringLiteral("\u2717 wrong");
}

} // namespace

ExamplesList::ExamplesList(QWidget* parent) : QTreeWidget(parent) {
    setColumnCount(3);
    setHeaderLabels(
        {QStringLiteral("Line"), QStringLiteral("Must become"), QStringLiteral("Verdict")});
    setRootIsDecorated(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    connect(this, &QTreeWidget::itemChanged, this, &ExamplesList::on_item_changed);
}

void ExamplesList::show_lessons(const Lessons& lessons, const Replacer* replacer) {
    const QSignalBlocker quiet(this);
    const int selected = currentIndex().row();
    clear();
    const Expectations expected = lessons.expectations();
    has_sample = lessons.sample().has_value();
    if (const auto& sample = lessons.sample()) {
        auto* item = new QTreeWidgetItem({to_qstring(sample->search), to_qstring(sample->replace),
                                          verdict_caption(sample->search, replacer, expected)});
        item->setToolTip(line_column, QStringLiteral("The samples of the main window"));
        addTopLevelItem(item);
    }
    for (const Lesson& lesson : lessons.taught()) {
        auto* item = new QTreeWidgetItem({to_qstring(lesson.line),
                                          to_qstring(lesson.wanted.value_or(lesson.line)),
                                          verdict_caption(lesson.line, replacer, expected)});
        if (!lesson.wanted) {
            item->setToolTip(wanted_column, QStringLiteral("Must stay as it is"));
        }
        item->setFlags(item->flags() | Qt::ItemIsEditable);
        addTopLevelItem(item);
    }
    if (selected >= 0 && selected < topLevelItemCount()) {
        setCurrentItem(topLevelItem(selected));
    }
}

std::optional<std::size_t> ExamplesList::selected_lesson() const {
    const int row = currentIndex().row();
    const int first_taught = has_sample ? 1 : 0;
    if (row < first_taught) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(row - first_taught);
}

void ExamplesList::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Delete && selected_lesson()) {
        emit remove_requested(*selected_lesson());
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

void ExamplesList::on_item_changed(QTreeWidgetItem* item, int column) {
    if (column != wanted_column) {
        return;
    }
    const int row = indexOfTopLevelItem(item) - (has_sample ? 1 : 0);
    emit changed(static_cast<std::size_t>(row), to_wstring(item->text(wanted_column)));
}

} // namespace varnel

#include "app/PreviewWindow.h"

#include "app/BusyStatus.h"
#include "app/HighlightDelegate.h"
#include "app/PlaceWindow.h"
#include "app/RunEventHandler.h"
#include "varnel/common/DBC.h"
#include "varnel/settings/QStringConversion.h"

#include <numeric>
#include <utility>

#include <QApplication>
#include <QClipboard>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QSplitter>
#include <QStatusBar>
#include <QVBoxLayout>

namespace varnel {

namespace {

// Texts of this many code units or more are judged and read in the background; below, the work
// takes a few milliseconds, less than handing it over.
constexpr std::size_t long_text_length = 65536;

BackgroundJob::Run run_for(std::size_t length) {
    return length >= long_text_length ? BackgroundJob::Run::in_background : BackgroundJob::Run::now;
}

std::size_t length_of(const TextLines& text) {
    return std::accumulate(
        text.lines.begin(), text.lines.end(), std::size_t{0},
        [](std::size_t sum, const std::wstring& line) { return sum + line.size(); });
}

// Asks work under way to stop and gives a fresh flag for the next.
std::shared_ptr<std::atomic<bool>> restart(std::shared_ptr<std::atomic<bool>>& stopped) {
    if (stopped) {
        *stopped = true;
    }
    stopped = std::make_shared<std::atomic<bool>>(false);
    return stopped;
}

QString hint_of(const LearnedRule& rule) {
    if (rule.ambiguous.empty()) {
        return {};
    }
    const AmbiguousPiece& piece = rule.ambiguous.front();
    return QStringLiteral("One more example would settle where \u201c%1\u201d of example %2 comes "
                          "from: %3")
        .arg(to_qstring(piece.text))
        .arg(piece.example)
        .arg(to_qstring(piece.question));
}

} // namespace

struct PreviewWindow::Loaded {
    TextLines text;
    TextFileContents::Encoding encoding = TextFileContents::Encoding::utf8;
    QString path;
    QString error;
};

PreviewWindow::PreviewWindow(QWidget* parent)
    : QMainWindow(parent, Qt::Window), lines_view(new LinesView), examples_list(new ExamplesList),
      hint_label(new QLabel), counts_label(new QLabel), busy_status(new BusyStatus) {
    setWindowTitle(QStringLiteral("Try on text"));
    setAcceptDrops(true);
    place_when_first_shown(*this, QSize(900, 600));

    lines_view->setObjectName(QStringLiteral("lines_view"));
    lines_view->setModel(&model);
    lines_view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lines_view->setEditTriggers(QAbstractItemView::DoubleClicked |
                                QAbstractItemView::EditKeyPressed);
    lines_view->setContextMenuPolicy(Qt::ActionsContextMenu);
    const QColor match_ground(0xff, 0xe0, 0x8a);
    lines_view->setItemDelegateForColumn(
        LineVerdictsModel::line_column,
        new HighlightDelegate(LineVerdictsModel::highlight_role, match_ground, lines_view));
    lines_view->setItemDelegateForColumn(LineVerdictsModel::becomes_column,
                                         new HighlightDelegate(LineVerdictsModel::highlight_role,
                                                               QColor(0xc8, 0xeb, 0xc8),
                                                               lines_view));
    lines_view->horizontalHeader()->resizeSection(LineVerdictsModel::number_column, 60);
    lines_view->horizontalHeader()->resizeSection(LineVerdictsModel::verdict_column, 100);
    lines_view->horizontalHeader()->resizeSection(LineVerdictsModel::line_column, 340);

    examples_list->setObjectName(QStringLiteral("examples_list"));
    hint_label->setObjectName(QStringLiteral("hint_label"));
    hint_label->setWordWrap(true);
    hint_label->hide();
    counts_label->setObjectName(QStringLiteral("counts_label"));
    busy_status->setObjectName(QStringLiteral("busy_status"));

    auto* examples = new QWidget;
    auto* examples_layout = new QVBoxLayout(examples);
    examples_layout->setContentsMargins(0, 0, 0, 0);
    examples_layout->addWidget(new QLabel(QStringLiteral("Examples the rule is learned from:")));
    examples_layout->addWidget(examples_list);
    examples_layout->addWidget(hint_label);
    auto* splitter = new QSplitter(Qt::Vertical);
    splitter->addWidget(lines_view);
    splitter->addWidget(examples);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 1);
    setCentralWidget(splitter);
    create_menu();
    lines_view->setFocus();

    statusBar()->addWidget(busy_status, 1);
    statusBar()->addWidget(counts_label, 1);
    busy_status->watch(loading, QStringLiteral("Reading the text\u2026 Esc to cancel"));
    busy_status->watch(judging, QStringLiteral("Judging the lines\u2026 Esc to cancel"));
    busy_status->watch(learning, QStringLiteral("Learning the rule\u2026 Esc to cancel"));
    busy_status->watch(saving, QStringLiteral("Saving the rewritten text\u2026 Esc to cancel"));
    busy_status->watch(copying, QStringLiteral("Copying the rewritten text\u2026 Esc to cancel"));
    connect(busy_status, &BusyStatus::cancel_requested, this, [this] {
        restart(judging_stopped);
        restart(learning_stopped);
        restart(saving_stopped);
        // The verdicts shown are of an earlier rule or text.
        if (!judged_now) {
            model.show_verdicts({});
        }
        show_status();
    });

    connect(&model, &LineVerdictsModel::line_edited, this,
            [this](std::size_t row) { run_event_handler([&] { on_line_edited(row); }); });
    connect(&model, &LineVerdictsModel::wanted, this,
            [this](std::size_t row, const std::wstring& text) {
                run_event_handler([&] {
                    lessons.teach({model.text().lines[row], text});
                    lessons_changed();
                });
            });
    connect(examples_list, &ExamplesList::changed, this,
            [this](std::size_t lesson, const std::wstring& wanted) {
                run_event_handler([&] {
                    lessons.change(lesson, wanted);
                    lessons_changed();
                });
            });
    connect(examples_list, &ExamplesList::remove_requested, this, [this](std::size_t lesson) {
        run_event_handler([&] {
            lessons.remove(lesson);
            lessons_changed();
        });
    });
    judge();
}

PreviewWindow::~PreviewWindow() {
    // A save under way goes on to its end: the file is written as asked.
    restart(judging_stopped);
    restart(learning_stopped);
}

void PreviewWindow::create_menu() {
    const auto add = [this](QMenu* menu, const QString& caption, const QKeySequence& keys,
                            std::function<void()> handler) {
        QAction* action = menu->addAction(caption);
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this,
                [handler = std::move(handler)] { run_event_handler(handler); });
        return action;
    };
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    add(file, QStringLiteral("&Open\u2026"), QKeySequence::Open, [this] { on_open(); });
    save_action = add(file, QStringLiteral("&Save"), QKeySequence::Save, [this] { on_save(); });
    save_as_action =
        add(file, QStringLiteral("Save &As\u2026"), QKeySequence::SaveAs, [this] { on_save_as(); });
    copy_action = add(file, QStringLiteral("&Copy Rewritten Text"),
                      QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), [this] { on_copy(); });
    file->addSeparator();
    add(file, QStringLiteral("&Close"), QKeySequence::Close, [this] { close(); });

    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    add(edit, QStringLiteral("&Paste Lines"), QKeySequence::Paste,
        [this] { insert_text(QGuiApplication::clipboard()->text()); });
    add(edit, QStringLiteral("&Add Line"), QKeySequence(Qt::CTRL | Qt::Key_Return),
        [this] { on_add_line(); });
    lines_view->addAction(add(edit, QStringLiteral("&Remove Lines"), QKeySequence::Delete,
                              [this] { on_remove_lines(); }));
    // Delete removes lines only where the focus is on them, not examples or text being edited.
    lines_view->actions().back()->setShortcutContext(Qt::WidgetShortcut);

    QMenu* line = menuBar()->addMenu(QStringLiteral("&Line"));
    lines_view->addAction(add(line, QStringLiteral("Should &Become\u2026"),
                              QKeySequence(Qt::CTRL | Qt::Key_E),
                              [this] { teach_current(false); }));
    lines_view->addAction(add(line, QStringLiteral("Must &Stay as It Is"),
                              QKeySequence(Qt::CTRL | Qt::Key_K), [this] { teach_current(true); }));
    line->addSeparator();
    add(line, QStringLiteral("Next Line &without a Match"), QKeySequence(Qt::Key_F7), [this] {
        go_to_next(
            [](const LineVerdict& verdict) {
                return verdict.outcome == LineVerdict::Outcome::no_match;
            },
            QStringLiteral("Every line has a match."));
    });
    add(line, QStringLiteral("Next W&rong Line"), QKeySequence(Qt::Key_F8), [this] {
        go_to_next(
            [](const LineVerdict& verdict) { return verdict.check == LineVerdict::Check::wrong; },
            QStringLiteral("No line is wrong."));
    });
}

void PreviewWindow::follow(const PreviewRule& followed) {
    if (followed == rule && (replacer || rule.regex.empty())) {
        return;
    }
    rule = followed;
    lessons.set_sample(rule.sample);
    replacer = rule.regex.empty()
                   ? nullptr
                   : std::make_shared<const Replacer>(rule.regex, rule.format, rule.language);
    judge();
}

void PreviewWindow::insert_text(const QString& text) {
    const bool empty =
        model.rowCount() == 0 || (model.rowCount() == 1 && model.text().lines.front().empty());
    load(
        static_cast<std::size_t>(text.size()),
        [text] {
            return Loaded{split_lines(to_wstring(text)), {}, {}, {}};
        },
        !empty);
}

void PreviewWindow::open_file(const QString& path) {
    load(
        static_cast<std::size_t>(QFileInfo(path).size()),
        [path] {
            auto read = read_text_file(path);
            if (const auto* error = std::get_if<QString>(&read)) {
                return Loaded{{}, {}, path, *error};
            }
            auto& contents = std::get<TextFileContents>(read);
            return Loaded{split_lines(contents.text), contents.encoding, path, {}};
        },
        false);
}

void PreviewWindow::load(std::size_t length, std::function<Loaded()> work, bool insert) {
    loading.start(run_for(length), std::move(work), [this, insert](const Loaded& loaded) {
        run_event_handler([&] {
            if (!loaded.error.isEmpty()) {
                statusBar()->showMessage(
                    QStringLiteral("%1 cannot be read: %2").arg(loaded.path, loaded.error));
                return;
            }
            if (insert) {
                const std::size_t at = current_line().value_or(model.text().lines.size() - 1) + 1;
                model.insert_lines(at, loaded.text.lines);
            } else {
                model.set_text(loaded.text);
                file_path = loaded.path;
                encoding = loaded.encoding;
                setWindowTitle(file_path.isEmpty() ? QStringLiteral("Try on text")
                                                   : QStringLiteral("Try on text \u2013 %1")
                                                         .arg(QFileInfo(file_path).fileName()));
            }
            judge();
        });
    });
}

void PreviewWindow::judge() {
    model.set_expectations(lessons.expectations());
    std::shared_ptr<std::atomic<bool>> stopped = restart(judging_stopped);
    if (!replacer) {
        LineVerdicts none;
        none.problem = L"No rule yet: make one in the main window.";
        judging.cancel();
        show_verdicts(none);
        return;
    }
    // The verdicts of the earlier rule or text stay in view until the new ones come.
    judged_now = false;
    judging.start(
        run_for(length_of(model.text())),
        [text = model.text(), rule = replacer, expected = lessons.expectations(), stopped] {
            return judge_lines(text.lines, *rule, expected, stopped.get());
        },
        [this](const LineVerdicts& verdicts) {
            run_event_handler([&] { show_verdicts(verdicts); });
        });
    show_status();
}

void PreviewWindow::show_verdicts(const LineVerdicts& verdicts) {
    model.show_verdicts(verdicts);
    judged_now = true;
    examples_list->show_lessons(lessons, model.verdicts().problem ? nullptr : replacer.get());
    show_status();
}

void PreviewWindow::show_status() {
    const bool ready = judged_now && model.has_verdicts();
    for (QAction* action : {save_action, save_as_action, copy_action}) {
        action->setEnabled(ready);
    }
    if (const auto& problem = model.verdicts().problem) {
        counts_label->setText(to_qstring(*problem));
    } else if (ready) {
        counts_label->setText(to_qstring(describe(model.verdicts().counts)));
    } else if (!judging.busy()) {
        counts_label->setText(QStringLiteral("Not judged: change the rule or the text to judge "
                                             "the lines again."));
    } else {
        counts_label->clear();
    }
}

void PreviewWindow::lessons_changed() {
    judge();
    if (lessons.enough_to_learn()) {
        learn();
    }
}

void PreviewWindow::learn() {
    std::shared_ptr<std::atomic<bool>> stopped = restart(learning_stopped);
    learning.start(
        BackgroundJob::Run::in_background,
        [examples = lessons.examples(), unchanged = lessons.unchanged(), language = rule.language,
         stopped] { return learn_replace_regex(examples, unchanged, language, stopped.get()); },
        [this](const LearnResult& result) { run_event_handler([&] { show_learned(result); }); });
}

void PreviewWindow::show_learned(const LearnResult& result) {
    if (const auto* refusal = std::get_if<Refusal>(&result)) {
        hint_label->setText(QStringLiteral("No rule fits every example, so the rule stays as it "
                                           "was: %1")
                                .arg(to_qstring(refusal->reason)));
    } else {
        hint_label->setText(hint_of(std::get<LearnedRule>(result)));
        emit learned(std::get<LearnedRule>(result));
    }
    hint_label->setVisible(!hint_label->text().isEmpty());
}

std::optional<std::size_t> PreviewWindow::current_line() const {
    const QModelIndex current = lines_view->currentIndex();
    if (!current.isValid()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(current.row());
}

void PreviewWindow::go_to_line(std::size_t line) {
    const QModelIndex index = model.index(static_cast<int>(line), LineVerdictsModel::line_column);
    lines_view->setCurrentIndex(index);
    lines_view->scrollTo(index);
}

template <typename Property>
void PreviewWindow::go_to_next(Property property, const QString& none) {
    if (!model.has_verdicts() || model.rowCount() == 0) {
        return;
    }
    // Without a current line the search starts at the first.
    const std::size_t from = current_line().value_or(model.text().lines.size() - 1);
    if (const auto next = next_line(model.verdicts().lines, from, property)) {
        go_to_line(*next);
    } else {
        statusBar()->showMessage(none, 3000);
    }
}

void PreviewWindow::teach_current(bool stays) {
    const auto line = current_line();
    if (!line || model.text().lines[*line].empty() || !model.has_verdicts()) {
        return;
    }
    if (stays) {
        lessons.teach({model.text().lines[*line], std::nullopt});
        lessons_changed();
        return;
    }
    lines_view->edit(model.index(static_cast<int>(*line), LineVerdictsModel::becomes_column));
}

void PreviewWindow::on_line_edited(std::size_t row) {
    if (model.has_verdicts() && replacer) {
        model.show_line_verdict(
            row, judge_line(model.text().lines[row], *replacer, lessons.expectations()));
        show_status();
    } else {
        judge();
    }
}

void PreviewWindow::save_to(const QString& path) {
    DBC_PRECONDITION(model.has_verdicts());
    std::shared_ptr<std::atomic<bool>> stopped = restart(saving_stopped);
    saving.start(
        run_for(length_of(model.text())),
        [text = model.text(), verdicts = model.verdicts(), encoding = encoding, path, stopped] {
            return write_text_file(path, {rewritten_text(text, verdicts), encoding}, stopped.get());
        },
        [this, path](const QString& error) {
            run_event_handler([&] {
                statusBar()->showMessage(
                    error.isEmpty() ? QStringLiteral("Saved to %1.").arg(path)
                                    : QStringLiteral("Not saved to %1: %2").arg(path, error));
            });
        });
}

void PreviewWindow::on_save() {
    if (file_path.isEmpty()) {
        on_save_as();
        return;
    }
    if (QMessageBox::question(this, windowTitle(),
                              QStringLiteral("Replace %1 with the rewritten text?")
                                  .arg(QFileInfo(file_path).fileName())) == QMessageBox::Yes) {
        save_to(file_path);
    }
}

void PreviewWindow::on_save_as() {
    const QString path =
        QFileDialog::getSaveFileName(this, QStringLiteral("Save Rewritten Text"), file_path);
    if (!path.isEmpty()) {
        save_to(path);
    }
}

void PreviewWindow::on_open() {
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Open Text"), file_path);
    if (!path.isEmpty()) {
        open_file(path);
    }
}

void PreviewWindow::on_copy() {
    copying.start(
        run_for(length_of(model.text())),
        [text = model.text(), verdicts = model.verdicts()] {
            return to_qstring(rewritten_text(text, verdicts));
        },
        [](const QString& rewritten) { QGuiApplication::clipboard()->setText(rewritten); });
}

void PreviewWindow::on_add_line() {
    const std::size_t at = current_line().value_or(model.text().lines.size() - 1) + 1;
    model.insert_lines(at, SharedPieces<std::wstring>({std::wstring()}));
    judge();
    const QModelIndex index = model.index(static_cast<int>(at), LineVerdictsModel::line_column);
    lines_view->setCurrentIndex(index);
    lines_view->edit(index);
}

void PreviewWindow::on_remove_lines() {
    QModelIndexList rows = lines_view->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end());
    // From the last, so that the rows before keep their numbers; each run of rows at once, as
    // removing rows one by one takes time for each.
    for (auto last = rows.rbegin(); last != rows.rend();) {
        auto first = last;
        while (std::next(first) != rows.rend() && std::next(first)->row() + 1 == first->row()) {
            ++first;
        }
        model.remove_lines(static_cast<std::size_t>(first->row()),
                           static_cast<std::size_t>(last->row() - first->row() + 1));
        last = std::next(first);
    }
    if (!rows.isEmpty()) {
        judge();
    }
}

void PreviewWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls() || event->mimeData()->hasText()) {
        event->acceptProposedAction();
    }
}

void PreviewWindow::dropEvent(QDropEvent* event) {
    run_event_handler([&] {
        const QMimeData* data = event->mimeData();
        if (data->hasUrls() && data->urls().front().isLocalFile()) {
            open_file(data->urls().front().toLocalFile());
        } else {
            insert_text(data->text());
        }
        event->acceptProposedAction();
    });
}

} // namespace varnel

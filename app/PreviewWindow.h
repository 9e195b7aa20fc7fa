#pragma once
// "Try on text": the main window's rule run on a whole text, line by line, with every match
// highlighted, what each line becomes and a verdict for it, and counts in the status line. A line
// taught here ("should become ...", "must stay as it is") becomes an example; from the main
// window's sample pair and these, the learner makes the rule again, which the window hands to
// whoever listens (the main window, which shows it and calls follow()). Long texts are judged,
// read and learned from in the background; Escape drops that work.

#include "app/BackgroundJob.h"
#include "app/ExamplesList.h"
#include "app/Lessons.h"
#include "app/LineVerdictsModel.h"
#include "app/LinesView.h"
#include "app/TextFile.h"
#include "varnel/languages/Language.h"
#include "varnel/learning/LearnReplaceRegex.h"
#include "varnel/replace/RunReplace.h"

#include <atomic>
#include <memory>
#include <optional>
#include <string>

#include <QLabel>
#include <QMainWindow>

namespace varnel {

class BusyStatus;

struct PreviewRule {
    std::wstring regex;
    std::wstring format;
    Language language = Language::VisualStudio;
    // The main window's samples; none while its search sample is empty.
    std::optional<Example> sample;

    bool operator==(const PreviewRule&) const = default;
};

class PreviewWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit PreviewWindow(QWidget* parent = nullptr);
    ~PreviewWindow() override;
    PreviewWindow(const PreviewWindow&) = delete;
    PreviewWindow& operator=(const PreviewWindow&) = delete;

    // Judges the text by the rule from now on.
    void follow(const PreviewRule& rule);
    // Inserts the text's lines after the current line, or puts them in place of an empty text.
    void insert_text(const QString& text);
    // Reads the file (UTF-8, or Latin-1 when it is not UTF-8) in place of the text.
    void open_file(const QString& path);
    // Writes the text rewritten as shown now to the file, atomically, in the encoding the text was
    // read in; a long text in the background. Precondition: every line has its verdict.
    void save_to(const QString& path);

signals:
    void learned(const LearnedRule& rule);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    struct Loaded;

    void create_menu();
    void load(std::size_t length, std::function<Loaded()> work, bool insert);
    void judge();
    void show_verdicts(const LineVerdicts& verdicts);
    void show_status();
    void lessons_changed();
    void learn();
    void show_learned(const LearnResult& result);
    std::optional<std::size_t> current_line() const;
    void go_to_line(std::size_t line);
    template <typename Property>
    void go_to_next(Property property, const QString& none);
    void teach_current(bool stays);
    void on_line_edited(std::size_t row);
    void on_save();
    void on_save_as();
    void on_open();
    void on_copy();
    void on_add_line();
    void on_remove_lines();

    LineVerdictsModel model;
    Lessons lessons;
    PreviewRule rule;
    // The rule compiled; none while there is no rule.
    std::shared_ptr<const Replacer> replacer;
    // True while the verdicts shown are of the rule and the text as they are.
    bool judged_now = false;
    QString file_path;
    TextFileContents::Encoding encoding = TextFileContents::Encoding::utf8;

    LinesView* lines_view;
    ExamplesList* examples_list;
    QLabel* hint_label;
    QLabel* counts_label;
    BusyStatus* busy_status;
    QAction* save_action = nullptr;
    QAction* save_as_action = nullptr;
    QAction* copy_action = nullptr;
    // Turned true to stop the judging, learning or saving under way, which the job would only
    // drop: a save stopped leaves the file as it was.
    std::shared_ptr<std::atomic<bool>> judging_stopped;
    std::shared_ptr<std::atomic<bool>> learning_stopped;
    std::shared_ptr<std::atomic<bool>> saving_stopped;
    // Declared last, so destroyed first: no delivery reaches a half-destroyed window.
    BackgroundJob loading;
    BackgroundJob judging;
    BackgroundJob learning;
    BackgroundJob saving;
    BackgroundJob copying;
};

} // namespace varnel

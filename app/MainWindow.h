#pragma once
// The application's window: two sample boxes, the inferred regular expression and format string,
// suggestions that generalise the selected part of the regular expression, and the menus.

#include "app/BackgroundJob.h"
#include "app/BusyStatus.h"
#include "app/CheckStatus.h"
#include "app/EditHistory.h"
#include "app/HelpLauncher.h"
#include "app/LiveCheck.h"
#include "app/MadeRegex.h"
#include "app/PasteButton.h"
#include "app/PreviewWindow.h"
#include "app/ResultBoxHistory.h"
#include "app/RichTextBox.h"
#include "app/SampleBox.h"
#include "app/StatusNote.h"
#include "app/SupportCommands.h"
#include "varnel/languages/IRegexLanguage.h"
#include "varnel/languages/LanguageFactory.h"
#include "varnel/languages/PrettyFormatBlock.h"
#include "varnel/settings/Settings.h"
#include "varnel/suggestions/Suggestion.h"

#include <memory>
#include <string>
#include <vector>

#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>

namespace varnel {

class MainWindow : public QMainWindow {
public:
    // The settings must outlive the window.
    explicit MainWindow(Settings& settings);
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    QMainWindow& get_window();

    // Infers the regular expression and the format string from the two samples, shows them and
    // selects the first part of the regular expression that a named pattern recognises. Long
    // samples are worked on in the background, with a note in the status bar; a later request,
    // Escape, an edit of a result box or another language drops the result.
    // Precondition: the search box is not empty.
    void make_regex();
    // Puts the selected suggestion in place of the selection of the regex box.
    // Precondition: a suggestion is selected.
    void apply_suggestion();
    // Replaces the selection of the regex box (or inserts at its caret) and focuses the box.
    void replace_selection_in_regex_box(const std::wstring& text);

private:
    void create_controls();
    void create_layout();
    QMenuBar* create_menu();
    QMenu* add_menu(QMenuBar& bar, const QString& caption);
    void update_menu_language();
    void switch_language(Language language);
    void update_menu_language_group(const std::vector<LanguageElementDescription>& elements,
                                    QMenu& menu);
    void fit_suggestions_columns();
    void pretty_format_regex_box(const std::wstring& regex);
    void pretty_format_format_box(const std::wstring& format);
    void show_regex_blocks(const std::vector<PrettyFormatBlock>& blocks,
                           const RichTextBox::Selection& selection);
    void show_format_blocks(const std::vector<PrettyFormatBlock>& blocks,
                            const RichTextBox::Selection& selection);
    void show_made_regex(const MadeRegex& made);
    void show_suggestions(const std::vector<Suggestion>& suggestions);
    void show_state(const EditState& state);
    // Puts a whole rule in the boxes as one step.
    void show_rule(const std::wstring& regex, const std::wstring& format);
    void check();

    template <typename Sender, typename Signal>
    void connect_handler(Sender* sender, Signal signal, void (MainWindow::*handler)());

    void on_search_for_text_changed();
    void on_replace_with_text_changed();
    void on_regex_text_changed();
    void on_format_text_changed();
    void on_make_regex_click();
    void on_regex_selection_changed();
    void on_suggestions_list_selection_changed();
    void on_suggestions_list_double_click();
    void on_apply_suggestion();
    void on_regex_copy();
    void on_format_copy();
    // The rule as a command or code for the language's home, on the clipboard.
    void on_copy_as_code();
    void on_element_menu_click(const std::wstring& text);
    void on_language_menu_click(Language language);
    void on_enter();
    void on_help();
    void on_email_support_menu_click();
    void on_license_menu_click();
    void on_about_menu_click();
    void on_try_on_text();
    void on_rule_learned(const LearnedRule& rule);

    Settings& settings;
    LanguageFactory language_factory;
    HelpLauncher help_launcher;
    SupportCommands support_commands;
    SampleBox* search_for_box;
    std::unique_ptr<PasteButton> search_for_paste;
    SampleBox* replace_with_box;
    std::unique_ptr<PasteButton> replace_with_paste;
    QPushButton* make_regex_button;
    RichTextBox* regex_box;
    QPushButton* regex_copy_button;
    RichTextBox* format_box;
    QPushButton* format_copy_button;
    QTreeWidget* suggestions_list;
    QPushButton* apply_button;
    QMenu* specials_menu = nullptr;
    QMenu* characters_menu = nullptr;
    QMenu* strings_menu = nullptr;
    QMenu* language_menu = nullptr;
    QAction* copy_as_code_action = nullptr;
    // Made when first asked for; a window of its own, deleted with this one.
    PreviewWindow* preview = nullptr;
    BusyStatus* busy_status;
    CheckStatus* check_status;
    StatusNote* status_note;
    // Destroyed before the boxes it watches.
    std::unique_ptr<ResultBoxHistory> history;
    // Declared last, so destroyed first: no delivery reaches a half-destroyed window.
    BackgroundJob making;
    BackgroundJob suggesting;
    LiveCheck live_check;
};

} // namespace varnel

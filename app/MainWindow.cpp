#include "app/MainWindow.h"

#include "app/AboutDialog.h"
#include "app/AutoWaitCursor.h"
#include "app/ImageButton.h"
#include "app/PlaceWindow.h"
#include "app/Product.h"
#include "app/RunEventHandler.h"
#include "app/ScaledFont.h"
#include "app/StartFile.h"
#include "app/TextShaping.h"
#include "varnel/common/DBC.h"
#include "varnel/replace/RunReplace.h"
#include "varnel/replace/TranslateRule.h"
#include "varnel/settings/QStringConversion.h"
#include "varnel/suggestions/MakeSuggestions.h"

#include <algorithm>
#include <chrono>

#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QStyledItemDelegate>

namespace varnel {

namespace {

// Samples and selections of this many code units or more are worked on in the background; below,
// the work takes a few milliseconds, less than handing it over and showing that it goes on.
constexpr std::size_t long_work_length = 32768;

constexpr qreal window_font_factor = 1.1;
constexpr qreal sample_font_factor = 1.2;
constexpr qreal result_font_factor = 1.5;

QFont monospace_font(qreal factor) {
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    if (!QFontInfo(font).fixedPitch()) {
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    }
    return scaled_default_font(font, factor);
}

// The language a "Language" menu entry stands for.
Language language_of(const QAction& entry) {
    return static_cast<Language>(entry.data().toInt());
}

std::wstring menu_pad(LanguageElementDescription::MenuDistortionWorkaround workaround) {
    switch (workaround) {
    case LanguageElementDescription::None:
        return L"";
    case LanguageElementDescription::Tab:
        return L"\t";
    case LanguageElementDescription::TwoSpaces:
        return L"  ";
    }
    DBC_UNREACHABLE();
}

// A menu caption shows "&" only when it is doubled; a single one would mark an access key.
QString menu_caption(const std::wstring& text) {
    return to_qstring(text).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

QLabel* create_label(const QString& text) {
    auto* label = new QLabel(text);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

SampleBox* create_sample_box(const char* name) {
    auto* box = new SampleBox;
    box->setObjectName(QLatin1String(name));
    box->setFont(monospace_font(sample_font_factor));
    fit_shaping(*box, QStringView());
    QObject::connect(box, &QLineEdit::textChanged, box,
                     [box](const QString& text) { fit_shaping(*box, text); });
    return box;
}

RichTextBox* create_result_box(const char* name) {
    auto* box = new RichTextBox;
    box->setObjectName(QLatin1String(name));
    box->setFont(monospace_font(result_font_factor));
    return box;
}

QPushButton* create_copy_button(const char* name) {
    auto* button = new QPushButton;
    button->setObjectName(QLatin1String(name));
    setup_image_button(*button, L"copy_grey.png", L"Copy");
    button->setEnabled(false);
    return button;
}

// The width beyond which a column of the list is not widened to fit its rows: a wider column
// cannot be seen whole anyway, and painting it takes time in proportion to its width, which a
// suggestion for a long selection can take to hundreds of thousands of pixels.
int widest_column(const QWidget& list) {
    return list.screen()->availableGeometry().width();
}

// The shortest start of the text, in lengths that double, that is wider than width; the whole
// text if no start is.
QString overflowing_start(const QString& text, const QFontMetrics& metrics, int width) {
    for (qsizetype length = 256; length < text.size(); length *= 2) {
        const qsizetype cut = text.at(length - 1).isHighSurrogate() ? length + 1 : length;
        QString start = text.left(cut);
        if (metrics.horizontalAdvance(start) > width) {
            return start;
        }
    }
    return text;
}

// Measures and paints each row's text only as far as it overflows its cell and the widest column:
// the rest is elided anyway, and measuring or painting a text shapes all of it, which for a
// suggestion of a hundred thousand characters takes tens of milliseconds each time. The rows keep
// their whole texts.
class VisibleTextDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        DBC_CHECK(option->widget != nullptr);
        const int width = std::max(option->rect.width(), widest_column(*option->widget));
        option->text = overflowing_start(option->text, option->fontMetrics, width);
    }
};

BackgroundJob::Run run_for(std::size_t length) {
    return length >= long_work_length ? BackgroundJob::Run::in_background : BackgroundJob::Run::now;
}

// Offsets beyond a box's text stand for its end.
constexpr RichTextBox::Selection caret_at_end{std::wstring::npos, std::wstring::npos};
// How long a note of the window's stays in the status bar.
constexpr std::chrono::seconds note_time{10};

} // namespace

MainWindow::MainWindow(Settings& settings)
    : settings(settings), help_launcher(*this), support_commands(*this) {
    create_controls();
    setWindowTitle(product_name());
    setWindowIcon(product_icon());
    place_when_first_shown(*this, QSize(700, 440));
    setFont(scaled_default_font(QApplication::font(), window_font_factor));
    create_layout();
    fit_suggestions_columns();
    setMenuBar(create_menu());
    statusBar()->setSizeGripEnabled(true);
    statusBar()->addWidget(busy_status, 1);
    // The note before the check, whole while it shows: it is read once, the check again and again.
    statusBar()->addWidget(status_note);
    statusBar()->addWidget(check_status, 1);
    search_for_box->setFocus();
}

MainWindow::~MainWindow() {
    // The controls outlive the members their handlers use: cut them off before the toolkit
    // deletes them.
    for (QObject* child : findChildren<QObject*>()) {
        child->disconnect(this);
    }
}

QMainWindow& MainWindow::get_window() {
    return *this;
}

template <typename Sender, typename Signal>
void MainWindow::connect_handler(Sender* sender, Signal signal, void (MainWindow::*handler)()) {
    connect(sender, signal, this,
            [this, handler] { run_event_handler([&] { (this->*handler)(); }); });
}

void MainWindow::create_controls() {
    search_for_box = create_sample_box("search_for_box");
    search_for_paste = std::make_unique<PasteButton>(*search_for_box);
    search_for_paste->get_button().setObjectName(QStringLiteral("search_for_paste"));
    replace_with_box = create_sample_box("replace_with_box");
    replace_with_paste = std::make_unique<PasteButton>(*replace_with_box);
    replace_with_paste->get_button().setObjectName(QStringLiteral("replace_with_paste"));

    make_regex_button = new QPushButton(QStringLiteral("Make regular expression"));
    make_regex_button->setObjectName(QStringLiteral("make_regex_button"));
    make_regex_button->setEnabled(false);
    make_regex_button->setDefault(true);

    regex_box = create_result_box("regex_box");
    regex_copy_button = create_copy_button("regex_copy_button");
    format_box = create_result_box("format_box");
    format_copy_button = create_copy_button("format_copy_button");

    suggestions_list = new QTreeWidget;
    suggestions_list->setObjectName(QStringLiteral("suggestions_list"));
    suggestions_list->setColumnCount(2);
    suggestions_list->setHeaderLabels(
        {QStringLiteral("Regex suggestion"), QStringLiteral("Description")});
    suggestions_list->setRootIsDecorated(false);
    suggestions_list->setUniformRowHeights(true);
    suggestions_list->setSelectionMode(QAbstractItemView::SingleSelection);
    suggestions_list->setEnabled(false);
    suggestions_list->setItemDelegate(new VisibleTextDelegate(suggestions_list));

    apply_button = new QPushButton(QStringLiteral("&Apply"));
    apply_button->setObjectName(QStringLiteral("apply_button"));
    apply_button->setEnabled(false);

    connect_handler(search_for_box, &SampleBox::sample_changed,
                    &MainWindow::on_search_for_text_changed);
    connect_handler(search_for_box, &QLineEdit::returnPressed, &MainWindow::on_enter);
    connect_handler(replace_with_box, &SampleBox::sample_changed,
                    &MainWindow::on_replace_with_text_changed);
    connect_handler(replace_with_box, &QLineEdit::returnPressed, &MainWindow::on_enter);
    connect_handler(make_regex_button, &QPushButton::clicked, &MainWindow::on_make_regex_click);
    connect_handler(regex_box, &RichTextBox::edited, &MainWindow::on_regex_text_changed);
    connect_handler(regex_box, &QTextEdit::selectionChanged,
                    &MainWindow::on_regex_selection_changed);
    connect_handler(regex_box, &RichTextBox::enter_pressed, &MainWindow::on_enter);
    connect_handler(regex_copy_button, &QPushButton::clicked, &MainWindow::on_regex_copy);
    connect_handler(format_box, &RichTextBox::edited, &MainWindow::on_format_text_changed);
    connect_handler(format_box, &RichTextBox::enter_pressed, &MainWindow::on_enter);
    connect_handler(format_copy_button, &QPushButton::clicked, &MainWindow::on_format_copy);
    connect_handler(suggestions_list, &QTreeWidget::itemSelectionChanged,
                    &MainWindow::on_suggestions_list_selection_changed);
    connect_handler(suggestions_list, &QTreeWidget::itemDoubleClicked,
                    &MainWindow::on_suggestions_list_double_click);
    connect_handler(apply_button, &QPushButton::clicked, &MainWindow::on_apply_suggestion);

    busy_status = new BusyStatus;
    busy_status->setObjectName(QStringLiteral("busy_status"));
    busy_status->watch(making, QStringLiteral("Making the regular expression\u2026 Esc to cancel"));
    busy_status->watch(suggesting, QStringLiteral("Finding suggestions\u2026 Esc to cancel"));

    check_status = new CheckStatus;
    check_status->setObjectName(QStringLiteral("check_status"));
    status_note = new StatusNote;
    status_note->setObjectName(QStringLiteral("status_note"));
    connect(&live_check, &LiveCheck::reported, this, [this](const CheckReport& report) {
        run_event_handler([&] { check_status->show_report(report); });
    });
    history = std::make_unique<ResultBoxHistory>(
        *regex_box, *format_box, [this] { return settings.get_language(); },
        [this](const EditState& state) { show_state(state); });
}

void MainWindow::create_layout() {
    auto* grid = new QGridLayout;
    grid->setContentsMargins(10, 10, 10, 10);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(6);
    // All extra width goes to the boxes, all extra height to the suggestions list.
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(5, 1);

    grid->addWidget(create_label(QStringLiteral("Search for:")), 0, 0);
    grid->addWidget(search_for_box, 0, 1);
    grid->addWidget(&search_for_paste->get_button(), 0, 2, Qt::AlignVCenter);
    grid->addWidget(create_label(QStringLiteral("Replace with:")), 1, 0);
    grid->addWidget(replace_with_box, 1, 1);
    grid->addWidget(&replace_with_paste->get_button(), 1, 2, Qt::AlignVCenter);
    grid->addWidget(make_regex_button, 2, 0, 1, 3, Qt::AlignHCenter | Qt::AlignVCenter);
    grid->addWidget(create_label(QStringLiteral("Regular expression:")), 3, 0);
    grid->addWidget(regex_box, 3, 1);
    grid->addWidget(regex_copy_button, 3, 2, Qt::AlignVCenter);
    grid->addWidget(create_label(QStringLiteral("Format string:")), 4, 0);
    grid->addWidget(format_box, 4, 1);
    grid->addWidget(format_copy_button, 4, 2, Qt::AlignVCenter);
    grid->addWidget(suggestions_list, 5, 0, 1, 2);
    grid->addWidget(apply_button, 5, 2, Qt::AlignVCenter);

    auto* content = new QWidget;
    content->setLayout(grid);
    setCentralWidget(content);
}

QMenu* MainWindow::add_menu(QMenuBar& bar, const QString& caption) {
    QMenu* menu = bar.addMenu(caption);
    menu->setFont(font());
    return menu;
}

QMenuBar* MainWindow::create_menu() {
    auto* bar = new QMenuBar;
    bar->setFont(font());

    // Alt and the marked letter open a menu; "T" stays free for a menu of tools.
    language_menu = add_menu(*bar, QStringLiteral("&Language"));
    language_menu->setObjectName(QStringLiteral("language_menu"));
    auto* language_group = new QActionGroup(language_menu);
    for (const Language language : all_languages) {
        QAction* action =
            language_menu->addAction(to_qstring(std::wstring(names_of(language)->caption)));
        action->setCheckable(true);
        action->setData(static_cast<int>(language));
        action->setChecked(language == settings.get_language());
        language_group->addAction(action);
    }
    connect(language_group, &QActionGroup::triggered, this, [this](QAction* action) {
        run_event_handler([&] { on_language_menu_click(language_of(*action)); });
    });
    language_menu->addSeparator();
    copy_as_code_action = language_menu->addAction(QStringLiteral("Copy as Code"));
    copy_as_code_action->setObjectName(QStringLiteral("copy_as_code"));
    connect_handler(copy_as_code_action, &QAction::triggered, &MainWindow::on_copy_as_code);

    specials_menu = add_menu(*bar, QStringLiteral("&Specials"));
    specials_menu->setObjectName(QStringLiteral("specials_menu"));
    characters_menu = add_menu(*bar, QStringLiteral("&Characters"));
    characters_menu->setObjectName(QStringLiteral("characters_menu"));
    strings_menu = add_menu(*bar, QStringLiteral("St&rings"));
    strings_menu->setObjectName(QStringLiteral("strings_menu"));

    QMenu* tools_menu = add_menu(*bar, QStringLiteral("&Tools"));
    tools_menu->setObjectName(QStringLiteral("tools_menu"));
    QAction* try_on_text = tools_menu->addAction(QStringLiteral("Try on Text…"));
    try_on_text->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    connect_handler(try_on_text, &QAction::triggered, &MainWindow::on_try_on_text);

    QMenu* help_menu = add_menu(*bar, QStringLiteral("&Help"));
    help_menu->setObjectName(QStringLiteral("help_menu"));
    QAction* help = help_menu->addAction(QStringLiteral("Help"));
    help->setShortcut(QKeySequence::HelpContents);
    // On the window itself as well, so that F1 works wherever the focus is.
    addAction(help);
    connect_handler(help, &QAction::triggered, &MainWindow::on_help);
    help_menu->addSeparator();
    connect_handler(help_menu->addAction(QStringLiteral("E-mail Support")), &QAction::triggered,
                    &MainWindow::on_email_support_menu_click);
    connect_handler(help_menu->addAction(QStringLiteral("License")), &QAction::triggered,
                    &MainWindow::on_license_menu_click);
    help_menu->addSeparator();
    connect_handler(help_menu->addAction(QStringLiteral("About")), &QAction::triggered,
                    &MainWindow::on_about_menu_click);

    update_menu_language();
    return bar;
}

void MainWindow::update_menu_language() {
    const IRegexLanguage& language = language_factory.regex_language(settings.get_language());
    copy_as_code_action->setEnabled(
        language_factory.regex_formatting(settings.get_language()).code(L"", L"", {}).has_value());
    update_menu_language_group(language.special_elements(), *specials_menu);
    update_menu_language_group(language.character_elements(), *characters_menu);
    update_menu_language_group(language.string_elements(), *strings_menu);
}

void MainWindow::update_menu_language_group(const std::vector<LanguageElementDescription>& elements,
                                            QMenu& menu) {
    menu.clear();
    // Every separator of the table shows, also two in a row.
    menu.setSeparatorsCollapsible(false);
    for (const LanguageElementDescription& element : elements) {
        if (element.text.empty()) {
            menu.addSeparator();
            continue;
        }
        const std::wstring caption =
            element.text + menu_pad(element.menu_workaround) + L"\t" + element.description;
        QAction* action = menu.addAction(menu_caption(caption));
        connect(action, &QAction::triggered, this, [this, text = element.text] {
            run_event_handler([&] { on_element_menu_click(text); });
        });
    }
}

void MainWindow::make_regex() {
    DBC_PRECONDITION(!search_for_box->sample().isEmpty());
    const AutoWaitCursor wait_cursor;
    const std::wstring replace = to_wstring(replace_with_box->sample());
    const std::wstring search = to_wstring(search_for_box->sample());
    const Language language = settings.get_language();
    making.start(
        run_for(search.size() + replace.size()),
        [search, replace, tables = language_factory.regex_language_ptr(language),
         formatting = language_factory.regex_formatting_ptr(language)] {
            return make_regex_to_show(search, replace, *tables, formatting);
        },
        [this](const MadeRegex& made) { show_made_regex(made); });
}

void MainWindow::show_made_regex(const MadeRegex& made) {
    const AutoWaitCursor wait_cursor;
    history->step(EditHistory::Box::regex, [&] {
        show_regex_blocks(made.regex, made.selection ? RichTextBox::Selection{made.selection->start,
                                                                              made.selection->end}
                                                     : caret_at_end);
        show_format_blocks(made.format, caret_at_end);
        if (made.selection) {
            regex_box->setFocus();
        }
    });
    check();
}

void MainWindow::apply_suggestion() {
    const QList<QTreeWidgetItem*> selected = suggestions_list->selectedItems();
    DBC_PRECONDITION(!selected.isEmpty());
    replace_selection_in_regex_box(to_wstring(selected.front()->text(0)));
}

void MainWindow::replace_selection_in_regex_box(const std::wstring& text) {
    history->step(EditHistory::Box::regex, [&] {
        const auto caret_after = regex_box->selection().start() + text.size();
        regex_box->replace_selection(text);
        // The box restyles itself on the change; the caret belongs after the inserted text.
        regex_box->select(caret_after, caret_after);
        regex_box->setFocus();
    });
}

void MainWindow::pretty_format_regex_box(const std::wstring& regex) {
    show_regex_blocks(
        language_factory.regex_formatting(settings.get_language()).pretty_format_regex(regex),
        regex_box->selection());
}

void MainWindow::pretty_format_format_box(const std::wstring& format) {
    show_format_blocks(
        language_factory.regex_formatting(settings.get_language()).pretty_format_format(format),
        format_box->selection());
}

void MainWindow::show_regex_blocks(const std::vector<PrettyFormatBlock>& blocks,
                                   const RichTextBox::Selection& selection) {
    regex_box->format(blocks, selection);
    regex_copy_button->setEnabled(!regex_box->text().empty());
    suggestions_list->setEnabled(regex_copy_button->isEnabled());
}

void MainWindow::show_format_blocks(const std::vector<PrettyFormatBlock>& blocks,
                                    const RichTextBox::Selection& selection) {
    format_box->format(blocks, selection);
    format_copy_button->setEnabled(!format_box->text().empty());
}

void MainWindow::show_state(const EditState& state) {
    // The state shown is newer than any result still being made, and than a note of the last
    // switch of language.
    making.cancel();
    status_note->hide();
    if (state.language != settings.get_language()) {
        switch_language(state.language);
    }
    pretty_format_regex_box(state.regex.text);
    pretty_format_format_box(state.format.text);
    check();
}

void MainWindow::check() {
    if (preview != nullptr) {
        const QString& search = search_for_box->sample();
        preview->follow({regex_box->text(), format_box->text(), settings.get_language(),
                         search.isEmpty()
                             ? std::nullopt
                             : std::optional(Example{to_wstring(search),
                                                     to_wstring(replace_with_box->sample())})});
    }
    // An empty regex is no result to check: nothing has been made or typed yet.
    if (regex_box->text().empty()) {
        live_check.cancel();
        check_status->clear();
        return;
    }
    live_check.request({regex_box->text(), format_box->text(), to_wstring(search_for_box->sample()),
                        to_wstring(replace_with_box->sample()), settings.get_language()});
}

void MainWindow::on_search_for_text_changed() {
    make_regex_button->setEnabled(!search_for_box->sample().isEmpty());
    check();
}

void MainWindow::on_replace_with_text_changed() {
    check();
}

void MainWindow::on_regex_text_changed() {
    // The user's edit is newer than any result still being made.
    making.cancel();
    pretty_format_regex_box(regex_box->text());
    check();
}

void MainWindow::on_format_text_changed() {
    making.cancel();
    pretty_format_format_box(format_box->text());
    check();
}

void MainWindow::on_make_regex_click() {
    make_regex();
}

void MainWindow::on_regex_selection_changed() {
    suggestions_list->clear();
    const RichTextBox::Selection selection = regex_box->selection();
    std::wstring selected =
        regex_box->text().substr(selection.start(), selection.end() - selection.start());
    const Language language = settings.get_language();
    const BackgroundJob::Run run = run_for(selected.size());
    suggesting.start(
        run,
        [selected = std::move(selected), tables = language_factory.regex_language_ptr(language),
         formatting = language_factory.regex_formatting_ptr(language)] {
            return make_suggestions(selected, tables->regex_descriptions(), formatting);
        },
        [this](const std::vector<Suggestion>& suggestions) { show_suggestions(suggestions); });
}

void MainWindow::show_suggestions(const std::vector<Suggestion>& suggestions) {
    for (const Suggestion& suggestion : suggestions) {
        suggestions_list->addTopLevelItem(new QTreeWidgetItem(
            {to_qstring(suggestion.regex()), to_qstring(suggestion.long_description())}));
    }
    if (suggestions_list->topLevelItemCount() > 0) {
        suggestions_list->setCurrentItem(
            suggestions_list->topLevelItem(suggestions_list->topLevelItemCount() - 1));
    }
    fit_suggestions_columns();
}

void MainWindow::fit_suggestions_columns() {
    // Each column fits its header and its rows, up to the widest column; text beyond is elided.
    const int widest = widest_column(*suggestions_list);
    for (const int column : {0, 1}) {
        suggestions_list->resizeColumnToContents(column);
        if (suggestions_list->columnWidth(column) > widest) {
            suggestions_list->setColumnWidth(column, widest);
        }
    }
}

void MainWindow::on_suggestions_list_selection_changed() {
    apply_button->setEnabled(!suggestions_list->selectedItems().isEmpty());
}

void MainWindow::on_suggestions_list_double_click() {
    if (!suggestions_list->selectedItems().isEmpty()) {
        apply_suggestion();
    }
}

void MainWindow::on_apply_suggestion() {
    apply_suggestion();
}

void MainWindow::on_regex_copy() {
    copy_to_clipboard(*regex_box);
}

void MainWindow::on_format_copy() {
    copy_to_clipboard(*format_box);
}

void MainWindow::on_copy_as_code() {
    // "FILE" marks where the shell commands take the file to rewrite.
    const auto code = language_factory.regex_formatting(settings.get_language())
                          .code(regex_box->text(), format_box->text(), {L"FILE"});
    if (code) {
        QGuiApplication::clipboard()->setText(to_qstring(*code));
    }
}

void MainWindow::on_element_menu_click(const std::wstring& text) {
    replace_selection_in_regex_box(text);
}

void MainWindow::on_language_menu_click(Language language) {
    const Language previous = settings.get_language();
    if (language == previous) {
        return;
    }
    // Results still being worked on are in the old language, and so is a note of the last switch.
    making.cancel();
    suggesting.cancel();
    status_note->hide();
    // The user's rule, generalisations and all, carried over where it means the same there.
    const std::optional<TranslatedRule> translated =
        regex_box->text().empty() ? std::nullopt
                                  : translate_rule(regex_box->text(), format_box->text(), previous,
                                                   language, language_factory);
    switch_language(language);
    if (translated) {
        show_rule(translated->regex, translated->format);
        return;
    }
    const bool remake = !search_for_box->sample().isEmpty();
    if (!regex_box->text().empty()) {
        status_note->show_note(QStringLiteral("The rule cannot be written exactly in %1: %2")
                                   .arg(to_qstring(std::wstring(names_of(language)->caption)),
                                        remake ? QStringLiteral("made again from the samples.")
                                               : QStringLiteral("kept as it is.")),
                               note_time);
    }
    if (remake) {
        make_regex();
    } else {
        // The boxes keep their texts, now read in the other language.
        history->keep_language();
        check();
    }
}

void MainWindow::switch_language(Language language) {
    for (QAction* entry : language_menu->actions()) {
        entry->setChecked(language_of(*entry) == language);
    }
    settings.set_language(language);
    update_menu_language();
}

void MainWindow::on_enter() {
    if (make_regex_button->isEnabled()) {
        make_regex_button->click();
    }
}

void MainWindow::on_help() {
    help_launcher.open(file_beside_executable(L"Help.chm"));
}

void MainWindow::on_email_support_menu_click() {
    support_commands.email_support();
}

void MainWindow::on_license_menu_click() {
    support_commands.show_license();
}

void MainWindow::on_about_menu_click() {
    AboutDialog about(*this);
    about.get_window().exec();
    // Not every window system hands the focus back to the owner of a closed dialog.
    activateWindow();
}

void MainWindow::on_try_on_text() {
    if (preview == nullptr) {
        preview = new PreviewWindow(this);
        preview->setObjectName(QStringLiteral("preview_window"));
        connect(preview, &PreviewWindow::learned, this, [this](const LearnedRule& rule) {
            run_event_handler([&] { on_rule_learned(rule); });
        });
        check();
    }
    preview->show();
    preview->raise();
    preview->activateWindow();
}

void MainWindow::on_rule_learned(const LearnedRule& rule) {
    // The learned rule is newer than any result still being made.
    making.cancel();
    show_rule(rule.regex, rule.format);
}

void MainWindow::show_rule(const std::wstring& regex, const std::wstring& format) {
    history->step(EditHistory::Box::regex, [&] {
        pretty_format_regex_box(regex);
        pretty_format_format_box(format);
    });
    check();
}

} // namespace varnel

// The window with long samples: styling a regex into a result box, making the regex through the
// window, one keystroke in the regex box and one selection change in it, by length; and the
// preview ("Try on text") with long texts, with the longest time its event loop stood still. Each
// step includes painting the controls it changed, as the user waits for that too.

#include "app/LineVerdictsModel.h"
#include "app/MainWindow.h"
#include "app/PreviewWindow.h"
#include "app/RichTextBox.h"
#include "varnel/core/MakeReplaceRegex.h"
#include "varnel/languages/LanguageFactory.h"
#include "varnel/settings/QStringConversion.h"
#include "varnel/settings/Settings.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <locale>
#include <random>
#include <string>
#include <vector>

#include <QApplication>
#include <QClipboard>
#include <QEventLoop>
#include <QFile>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <benchmark/benchmark.h>

using namespace varnel;

namespace {

constexpr auto language = Language::VisualStudio;

struct Samples {
    std::wstring search;
    std::wstring replace;
};

// Words, numbers and punctuation separated by spaces, as in a line of prose or code, cut to
// exactly size units; the replacement holds the same pieces in reverse order, so the regex has as
// many groups as the language allows and escapes throughout.
Samples make_samples(std::size_t size) {
    std::mt19937 random(2024);
    static const wchar_t* const marks[] = {L".", L",", L";", L":", L"(", L")",  L"[",
                                           L"]", L"-", L"/", L"=", L"$", L"\"", L"?"};
    std::uniform_int_distribution<int> kind(0, 3);
    std::uniform_int_distribution<int> length(2, 8);
    std::uniform_int_distribution<int> letter(L'a', L'z');
    std::uniform_int_distribution<int> digit(L'0', L'9');
    std::uniform_int_distribution<std::size_t> mark(0, std::size(marks) - 1);
    std::vector<std::wstring> pieces;
    std::size_t units = 0;
    while (units < size) {
        std::wstring piece;
        const int k = kind(random);
        if (k == 0) {
            piece = marks[mark(random)];
        } else {
            auto& character = k == 1 ? digit : letter;
            for (int n = length(random); n > 0; --n) {
                piece += static_cast<wchar_t>(character(random));
            }
        }
        units += piece.size() + 1;
        pieces.push_back(piece);
    }
    Samples samples;
    for (auto piece = pieces.begin(); piece != pieces.end(); ++piece) {
        samples.search += (samples.search.empty() ? L"" : L" ") + *piece;
    }
    for (auto piece = pieces.rbegin(); piece != pieces.rend(); ++piece) {
        samples.replace += (samples.replace.empty() ? L"" : L" ") + *piece;
    }
    samples.search.resize(size);
    samples.replace.resize(size);
    return samples;
}

// Printable ASCII characters drawn at random, and the same text reversed: few long common pieces,
// many escapes, so the regex is a fifth longer than the sample and styled in many short runs.
Samples make_reversed_samples(std::size_t size) {
    std::mt19937 random(2024);
    std::uniform_int_distribution<int> printable(0x20, 0x7E);
    Samples samples;
    for (std::size_t i = 0; i < size; ++i) {
        samples.search += static_cast<wchar_t>(printable(random));
    }
    samples.replace.assign(samples.search.rbegin(), samples.search.rend());
    return samples;
}

const LanguageFactory& factory() {
    static const LanguageFactory instance;
    return instance;
}

// A regex as the window makes it, cut to exactly length characters. Without a replacement it is
// the search sample escaped, without groups.
std::wstring regex_of_length(std::size_t length, bool with_replacement = true) {
    const Samples samples = make_samples(length);
    std::wstring regex =
        make_replace_regex(samples.search, with_replacement ? samples.replace : std::wstring(),
                           factory().regex_formatting(language))
            .regex;
    regex.resize(length);
    return regex;
}

// The real window, shown, its controls found by name.
// Takes the step and settles it, then turns the event loop until the status bar's note of long
// work (busy_status) is hidden and done() holds; returns the longest time the event loop stood
// still meanwhile, the step and its settling included.
template <typename Step, typename Done>
std::chrono::duration<double> run_until_idle_in(const QWidget* busy_status, const Step& step,
                                                const Done& done) {
    using Clock = std::chrono::steady_clock;
    auto step_start = Clock::now();
    step();
    QApplication::processEvents();
    std::chrono::duration<double> longest = Clock::now() - step_start;
    while (!busy_status->isHidden() || !done()) {
        step_start = Clock::now();
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        longest = std::max<std::chrono::duration<double>>(longest, Clock::now() - step_start);
    }
    return longest;
}

struct Window {
    Window() : window(settings) {
        window.get_window().show();
        search_for_box = window.findChild<QLineEdit*>("search_for_box");
        replace_with_box = window.findChild<QLineEdit*>("replace_with_box");
        regex_box = window.findChild<RichTextBox*>("regex_box");
        suggestions_list = window.findChild<QTreeWidget*>("suggestions_list");
        busy_status = window.findChild<QWidget*>("busy_status");
        QApplication::processEvents();
    }

    void fill_regex_box(const std::wstring& regex) {
        window.replace_selection_in_regex_box(regex);
        settle();
    }

    void select(std::size_t start, std::size_t end) { regex_box->select(start, end); }

    // Delivers what the step posted, painting what it changed, as the next frame would.
    static void settle() { QApplication::processEvents(); }

    // Presses the key for the character, or Backspace when the last turn typed it, and settles.
    static void type_in_turn(QWidget* box, Qt::Key key, const QString& character, bool& typed) {
        QKeyEvent press(QEvent::KeyPress, typed ? Qt::Key_Backspace : key, Qt::NoModifier,
                        typed ? QString() : character);
        QApplication::sendEvent(box, &press);
        typed = !typed;
        settle();
    }

    template <typename Step, typename Done>
    std::chrono::duration<double> run_until_idle(const Step& step, const Done& done) {
        return run_until_idle_in(busy_status, step, done);
    }
    template <typename Step>
    std::chrono::duration<double> run_until_idle(const Step& step) {
        return run_until_idle(step, [] { return true; });
    }

    // Makes the regex and waits until the regex box shows the expected one.
    std::chrono::duration<double> make_and_wait(const std::wstring& expected) {
        return run_until_idle([this] { window.make_regex(); },
                              [&] { return regex_box->text() == expected; });
    }

    Settings settings;
    MainWindow window;
    QLineEdit* search_for_box;
    QLineEdit* replace_with_box;
    RichTextBox* regex_box;
    QTreeWidget* suggestions_list;
    QWidget* busy_status;
};

// Two regexes in turn, so that each rewrite replaces the box's text and rebuilds its document.
void BM_RichBoxFormat(benchmark::State& state) {
    const auto length = static_cast<std::size_t>(state.range(0));
    const std::wstring regex = regex_of_length(length);
    const IRegexFormatting& formatting = factory().regex_formatting(language);
    const std::vector<PrettyFormatBlock> blocks[] = {formatting.pretty_format_regex(regex),
                                                     formatting.pretty_format_regex(L"x" + regex)};
    RichTextBox box;
    // As the window shows its result boxes: a fixed-pitch font, larger than the default.
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSizeF(QApplication::font().pointSizeF() * 1.5);
    box.setFont(font);
    box.resize(600, 40);
    box.show();
    box.format(blocks[0]);
    // A selection in the middle that every rewrite must put back.
    box.select(length / 2, length / 2 + 10);
    std::size_t turn = 0;
    for (auto _ : state) {
        box.format(blocks[++turn % 2]);
        Window::settle();
    }
    state.counters["blocks"] = static_cast<double>(blocks[0].size());
}

// Two search samples in turn, so that each click shows a new regex and format string: the time
// from the click to the shown result; "stall" is the longest time meanwhile that the window did
// not answer.
void run_make_regex(benchmark::State& state, const Samples& samples) {
    const std::wstring searches[] = {samples.search, L"x" + samples.search};
    std::wstring expected[2];
    for (int i = 0; i < 2; ++i) {
        expected[i] =
            make_replace_regex(searches[i], samples.replace, factory().regex_formatting(language))
                .regex;
    }
    Window ui;
    ui.replace_with_box->setText(to_qstring(samples.replace));
    std::size_t turn = 0;
    std::chrono::duration<double> stall{};
    for (auto _ : state) {
        state.PauseTiming();
        ++turn;
        ui.search_for_box->setText(to_qstring(searches[turn % 2]));
        ui.settle();
        state.ResumeTiming();
        stall = std::max(stall, ui.make_and_wait(expected[turn % 2]));
    }
    state.counters["regex"] = static_cast<double>(expected[0].size());
    state.counters["rows"] = ui.suggestions_list->topLevelItemCount();
    state.counters["stall_ms"] = stall.count() * 1000;
}

// Words, numbers and punctuation, the replacement in reverse word order.
void BM_MakeRegex(benchmark::State& state) {
    run_make_regex(state, make_samples(static_cast<std::size_t>(state.range(0))));
}

// Printable characters at random and the same text reversed.
void BM_MakeRegexReversed(benchmark::State& state) {
    run_make_regex(state, make_reversed_samples(static_cast<std::size_t>(state.range(0))));
}

// One key press in the middle of the regex, typing a character or taking it back in turn: a
// letter after a letter, which leaves every style as it was, or a backslash before a backslash or
// a group brace, which changes the styles around it.
void BM_Keystroke(benchmark::State& state) {
    const auto length = static_cast<std::size_t>(state.range(0));
    const bool restyles = state.range(1) != 0;
    const std::wstring regex = regex_of_length(length);
    const std::size_t found =
        regex.find_first_of(restyles ? L"\\{}" : L"abcdefghijklmnopqrstuvwxyz", length / 2);
    if (found == std::wstring::npos) {
        state.SkipWithError("no place to type");
        return;
    }
    const std::size_t caret = restyles ? found : found + 1;
    const auto key = restyles ? Qt::Key_Backslash : Qt::Key_X;
    const QString character = restyles ? QStringLiteral("\\") : QStringLiteral("x");
    Window ui;
    ui.fill_regex_box(regex);
    ui.select(caret, caret);
    bool typed = false;
    for (auto _ : state) {
        Window::type_in_turn(ui.regex_box, key, character, typed);
    }
}

// The window after making the regex of printable characters and their reverse, as a user pastes
// and makes it.
struct MadeWindow : Window {
    explicit MadeWindow(std::size_t size) {
        const Samples samples = make_reversed_samples(size);
        search_for_box->setText(to_qstring(samples.search));
        replace_with_box->setText(to_qstring(samples.replace));
        regex = make_replace_regex(samples.search, samples.replace,
                                   factory().regex_formatting(language))
                    .regex;
        make_and_wait(regex);
    }

    std::wstring regex;
};

// One key press in the middle of a made regex, a letter typed after a letter or taken back in
// turn.
void BM_KeystrokeInMadeRegex(benchmark::State& state) {
    MadeWindow ui(static_cast<std::size_t>(state.range(0)));
    const std::size_t letter =
        ui.regex.find_first_of(L"abcdefghijklmnopqrstuvwxyz", ui.regex.size() / 2);
    ui.select(letter + 1, letter + 1);
    ui.settle();
    bool typed = false;
    for (auto _ : state) {
        Window::type_in_turn(ui.regex_box, Qt::Key_X, QStringLiteral("x"), typed);
    }
    state.counters["regex"] = static_cast<double>(ui.regex.size());
}

// Ctrl+A in a made regex, until the window answers again; the caret goes back to the start
// between the steps, untimed.
void BM_SelectAllInMadeRegex(benchmark::State& state) {
    MadeWindow ui(static_cast<std::size_t>(state.range(0)));
    ui.regex_box->setFocus();
    std::chrono::duration<double> stall{};
    for (auto _ : state) {
        state.PauseTiming();
        ui.select(0, 0);
        ui.settle();
        state.ResumeTiming();
        stall = std::max(stall, ui.run_until_idle([&] {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::ControlModifier);
            QApplication::sendEvent(ui.regex_box, &press);
        }));
    }
    state.counters["regex"] = static_cast<double>(ui.regex.size());
    state.counters["stall_ms"] = stall.count() * 1000;
}

// One key press at the end of the search sample, which the window does not restyle.
void BM_SampleKeystroke(benchmark::State& state) {
    Window ui;
    ui.search_for_box->setText(
        to_qstring(make_samples(static_cast<std::size_t>(state.range(0))).search));
    ui.search_for_box->setFocus();
    ui.settle();
    bool typed = false;
    for (auto _ : state) {
        Window::type_in_turn(ui.search_for_box, Qt::Key_X, QStringLiteral("x"), typed);
    }
}

// The CPU time of the calling thread.
std::chrono::nanoseconds thread_time() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec);
}

// A second of the window left alone with the caret at the end of a long search sample, the window
// active: what the caret's blinking and anything else on a timer cost. "cpu_percent" is the
// window thread's CPU time over the wall time.
void BM_IdleWithSample(benchmark::State& state) {
    Window ui;
    ui.search_for_box->setText(
        to_qstring(make_samples(static_cast<std::size_t>(state.range(0))).search));
    ui.window.activateWindow();
    ui.search_for_box->setFocus();
    ui.settle();
    std::chrono::duration<double> cpu{};
    std::chrono::duration<double> wall{};
    for (auto _ : state) {
        const auto cpu_start = thread_time();
        const auto start = std::chrono::steady_clock::now();
        QEventLoop second;
        QTimer::singleShot(1000, &second, &QEventLoop::quit);
        second.exec();
        wall += std::chrono::steady_clock::now() - start;
        cpu += thread_time() - cpu_start;
    }
    state.counters["cpu_percent"] = 100 * cpu / wall;
}

// A selection change that refills the suggestions, until they are shown: a few words in the
// middle of the regex, or nearly all of a regex without groups, where the list shows a suggestion
// as long as the selection. The selection runs from space to space, so it holds whole escapes.
void BM_SelectionChange(benchmark::State& state) {
    const auto length = static_cast<std::size_t>(state.range(0));
    const bool long_selection = state.range(1) != 0;
    const std::wstring regex = regex_of_length(length, !long_selection);
    const std::size_t start = regex.find(L' ', long_selection ? 0 : length / 2);
    const std::size_t end = long_selection ? regex.rfind(L' ') : regex.find(L' ', start + 12);
    Window ui;
    ui.fill_regex_box(regex);
    bool other = false;
    std::chrono::duration<double> stall{};
    for (auto _ : state) {
        // Two selections in turn, so that each step changes it.
        stall =
            std::max(stall, ui.run_until_idle([&] { ui.select(start + (other ? 1 : 0), end); }));
        other = !other;
    }
    state.counters["selected"] = static_cast<double>(end - start);
    state.counters["stall_ms"] = stall.count() * 1000;
    state.counters["rows"] = ui.suggestions_list->topLevelItemCount();
}

BENCHMARK(BM_RichBoxFormat)->Arg(2000)->Arg(20000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MakeRegex)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MakeRegexReversed)
    ->Arg(100000)
    ->Arg(1 << 20)
    ->Iterations(2)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Keystroke)
    ->ArgsProduct({{2000, 20000, 100000}, {0, 1}})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KeystrokeInMadeRegex)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SelectAllInMadeRegex)->Arg(1 << 20)->Iterations(2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SampleKeystroke)->Arg(2000)->Arg(100000)->Arg(1 << 20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IdleWithSample)->Arg(1 << 20)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SelectionChange)->ArgsProduct({{2000, 100000}, {0, 1}})->Unit(benchmark::kMillisecond);

// Lines of words, numbers and punctuation, line_length code units long or a little more, size in
// all.
std::wstring lines_of_text(std::size_t size, std::size_t line_length = 60) {
    std::wstring text = make_samples(size).search;
    for (std::size_t space = text.find(L' ', line_length); space != std::wstring::npos;
         space = text.find(L' ', space + line_length)) {
        text[space] = L'\n';
    }
    return text;
}
// The longest time the event loop stood still while steps ran: a timer ticks every 2 ms, and each
// gap between two ticks is a time the loop could not answer. On a machine shared with other work
// a gap holds the time the thread waited for a core too; the window thread's CPU time between two
// ticks is the work it did meanwhile, which that waiting leaves out.
class StallWatch {
public:
    StallWatch() {
        ticker.setTimerType(Qt::PreciseTimer);
        QObject::connect(&ticker, &QTimer::timeout, [this] { tick(); });
        ticker.start(2);
    }

    // Posts the step to the event loop and turns it until done() holds, the step run; returns
    // the time from the step to then.
    template <typename Step, typename Done>
    std::chrono::duration<double> run(const Step& step, const Done& done) {
        bool ran = false;
        QTimer::singleShot(0, [&] {
            step();
            ran = true;
        });
        const auto start = Clock::now();
        last = start;
        last_cpu = thread_time();
        watching = true;
        while (!ran || !done()) {
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
        tick();
        watching = false;
        return Clock::now() - start;
    }

    std::chrono::duration<double> longest{};
    std::chrono::duration<double> longest_cpu{};

private:
    using Clock = std::chrono::steady_clock;

    void tick() {
        if (!watching) {
            return;
        }
        const auto now = Clock::now();
        const auto cpu = thread_time();
        longest = std::max<std::chrono::duration<double>>(longest, now - last);
        longest_cpu = std::max<std::chrono::duration<double>>(longest_cpu, cpu - last_cpu);
        last = now;
        last_cpu = cpu;
    }

    QTimer ticker;
    bool watching = false;
    Clock::time_point last;
    std::chrono::nanoseconds last_cpu{};
};

// The preview window judging a text by one of two rules, its controls found by name.
struct Preview {
    explicit Preview(const QString& text) : window(std::make_unique<PreviewWindow>()) {
        window->show();
        busy = window->findChild<QWidget*>("busy_status");
        counts = window->findChild<QLabel*>("counts_label");
        view = window->findChild<QTableView*>("lines_view");
        StallWatch().run(
            [&] {
                window->insert_text(text);
                window->follow(rules[0]);
            },
            [&] { return judged(); });
    }

    // Every line's verdict is shown: the counts read "12 lines: ...", or "1 line: ...".
    bool judged() const {
        return busy->isHidden() && counts->text().contains(QStringLiteral(" line")) &&
               counts->text().front().isDigit();
    }

    QAction* action(const QString& caption_start) const {
        for (QAction* action : window->findChildren<QAction*>()) {
            if (action->text().remove('&').startsWith(caption_start)) {
                return action;
            }
        }
        return nullptr;
    }

    const PreviewRule rules[2] = {{L"{[0-9]+}", L"<\\1>", language, std::nullopt},
                                  {L"{[a-z]+}", L"\\1!", language, std::nullopt}};
    std::unique_ptr<PreviewWindow> window;
    const QWidget* busy;
    const QLabel* counts;
    QTableView* view;
};

// The preview of a text of the given length as its rule changes, between two rules in turn: the
// time from the change to every line's verdict shown and the lines in view painted; "stall" is
// the longest time meanwhile that the window did not answer.
void BM_PreviewRuleChange(benchmark::State& state) {
    Preview preview(to_qstring(lines_of_text(static_cast<std::size_t>(state.range(0)))));
    std::size_t turn = 0;
    StallWatch watch;
    for (auto _ : state) {
        const PreviewRule& rule = preview.rules[++turn % 2];
        watch.run([&] { preview.window->follow(rule); }, [&] { return preview.judged(); });
        preview.view->viewport()->repaint();
    }
    state.counters["lines"] = preview.view->model()->rowCount();
    state.counters["stall_ms"] = watch.longest.count() * 1000;
    state.counters["stall_cpu_ms"] = watch.longest_cpu.count() * 1000;
}
BENCHMARK(BM_PreviewRuleChange)->Arg(100000)->Arg(1 << 20)->Unit(benchmark::kMillisecond);

// What the user does to the preview of a long text.
enum class PreviewStep { rule, save, copy, edit, edit_while_judged, open, paste, close };

// One step on the preview of a text of the given length in lines of the given length (a file
// opened), until the window is done with it; "stall" is the longest time meanwhile that the
// window's event loop stood still.
void BM_PreviewStall(benchmark::State& state) {
    const auto step = static_cast<PreviewStep>(state.range(1));
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("text.txt"));
    const QString saved = folder.filePath(QStringLiteral("saved.txt"));
    const QString text = to_qstring(lines_of_text(static_cast<std::size_t>(state.range(0)),
                                                  static_cast<std::size_t>(state.range(2))));
    {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(text.toUtf8());
    }
    auto preview = std::make_unique<Preview>(text);
    bool copied = false;
    QObject::connect(QGuiApplication::clipboard(), &QClipboard::dataChanged,
                     [&] { copied = true; });
    std::size_t turn = 0;
    StallWatch watch;
    for (auto _ : state) {
        ++turn;
        const int row = static_cast<int>(
            turn * 7919 % static_cast<std::size_t>(preview->view->model()->rowCount()));
        const QModelIndex line = preview->view->model()->index(row, LineVerdictsModel::line_column);
        const auto judged = [&] { return preview->judged(); };
        switch (step) {
        case PreviewStep::rule:
            watch.run([&] { preview->window->follow(preview->rules[turn % 2]); }, judged);
            break;
        case PreviewStep::save:
            preview->window->statusBar()->clearMessage();
            watch.run([&] { preview->window->save_to(saved); },
                      [&] {
                          return preview->window->statusBar()->currentMessage().startsWith(
                              QStringLiteral("Saved"));
                      });
            break;
        case PreviewStep::copy:
            copied = false;
            watch.run([&] { preview->action(QStringLiteral("Copy Rewritten"))->trigger(); },
                      [&] { return copied && preview->busy->isHidden(); });
            break;
        case PreviewStep::edit:
            watch.run([&] { preview->view->model()->setData(line, QStringLiteral("{42} x")); },
                      judged);
            break;
        case PreviewStep::edit_while_judged:
            watch.run(
                [&] {
                    preview->window->follow(preview->rules[turn % 2]);
                    QTimer::singleShot(
                        0, [&] { preview->view->model()->setData(line, QStringLiteral("{7}")); });
                },
                judged);
            break;
        case PreviewStep::open:
            watch.run([&] { preview->window->open_file(path); }, judged);
            break;
        case PreviewStep::paste:
            state.PauseTiming();
            preview = std::make_unique<Preview>(QString());
            state.ResumeTiming();
            watch.run([&] { preview->window->insert_text(text); }, judged);
            break;
        case PreviewStep::close:
            watch.run([&] { preview.reset(); }, [] { return true; });
            state.PauseTiming();
            preview = std::make_unique<Preview>(text);
            state.ResumeTiming();
            break;
        }
    }
    static const char* const names[] = {"rule", "save",  "copy", "edit", "edit while judged",
                                        "open", "paste", "close"};
    state.SetLabel(names[state.range(1)]);
    state.counters["stall_ms"] = watch.longest.count() * 1000;
    state.counters["stall_cpu_ms"] = watch.longest_cpu.count() * 1000;
}
BENCHMARK(BM_PreviewStall)
    ->ArgsProduct({{1 << 20, 1 << 24}, {0, 1, 2, 3, 4, 5, 6, 7}, {60}})
    // 16 MiB of lines of 8 code units or a little more: some 1.5 million lines.
    ->ArgsProduct({{1 << 24}, {0, 5, 6}, {8}})
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    std::locale::global(std::locale("C.UTF-8"));
    // The window's language is read from the settings store: a fresh one keeps the default.
    const QTemporaryDir config_home;
    qputenv("XDG_CONFIG_HOME", config_home.path().toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

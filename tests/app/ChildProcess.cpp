#include "tests/app/ChildProcess.h"

#include "app/AboutDialog.h"
#include "app/BackgroundJob.h"
#include "app/HelpViewer.h"
#include "app/MainWindow.h"
#include "app/PreviewWindow.h"
#include "app/StartFile.h"
#include "app/SupportCommands.h"
#include "app/UnhandledException.h"
#include "app/WPFAssertHandler.h"
#include "varnel/common/DBC.h"
#include "varnel/settings/Settings.h"

#include <cstdio>
#include <cstring>
#include <functional>
#include <stdexcept>
#include <thread>

#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <QTimer>

using namespace varnel;

namespace {

// Acknowledges every modal report as soon as it shows, and prints what it showed.
void acknowledge_reports(QTimer& timer) {
    QObject::connect(&timer, &QTimer::timeout, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            std::printf("shown: %s\ndetail: %s\n", box->text().toUtf8().constData(),
                        box->detailedText().toUtf8().constData());
            std::fflush(stdout);
            box->accept();
        }
    });
    timer.start(20);
}

int failed_check_in_the_window() {
    WPFAssertHandler handler;
    DBC::set_assert_handler(&handler);
    QTimer acknowledger;
    acknowledge_reports(acknowledger);
    Settings settings;
    MainWindow window(settings);
    // The search box is empty: the window's own guard against making a regex from nothing.
    window.make_regex();
    return 0;
}

// Every window Varnel opens as it opens on the screen, in device pixels, one line each: the
// screen's available area, the main window's content, then each window's frame.
int window_placement() {
    Settings settings;
    MainWindow window(settings);
    window.show();
    std::optional<ChmFile> help = ChmFile::open(file_beside_executable(L"Help.chm"));
    if (!QTest::qWaitForWindowExposed(&window) || !help) {
        return 1;
    }
    const qreal scale = window.devicePixelRatio();
    const auto print = [scale](const char* name, const QRect& rect) {
        const QRect pixels(rect.topLeft() * scale, rect.size() * scale);
        std::printf("%s %d %d %d %d\n", name, pixels.x(), pixels.y(), pixels.width(),
                    pixels.height());
    };
    print("available", window.screen()->availableGeometry());
    print("content", window.geometry());
    print("main", window.frameGeometry());
    SupportCommands nothing_starts(window, [](const QUrl&) { return false; });
    const std::pair<const char*, std::function<QWidget*()>> others[] = {
        {"help", [&] { return new HelpViewer(std::move(*help), window); }},
        {"about", [&] { return new AboutDialog(window); }},
        {"preview", [&] { return new PreviewWindow(&window); }},
        {"license",
         [&] {
             nothing_starts.show_license();
             return window.findChild<QWidget*>(QStringLiteral("license_window"));
         }},
        {"address", [&] {
             nothing_starts.email_support();
             return window.findChild<QWidget*>(QStringLiteral("support_address_box"));
         }}};
    for (const auto& [name, open] : others) {
        QWidget* other = open();
        other->show();
        if (!QTest::qWaitForWindowExposed(other)) {
            return 1;
        }
        print(name, other->frameGeometry());
    }
    return 0;
}

int failed_check_in_background_work() {
    WPFAssertHandler handler;
    DBC::set_assert_handler(&handler);
    QTimer acknowledger;
    acknowledge_reports(acknowledger);
    BackgroundJob job;
    job.start(
        BackgroundJob::Run::in_background,
        [] {
            DBC_CHECK(false);
            return 0;
        },
        [](int) {});
    return QCoreApplication::exec();
}

int exception_escaping_the_run() {
    QTimer acknowledger;
    acknowledge_reports(acknowledger);
    handle_unhandled_exception(L"Main",
                               std::make_exception_ptr(std::runtime_error("window system lost")));
    return 0;
}

// Reads the stored language, prints it and chooses ECMAScript, as a start of either front end and
// a click in the Language menu would; run apart so that a store that blocks cannot stall the tests.
int read_and_choose_language() {
    Settings settings;
    std::printf("%d\n", static_cast<int>(settings.get_language()));
    std::fflush(stdout);
    settings.set_language(Language::ECMAScript);
    return 0;
}

int exception_escaping_a_thread() {
    std::set_terminate(on_thread_unhandled_exception);
    QTimer acknowledger;
    acknowledge_reports(acknowledger);
    std::thread([] { throw std::runtime_error("worker failed"); }).detach();
    return QCoreApplication::exec();
}

} // namespace

int run_child(const char* mode) {
    if (std::strcmp(mode, "--child-failed-check") == 0) {
        return failed_check_in_the_window();
    }
    if (std::strcmp(mode, "--child-failed-check-in-background") == 0) {
        return failed_check_in_background_work();
    }
    if (std::strcmp(mode, "--child-main-exception") == 0) {
        return exception_escaping_the_run();
    }
    if (std::strcmp(mode, "--child-thread-exception") == 0) {
        return exception_escaping_a_thread();
    }
    if (std::strcmp(mode, "--child-read-and-choose-language") == 0) {
        return read_and_choose_language();
    }
    if (std::strcmp(mode, "--child-window-placement") == 0) {
        return window_placement();
    }
    std::fprintf(stderr, "unknown child mode %s\n", mode);
    return 2;
}

ChildResult run_child_process(const QString& mode, const QProcessEnvironment& environment) {
    QProcess child;
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {mode});
    if (!child.waitForFinished(60000)) {
        // A child that hangs is ended, and shows as crashed.
        child.kill();
        child.waitForFinished();
    }
    return {child.exitStatus(), child.exitCode(), child.readAllStandardOutput(),
            child.readAllStandardError()};
}

#include "tests/app/ChildProcess.h"

#include "app/MainWindow.h"
#include "app/UnhandledException.h"
#include "app/WPFAssertHandler.h"
#include "common/DBC.h"
#include "settings/Settings.h"

#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <thread>

#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>
#include <QTimer>

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
    settings.set_language(LanguageFactory::Language::ECMAScript);
    return 0;
}

int exception_escaping_a_thread() {
    std::set_terminate(on_thread_unhandled_exception);
    std::thread worker([] { throw std::runtime_error("worker failed"); });
    worker.join();
    return 0;
}

} // namespace

int run_child(const char* mode) {
    if (std::strcmp(mode, "--child-failed-check") == 0) {
        return failed_check_in_the_window();
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
    std::fprintf(stderr, "unknown child mode %s\n", mode);
    return 2;
}

ChildResult run_child_process(const QString& mode) {
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {mode});
    if (!child.waitForFinished(60000)) {
        // A child that hangs is ended, and shows as crashed.
        child.kill();
        child.waitForFinished();
    }
    return {child.exitStatus(), child.exitCode(), child.readAllStandardOutput(),
            child.readAllStandardError()};
}

// What a failed contract check or an escaped exception tells the user, and how the process ends.

#include "app/RunEventHandler.h"
#include "app/UnhandledException.h"
#include "app/WPFAssertHandler.h"
#include "tests/app/AppTest.h"
#include "tests/app/ChildProcess.h"
#include "varnel/settings/QStringConversion.h"

#include <stdexcept>

#include <QCoreApplication>
#include <QTest>
#include <QTimer>

using namespace varnel;

Q_DECLARE_METATYPE(std::exception_ptr)

namespace {

QString qt(const std::wstring& text) {
    return to_qstring(text);
}

} // namespace

class FailureReportTest : public QObject {
    Q_OBJECT

private slots:
    void check_report_names_kind_and_place_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("message");
        QTest::newRow("postcondition") << int(DBC::IAssertHandler::postcondition)
                                       << "[Varnel] Postcondition violation. Program terminated.";
        QTest::newRow("precondition") << int(DBC::IAssertHandler::precondition)
                                      << "[Varnel] Precondition violation. Program terminated.";
        QTest::newRow("check") << int(DBC::IAssertHandler::check)
                               << "[Varnel] Check failed. Program terminated.";
        QTest::newRow("unreachable") << int(DBC::IAssertHandler::unreachable)
                                     << "[Varnel] Unreachable code. Program terminated.";
    }
    void check_report_names_kind_and_place() {
        QFETCH(int, kind);
        QFETCH(QString, message);
        const FailureReport report = make_assertion_report(
            static_cast<DBC::IAssertHandler::Type>(kind), "core/GSTMake.cpp", 42,
            "GST::Tree GST::make(const std::vector<std::__cxx11::basic_string<wchar_t> >&)",
            L"frame one\nframe two\n");
        QCOMPARE(qt(report.message), message);
        QCOMPARE(qt(report.detail),
                 QStringLiteral("File: core/GSTMake.cpp\nLine: 42\nFunction: GST::Tree "
                                "GST::make(const std::vector<std::__cxx11::basic_string<wchar_t> "
                                ">&)\nframe one\nframe two\n"));
    }

    void call_stack_lists_the_calling_frames() {
        const QStringList frames =
            qt(current_call_stack()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QVERIFY2(frames.size() >= 3, qPrintable(frames.join('\n')));
        QVERIFY(frames.join('\n').contains(QStringLiteral("app_tests")));
    }

    void exception_report_names_thread_and_exception_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<std::exception_ptr>("exception");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("detail");
        QTest::newRow("main, standard exception")
            << "Main" << std::make_exception_ptr(std::runtime_error("no more windows"))
            << "[Varnel] Main unhandled exception. Program terminated."
            << "std::runtime_error: no more windows";
        QTest::newRow("thread, allocation failure")
            << "Thread" << std::make_exception_ptr(std::bad_alloc())
            << "[Varnel] Thread unhandled exception. Program terminated."
            << "std::bad_alloc: std::bad_alloc";
        QTest::newRow("main, not an exception class")
            << "Main" << std::make_exception_ptr(42)
            << "[Varnel] Main unhandled exception. Program terminated."
            << "int";
        QTest::newRow("message outside ASCII")
            << "Main" << std::make_exception_ptr(std::logic_error("Zoë 😀"))
            << "[Varnel] Main unhandled exception. Program terminated."
            << "std::logic_error: Zoë 😀";
    }
    void exception_report_names_thread_and_exception() {
        QFETCH(QString, label);
        QFETCH(std::exception_ptr, exception);
        QFETCH(QString, message);
        QFETCH(QString, detail);
        const FailureReport report = make_exception_report(to_wstring(label), exception);
        QCOMPARE(qt(report.message), message);
        QCOMPARE(qt(report.detail), detail);
    }

    void handler_exception_ends_the_loop_and_is_rethrown_after_it() {
        QTimer::singleShot(0, [] { run_event_handler([] { throw std::runtime_error("late"); }); });
        bool loop_timed_out = false;
        QTimer::singleShot(10000, [&] {
            loop_timed_out = true;
            QCoreApplication::exit(1);
        });
        QCoreApplication::exec();
        QVERIFY(!loop_timed_out);
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, rethrow_parked_exception());
        // Reported once: nothing is left afterwards.
        rethrow_parked_exception();
    }

    void failed_check_in_the_window_reports_and_exits_with_1() {
        const ChildResult child = run_child_process(QStringLiteral("--child-failed-check"));
        QCOMPARE(child.exit_status, QProcess::NormalExit);
        QCOMPARE(child.exit_code, 1);
        const QString shown = QString::fromUtf8(child.output);
        QVERIFY2(shown.startsWith(
                     QStringLiteral("shown: [Varnel] Precondition violation. Program terminated.\n"
                                    "detail: File: ")),
                 qPrintable(shown));
        QVERIFY(shown.contains(QStringLiteral("app/MainWindow.cpp\nLine: ")));
        QVERIFY(
            shown.contains(QStringLiteral("\nFunction: void varnel::MainWindow::make_regex()\n")));
        QVERIFY(QString::fromUtf8(child.errors)
                    .startsWith(QStringLiteral(
                        "[Varnel] Precondition violation. Program terminated.\nFile: ")));
    }

    void failed_check_in_background_work_is_shown_by_the_window_and_exits_with_1() {
        const ChildResult child =
            run_child_process(QStringLiteral("--child-failed-check-in-background"));
        QCOMPARE(child.exit_status, QProcess::NormalExit);
        QCOMPARE(child.exit_code, 1);
        const QString shown = QString::fromUtf8(child.output);
        QVERIFY2(
            shown.startsWith(QStringLiteral("shown: [Varnel] Check failed. Program terminated.\n"
                                            "detail: File: ")),
            qPrintable(shown));
        QVERIFY(shown.contains(QStringLiteral("tests/app/ChildProcess.cpp\nLine: ")));
        QVERIFY(
            QString::fromUtf8(child.errors)
                .startsWith(QStringLiteral("[Varnel] Check failed. Program terminated.\nFile: ")));
    }

    void exception_escaping_the_run_is_shown_and_returns() {
        const ChildResult child = run_child_process(QStringLiteral("--child-main-exception"));
        QCOMPARE(child.exit_status, QProcess::NormalExit);
        QCOMPARE(child.exit_code, 0);
        QCOMPARE(QString::fromUtf8(child.output),
                 QStringLiteral("shown: [Varnel] Main unhandled exception. Program terminated.\n"
                                "detail: std::runtime_error: window system lost\n"));
    }

    void exception_escaping_a_thread_is_reported_and_ends_the_process() {
        const ChildResult child = run_child_process(QStringLiteral("--child-thread-exception"));
        QCOMPARE(child.exit_status, QProcess::CrashExit);
        // The toolkit may add its own remarks on showing the report.
        QVERIFY(QString::fromUtf8(child.errors)
                    .startsWith(
                        QStringLiteral("[Varnel] Thread unhandled exception. Program terminated.\n"
                                       "std::runtime_error: worker failed\n")));
        QCOMPARE(QString::fromUtf8(child.output),
                 QStringLiteral("shown: [Varnel] Thread unhandled exception. Program terminated.\n"
                                "detail: std::runtime_error: worker failed\n"));
    }
};

VARNEL_APP_TEST(FailureReportTest);

#include "FailureReportTest.moc"

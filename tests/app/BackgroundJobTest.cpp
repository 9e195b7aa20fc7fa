// Work handed to the background: what is delivered, when, and where.

#include "app/BackgroundJob.h"

#include "app/RunEventHandler.h"
#include "tests/app/AppTest.h"

#include <future>
#include <map>
#include <memory>
#include <stdexcept>

#include <QCoreApplication>
#include <QTest>
#include <QThread>
#include <QThreadPool>

using namespace varnel;

namespace {

// Runs the steps on a job: a name starts a request in the background whose work returns the name
// once "wait" opens it; "begun x" waits until the work of x has begun; "now x" runs one that
// returns x at once; "cancel" and "destroy" do that to the job; "wait" lets all work end and
// delivers what it handed over. A name starting with "throw" names work that throws.
class StepRunner {
public:
    StepRunner() : job(std::make_unique<BackgroundJob>()) {
        QObject::connect(job.get(), &BackgroundJob::busy_changed,
                         [this](bool busy) { busy_changes += busy ? u'1' : u'0'; });
    }

    void run(const QString& step) {
        const auto deliver = [this](const QString& value) {
            delivered += value;
            delivered_elsewhere |=
                QThread::currentThread() != QCoreApplication::instance()->thread();
        };
        if (step == QLatin1String("wait")) {
            for (auto& [name, gate] : gates) {
                gate.set_value();
            }
            gates.clear();
            QThreadPool::globalInstance()->waitForDone();
            QCoreApplication::sendPostedEvents();
        } else if (step.startsWith(QLatin1String("begun "))) {
            begun[step.mid(6)].wait();
        } else if (step == QLatin1String("cancel")) {
            job->cancel();
        } else if (step == QLatin1String("destroy")) {
            job.reset();
        } else if (step.startsWith(QLatin1String("now "))) {
            job->start(
                BackgroundJob::Run::now, [value = step.mid(4)] { return value; }, deliver);
        } else {
            const std::shared_future<void> gate = gates[step].get_future().share();
            const auto started = std::make_shared<std::promise<void>>();
            begun[step] = started->get_future();
            job->start(
                BackgroundJob::Run::in_background,
                [gate, started, step] {
                    started->set_value();
                    gate.wait();
                    if (step.startsWith(QLatin1String("throw"))) {
                        throw std::runtime_error("work failed");
                    }
                    return step;
                },
                deliver);
        }
    }

    std::unique_ptr<BackgroundJob> job;
    std::map<QString, std::promise<void>> gates;
    std::map<QString, std::future<void>> begun;
    QString delivered;
    QString busy_changes;
    bool delivered_elsewhere = false;
};

} // namespace

class BackgroundJobTest : public QObject {
    Q_OBJECT

private slots:
    void only_the_latest_request_is_delivered_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("delivered");
        // Busy changes in order, 1 for busy.
        QTest::addColumn<QString>("busy_changes");
        QTest::newRow("one request") << QStringList{"a", "wait"} << "a"
                                     << "10";
        QTest::newRow("a later request supersedes") << QStringList{"a", "b", "wait"} << "b"
                                                    << "10";
        QTest::newRow("each request waited for") << QStringList{"a", "wait", "b", "wait"} << "ab"
                                                 << "1010";
        QTest::newRow("cancelled") << QStringList{"a", "cancel", "wait"} << ""
                                   << "10";
        QTest::newRow("a request after a cancel") << QStringList{"a", "cancel", "b", "wait"} << "b"
                                                  << "1010";
        QTest::newRow("at once") << QStringList{"now c"} << "c"
                                 << "";
        QTest::newRow("at once supersedes the background")
            << QStringList{"a", "now c", "wait"} << "c"
            << "10";
        QTest::newRow("the background after at once") << QStringList{"now c", "a", "wait"} << "ca"
                                                      << "10";
        QTest::newRow("the job gone before its work ends")
            << QStringList{"a", "destroy", "wait"} << ""
            << "1";
    }
    void only_the_latest_request_is_delivered() {
        QFETCH(QStringList, steps);
        QFETCH(QString, delivered);
        QFETCH(QString, busy_changes);
        StepRunner runner;
        for (const QString& step : steps) {
            runner.run(step);
        }
        QCOMPARE(runner.delivered, delivered);
        QCOMPARE(runner.busy_changes, busy_changes);
        QVERIFY(!runner.delivered_elsewhere);
        QVERIFY(!runner.job || !runner.job->busy());
    }

    void an_exception_in_the_work_reaches_the_report_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::newRow("latest request") << QStringList{"throw", "wait"};
        QTest::newRow("superseded request") << QStringList{"throw", "begun throw", "b", "wait"};
    }
    void an_exception_in_the_work_reaches_the_report() {
        QFETCH(QStringList, steps);
        StepRunner runner;
        for (const QString& step : steps) {
            runner.run(step);
        }
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, rethrow_parked_exception());
    }
};

VARNEL_APP_TEST(BackgroundJobTest);

#include "BackgroundJobTest.moc"

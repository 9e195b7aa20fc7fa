#include "app/FailureReport.h"

#include "settings/QStringConversion.h"

#include <cstdio>

#include <QApplication>
#include <QMessageBox>
#include <QThread>

void show_failure_report(const FailureReport& report) {
    const QString message = to_qstring(report.message);
    const QString detail = to_qstring(report.detail);
    std::fprintf(stderr, "%s\n%s\n", message.toUtf8().constData(), detail.toUtf8().constData());
    std::fflush(stderr);

    const auto* application = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (application == nullptr || QThread::currentThread() != application->thread()) {
        return;
    }
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Varnel"), message, QMessageBox::Ok);
    box.setDetailedText(detail);
    box.exec();
}

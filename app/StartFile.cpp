#include "app/StartFile.h"

#include "settings/QStringConversion.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QUrl>

void start_file(const std::wstring& name) {
    const QString path = QDir(QCoreApplication::applicationDirPath()).filePath(to_qstring(name));
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void start_shell_command(const std::wstring& command) {
    QDesktopServices::openUrl(QUrl(to_qstring(command)));
}

void start_email_support() {
    start_shell_command(L"mailto:support@sorvexa.com?Subject=Varnel");
}

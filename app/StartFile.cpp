#include "app/StartFile.h"

#include "app/Product.h"
#include "varnel/settings/QStringConversion.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QUrl>

namespace varnel {

QString file_beside_executable(const std::wstring& name) {
    // The real directory of the executable: a link to it elsewhere leads here as well.
    return QDir(QCoreApplication::applicationDirPath()).filePath(to_qstring(name));
}

void start_file(const std::wstring& name) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(file_beside_executable(name)));
}

void start_shell_command(const std::wstring& command) {
    QDesktopServices::openUrl(QUrl(to_qstring(command)));
}

void start_email_support() {
    start_shell_command(L"mailto:" + to_wstring(support_address()) + L"?Subject=Varnel");
}

} // namespace varnel

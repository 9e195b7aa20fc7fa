#include "app/StartFile.h"

#include "varnel/settings/QStringConversion.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>

namespace varnel {

QString file_beside_executable(const std::wstring& name) {
    // The real directory of the executable: a link to it elsewhere leads here as well.
    return QDir(QCoreApplication::applicationDirPath()).filePath(to_qstring(name));
}

bool open_with_desktop(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

void start_shell_command(const std::wstring& command) {
    open_with_desktop(QUrl(to_qstring(command)));
}

} // namespace varnel

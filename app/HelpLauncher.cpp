#include "app/HelpLauncher.h"

#include "app/DefaultApplication.h"

#include <utility>

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace varnel {

HelpLauncher::HelpLauncher(QWidget& owner) : owner(owner) {}

void HelpLauncher::open(const QString& path) {
    if (!QFileInfo(path).isFile()) {
        return;
    }
    if (has_default_application(path) && QDesktopServices::openUrl(QUrl::fromLocalFile(path))) {
        return;
    }
    if (viewer.isNull()) {
        std::optional<ChmFile> file = ChmFile::open(path);
        if (!file) {
            return;
        }
        viewer = new HelpViewer(std::move(*file), owner);
    }
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
}

} // namespace varnel

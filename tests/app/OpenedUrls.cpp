#include "tests/app/OpenedUrls.h"

#include <QDesktopServices>

OpenedUrls::OpenedUrls(const QStringList& schemes) : schemes(schemes) {
    for (const QString& scheme : schemes) {
        QDesktopServices::setUrlHandler(scheme, this, "open");
    }
}

OpenedUrls::~OpenedUrls() {
    for (const QString& scheme : schemes) {
        QDesktopServices::unsetUrlHandler(scheme);
    }
}

void OpenedUrls::open(const QUrl& url) {
    urls.append(url);
}

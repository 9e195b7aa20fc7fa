#include "tests/support/StoreFileState.h"

#include <QFile>
#include <QFileInfo>

QByteArray store_file_state(const QString& file) {
    const QFileInfo info(file);
    if (info.isSymLink()) {
        return "link to " + info.symLinkTarget().toUtf8();
    }
    if (!info.isFile()) {
        return info.exists() ? "not a regular file" : "missing";
    }
    QFile store(file);
    return store.open(QIODevice::ReadOnly) ? store.readAll() : "unreadable";
}

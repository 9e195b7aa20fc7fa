#include "tests/app/ScopedDesktop.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTest>

ScopedDesktop::ScopedDesktop()
    : config_home(qgetenv("XDG_CONFIG_HOME")), data_home(qgetenv("XDG_DATA_HOME")),
      data_dirs(qgetenv("XDG_DATA_DIRS")), config_dirs(qgetenv("XDG_CONFIG_DIRS")) {
    const QString mime =
        QStandardPaths::locate(QStandardPaths::GenericDataLocation, QStringLiteral("mime"),
                               QStandardPaths::LocateDirectory);
    QDir(root()).mkpath(QStringLiteral("data-dirs"));
    QVERIFY(QFile::link(mime, root() + QStringLiteral("/data-dirs/mime")));
    qputenv("XDG_CONFIG_HOME", (root() + QStringLiteral("/config-home")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", (root() + QStringLiteral("/data-home")).toLocal8Bit());
    qputenv("XDG_DATA_DIRS", (root() + QStringLiteral("/data-dirs")).toLocal8Bit());
    qputenv("XDG_CONFIG_DIRS", (root() + QStringLiteral("/config-dirs")).toLocal8Bit());
}

ScopedDesktop::~ScopedDesktop() {
    qputenv("XDG_CONFIG_HOME", config_home);
    qputenv("XDG_DATA_HOME", data_home);
    qputenv("XDG_DATA_DIRS", data_dirs);
    qputenv("XDG_CONFIG_DIRS", config_dirs);
}

void ScopedDesktop::write(const QString& path, const QByteArray& content) const {
    const QString file_path = QDir(root()).filePath(path);
    QVERIFY(QDir().mkpath(QFileInfo(file_path).path()));
    QFile file(file_path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(content), content.size());
}

void ScopedDesktop::register_help_viewer() const {
    write(QStringLiteral("data-dirs/applications/help-viewer.desktop"),
          "[Desktop Entry]\nType=Application\nName=Help viewer\nExec=true %f\n"
          "MimeType=application/vnd.ms-htmlhelp;\n");
    write(QStringLiteral("data-dirs/applications/mimeapps.list"),
          "[Default Applications]\napplication/vnd.ms-htmlhelp=help-viewer.desktop\n");
}

#include "app/DefaultApplication.h"

#include <algorithm>

#include <QDir>
#include <QFile>
#include <QMimeDatabase>
#include <QStandardPaths>
#include <QTextStream>

namespace varnel {

namespace {

// The desktop entries a key-file lists for any of the type names in any of the sections.
QStringList listed_applications(const QString& file_path, const QStringList& sections,
                                const QStringList& type_names) {
    QFile file(file_path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return {};
    }
    QStringList applications;
    QString section;
    QTextStream lines(&file);
    while (!lines.atEnd()) {
        const QString line = lines.readLine().trimmed();
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            section = line.mid(1, line.size() - 2);
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals < 0 || !sections.contains(section) ||
            !type_names.contains(line.left(equals).trimmed())) {
            continue;
        }
        applications += line.mid(equals + 1).split(QLatin1Char(';'), Qt::SkipEmptyParts);
    }
    return applications;
}

bool is_installed(const QString& desktop_id, const QStringList& application_directories) {
    for (const QString& directory : application_directories) {
        if (QFile::exists(QDir(directory).filePath(desktop_id.trimmed()))) {
            return true;
        }
    }
    return false;
}

} // namespace

bool has_default_application(const QString& file_path) {
    const QMimeType type =
        QMimeDatabase().mimeTypeForFile(file_path, QMimeDatabase::MatchExtension);
    const QStringList type_names = QStringList{type.name()} + type.aliases();
    const QStringList application_directories =
        QStandardPaths::standardLocations(QStandardPaths::ApplicationsLocation);

    const QStringList association_sections{QStringLiteral("Default Applications"),
                                           QStringLiteral("Added Associations")};
    QStringList applications;
    for (const QString& directory :
         QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation) +
             application_directories) {
        applications +=
            listed_applications(QDir(directory).filePath(QStringLiteral("mimeapps.list")),
                                association_sections, type_names);
    }
    for (const QString& directory : application_directories) {
        applications +=
            listed_applications(QDir(directory).filePath(QStringLiteral("mimeinfo.cache")),
                                {QStringLiteral("MIME Cache")}, type_names);
    }
    return std::any_of(applications.cbegin(), applications.cend(), [&](const QString& id) {
        return is_installed(id, application_directories);
    });
}

} // namespace varnel

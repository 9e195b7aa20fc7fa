#pragma once
// Points the desktop's application and MIME association folders (XDG_CONFIG_HOME, XDG_CONFIG_DIRS,
// XDG_DATA_HOME, XDG_DATA_DIRS) at a fresh empty tree for the life of the object, so that a test
// decides which applications the desktop knows. The system's MIME database stays visible, so file
// types are still recognised.

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

class ScopedDesktop {
public:
    ScopedDesktop();
    ~ScopedDesktop();
    ScopedDesktop(const ScopedDesktop&) = delete;
    ScopedDesktop& operator=(const ScopedDesktop&) = delete;

    // The folders, below the tree's root: "config-home", "config-dirs", "data-home", "data-dirs".
    QString root() const { return directory.path(); }
    // Writes a file at a path relative to the root, making its folders.
    void write(const QString& path, const QByteArray& content) const;
    // Installs a desktop entry for a viewer of compiled help files and makes it the default.
    void register_help_viewer() const;

private:
    QTemporaryDir directory;
    QByteArray config_home;
    QByteArray data_home;
    QByteArray data_dirs;
    QByteArray config_dirs;
};

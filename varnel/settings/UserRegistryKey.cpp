#include "varnel/settings/UserRegistryKey.h"

#include "varnel/settings/QStringConversion.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace varnel {

namespace {

// The longest value that is read; it leaves room for a terminating NUL in a buffer of 10000 UTF-16
// code units, so values stay within the limits of other stores of this kind.
constexpr qsizetype max_value_length = 9999;

// The largest store file that is read; ours holds a line or two, so a larger one is someone
// else's, and parsing it could take seconds and hundreds of megabytes.
constexpr qint64 max_store_size = 1024 * 1024;

// Looked up on every access so that the store follows XDG_CONFIG_HOME.
QString store_file_path() {
    const QString directory =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return directory.isEmpty() ? QString() : directory + QStringLiteral("/Sorvexa/Varnel.conf");
}

enum class StoreFile { Missing, Usable, Foreign };

// Only a regular file of modest size (or a link to one) is the store. Opening a FIFO would wait
// for a writer forever and a device may never end, so such a file is neither read nor replaced.
StoreFile inspect_store_file(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) {
        return StoreFile::Missing;
    }
    return info.isFile() && info.size() <= max_store_size ? StoreFile::Usable : StoreFile::Foreign;
}

QString value_key(const std::wstring& key_path, const std::wstring& name) {
    // The store separates groups with slashes; a key path separates them with backslashes.
    return to_qstring(key_path).replace(QLatin1Char('\\'), QLatin1Char('/')) + QLatin1Char('/') +
           to_qstring(name);
}

} // namespace

UserRegistryKey::UserRegistryKey(const std::wstring& key_path) : key_path(key_path) {}

std::optional<std::wstring> UserRegistryKey::get_string(const std::wstring& name) const {
    const QString path = store_file_path();
    if (path.isEmpty() || inspect_store_file(path) != StoreFile::Usable) {
        return std::nullopt;
    }
    const QSettings store(path, QSettings::IniFormat);
    // Qt reports lines it cannot parse only to the first reader of a file in a process, and reads
    // and writes such a file all the same: so that every access gives the same answer, only a file
    // that cannot be read or written counts as a failure.
    if (store.status() == QSettings::AccessError) {
        return std::nullopt;
    }
    const QVariant value = store.value(value_key(key_path, name));
    if (value.typeId() != QMetaType::QString) {
        return std::nullopt;
    }
    QString text = value.toString();
    if (text.endsWith(QChar(u'\0'))) {
        text.chop(1);
    }
    if (text.size() > max_value_length) {
        return std::nullopt;
    }
    return to_wstring(text);
}

bool UserRegistryKey::set_string(const std::wstring& name, const std::wstring& text) const {
    const QString path = store_file_path();
    if (path.isEmpty() || inspect_store_file(path) == StoreFile::Foreign) {
        return false;
    }
    QSettings store(path, QSettings::IniFormat);
    store.setValue(value_key(key_path, name), to_qstring(text));
    store.sync();
    return store.status() != QSettings::AccessError;
}

} // namespace varnel

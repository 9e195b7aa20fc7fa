// The settings store reading any file: any content, a file over the size cap, a FIFO, a link to a
// FIFO. Reading never blocks and never changes the file; a value read is at most 9999
// units long and decides the language; the language chosen then survives a restart whenever the
// store takes the write, and a file that is not ours is never written.

#include "fuzz/FuzzFailure.h"
#include "fuzz/FuzzInput.h"
#include "fuzz/FuzzTarget.h"
#include "tests/support/StoreFileState.h"
#include "varnel/settings/Settings.h"
#include "varnel/settings/UserRegistryKey.h"

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

using namespace varnel;

namespace {

const std::wstring key_path = L"Software\\Sorvexa\\Varnel\\1.0";
const std::wstring value_name = L"Language";

// The largest store file that is read.
constexpr qint64 max_store_size = 1024 * 1024;

enum class StoreKind { Content, Oversized, Fifo, LinkToFifo };

// The store file, in a configuration directory of the fuzz run's own. The store syncs each write
// to disk, so the directory is in memory where the system has a place for it, or fuzzing would
// mostly measure the disk.
QString store_file() {
    static const QTemporaryDir config_home((QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                                                ? QStringLiteral("/dev/shm")
                                                : QDir::tempPath()) +
                                           QStringLiteral("/varnel-fuzz-XXXXXX"));
    static const QString file = [] {
        qputenv("XDG_CONFIG_HOME", config_home.path().toLocal8Bit());
        QDir().mkpath(config_home.path() + QStringLiteral("/Sorvexa"));
        return config_home.path() + QStringLiteral("/Sorvexa/Varnel.conf");
    }();
    return file;
}

void make_store(const QString& file, StoreKind kind, const std::string& content) {
    const QString fifo = file + QStringLiteral(".fifo");
    QFile::remove(file);
    QFile::remove(fifo);
    if (kind == StoreKind::Fifo) {
        ::mkfifo(QFile::encodeName(file).constData(), 0600);
        return;
    }
    if (kind == StoreKind::LinkToFifo) {
        // Never a link to a system device: a store that wrongly took it for its own would replace
        // the device with a file.
        ::mkfifo(QFile::encodeName(fifo).constData(), 0600);
        QFile::link(fifo, file);
        return;
    }
    QFile store(file);
    store.open(QIODevice::WriteOnly);
    store.write(content.data(), static_cast<qint64>(content.size()));
    if (kind == StoreKind::Oversized) {
        store.write(QByteArray(max_store_size + 1, '\n'));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const std::uint8_t choices = input.take_byte();
    // Mostly content; now and then one of the files that are not ours.
    const auto kind = static_cast<StoreKind>(choices % 8 < 5 ? 0 : choices % 8 - 4);
    const auto chosen = choices & 0x80 ? Language::ECMAScript : Language::VisualStudio;
    const std::string content = input.take_bytes();
    const QString file = store_file();
    make_store(file, kind, content);
    const QByteArray before = store_file_state(file);

    const UserRegistryKey key(key_path);
    const std::optional<std::wstring> value = key.get_string(value_name);
    const Settings settings;
    if (store_file_state(file) != before) {
        fuzz_failure("reading the store changed the file");
    }
    if (value && value->size() > 9999) {
        fuzz_failure("a value longer than 9999 units was read");
    }
    if (kind != StoreKind::Content && value) {
        fuzz_failure("a value was read from a file that is not ours");
    }
    const bool ecmascript = value && *value == L"ECMAScript";
    if ((settings.get_language() == Language::ECMAScript) != ecmascript) {
        fuzz_failure("the language does not follow the stored value");
    }

    const bool written = key.set_string(
        value_name, chosen == Language::ECMAScript ? L"ECMAScript" : L"VisualStudio");
    if (kind != StoreKind::Content && (written || store_file_state(file) != before)) {
        fuzz_failure("a file that is not ours was written");
    }
    if (written && Settings().get_language() != chosen) {
        fuzz_failure("the chosen language does not survive a restart");
    }
    return 0;
}

// The remembered language and the per-user store beneath it.

#include "varnel/settings/Settings.h"

#include "tests/app/AppTest.h"
#include "tests/app/ChildProcess.h"
#include "tests/support/StoreFileState.h"
#include "varnel/settings/QStringConversion.h"
#include "varnel/settings/UserRegistryKey.h"

#include <memory>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTest>

using namespace varnel;

namespace {

const std::wstring key_path = L"Software\\Sorvexa\\Varnel\\1.0";

void write_store(const QString& file, const QByteArray& content) {
    QDir().mkpath(QFileInfo(file).path());
    QFile store(file);
    QVERIFY(store.open(QIODevice::WriteOnly | QIODevice::Truncate));
    store.write(content);
}

// Lines the store cannot parse: a section that is never closed, bytes that are not UTF-8.
const QByteArray damaged_lines("[Software\n\xff\xfe\x01=\n");

QByteArray stored_language_line(const QByteArray& value) {
    return "[Software]\nSorvexa\\Varnel\\1.0\\Language=" + value + "\n";
}

} // namespace

class SettingsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { config = std::make_unique<ScopedConfigHome>(); }
    void cleanup() { config.reset(); }

    void first_start_reads_visual_studio_and_writes_nothing() {
        const Settings settings;
        QCOMPARE(settings.get_language(), Language::VisualStudio);
        QVERIFY(!QFileInfo::exists(config->store_file()));
    }

    void stored_text_decides_the_language_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("language");
        const int vs = static_cast<int>(Language::VisualStudio);
        const int ecma = static_cast<int>(Language::ECMAScript);
        QTest::newRow("ECMAScript") << stored_language_line("ECMAScript") << ecma;
        QTest::newRow("VisualStudio") << stored_language_line("VisualStudio") << vs;
        QTest::newRow("lower case") << stored_language_line("ecmascript") << vs;
        QTest::newRow("trailing space") << stored_language_line("\"ECMAScript \"") << vs;
        QTest::newRow("empty") << stored_language_line("") << vs;
        QTest::newRow("number") << stored_language_line("1") << vs;
        QTest::newRow("typed integer")
            << stored_language_line("@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x1)") << vs;
        QTest::newRow("list of texts") << stored_language_line("ECMAScript, ECMAScript") << vs;
        QTest::newRow("with terminating NUL")
            << stored_language_line("@String(ECMAScript\\0)") << ecma;
        QTest::newRow("other value name") << QByteArray("[Software]\nSorvexa\\Varnel\\1.0\\Lang="
                                                        "ECMAScript\n")
                                          << vs;
        QTest::newRow("other key") << QByteArray("[Software]\nSorvexa\\Varnel\\2.0\\Language="
                                                 "ECMAScript\n")
                                   << vs;
        QTest::newRow("damage elsewhere in the store")
            << damaged_lines + stored_language_line("ECMAScript") << ecma;
    }
    void stored_text_decides_the_language() {
        QFETCH(QByteArray, content);
        QFETCH(int, language);
        write_store(config->store_file(), content);
        QCOMPARE(static_cast<int>(Settings().get_language()), language);
    }

    // Qt reports a damaged store file only to its first reader in a process and keeps the parse for
    // the next: the answer must not depend on what was read before.
    void damaged_store_reads_and_writes_alike_every_time() {
        write_store(config->store_file(), damaged_lines + stored_language_line("ECMAScript"));
        for (int read = 0; read < 2; ++read) {
            QCOMPARE(UserRegistryKey(key_path).get_string(L"Language"),
                     std::optional<std::wstring>(L"ECMAScript"));
        }
        // Another size, so that the store is parsed afresh, and written first.
        write_store(config->store_file(), damaged_lines + stored_language_line("VisualStudio"));
        QVERIFY(UserRegistryKey(key_path).set_string(L"Language", L"ECMAScript"));
        QCOMPARE(Settings().get_language(), Language::ECMAScript);
    }

    void chosen_language_survives_a_restart() {
        Settings first;
        first.set_language(Language::ECMAScript);
        QCOMPARE(first.get_language(), Language::ECMAScript);
        QCOMPARE(Settings().get_language(), Language::ECMAScript);

        first.set_language(Language::VisualStudio);
        QCOMPARE(Settings().get_language(), Language::VisualStudio);
        // Visual Studio is written as its word, never as an empty or missing value.
        QCOMPARE(UserRegistryKey(key_path).get_string(L"Language"),
                 std::optional<std::wstring>(L"VisualStudio"));
    }

    void unusable_store_keeps_the_language_in_memory_data() {
        QTest::addColumn<bool>("config_is_a_file");
        QTest::newRow("store file is a directory") << false;
        QTest::newRow("configuration directory is a file") << true;
    }
    void unusable_store_keeps_the_language_in_memory() {
        QFETCH(bool, config_is_a_file);
        if (config_is_a_file) {
            const QString blocker = config->path() + QStringLiteral("/blocker");
            write_store(blocker, "not a directory");
            qputenv("XDG_CONFIG_HOME", blocker.toLocal8Bit());
        } else {
            QVERIFY(QDir().mkpath(config->store_file()));
        }
        Settings settings;
        QCOMPARE(settings.get_language(), Language::VisualStudio);
        settings.set_language(Language::ECMAScript);
        QCOMPARE(settings.get_language(), Language::ECMAScript);
        QCOMPARE(Settings().get_language(), Language::VisualStudio);
        QVERIFY(!UserRegistryKey(key_path).set_string(L"Language", L"ECMAScript"));
    }

    // Only a regular file of at most 1 MiB is read as the store: a FIFO would block both front ends
    // at start, and a huge file takes seconds and much memory to parse.
    // Anything else is left as it is, even when the user chooses a language.
    void foreign_store_file_reads_as_default_and_stays_untouched_data() {
        QTest::addColumn<QByteArray>("kind");
        QTest::addColumn<int>("size");
        QTest::addColumn<QByteArray>("printed");
        QTest::addColumn<bool>("untouched");
        const int mebibyte = 1024 * 1024;
        QTest::newRow("FIFO") << QByteArray("fifo") << 0 << QByteArray("0\n") << true;
        QTest::newRow("link to a FIFO") << QByteArray("link") << 0 << QByteArray("0\n") << true;
        QTest::newRow("one byte over 1 MiB")
            << QByteArray("file") << mebibyte + 1 << QByteArray("0\n") << true;
        QTest::newRow("exactly 1 MiB is read")
            << QByteArray("file") << mebibyte << QByteArray("1\n") << false;
    }
    void foreign_store_file_reads_as_default_and_stays_untouched() {
        QFETCH(QByteArray, kind);
        QFETCH(int, size);
        QFETCH(QByteArray, printed);
        QFETCH(bool, untouched);
        const QString store = config->store_file();
        QVERIFY(QDir().mkpath(QFileInfo(store).path()));
        if (kind == "fifo") {
            QCOMPARE(::mkfifo(QFile::encodeName(store).constData(), 0600), 0);
        } else if (kind == "link") {
            // Never a link to a system device: a store that wrongly took it for its own would
            // replace the device with a file.
            const QString fifo = store + QStringLiteral(".fifo");
            QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
            QVERIFY(QFile::link(fifo, store));
        } else {
            // The stored language, then comment lines up to the size.
            QByteArray content = stored_language_line("ECMAScript");
            while (content.size() < size) {
                const qsizetype line = std::min<qsizetype>(size - content.size(), 80);
                content += ";" + QByteArray(line - 1, 'x');
                content.back() = '\n';
            }
            write_store(store, content);
        }
        const QByteArray before = store_file_state(store);

        const ChildResult child =
            run_child_process(QStringLiteral("--child-read-and-choose-language"));
        QCOMPARE(child.exit_status, QProcess::NormalExit);
        QCOMPARE(child.exit_code, 0);
        QCOMPARE(child.output, printed);
        if (untouched) {
            QVERIFY(store_file_state(store) == before);
        }
    }

    void string_values_round_trip_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QString();
        QTest::newRow("accented") << QStringLiteral("Ünïcödé àçcents");
        QTest::newRow("outside the BMP") << QStringLiteral("😀 𝄞 中文");
        QTest::newRow("separators and quotes") << QStringLiteral("a=b; \"c\", [d]\\e/f\tg");
        QTest::newRow("longest readable") << QString(9999, QLatin1Char('x'));
    }
    void string_values_round_trip() {
        QFETCH(QString, text);
        const std::wstring wide = to_wstring(text);
        const UserRegistryKey key(key_path);
        QVERIFY(key.set_string(L"Value", wide));
        QCOMPARE(UserRegistryKey(key_path).get_string(L"Value"), std::optional<std::wstring>(wide));
    }

    void oversized_or_missing_values_read_as_nothing() {
        const UserRegistryKey key(key_path);
        QCOMPARE(key.get_string(L"Language"), std::optional<std::wstring>());
        QVERIFY(key.set_string(L"Long", std::wstring(10000, L'x')));
        QCOMPARE(key.get_string(L"Long"), std::optional<std::wstring>());
        QCOMPARE(UserRegistryKey(L"Software\\Other").get_string(L"Long"),
                 std::optional<std::wstring>());
    }

private:
    std::unique_ptr<ScopedConfigHome> config;
};

VARNEL_APP_TEST(SettingsTest);

#include "SettingsTest.moc"

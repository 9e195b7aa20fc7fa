// Reading the compiled help file that the build makes and puts beside this executable.

#include "app/ChmFile.h"

#include "app/StartFile.h"
#include "tests/app/AppTest.h"

#include <QTest>

using namespace varnel;

class ChmFileTest : public QObject {
    Q_OBJECT

private slots:
    void opens_only_compiled_help_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("opens");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("default_topic");
        QTest::addColumn<QString>("contents_file");
        QTest::newRow("the help file") << "Help.chm" << true << "Varnel Help"
                                       << "/index.html"
                                       << "/Varnel.hhc";
        QTest::newRow("missing file") << "Missing.chm" << false << ""
                                      << ""
                                      << "";
        QTest::newRow("a web page") << "license.html" << false << ""
                                    << ""
                                    << "";
    }
    void opens_only_compiled_help() {
        QFETCH(QString, name);
        QFETCH(bool, opens);
        QFETCH(QString, title);
        QFETCH(QString, default_topic);
        QFETCH(QString, contents_file);
        const std::optional<ChmFile> file =
            ChmFile::open(file_beside_executable(name.toStdWString()));
        QCOMPARE(file.has_value(), opens);
        if (file) {
            QCOMPARE(file->title(), title);
            QCOMPARE(file->default_topic(), default_topic);
            QCOMPARE(file->contents_file(), contents_file);
        }
    }

    void reads_the_objects_it_holds_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QByteArray>("start");
        QTest::newRow("page") << "/index.html" << QByteArray("<!DOCTYPE html>");
        QTest::newRow("image") << "/images/window.png" << QByteArray("\x89PNG");
        QTest::newRow("contents") << "/Varnel.hhc" << QByteArray("<!DOCTYPE HTML");
        QTest::newRow("missing page") << "/missing.html" << QByteArray();
        QTest::newRow("without the leading slash") << "index.html" << QByteArray();
    }
    void reads_the_objects_it_holds() {
        QFETCH(QString, path);
        QFETCH(QByteArray, start);
        const std::optional<ChmFile> file = ChmFile::open(file_beside_executable(L"Help.chm"));
        QVERIFY(file);
        const std::optional<QByteArray> data = file->read(path);
        QCOMPARE(data.has_value(), !start.isEmpty());
        if (data) {
            QVERIFY2(data->startsWith(start), data->left(40).constData());
        }
    }
};

VARNEL_APP_TEST(ChmFileTest);

#include "ChmFileTest.moc"

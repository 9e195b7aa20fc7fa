// Whether the desktop has an application for a file's type, from the association files it keeps.

#include "app/DefaultApplication.h"

#include "tests/app/AppTest.h"
#include "tests/app/ScopedDesktop.h"

#include <QTest>

using namespace varnel;

namespace {

using Files = QList<QPair<QString, QByteArray>>;

const QByteArray viewer_entry = "[Desktop Entry]\nType=Application\nName=Viewer\nExec=viewer %f\n";

} // namespace

class DefaultApplicationTest : public QObject {
    Q_OBJECT

private slots:
    void associations_decide_data() {
        QTest::addColumn<Files>("files");
        QTest::addColumn<QString>("file_name");
        QTest::addColumn<bool>("found");
        const auto installed =
            qMakePair(QStringLiteral("data-dirs/applications/viewer.desktop"), viewer_entry);
        const auto user_default = [](const QByteArray& type) {
            return qMakePair(QStringLiteral("config-home/mimeapps.list"),
                             "[Default Applications]\n" + type + "=viewer.desktop\n");
        };
        QTest::newRow("nothing registered") << Files{} << "Help.chm" << false;
        QTest::newRow("user's default")
            << Files{installed, user_default("application/vnd.ms-htmlhelp")} << "Help.chm" << true;
        QTest::newRow("default under the type's alias")
            << Files{installed, user_default("application/x-chm")} << "Help.chm" << true;
        QTest::newRow("default whose entry is not installed")
            << Files{user_default("application/vnd.ms-htmlhelp")} << "Help.chm" << false;
        QTest::newRow("default for another type")
            << Files{installed, user_default("text/html")} << "Help.chm" << false;
        QTest::newRow("same default, file of that other type")
            << Files{installed, user_default("text/html")} << "license.html" << true;
        QTest::newRow("system default")
            << Files{installed,
                     {"config-dirs/mimeapps.list",
                      "[Default Applications]\napplication/vnd.ms-htmlhelp=viewer.desktop\n"}}
            << "Help.chm" << true;
        QTest::newRow("added association, several entries")
            << Files{installed,
                     {"data-home/applications/mimeapps.list",
                      "[Added Associations]\napplication/vnd.ms-htmlhelp=none.desktop;"
                      "viewer.desktop;\n"}}
            << "Help.chm" << true;
        QTest::newRow("declared by an installed application")
            << Files{installed,
                     {"data-dirs/applications/mimeinfo.cache",
                      "[MIME Cache]\napplication/x-chm=viewer.desktop;\n"}}
            << "Help.chm" << true;
        QTest::newRow("type listed in another section")
            << Files{installed,
                     {"config-home/mimeapps.list",
                      "[Removed Associations]\napplication/vnd.ms-htmlhelp=viewer.desktop\n"}}
            << "Help.chm" << false;
        QTest::newRow("entry installed for the user only")
            << Files{{"data-home/applications/viewer.desktop", viewer_entry},
                     user_default("application/vnd.ms-htmlhelp")}
            << "Help.chm" << true;
    }
    void associations_decide() {
        QFETCH(Files, files);
        QFETCH(QString, file_name);
        QFETCH(bool, found);
        const ScopedDesktop desktop;
        for (const auto& [path, content] : files) {
            desktop.write(path, content);
        }
        QCOMPARE(has_default_application(desktop.root() + QLatin1Char('/') + file_name), found);
    }
};

VARNEL_APP_TEST(DefaultApplicationTest);

#include "DefaultApplicationTest.moc"

// F1's help: the desktop's viewer for compiled help where one is registered, else Varnel's own.

#include "app/HelpLauncher.h"

#include "app/StartFile.h"
#include "tests/app/AppTest.h"
#include "tests/app/OpenedUrls.h"
#include "tests/app/ScopedDesktop.h"

#include <QTest>

using namespace varnel;

class HelpLauncherTest : public QObject {
    Q_OBJECT

private slots:
    void opens_the_help_where_it_can_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("viewer_registered");
        QTest::addColumn<bool>("handed_to_desktop");
        QTest::addColumn<bool>("own_window");
        QTest::newRow("no viewer on the desktop") << "Help.chm" << false << false << true;
        QTest::newRow("the desktop's viewer") << "Help.chm" << true << true << false;
        QTest::newRow("missing file") << "Missing.chm" << false << false << false;
        QTest::newRow("missing file, viewer registered") << "Missing.chm" << true << false << false;
        QTest::newRow("not a help file") << "license.html" << true << false << false;
    }
    void opens_the_help_where_it_can() {
        QFETCH(QString, name);
        QFETCH(bool, viewer_registered);
        QFETCH(bool, handed_to_desktop);
        QFETCH(bool, own_window);
        const ScopedDesktop desktop;
        if (viewer_registered) {
            desktop.register_help_viewer();
        }
        QWidget owner;
        HelpLauncher launcher(owner);
        const OpenedUrls opened({QStringLiteral("file")});
        const QString path = file_beside_executable(name.toStdWString());
        launcher.open(path);

        QCOMPARE(opened.urls,
                 handed_to_desktop ? QList<QUrl>{QUrl::fromLocalFile(path)} : QList<QUrl>{});
        const QList<HelpViewer*> viewers = owner.findChildren<HelpViewer*>();
        QCOMPARE(viewers.size(), own_window ? 1 : 0);
        if (own_window) {
            QVERIFY(viewers.front()->isVisible());
        }
    }

    void opening_again_shows_the_same_window() {
        const ScopedDesktop desktop;
        QWidget owner;
        HelpLauncher launcher(owner);
        launcher.open(file_beside_executable(L"Help.chm"));
        HelpViewer* viewer = owner.findChild<HelpViewer*>();
        QVERIFY(viewer);
        viewer->close();
        launcher.open(file_beside_executable(L"Help.chm"));
        QCOMPARE(owner.findChildren<HelpViewer*>(), QList<HelpViewer*>{viewer});
        QVERIFY(viewer->isVisible());
    }
};

VARNEL_APP_TEST(HelpLauncherTest);

#include "HelpLauncherTest.moc"

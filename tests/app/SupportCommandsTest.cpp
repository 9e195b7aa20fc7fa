// Help, License and Help, E-mail Support answer whether or not the desktop can start a browser or
// a mail program: a stand-in for the desktop's launcher says which.

#include "app/SupportCommands.h"

#include "app/Product.h"
#include "tests/app/AppTest.h"

#include <QClipboard>
#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>

using namespace varnel;

class SupportCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void every_command_answers_data() {
        QTest::addColumn<bool>("license");
        QTest::addColumn<bool>("launched");
        QTest::addColumn<QUrl>("handed");
        const QUrl license = QUrl::fromLocalFile(file_beside_executable(L"license.html"));
        const QUrl mail(QStringLiteral("mailto:support@sorvexa.dev?Subject=Varnel"));
        QTest::newRow("license, browser started") << true << true << license;
        QTest::newRow("license, no browser") << true << false << license;
        QTest::newRow("e-mail, mail program started") << false << true << mail;
        QTest::newRow("e-mail, no mail program") << false << false << mail;
    }
    void every_command_answers() {
        QFETCH(bool, license);
        QFETCH(bool, launched);
        QFETCH(QUrl, handed);
        QWidget owner;
        owner.show();
        QList<QUrl> asked;
        SupportCommands commands(owner, [&](const QUrl& url) {
            asked.append(url);
            return launched;
        });
        for (int time = 0; time < 2; ++time) {
            license ? commands.show_license() : commands.email_support();
        }
        QCOMPARE(asked, (QList<QUrl>{handed, handed}));
        // Asked again, the window already open comes to the front: there is one.
        const QList<QWidget*> shown = owner.findChildren<QWidget*>(
            license ? QStringLiteral("license_window") : QStringLiteral("support_address_box"));
        QCOMPARE(shown.size(), launched ? 0 : 1);
        if (launched) {
            return;
        }
        QVERIFY(QTest::qWaitForWindowActive(shown.front()));
        if (license) {
            const auto* browser = shown.front()->findChild<QTextBrowser*>();
            QVERIFY(browser->toPlainText().contains(QStringLiteral("MIT")));
        } else {
            const auto* address = shown.front()->findChild<QLabel*>("support_address");
            QCOMPARE(address->text(), support_address());
            QVERIFY(address->textInteractionFlags() & Qt::TextSelectableByMouse);
            QTest::mouseClick(shown.front()->findChild<QPushButton*>("copy_address"),
                              Qt::LeftButton);
            QCOMPARE(QGuiApplication::clipboard()->text(), support_address());
        }
        QTest::keyClick(shown.front(), Qt::Key_Escape);
        QTRY_VERIFY(owner.findChildren<QWidget*>(shown.front()->objectName()).isEmpty());
    }
};

VARNEL_APP_TEST(SupportCommandsTest);

#include "SupportCommandsTest.moc"

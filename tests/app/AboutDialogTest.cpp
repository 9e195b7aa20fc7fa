// The About box: what it says, how it is laid out, and where its link leads.

#include "app/AboutDialog.h"

#include "tests/app/AppTest.h"
#include "tests/app/OpenedUrls.h"

#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QTest>

using namespace varnel;

class AboutDialogTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::system()); }

    void release_date_in_the_users_long_format_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("date");
        QTest::newRow("weekday, day month year") << "en_GB"
                                                 << "Saturday, 31 May 2008";
        QTest::newRow("weekday, month day, year") << "en_US"
                                                  << "Saturday, May 31, 2008";
        QTest::newRow("German") << "de_DE"
                                << "Samstag, 31. Mai 2008";
        QTest::newRow("French") << "fr_FR"
                                << "samedi 31 mai 2008";
    }
    void release_date_in_the_users_long_format() {
        QFETCH(QString, locale);
        QFETCH(QString, date);
        QLocale::setDefault(QLocale(locale));
        QWidget owner;
        AboutDialog about(owner);
        QCOMPARE(about.findChild<QLabel*>(QStringLiteral("release_date_label"))->text(), date);
    }

    void box_shows_name_version_and_the_site() {
        QWidget owner;
        AboutDialog about(owner);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        const auto* product = about.findChild<QLabel*>(QStringLiteral("product_label"));
        const auto* date = about.findChild<QLabel*>(QStringLiteral("release_date_label"));
        const auto* link = about.findChild<QLabel*>(QStringLiteral("site_link"));
        QVERIFY(product && date && link);

        QCOMPARE(about.windowTitle(), QStringLiteral("About"));
        QVERIFY(!about.windowIcon().isNull());
        QCOMPARE(about.parentWidget(), &owner);
        QCOMPARE(product->text(), QStringLiteral("Varnel 1.0"));
        QCOMPARE(link->text(),
                 QStringLiteral("<a href=\"https://varnel.sorvexa.dev/\">varnel.sorvexa.dev</a>"));
        QCOMPARE(about.font().pointSizeF(), QApplication::font().pointSizeF() * 1.1);
        QCOMPARE(about.layout()->contentsMargins(), QMargins(20, 10, 20, 10));
        QCOMPARE(link->contentsMargins().top(), 30);
        QVERIFY(link->alignment() & Qt::AlignHCenter);
        // The name, version and date come first, the link below them, across the box.
        QVERIFY(product->mapTo(&about, QPoint()).y() < date->mapTo(&about, QPoint()).y());
        QVERIFY(date->mapTo(&about, QPoint()).y() < link->mapTo(&about, QPoint()).y());
        QCOMPARE(link->width(), about.width() - 40);
        // Sized to its content; the user cannot resize it.
        QCOMPARE(about.minimumSize(), about.maximumSize());
        QCOMPARE(about.size(), about.sizeHint());
    }

    void link_opens_the_web_site() {
        QWidget owner;
        AboutDialog about(owner);
        const OpenedUrls opened({QStringLiteral("https")});
        auto* link = about.findChild<QLabel*>(QStringLiteral("site_link"));
        emit link->linkActivated(QStringLiteral("https://varnel.sorvexa.dev/"));
        QCOMPARE(opened.urls, QList<QUrl>{QUrl(QStringLiteral("https://varnel.sorvexa.dev/"))});
    }
};

VARNEL_APP_TEST(AboutDialogTest);

#include "AboutDialogTest.moc"

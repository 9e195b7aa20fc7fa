// Varnel's own help window on the real help file: contents, pages, links, images, history, find.

#include "app/HelpViewer.h"

#include "app/StartFile.h"
#include "tests/app/AppTest.h"
#include "tests/app/OpenedUrls.h"

#include <memory>

#include <QAction>
#include <QStatusBar>
#include <QTest>
#include <QTextBlock>
#include <QTreeWidgetItemIterator>

using namespace varnel;

namespace {

// The links and the images of a page, as written in it.
struct PageReferences {
    QStringList links;
    QStringList images;
};

PageReferences references(const QTextDocument& page) {
    PageReferences found;
    for (QTextBlock block = page.begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextCharFormat format = fragment.fragment().charFormat();
            if (format.isImageFormat()) {
                found.images.append(format.toImageFormat().name());
            } else if (format.isAnchor() && !format.anchorHref().isEmpty()) {
                found.links.append(format.anchorHref());
            }
        }
    }
    found.links.removeDuplicates();
    return found;
}

QStringList top_level_topics(const QTreeWidget& contents) {
    QStringList names;
    for (int i = 0; i < contents.topLevelItemCount(); ++i) {
        names.append(contents.topLevelItem(i)->text(0));
    }
    return names;
}

} // namespace

class HelpViewerTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        owner = std::make_unique<QWidget>();
        std::optional<ChmFile> file = ChmFile::open(file_beside_executable(L"Help.chm"));
        QVERIFY(file);
        viewer = new HelpViewer(std::move(*file), *owner);
        viewer->show();
        QVERIFY(QTest::qWaitForWindowExposed(viewer));
        browser = viewer->findChild<QTextBrowser*>(QStringLiteral("help_browser"));
        contents = viewer->findChild<QTreeWidget*>(QStringLiteral("help_contents"));
        find_box = viewer->findChild<QLineEdit*>(QStringLiteral("help_find_box"));
        QVERIFY(browser && contents && find_box);
    }
    void cleanup() { owner.reset(); }

    void opens_on_the_first_page_with_the_contents() {
        QCOMPARE(viewer->windowTitle(), QStringLiteral("Varnel Help"));
        QVERIFY(!viewer->windowIcon().isNull());
        QCOMPARE(browser->source(), HelpViewer::topic_url(QStringLiteral("index.html")));
        QCOMPARE(browser->documentTitle(), QStringLiteral("Welcome to Varnel"));
        QCOMPARE(top_level_topics(*contents),
                 (QStringList{"Welcome to Varnel", "Syntax", "The command line: varnel-cli",
                              "Settings, files and support"}));
        QCOMPARE(contents->currentItem()->text(0), QStringLiteral("Welcome to Varnel"));
        QVERIFY(contents->topLevelItem(1)->isExpanded());
        QCOMPARE(contents->topLevelItem(1)->child(0)->text(0),
                 QStringLiteral("Visual Studio syntax"));
    }

    // Every page of the contents opens, and every link and image on it leads somewhere in the help
    // file: a page that exists, with the place a link's "#name" names.
    void every_page_link_and_image_resolves() {
        int pages = 0;
        for (QTreeWidgetItemIterator item(contents); *item != nullptr; ++item) {
            if ((*item)->data(0, Qt::UserRole).isNull()) {
                continue;
            }
            ++pages;
            contents->scrollToItem(*item);
            QTest::mouseClick(contents->viewport(), Qt::LeftButton, {},
                              contents->visualItemRect(*item).center());
            QCOMPARE(browser->source(), (*item)->data(0, Qt::UserRole).toUrl());
            QVERIFY2(!browser->documentTitle().isEmpty(), qPrintable((*item)->text(0)));
            const PageReferences found = references(*browser->document());
            for (const QString& image : found.images) {
                const QImage picture = browser->document()
                                           ->resource(QTextDocument::ImageResource, QUrl(image))
                                           .value<QImage>();
                QVERIFY2(!picture.isNull(), qPrintable(image));
            }
            for (const QString& link : found.links) {
                const QUrl target = browser->source().resolved(QUrl(link));
                if (target.scheme() != QLatin1String("chm")) {
                    continue;
                }
                const QByteArray page =
                    browser->loadResource(QTextDocument::HtmlResource, target).toByteArray();
                QVERIFY2(!page.isEmpty(), qPrintable(link));
                if (target.hasFragment()) {
                    QVERIFY2(page.contains("name=\"" + target.fragment().toUtf8() + '"'),
                             qPrintable(link));
                }
            }
        }
        QCOMPARE(pages, 14);
    }

    void links_and_history_move_between_pages() {
        QAction* back = viewer->findChild<QAction*>(QStringLiteral("help_back"));
        QAction* forward = viewer->findChild<QAction*>(QStringLiteral("help_forward"));
        QVERIFY(back && forward);
        QVERIFY(!back->isEnabled());

        emit browser->anchorClicked(QUrl(QStringLiteral("making.html")));
        QCOMPARE(browser->documentTitle(), QStringLiteral("Making a regular expression"));
        QCOMPARE(contents->currentItem()->text(0), QStringLiteral("Making a regular expression"));
        QVERIFY(back->isEnabled());
        QVERIFY(!forward->isEnabled());

        emit browser->anchorClicked(QUrl(QStringLiteral("visual-studio.html#patterns")));
        QCOMPARE(browser->documentTitle(), QStringLiteral("Visual Studio syntax"));
        QCOMPARE(contents->currentItem()->text(0), QStringLiteral("Visual Studio syntax"));

        back->trigger();
        QCOMPARE(browser->documentTitle(), QStringLiteral("Making a regular expression"));
        back->trigger();
        QCOMPARE(browser->documentTitle(), QStringLiteral("Welcome to Varnel"));
        QCOMPARE(contents->currentItem()->text(0), QStringLiteral("Welcome to Varnel"));
        QVERIFY(!back->isEnabled());
        QVERIFY(forward->isEnabled());
        forward->trigger();
        QCOMPARE(browser->documentTitle(), QStringLiteral("Making a regular expression"));
    }

    void links_out_of_the_help_go_to_the_desktop_data() {
        QTest::addColumn<QUrl>("link");
        QTest::newRow("web site") << QUrl(QStringLiteral("https://varnel.sorvexa.dev/"));
        QTest::newRow("e-mail") << QUrl(
            QStringLiteral("mailto:support@sorvexa.dev?Subject=Varnel"));
    }
    void links_out_of_the_help_go_to_the_desktop() {
        QFETCH(QUrl, link);
        const OpenedUrls opened({link.scheme()});
        emit browser->anchorClicked(link);
        QCOMPARE(opened.urls, QList<QUrl>{link});
        QCOMPARE(browser->documentTitle(), QStringLiteral("Welcome to Varnel"));
    }

    void find_selects_the_text_in_the_page_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("presses");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("message");
        QTest::newRow("first place") << "regular expression" << 1 << "regular expression"
                                     << "";
        QTest::newRow("any case") << "VARNEL" << 1 << "Varnel"
                                  << "";
        QTest::newRow("round the end of the page") << "Search for:" << 2 << "Search for:"
                                                   << "Search went round the page";
        QTest::newRow("not in the page") << "xyzzy" << 1 << ""
                                         << "Not found: xyzzy";
    }
    void find_selects_the_text_in_the_page() {
        QFETCH(QString, text);
        QFETCH(int, presses);
        QFETCH(QString, selected);
        QFETCH(QString, message);
        browser->setFocus();
        QTest::keyClick(browser, Qt::Key_F, Qt::ControlModifier);
        QVERIFY(find_box->hasFocus());
        QTest::keyClicks(find_box, text);
        for (int press = 0; press < presses; ++press) {
            QTest::keyClick(find_box, Qt::Key_Return);
        }
        QCOMPARE(browser->textCursor().selectedText(), selected);
        QCOMPARE(viewer->statusBar()->currentMessage(), message);
    }

    void find_goes_forward_and_back() {
        QTest::keyClicks(find_box, QStringLiteral("Varnel"));
        QTest::keyClick(find_box, Qt::Key_Return);
        const int first = browser->textCursor().selectionStart();
        QTest::keyClick(find_box, Qt::Key_F3);
        const int second = browser->textCursor().selectionStart();
        QVERIFY(second > first);
        QTest::keyClick(find_box, Qt::Key_F3, Qt::ShiftModifier);
        QCOMPARE(browser->textCursor().selectionStart(), first);
    }

    void escape_and_ctrl_w_close_the_window_data() {
        QTest::addColumn<QKeySequence>("keys");
        QTest::newRow("Escape") << QKeySequence(Qt::Key_Escape);
        QTest::newRow("Ctrl+W") << QKeySequence(Qt::ControlModifier | Qt::Key_W);
    }
    void escape_and_ctrl_w_close_the_window() {
        QFETCH(QKeySequence, keys);
        find_box->setFocus();
        QTest::keySequence(find_box, keys);
        QVERIFY(!viewer->isVisible());
    }

private:
    std::unique_ptr<QWidget> owner;
    HelpViewer* viewer = nullptr;
    QTextBrowser* browser = nullptr;
    QTreeWidget* contents = nullptr;
    QLineEdit* find_box = nullptr;
};

VARNEL_APP_TEST(HelpViewerTest);

#include "HelpViewerTest.moc"

// The table of contents read from a help file's sitemap.

#include "app/HelpContents.h"

#include "tests/app/AppTest.h"

#include <QTest>

using namespace varnel;

namespace {

// One line per topic, "name -> page", indented two spaces per level.
QStringList dump(const std::vector<HelpTopic>& topics, int depth = 0) {
    QStringList lines;
    for (const HelpTopic& topic : topics) {
        lines.append(QString(depth * 2, QLatin1Char(' ')) + topic.name + QStringLiteral(" -> ") +
                     topic.local);
        lines += dump(topic.children, depth + 1);
    }
    return lines;
}

QString topic(const char* name, const char* local) {
    return QStringLiteral("<LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"%1\">"
                          "<param name=\"Local\" value=\"%2\"></OBJECT>")
        .arg(QLatin1String(name), QLatin1String(local));
}

} // namespace

class HelpContentsTest : public QObject {
    Q_OBJECT

private slots:
    void sitemap_gives_the_topic_tree_data() {
        QTest::addColumn<QString>("sitemap");
        QTest::addColumn<QStringList>("topics");
        QTest::newRow("empty") << QString() << QStringList{};
        QTest::newRow("one level") << "<UL>" + topic("A", "a.html") + topic("B", "b.html") + "</UL>"
                                   << QStringList{"A -> a.html", "B -> b.html"};
        QTest::newRow("nested, then back out")
            << "<UL>" + topic("A", "a.html") + "<UL>" + topic("A1", "a1.html") + "<UL>" +
                   topic("A1x", "x.html") + "</UL></UL>" + topic("B", "b.html") + "</UL>"
            << QStringList{"A -> a.html", "  A1 -> a1.html", "    A1x -> x.html", "B -> b.html"};
        QTest::newRow("heading without a page")
            << "<ul><li><object type=\"text/sitemap\"><param name=\"Name\" value=\"H\"></object>"
               "<ul>" +
                   topic("C", "c.html") + "</ul></ul>"
            << QStringList{"H -> ", "  C -> c.html"};
        QTest::newRow("site properties are no topic")
            << "<OBJECT type=\"text/site properties\"><param name=\"Name\" value=\"S\">"
               "</OBJECT><UL>" +
                   topic("A", "a.html") + "</UL>"
            << QStringList{"A -> a.html"};
        QTest::newRow("entities, spacing and line breaks in the object")
            << "<UL>\n<LI> <OBJECT type=\"text/sitemap\">\n  <PARAM NAME=\"Local\"  "
               "VALUE=\"p.html#top\">\n  <param name = \"Name\" value = \"Q &amp; A\">\n"
               "</OBJECT>\n</UL>"
            << QStringList{"Q & A -> p.html#top"};
        QTest::newRow("more closing than opening lists")
            << "</UL></UL><UL>" + topic("A", "a.html") + "</UL></UL>" + topic("B", "b.html")
            << QStringList{"A -> a.html", "B -> b.html"};
    }
    void sitemap_gives_the_topic_tree() {
        QFETCH(QString, sitemap);
        QFETCH(QStringList, topics);
        QCOMPARE(dump(parse_help_contents(sitemap)), topics);
    }
};

VARNEL_APP_TEST(HelpContentsTest);

#include "HelpContentsTest.moc"

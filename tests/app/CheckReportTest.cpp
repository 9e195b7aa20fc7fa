// The live check's line: what the regex and the format make of the search sample, against the
// replacement sample, word for word.

#include "app/CheckReport.h"

#include "tests/app/AppTest.h"
#include "varnel/settings/QStringConversion.h"

#include <QTest>

using namespace varnel;

class CheckReportTest : public QObject {
    Q_OBJECT

private slots:
    void reports_the_outcome_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("regex");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("search");
        QTest::addColumn<QString>("replacement");
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("text");
        const int vs = static_cast<int>(Language::VisualStudio);
        const int es = static_cast<int>(Language::ECMAScript);
        const int rebuilds = int(CheckReport::State::rebuilds);
        const int differs = int(CheckReport::State::differs);
        const int error = int(CheckReport::State::error);
        const QString a300 = QString(300, QLatin1Char('a'));

        QTest::newRow("rebuilds")
            << vs << "{John}{ }{Smith}"
            << "\\3,\\2\\1"
            << "John Smith"
            << "Smith, John" << rebuilds
            << "Turns Search for into \u201CSmith, John\u201D, as in Replace with";
        QTest::newRow("differs inside")
            << es << "(John)( )(Smith)"
            << "$3 $1"
            << "John Smith"
            << "Smith, John" << differs
            << "Turns Search for into \u201CSmith John\u201D, which differs from Replace with at "
               "character 6";
        QTest::newRow("ends early")
            << es << "(John)( )(Smith)"
            << "$3"
            << "John Smith"
            << "Smith, John" << differs
            << "Turns Search for into \u201CSmith\u201D, which differs from Replace with at "
               "character 6";
        QTest::newRow("only the first match is replaced")
            << es << "a"
            << "b"
            << "aa"
            << "bb" << differs
            << "Turns Search for into \u201Cba\u201D, which differs from Replace with at "
               "character 2";
        QTest::newRow("differs in the second half of a surrogate pair")
            << es << "(\U0001F600)(a)"
            << "$2$1"
            << "\U0001F600a"
            << "a\U0001F601" << differs
            << "Turns Search for into \u201Ca\U0001F600\u201D, which differs from Replace with "
               "at character 2";
        QTest::newRow("no match") << vs << "{Jane}"
                                  << "\\1"
                                  << "John Smith"
                                  << "Jane" << int(CheckReport::State::no_match)
                                  << "The regular expression does not match Search for";
        QTest::newRow("stray parenthesis")
            << vs << "{John}{ }{Smith}("
            << "\\3,\\2\\1"
            << "John Smith"
            << "Smith, John" << error
            << "The regular expression is not valid at character 17: missing )";
        QTest::newRow("position counted in characters")
            << es << "\U0001F600 ("
            << "$1"
            << "\U0001F600 "
            << "" << error << "The regular expression is not valid at character 3: missing )";
        QTest::newRow("format naming a group the regex lacks")
            << es << "(John)( )(Smith)"
            << "$3.$2.$4"
            << "John Smith"
            << "Smith.John" << error
            << "The format string is not valid at character 7: the format refers to group 4, but "
               "the regular expression has 3 groups";
        QTest::newRow("too complex")
            << es << "(a|aa)+$"
            << "x" << QString(40, QLatin1Char('a')) + "!"
            << "x" << error
            << "The regular expression is too complex to run on Search for: match limit exceeded";
        QTest::newRow("a long result is cut")
            << es << "b"
            << "c" << a300 + "b" << a300 + "c" << rebuilds
            << "Turns Search for into \u201C" + a300 + "\u2026\u201D, as in Replace with";
        QTest::newRow("the cut keeps surrogate pairs whole")
            << es << "b"
            << "c" << a300.left(299) + "\U0001F600b"
            << "" << differs
            << "Turns Search for into \u201C" + a300.left(299) +
                   "\u2026\u201D, which differs from Replace with at character 1";
    }
    void reports_the_outcome() {
        QFETCH(int, language);
        QFETCH(QString, regex);
        QFETCH(QString, format);
        QFETCH(QString, search);
        QFETCH(QString, replacement);
        QFETCH(int, state);
        QFETCH(QString, text);
        const CheckReport report =
            run_check({to_wstring(regex), to_wstring(format), to_wstring(search),
                       to_wstring(replacement), static_cast<Language>(language)});
        QCOMPARE(to_qstring(report.text), text);
        QCOMPARE(int(report.state), state);
    }
};

VARNEL_APP_TEST(CheckReportTest);

#include "CheckReportTest.moc"

// The preview's plain logic without a window: texts split into lines and joined back, the
// verdicts of lines and their counts, lessons as the learner's examples, and text files read and
// written in their encoding.

#include "app/LineVerdicts.h"

#include "app/Lessons.h"
#include "app/LineVerdictsModel.h"
#include "app/TextFile.h"
#include "tests/app/AppTest.h"
#include "varnel/settings/QStringConversion.h"

#include <QDir>
#include <QFile>
#include <QPoint>
#include <QTemporaryDir>
#include <QTest>

using namespace varnel;

class LineVerdictsTest : public QObject {
    Q_OBJECT

private slots:
    void texts_split_and_join_back_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("empty") << "" << QStringList{""};
        QTest::newRow("no break") << "a" << QStringList{"a"};
        QTest::newRow("a last break") << "a\n\n" << QStringList{"a", ""};
        QTest::newRow("CRLF") << "a\r\nb\r\n" << QStringList{"a", "b"};
        QTest::newRow("mixed: the first kind goes") << "a\nb\r\nc" << QStringList{"a", "b\r", "c"};
    }
    void texts_split_and_join_back() {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        const TextLines split = split_lines(to_wstring(text));
        QStringList got;
        for (const std::wstring& line : split.lines) {
            got.append(to_qstring(line));
        }
        QCOMPARE(got, lines);
        QCOMPARE(to_qstring(join_lines(split)), text);
    }

    void lines_get_verdicts_and_counts_data() {
        QTest::addColumn<QString>("regex");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("wanted"); // "line=>text" for the second line, if any
        QTest::addColumn<QString>("counts");
        QTest::addColumn<QString>("rewritten");
        const QString text = QStringLiteral("a1 b22\nno digits\nc3\n");
        QTest::newRow("changed and none") << "([0-9]+)"
                                          << "<$1>"
                                          << ""
                                          << "3 lines: 2 changed, 1 without a match"
                                          << "a<1> b<22>\nno digits\nc<3>\n";
        QTest::newRow("matched, same")
            << "[0-9]"
            << "$&"
            << ""
            << "3 lines: 0 changed, 2 matched but unchanged, 1 without a match" << text;
        QTest::newRow("right") << "[0-9]"
                               << ""
                               << "no digits"
                               << "3 lines: 2 changed, 1 without a match; 1 right, 0 wrong"
                               << "a b\nno digits\nc\n";
        QTest::newRow("wrong") << "o"
                               << "0"
                               << "no digits"
                               << "3 lines: 1 changed, 2 without a match; 0 right, 1 wrong"
                               << "a1 b22\nn0 digits\nc3\n";
        QTest::newRow("not valid") << "("
                                   << ""
                                   << ""
                                   << ""
                                   << "";
    }
    void lines_get_verdicts_and_counts() {
        QFETCH(QString, regex);
        QFETCH(QString, format);
        QFETCH(QString, wanted);
        QFETCH(QString, counts);
        QFETCH(QString, rewritten);
        const TextLines text = split_lines(L"a1 b22\nno digits\nc3\n");
        Lessons lessons;
        if (!wanted.isEmpty()) {
            lessons.teach({to_wstring(wanted), std::nullopt});
        }
        const Replacer replacer(to_wstring(regex), to_wstring(format), Language::ECMAScript);
        const LineVerdicts verdicts = judge_lines(text.lines, replacer, lessons.expectations());
        QCOMPARE(verdicts.problem.has_value(), counts.isEmpty());
        if (verdicts.problem) {
            return;
        }
        QCOMPARE(to_qstring(describe(verdicts.counts)), counts);
        QCOMPARE(to_qstring(rewritten_text(text, verdicts)), rewritten);
        // The line after the last without a match, going round, is the first without one.
        const auto no_match = [](const LineVerdict& verdict) {
            return verdict.outcome == LineVerdict::Outcome::no_match;
        };
        QCOMPARE(next_line(verdicts.lines, 1, no_match), next_line(verdicts.lines, 0, no_match));
        // A cancelled run gives nothing.
        const std::atomic<bool> cancelled = true;
        QVERIFY(judge_lines(text.lines, replacer, {}, &cancelled).lines.empty());
    }

    // A line of megabytes is shown, matches and all, as far as any screen is wide; it is edited
    // whole.
    void a_long_line_is_shown_in_part() {
        std::wstring line(10000, L'a');
        line[100] = L'1';
        line[5000] = L'2';
        LineVerdictsModel model;
        model.set_text(split_lines(line));
        const Replacer replacer(L"[0-9]", L"#", Language::ECMAScript);
        model.show_verdicts(judge_lines(model.text().lines, replacer, {}));
        const auto data = [&](int column, int role) { return model.index(0, column).data(role); };
        const QString shown = data(LineVerdictsModel::line_column, Qt::DisplayRole).toString();
        QVERIFY(shown.size() < 5000 && shown.size() > 2000);
        QCOMPARE(shown, to_qstring(line).left(shown.size()));
        QCOMPARE(data(LineVerdictsModel::line_column, Qt::EditRole).toString(), to_qstring(line));
        QCOMPARE(data(LineVerdictsModel::becomes_column, Qt::DisplayRole).toString().size(),
                 shown.size());
        QCOMPARE(data(LineVerdictsModel::line_column, LineVerdictsModel::highlight_role)
                     .value<QList<QPoint>>(),
                 QList<QPoint>{QPoint(100, 101)});
    }

    void lessons_are_the_learners_examples() {
        Lessons lessons;
        lessons.set_sample(Example{L"John Smith", L"Smith, John"});
        QVERIFY(!lessons.enough_to_learn());
        lessons.teach({L"Ada Lovelace", L"Lovelace"});
        lessons.teach({L"Ada Lovelace", L"Lovelace, Ada"});
        lessons.teach({L"Smith", L"Smith"});
        QVERIFY(lessons.enough_to_learn());
        QCOMPARE(lessons.examples(), (std::vector<Example>{{L"John Smith", L"Smith, John"},
                                                           {L"Ada Lovelace", L"Lovelace, Ada"}}));
        QCOMPARE(lessons.unchanged(), std::vector<std::wstring>{L"Smith"});
        lessons.change(1, L"Smith Jr");
        lessons.remove(0);
        QCOMPARE(lessons.taught(), (std::vector<Lesson>{{L"Smith", L"Smith Jr"}}));
    }

    void files_keep_their_encoding_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("UTF-8") << QByteArray("caf\xc3\xa9\n") << QStringLiteral("caf\u00e9\n");
        QTest::newRow("Latin-1") << QByteArray("caf\xe9\n") << QStringLiteral("caf\u00e9\n");
    }
    void files_keep_their_encoding() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QTemporaryDir folder;
        const QString path = folder.filePath("text");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        auto read = read_text_file(path);
        auto& contents = std::get<TextFileContents>(read);
        QCOMPARE(to_qstring(contents.text), text);
        QCOMPARE(write_text_file(path, contents), QString());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), bytes);
        file.close();
        // A character Latin-1 lacks is written in UTF-8 only; a Latin-1 file stays as it was.
        contents.text += L"\u20ac";
        const bool latin1 = contents.encoding == TextFileContents::Encoding::latin1;
        QCOMPARE(write_text_file(path, contents).isEmpty(), !latin1);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), latin1 ? bytes : bytes + "\xe2\x82\xac");
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"text"});
    }
};

VARNEL_APP_TEST(LineVerdictsTest);
#include "LineVerdictsTest.moc"

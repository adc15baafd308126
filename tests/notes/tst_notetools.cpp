#include "notes/notefind.h"
#include "notes/notestats.h"
#include "notes/openselection.h"

#include <QtTest>

using namespace notes;

class TestNoteTools final : public QObject
{
    Q_OBJECT
private slots:
    void stats_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("fastCharacters");
        QTest::addColumn<int>("characters");
        QTest::addColumn<int>("words");
        QTest::newRow("ab / c") << "ab\nc" << 2 << 7 << 3 << 2;
        QTest::newRow("ab / c, stored with CRLF") << "ab\r\nc" << 2 << 7 << 3 << 2;
        QTest::newRow("a final break makes no line") << "ab\nc\n" << 2 << 7 << 3 << 2;
        QTest::newRow("empty") << "" << 0 << 0 << 0 << 0;
        QTest::newRow("empty lines count") << "\n\nx" << 3 << 7 << 1 << 1;
        QTest::newRow("tabs and punctuation belong to words") << "a\tb, c" << 1 << 8 << 6 << 2;
        // A long line counts once, however the editor wraps it.
        QTest::newRow("one long line") << QString(500, u'w') << 1 << 502 << 500 << 1;
        QTest::newRow("words across lines") << "one two\nthree" << 2 << 16 << 12 << 3;
    }
    void stats()
    {
        QFETCH(QString, text);
        const FastStats fast = fastStats(text);
        QTEST(fast.lines, "lines");
        QTEST(int(fast.characters), "fastCharacters");
        const AdvancedStats advanced = advancedStats(text);
        QTEST(advanced.lines, "lines");
        QTEST(int(advanced.characters), "characters");
        QTEST(advanced.words, "words");
    }

    void statsMessages()
    {
        QCOMPARE(fastStatsMessage(fastStats(QStringLiteral("ab\nc"))),
                 QStringLiteral("Lines: 2\r\nCharacters (including spaces): 7"));
        QCOMPARE(advancedStatsMessage(advancedStats(QStringLiteral("ab\nc"))),
                 QStringLiteral("== Statistics of the document ==\r\n\r\nRighe: 2\r\n\r\n"
                                "Caratteri (spazi inclusi): 3\r\n\r\nParole: 2\n"));
    }

    void find_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("searched");
        QTest::addColumn<int>("selectionStart");
        QTest::addColumn<int>("selectionLength");
        QTest::addColumn<int>("found"); // -1 for none
        QTest::newRow("match at the very start, cursor there") << "abc abc"
                                                               << "abc" << 0 << 0 << 0;
        QTest::newRow("the previous match is skipped") << "abc abc"
                                                       << "abc" << 0 << 3 << 4;
        QTest::newRow("after the last match: none") << "abc abc"
                                                    << "abc" << 4 << 3 << -1;
        QTest::newRow("a selection that is not the match") << "abc abc"
                                                           << "abc" << 0 << 2 << 0;
        QTest::newRow("from the cursor on") << "abc abc"
                                            << "abc" << 1 << 0 << 4;
        QTest::newRow("a to z fold both ways") << "Hello WORLD"
                                               << "world" << 0 << 0 << 6;
        QTest::newRow("overlapping matches") << "aaa"
                                             << "AA" << 0 << 2 << 1;
        QTest::newRow("accents do not fold") << "CITT\u00c0"
                                             << "citt\u00e0" << 0 << 0 << -1;
        QTest::newRow("accents match themselves") << "citt\u00e0"
                                                  << "CITT\u00e0" << 0 << 0 << 0;
        QTest::newRow("never wraps") << "abc x"
                                     << "abc" << 2 << 0 << -1;
        QTest::newRow("empty search") << "abc"
                                      << "" << 0 << 0 << -1;
        QTest::newRow("cursor at the end") << "abc"
                                           << "c" << 3 << 0 << -1;
        QTest::newRow("across lines") << "one\ntwo"
                                      << "E\nT" << 0 << 0 << 2;
    }
    void find()
    {
        QFETCH(QString, text);
        QFETCH(QString, searched);
        QFETCH(int, selectionStart);
        QFETCH(int, selectionLength);
        QFETCH(int, found);
        const auto at = findNext(text, searched, selectionStart, selectionLength);
        QCOMPARE(at ? int(*at) : -1, found);
    }

    void findTwiceThenTold()
    {
        const QString text = QStringLiteral("only once here");
        const auto first = findNext(text, QStringLiteral("ONCE"), 0, 0);
        QCOMPARE(first, std::optional<qsizetype>(5));
        QCOMPARE(findNext(text, QStringLiteral("ONCE"), *first, 4), std::nullopt);
        QCOMPARE(notFoundMessage(QStringLiteral("ONCE")),
                 QStringLiteral("I ended up finding \"ONCE\""));
    }

    void openSelection_data()
    {
        QTest::addColumn<QString>("selection");
        QTest::addColumn<bool>("offered");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("target");
        const int none = int(OpenTarget::Kind::None);
        const int url = int(OpenTarget::Kind::Url);
        const int path = int(OpenTarget::Kind::Path);
        QTest::newRow("www becomes a web address")
            << "www.example.com" << true << url << "http://www.example.com";
        QTest::newRow("WWW any case")
            << "WwW.example.com" << true << url << "http://WwW.example.com";
        QTest::newRow("https as it is")
            << "HTTPS://example.com/a?b" << true << url << "HTTPS://example.com/a?b";
        QTest::newRow("url with a user keeps its scheme")
            << "http://me@example.com" << true << url << "http://me@example.com";
        QTest::newRow("mailto not doubled") << "mailto:a@b.it" << true << url << "mailto:a@b.it";
        QTest::newRow("callto") << "callto:12345" << true << url << "callto:12345";
        QTest::newRow("skype") << "skype:someone" << true << url << "skype:someone";
        QTest::newRow("e-mail address")
            << "anna@example.com" << true << url << "mailto:anna@example.com";
        QTest::newRow("existing absolute file")
            << "/data/notes.txt" << true << path << "/data/notes.txt";
        QTest::newRow("missing absolute file") << "/data/missing.txt" << false << none << "";
        QTest::newRow("relative name is never looked up") << "notes.txt" << false << none << "";
        QTest::newRow("command word, even as a file") << "Del" << false << none << "";
        QTest::newRow("command word that exists as a path") << "/del" << true << path << "/del";
        QTest::newRow("FORMAT") << "FORMAT" << false << none << "";
        QTest::newRow("plain word") << "hello" << false << none << "";
        QTest::newRow("a program is not a scheme") << "cmd.exe /c del" << false << none << "";
        QTest::newRow("file scheme is not offered") << "file:///etc/passwd" << false << none << "";
        QTest::newRow("empty") << "" << false << none << "";
    }
    void openSelection()
    {
        QFETCH(QString, selection);
        QFETCH(bool, offered);
        QStringList asked;
        const PathExists exists = [&asked](const QString& p) {
            asked << p;
            return p == QLatin1String("/data/notes.txt") || p == QLatin1String("/del") ||
                   p == QLatin1String("Del") || p == QLatin1String("notes.txt");
        };
        QCOMPARE(isOpenableSelection(selection, exists), offered);
        const OpenTarget target = openTarget(selection, exists);
        QTEST(int(target.kind), "kind");
        QTEST(target.text, "target");
        for (const QString& p : std::as_const(asked))
            QVERIFY2(p.startsWith(u'/'), qPrintable(p));
    }
};

QTEST_GUILESS_MAIN(TestNoteTools)
#include "tst_notetools.moc"

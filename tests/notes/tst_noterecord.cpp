#include "notes/noterecord.h"
#include "notesarchive.h"
#include "platform/testing/manualclock.h"

using namespace notes;

class TestNoteRecord final : public QObject
{
    Q_OBJECT
private slots:
    void titleRules_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::newRow("empty gets the moment of saving") << ""
                                                         << "2026-12-09,08-05-03";
        QTest::newRow("lower-case first letter") << "shopping list"
                                                 << "Shopping list";
        QTest::newRow("already upper") << "Ideas"
                                       << "Ideas";
        QTest::newRow("accented letter stays") << "\u00e8 tempo"
                                               << "\u00e8 tempo";
        QTest::newRow("digit first") << "1st draft"
                                     << "1st draft";
        QTest::newRow("only the first letter") << "a b c"
                                               << "A b c";
        QTest::newRow("a blank is a title") << " "
                                            << " ";
    }
    void titleRules()
    {
        QFETCH(QString, typed);
        QTEST(noteTitle(typed, QDateTime(QDate(2026, 12, 9), QTime(8, 5, 3))), "stored");
    }

    void titleBar_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("bar");
        const QString t28 = QString(28, u'x');
        const QString t29 = QStringLiteral("abcdefghijklmnopqrstuvwxy") + QStringLiteral("1234");
        QTest::newRow("empty") << ""
                               << " ";
        QTest::newRow("28 characters whole") << t28 << u' ' + t28;
        QTest::newRow("29 characters cut") << t29 << "  abcdefghijklmnopqrstuvwxy...";
        QTest::newRow("long") << QString(200, u'z') << "  " + QString(25, u'z') + "...";
    }
    void titleBar()
    {
        QFETCH(QString, title);
        QTEST(titleBarText(title), "bar");
    }

    void lineEnds_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("editor");
        QTest::newRow("CRLF") << "ab\r\nc\r\n"
                              << "ab\nc\n";
        QTest::newRow("lone CR and LF") << "a\rb\nc"
                                        << "a\nb\nc";
        QTest::newRow("no breaks") << "abc"
                                   << "abc";
        QTest::newRow("empty lines") << "\r\n\r\n"
                                     << "\n\n";
    }
    void lineEnds()
    {
        QFETCH(QString, stored);
        QFETCH(QString, editor);
        QCOMPARE(editorText(stored), editor);
        QVERIFY(sameNoteText(stored, editor));
        QVERIFY(sameNoteText(storedText(editor), stored));
        QVERIFY(
            !storedText(editor).contains(QRegularExpression(QStringLiteral("\r(?!\n)|(?<!\r)\n"))));
        QVERIFY(!sameNoteText(stored, editor + u'x'));
    }

    // A note goes into the archive with CRLF and comes back into the editor
    // with line feeds: the two must count as the same text.
    void crlfRoundTripIsNotAnEdit()
    {
        NotesArchive archive;
        const QString typed = QStringLiteral("first line\nsecond line\n\nlast");
        insertNote(*archive.general, {QStringLiteral("t"), storedText(typed), QString()},
                   QDateTime::currentDateTime());
        const QStringList texts =
            archive.column(QStringLiteral("SELECT * FROM CRnot80"), QStringLiteral("note"));
        QCOMPARE(texts.size(), 1);
        QCOMPARE(texts[0], QStringLiteral("first line\r\nsecond line\r\n\r\nlast"));
        QVERIFY(sameNoteText(texts[0], typed));
        QCOMPARE(editorText(texts[0]), typed);
    }

    void insertUpdateDelete()
    {
        NotesArchive archive;
        platform::ManualClock clock(QDateTime(QDate(2026, 12, 9), QTime(8, 5, 3)));
        store::Query& q = *archive.general;

        QCOMPARE(
            insertNote(q, {QString(), QStringLiteral("text"), QStringLiteral("Work")}, clock.now()),
            QStringLiteral("2026-12-09,08-05-03"));
        const qint64 key = q.insertedKey();
        QVERIFY(key > 0);
        // Quotes and semicolons are values, never statement text.
        const QString odd = QStringLiteral("say \"hi\"; DROP TABLE CRnot80");
        QCOMPARE(updateNote(q, key, {QStringLiteral("z") + odd, odd, odd}, clock.now()),
                 QStringLiteral("Z") + odd);
        QCOMPARE(archive.column(QStringLiteral("SELECT * FROM CRnot80")),
                 QStringList{QStringLiteral("Z") + odd});
        QCOMPARE(archive.column(QStringLiteral("SELECT * FROM CRnot80"), QStringLiteral("gruppo")),
                 QStringList{odd});

        updateNoteText(q, key, QStringLiteral("new\r\ntext"));
        QCOMPARE(q.rowsAffected(), 1);
        QCOMPARE(archive.column(QStringLiteral("SELECT * FROM CRnot80"), QStringLiteral("note")),
                 QStringList{QStringLiteral("new\r\ntext")});

        insertImportedNote(q, QStringLiteral("file.txt"), QStringLiteral("x\r\n"));
        QCOMPARE(archive.column(QStringLiteral("SELECT * FROM CRnot80 ORDER BY codnot"),
                                QStringLiteral("id")),
                 (QStringList{QStringLiteral("Z") + odd, QStringLiteral("file.txt")}));

        deleteNote(q, key);
        QCOMPARE(q.rowsAffected(), 1);
        QCOMPARE(archive.column(QStringLiteral("SELECT * FROM CRnot80")),
                 QStringList{QStringLiteral("file.txt")});
    }
};

QTEST_GUILESS_MAIN(TestNoteRecord)
#include "tst_noterecord.moc"

#include "store/database.h"
#include "store/query.h"
#include "store/sqltext.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace store;

class TestSqlText final : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    Database m_db;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_db.create(m_dir.filePath(QStringLiteral("text.db")));
        Query q(m_db);
        q.setSql({QStringLiteral("CREATE TABLE T (cod INTEGER PRIMARY KEY, gruppo TEXT);"),
                  QStringLiteral("INSERT INTO T (cod, gruppo) VALUES (1, NULL);"),
                  QStringLiteral("INSERT INTO T (cod, gruppo) VALUES (2, \"\");"),
                  QStringLiteral("INSERT INTO T (cod, gruppo) VALUES (3, \" \");"),
                  QStringLiteral("INSERT INTO T (cod, gruppo) VALUES (4, \"Friend\");"),
                  QStringLiteral("INSERT INTO T (cod, gruppo) VALUES (5, \"NULL\")")});
        q.execSql();
    }

    void quotedTextReadsBackUnchanged_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("doubled");
        QTest::newRow("plain") << "plain"
                               << "plain";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("one quote") << "say \"hi\""
                                   << "say \"\"hi\"\"";
        QTest::newRow("only quotes") << "\"\""
                                     << "\"\"\"\"";
        QTest::newRow("trailing quote") << "C:/x\""
                                        << "C:/x\"\"";
        QTest::newRow("statement") << "x\"; DROP TABLE T; --"
                                   << "x\"\"; DROP TABLE T; --";
        QTest::newRow("single quote") << "it's"
                                      << "it's";
        QTest::newRow("parameter look-alike") << ":cod"
                                              << ":cod";
    }
    void quotedTextReadsBackUnchanged()
    {
        QFETCH(QString, value);
        QFETCH(QString, doubled);
        QCOMPARE(doubledQuotes(value), doubled);
        QCOMPARE(quotedText(value), u'"' + doubled + u'"');
        // The engine reads the literal back as the very text, and the table
        // is still there.
        Query q(m_db);
        q.setSql({QStringLiteral("SELECT ") + quotedText(value) + QStringLiteral(" AS v, "),
                  QStringLiteral("(SELECT COUNT(*) FROM T) AS n")});
        q.open();
        QCOMPARE(q.fieldByName(QStringLiteral("v")).asString(), value);
        QCOMPARE(q.fieldByName(QStringLiteral("n")).asInteger(), 5);
    }

    void emptyOrNullMatchesBoth_data()
    {
        QTest::addColumn<QString>("column");
        QTest::newRow("column") << "gruppo";
        QTest::newRow("expression") << "UPPER(gruppo)";
    }
    void emptyOrNullMatchesBoth()
    {
        QFETCH(QString, column);
        Query q(m_db);
        q.setSql({QStringLiteral("SELECT cod FROM T WHERE ") + emptyOrNull(column),
                  QStringLiteral("AND cod > 0 ORDER BY cod")});
        q.open();
        QList<qint64> codes;
        for (; !q.eof(); q.next())
            codes.append(q.fieldByName(QStringLiteral("cod")).asInteger());
        // A blank, a word or the text "NULL" is not empty.
        QCOMPARE(codes, (QList<qint64>{1, 2}));
    }
};

QTEST_GUILESS_MAIN(TestSqlText)
#include "tst_sqltext.moc"

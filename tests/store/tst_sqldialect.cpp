#include "store/sqldialect.h"
#include "store/sqlerror.h"

#include <QtTest>

using store::translateDialect;

// The translated statements of a text, joined by " ;; " for compact expectations.
static QString translated(const QString& text)
{
    QStringList out;
    for (const auto& st : translateDialect(text).statements)
        out.append(QString::fromUtf8(st.sql));
    return out.join(QStringLiteral(" ;; "));
}

class TestSqlDialect final : public QObject
{
    Q_OBJECT
private slots:
    void rewrites_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("double quotes are text") << "SELECT * FROM t WHERE id = \"note\""
                                                << "SELECT * FROM t WHERE id = 'note'";
        QTest::newRow("doubled quote inside") << "WHERE x = \"say \"\"hi\"\"\""
                                              << "WHERE x = 'say \"hi\"'";
        QTest::newRow("single quote inside") << "WHERE x = \"it's\"" << "WHERE x = 'it''s'";
        QTest::newRow("true and false") << "UPDATE s SET a = true, b = FALSE"
                                        << "UPDATE s SET a = 1 , b = 0";
        QTest::newRow("column types")
            << "CREATE TABLE t ( k AUTOINC, n MEMO, c CHAR(5), d DATE )"
            << "CREATE TABLE t ( k INTEGER PRIMARY KEY AUTOINCREMENT , n TEXT , c CHAR ( 5 ) , d "
               "DATE )";
        QTest::newRow("alter several")
            << "ALTER TABLE s ADD (a LOGICAL,b Char(50))"
            << "ALTER TABLE s ADD COLUMN a LOGICAL ;; ALTER TABLE s ADD COLUMN b Char ( 50 )";
        QTest::newRow("insert select in parentheses")
            << "INSERT INTO a (SELECT * FROM b WHERE k = :k)"
            << "INSERT INTO a SELECT * FROM b WHERE k = :k";
        QTest::newRow("insert with column list stays")
            << "INSERT INTO a (x,y) values (:x,:y)" << "INSERT INTO a ( x , y ) values ( :x , :y )";
        QTest::newRow("extract") << "WHERE EXTRACT(MONTH FROM datefull) = 3"
                                 << "WHERE corv_extract ( 'MONTH' , datefull ) = 3";
        QTest::newRow("several statements") << "DELETE FROM a; ;DELETE FROM b;"
                                            << "DELETE FROM a ;; DELETE FROM b";
        QTest::newRow("colon in literal is no parameter") << "WHERE t = \"12:30\""
                                                          << "WHERE t = '12:30'";
        QTest::newRow("parameters lower case") << "WHERE a = :DateFull" << "WHERE a = :datefull";
    }

    void rewrites()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(translated(text), expected);
    }

    void parametersListedOnceInOrder()
    {
        const auto t = translateDialect(
            QStringLiteral("UPDATE a SET x = :B WHERE y = :a; UPDATE c SET z = :b, w = :c"));
        QCOMPARE(t.parameterNames, QStringList({"b", "a", "c"}));
        QCOMPARE(t.statements.size(), size_t(2));
        QVERIFY(!t.statements[0].returnsRows);
    }

    void selectReturnsRows()
    {
        QVERIFY(translateDialect(QStringLiteral("select * from a")).statements[0].returnsRows);
    }

    void unterminatedLiteralIsASyntaxError()
    {
        try {
            translateDialect(QStringLiteral("SELECT * FROM a WHERE id = \"open"));
            QFAIL("no error");
        } catch (const store::SqlError& e) {
            QCOMPARE(e.className(), QStringLiteral("ESqlSyntaxError"));
        }
    }
};

QTEST_GUILESS_MAIN(TestSqlDialect)
#include "tst_sqldialect.moc"

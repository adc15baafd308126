#include "store/database.h"
#include "store/query.h"
#include "store/sqlerror.h"
#include "store/transaction.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace store;

class TestTransaction final : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    Database m_db;

    QString path() const { return m_dir.filePath(QStringLiteral("t.abs")); }

    void insert(const QString& id, const char* table = "T")
    {
        Query q(m_db);
        q.setSql({QStringLiteral("INSERT INTO ") + QLatin1String(table) +
                  QStringLiteral(" (id) values (:id)")});
        q.setText(QStringLiteral("id"), id);
        q.execSql();
    }

    static QStringList ids(Database& db)
    {
        Query q(db);
        q.setSql({QStringLiteral("SELECT id FROM T ORDER BY cod")});
        q.open();
        QStringList out;
        for (; !q.eof(); q.next())
            out << q.fieldByName(QStringLiteral("id")).asString();
        return out;
    }

private slots:
    void init()
    {
        QFile::remove(path());
        m_db.create(path());
        Query q(m_db);
        q.setSql({QStringLiteral("CREATE TABLE T ( cod AUTOINC, id CHAR(50) )")});
        q.execSql();
    }
    void cleanup() { m_db.close(); }

    void aFailingSecondWriteUndoesTheFirst()
    {
        try {
            Transaction t(m_db);
            insert(QStringLiteral("first"));
            insert(QStringLiteral("second"), "Missing");
            t.commit();
            QFAIL("the second write should fail");
        } catch (const SqlError& error) {
            QCOMPARE(error.className(), errorclass::Database);
        }
        QCOMPARE(ids(m_db), QStringList());
        // The connection is free for the next writes.
        insert(QStringLiteral("after"));
        QCOMPARE(ids(m_db), QStringList{QStringLiteral("after")});
    }

    void endsAsItIsLeft_data()
    {
        QTest::addColumn<bool>("outerCommits");
        QTest::addColumn<bool>("innerCommits");
        QTest::addColumn<QStringList>("kept");
        QTest::newRow("both commit") << true << true << QStringList{"outer", "inner"};
        QTest::newRow("inner undone") << true << false << QStringList{"outer"};
        QTest::newRow("outer undone") << false << true << QStringList{};
        QTest::newRow("both undone") << false << false << QStringList{};
    }
    void endsAsItIsLeft()
    {
        QFETCH(bool, outerCommits);
        QFETCH(bool, innerCommits);
        QFETCH(QStringList, kept);
        {
            Transaction outer(m_db);
            insert(QStringLiteral("outer"));
            {
                Transaction inner(m_db);
                insert(QStringLiteral("inner"));
                // A text of several statements is a part of its own inside.
                Query q(m_db);
                q.setSql({QStringLiteral("INSERT INTO T (id) values (\"text\");"),
                          QStringLiteral("DELETE FROM T WHERE id = \"text\"")});
                q.execSql();
                if (innerCommits)
                    inner.commit();
            }
            if (outerCommits)
                outer.commit();
            QVERIFY(!outer.isOpen() || !outerCommits);
        }
        QCOMPARE(ids(m_db), kept);
    }

    void othersSeeNothingUntilTheCommit()
    {
        Database other;
        other.open(path());
        other.setBusyTimeout(0);
        Transaction t(m_db);
        for (int i = 0; i < 1000; ++i)
            insert(QString::number(i));
        QCOMPARE(ids(other), QStringList());
        // The write lock is held from the start: the other program waits.
        Query write(other);
        write.setSql({QStringLiteral("INSERT INTO T (id) values (\"other\")")});
        QVERIFY_THROWS_EXCEPTION(SqlError, write.execSql());
        t.commit();
        QCOMPARE(ids(other).size(), 1000);
        QVERIFY_THROWS_EXCEPTION(SqlError, t.commit());
    }

    void refusedOnAClosedDatabase()
    {
        m_db.close();
        QVERIFY_THROWS_EXCEPTION(SqlError, Transaction{m_db});
    }
};

QTEST_GUILESS_MAIN(TestTransaction)
#include "tst_transaction.moc"

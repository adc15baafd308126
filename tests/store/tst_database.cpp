#include "store/database.h"
#include "store/daynumber.h"
#include "store/query.h"
#include "store/sqlerror.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace store;

namespace {

// Child mode: insert `count` rows into the file, one statement each, as a
// second program sharing the archive would. Each insert must name its own
// row as the one it inserted, whatever the other program inserts meanwhile.
int insertRowsAsChild(const QString& path, int count, const QString& tag)
{
    Database db;
    db.open(path);
    Query q(db);
    Query check(db);
    check.setSql({QStringLiteral("SELECT id, qty FROM T WHERE cod = :cod")});
    q.setSql({QStringLiteral("INSERT INTO T (id, qty)"), QStringLiteral("values (:id, :qty)")});
    int foreign = 0;
    for (int i = 0; i < count; ++i) {
        q.setText(QStringLiteral("id"), tag);
        q.setInteger(QStringLiteral("qty"), i);
        q.execSql();
        check.setInteger(QStringLiteral("cod"), q.insertedKey());
        check.open();
        if (check.isEmpty() || check.fieldByName(QStringLiteral("id")).asString() != tag ||
            check.fieldByName(QStringLiteral("qty")).asInteger() != i)
            ++foreign;
    }
    if (foreign) {
        fprintf(stderr, "%d inserts named a row that was not theirs\n", foreign);
        return 2;
    }
    return 0;
}

QString errorClassOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const SqlError& e) {
        return e.className();
    }
    return QStringLiteral("no error");
}

} // namespace

class TestDatabase final : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    Database m_db;

    QString file(const char* name) const { return m_dir.filePath(QString::fromUtf8(name)); }

    void exec(const QString& text)
    {
        Query q(m_db);
        q.addSql(text);
        q.execSql();
    }

    QList<qint64> codesWhere(const QString& where)
    {
        Query q(m_db);
        q.addSql(QStringLiteral("SELECT cod FROM T"));
        q.addSql(QStringLiteral("WHERE ") + where);
        q.addSql(QStringLiteral("ORDER BY cod"));
        q.open();
        QList<qint64> codes;
        for (; !q.eof(); q.next())
            codes.append(q.fieldByName(QStringLiteral("COD")).asInteger());
        return codes;
    }

    int count(const QString& table)
    {
        Query q(m_db);
        q.addSql(QStringLiteral("SELECT * FROM ") + table);
        q.open();
        return q.recordCount();
    }

private slots:
    void init()
    {
        QFile::remove(file("t.abs"));
        m_db.create(file("t.abs"));
        exec(QStringLiteral("CREATE TABLE T ( cod AUTOINC, id CHAR(50), note MEMO, num FLOAT, "
                            "qty INTEGER, d DATE, ok LOGICAL )"));
        Query q(m_db);
        q.setSql({QStringLiteral("INSERT INTO T (id, note, num, d, ok)"),
                  QStringLiteral("values (:id, :note, :num, :d, :ok)")});
        struct Row
        {
            const char* id;
            const char* note;
            double num;
            QDate d;
            bool ok;
        };
        const Row rows[] = {
            {"note", "x", 12, QDate(2026, 3, 15), true},
            {"Ärger", "say \"hi\"", 3.5, QDate(2026, 12, 31), false},
            {"abc", nullptr, 0, QDate(2025, 3, 1), false},
            {"ABC%", "äöü", 120, QDate(2026, 1, 1), false},
        };
        for (const Row& r : rows) {
            q.setText(QStringLiteral("id"), QString::fromUtf8(r.id));
            if (r.note)
                q.setText(QStringLiteral("note"), QString::fromUtf8(r.note));
            else
                q.setNull(QStringLiteral("note"));
            q.setFloat(QStringLiteral("num"), r.num);
            q.setDate(QStringLiteral("d"), r.d);
            q.setBoolean(QStringLiteral("ok"), r.ok);
            q.execSql();
        }
    }

    void cleanup() { m_db.close(); }

    void whereClauses_data()
    {
        QTest::addColumn<QString>("where");
        QTest::addColumn<QList<qint64>>("codes");
        using L = QList<qint64>;
        QTest::newRow("literal equal to a column name stays text") << "id = \"note\"" << L{1};
        QTest::newRow("literal naming the column itself") << "id = \"id\"" << L{};
        QTest::newRow("exact comparison") << "id = \"ABC\"" << L{};
        QTest::newRow("float against quoted numeral") << "num = \"12\"" << L{1};
        QTest::newRow("float against quoted numeral, no text order") << "num > \"100\"" << L{4};
        QTest::newRow("like is case-sensitive") << "id LIKE \"a%\"" << L{3};
        QTest::newRow("like with upper is case-blind") << "UPPER(id) LIKE UPPER(\"a%\")" << L{3, 4};
        QTest::newRow("upper folds non-ASCII") << "UPPER(id) = UPPER(\"ärger\")" << L{2};
        QTest::newRow("like on a quote") << "note LIKE \"%\"\"hi\"\"%\"" << L{2};
        QTest::newRow("underscore takes one letter") << "note LIKE \"_öü\"" << L{4};
        QTest::newRow("extract month") << "EXTRACT(MONTH FROM d) = 3" << L{1, 3};
        QTest::newRow("is null") << "note IS NULL" << L{3};
        QTest::newRow("logical true") << "ok = true" << L{1};
        QTest::newRow("logical false") << "ok = FALSE" << L{2, 3, 4};
        QTest::newRow("and, or, parentheses") << "(id = \"abc\" OR id = \"note\") and num >= 0"
                                              << L{1, 3};
        QTest::newRow("not equal") << "id <> \"abc\" and num <= 12" << L{1, 2};
        QTest::newRow("lower-case keywords") << "id = \"abc\" or ok = true and qty is null"
                                             << L{1, 3};
    }

    void whereClauses()
    {
        QFETCH(QString, where);
        QFETCH(QList<qint64>, codes);
        QCOMPARE(codesWhere(where), codes);
    }

    void orderBySeveralColumns()
    {
        exec(QStringLiteral("UPDATE T SET qty = 1 WHERE cod <= 2"));
        Query q(m_db);
        q.addSql(QStringLiteral("SELECT cod FROM T ORDER BY qty DESC, num, cod"));
        q.open();
        QList<qint64> codes;
        for (; !q.eof(); q.next())
            codes.append(q.fieldByName(QStringLiteral("cod")).asInteger());
        QCOMPARE(codes, QList<qint64>({2, 1, 3, 4}));
    }

    void dateParameters()
    {
        const auto codes = [this](const QString& where, const QDate& a, const QDate& b) {
            Query q(m_db);
            q.setSql({QStringLiteral("SELECT cod FROM T WHERE ") + where,
                      QStringLiteral("ORDER BY cod")});
            q.setDate(QStringLiteral("a1"), a);
            if (q.parameterNames().contains(QStringLiteral("a2")))
                q.setDate(QStringLiteral("a2"), b);
            q.open();
            QList<qint64> out;
            for (; !q.eof(); q.next())
                out.append(q.fieldByName(QStringLiteral("cod")).asInteger());
            return out;
        };
        const QDate day(2026, 3, 15);
        QCOMPARE(codes(QStringLiteral("d = :a1"), day, {}), QList<qint64>({1}));
        QCOMPARE(codes(QStringLiteral("d < :a1"), day, {}), QList<qint64>({3, 4}));
        QCOMPARE(codes(QStringLiteral("d <= :a1"), day, {}), QList<qint64>({1, 3, 4}));
        QCOMPARE(codes(QStringLiteral("d BETWEEN :a1 and :a2"), QDate(2026, 1, 1), day),
                 QList<qint64>({1, 4}));
    }

    void valuesRoundTrip()
    {
        const QDateTime when(QDate(2026, 12, 10), QTime(14, 30, 15));
        Query q(m_db);
        q.setSql({QStringLiteral("UPDATE T SET d = :d, qty = :q, note = :n WHERE cod = 3")});
        q.setDateTime(QStringLiteral("d"), when);
        q.setInteger(QStringLiteral("q"), 42);
        q.setText(QStringLiteral("n"), QStringLiteral("line 1\r\nline \"2\" 'x' ;:z"));
        q.execSql();
        q.setSql({QStringLiteral("SELECT * FROM T WHERE cod = 3")});
        q.open();
        QCOMPARE(q.fieldByName(QStringLiteral("d")).asDateTime(), when);
        QCOMPARE(q.fieldByName(QStringLiteral("Qty")).asString(), QStringLiteral("42"));
        QCOMPARE(q.fieldByName(QStringLiteral("note")).asString(),
                 QStringLiteral("line 1\r\nline \"2\" 'x' ;:z"));
        QCOMPARE(q.fieldByName(QStringLiteral("num")).asFloat(), 0.0);
        QCOMPARE(q.fieldByName(QStringLiteral("ok")).asBoolean(), false);
    }

    void nullReadsAsEmptyZeroFalse()
    {
        exec(QStringLiteral("INSERT INTO T (id) values (\"bare\")"));
        Query q(m_db);
        q.addSql(QStringLiteral("SELECT * FROM T WHERE id = \"bare\""));
        q.open();
        for (const char* name : {"note", "num", "qty", "d", "ok"}) {
            const Field f = q.fieldByName(QString::fromUtf8(name));
            QVERIFY(f.isNull());
            QCOMPARE(f.asString(), QString());
            QCOMPARE(f.asInteger(), 0);
            QCOMPARE(f.asFloat(), 0.0);
            QCOMPARE(f.asBoolean(), false);
        }
    }

    void parameterUsedTwiceAndInTwoStatements()
    {
        Query q(m_db);
        q.addSql(QStringLiteral("UPDATE T SET qty = :v WHERE cod = :v;"));
        q.addSql(QStringLiteral("UPDATE T SET num = :V WHERE cod = :v + 1"));
        q.setInteger(QStringLiteral("v"), 2);
        q.execSql();
        QCOMPARE(codesWhere(QStringLiteral("qty = 2")), QList<qint64>({2}));
        QCOMPARE(codesWhere(QStringLiteral("num = 2")), QList<qint64>({3}));
    }

    void severalStatementsRunAllOrNothing()
    {
        Query q(m_db);
        q.addSql(QStringLiteral("INSERT INTO T (id) values (\"one\");"));
        q.addSql(QStringLiteral("DELETE FROM T WHERE cod = 1;"));
        q.addSql(QStringLiteral("INSERT INTO Missing (id) values (\"two\")"));
        QCOMPARE(errorClassOf([&] { q.execSql(); }), QStringLiteral("EDatabaseError"));
        QCOMPARE(count(QStringLiteral("T")), 4);
        QCOMPARE(codesWhere(QStringLiteral("cod = 1")), QList<qint64>({1}));

        q.setSql({QStringLiteral("INSERT INTO T (id) values (\"one\"); DELETE FROM T WHERE cod = 1")});
        q.execSql();
        QCOMPARE(codesWhere(QStringLiteral("cod < 10")), QList<qint64>({2, 3, 4, 5}));
    }

    void writesAreCounted_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("rows");
        QTest::addColumn<qint64>("key");
        QTest::newRow("insert") << "INSERT INTO T (id) values (\"new\")" << 1LL << 5LL;
        QTest::newRow("update of two") << "UPDATE T SET qty = 7 WHERE num > 10" << 2LL << 0LL;
        QTest::newRow("update of a deleted row")
            << "UPDATE T SET qty = 7 WHERE cod = 99" << 0LL << 0LL;
        QTest::newRow("delete") << "DELETE FROM T WHERE cod = 1" << 1LL << 0LL;
        QTest::newRow("insert from select")
            << "INSERT INTO T (id) SELECT id FROM T WHERE ok = true" << 1LL << 5LL;
        QTest::newRow("insert from an empty select")
            << "INSERT INTO T (id) SELECT id FROM T WHERE cod > 99" << 0LL << 0LL;
        QTest::newRow("several statements")
            << "INSERT INTO T (id) values (\"a\"); INSERT INTO T (id) values (\"b\"); "
               "UPDATE T SET qty = 1 WHERE cod < 3"
            << 4LL << 6LL;
        QTest::newRow("a new table") << "CREATE TABLE U ( a INTEGER )" << 0LL << 0LL;
    }
    void writesAreCounted()
    {
        QFETCH(QString, text);
        QFETCH(qint64, rows);
        QFETCH(qint64, key);
        Query q(m_db);
        q.addSql(text);
        q.execSql();
        QCOMPARE(q.rowsAffected(), rows);
        QCOMPARE(q.insertedKey(), key);
    }

    void alterAddsColumnsToATableWithData()
    {
        exec(QStringLiteral("ALTER TABLE T ADD (extra LOGICAL,label Char(50))"));
        exec(QStringLiteral("ALTER TABLE T ADD (more INTEGER)"));
        Query q(m_db);
        q.addSql(QStringLiteral("SELECT * FROM T"));
        q.open();
        QCOMPARE(q.recordCount(), 4);
        for (const char* name : {"extra", "LABEL", "more"}) {
            QVERIFY(q.findField(QString::fromUtf8(name)).has_value());
            QVERIFY(q.fieldByName(QString::fromUtf8(name)).isNull());
        }
        QVERIFY(!q.findField(QStringLiteral("absent")).has_value());
    }

    void insertFromSelectAndDrop()
    {
        exec(QStringLiteral("CREATE TABLE U ( cod AUTOINC, id CHAR(50), note MEMO, num FLOAT, "
                            "qty INTEGER, d DATE, ok LOGICAL )"));
        exec(QStringLiteral("INSERT INTO U (SELECT * FROM T WHERE num >= 12);"
                            "DELETE FROM T WHERE num >= 12"));
        QCOMPARE(count(QStringLiteral("U")), 2);
        QCOMPARE(count(QStringLiteral("T")), 2);
        // Rows taken back keep their keys; new rows never reuse them.
        exec(QStringLiteral("INSERT INTO T (SELECT * FROM U); DELETE FROM U"));
        exec(QStringLiteral("INSERT INTO T (id) values (\"new\")"));
        QCOMPARE(codesWhere(QStringLiteral("cod > 0")), QList<qint64>({1, 2, 3, 4, 5}));
        QVERIFY(m_db.tableExists(QStringLiteral("u")));
        exec(QStringLiteral("DROP TABLE U"));
        QVERIFY(!m_db.tableExists(QStringLiteral("U")));
    }

    void cursor()
    {
        Query q(m_db);
        q.addSql(QStringLiteral("SELECT * FROM T ORDER BY cod"));
        q.open();
        QCOMPARE(q.recordCount(), 4);
        QCOMPARE(q.recNo(), 1);
        QVERIFY(q.bof() && !q.eof());
        q.next();
        q.next();
        QCOMPARE(q.recNo(), 3);
        q.prior();
        QCOMPARE(q.fieldByName(QStringLiteral("cod")).asInteger(), 2);
        q.last();
        QVERIFY(q.eof());
        QCOMPARE(q.recNo(), 4);
        q.setRecNo(99); // past the end: the last row
        QCOMPARE(q.recNo(), 4);
        q.setRecNo(2);
        QCOMPARE(q.fieldByName(QStringLiteral("id")).asString(), QStringLiteral("Ärger"));
        q.next();
        q.next();
        q.next();
        QVERIFY(q.eof());
        QCOMPARE(q.recNo(), 4);

        q.setSql({QStringLiteral("SELECT * FROM T WHERE cod < 0")});
        q.open();
        QVERIFY(q.eof() && q.isEmpty());
        QCOMPARE(q.recNo(), 0);
        QVERIFY(q.fieldByName(QStringLiteral("id")).isNull());
    }

    void errors_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("className");
        QTest::newRow("syntax") << "SELEC * FROM T" << "ESqlSyntaxError";
        QTest::newRow("missing table") << "SELECT * FROM Nowhere" << "EDatabaseError";
        QTest::newRow("unterminated literal") << "SELECT * FROM T WHERE id = \"x" << "ESqlSyntaxError";
    }

    void errors()
    {
        QFETCH(QString, text);
        QFETCH(QString, className);
        Query q(m_db);
        q.addSql(text);
        QCOMPARE(errorClassOf([&] { q.execSql(); }), className);
    }

    void misuseIsReported()
    {
        Query q(m_db);
        q.addSql(QStringLiteral("SELECT * FROM T WHERE cod = :cod"));
        QCOMPARE(errorClassOf([&] { q.setText(QStringLiteral("code"), {}); }),
                 QStringLiteral("EParameterError"));
        q.open();
        QCOMPARE(errorClassOf([&] { q.fieldByName(QStringLiteral("nope")); }),
                 QStringLiteral("EFieldNotFound"));
        q.setSql({QStringLiteral("DELETE FROM T WHERE cod = 0")});
        QCOMPARE(errorClassOf([&] { q.open(); }), QStringLiteral("EDatasetError"));
    }

    void fileThatIsNoDatabaseIsLeftAlone()
    {
        const QString path = file("junk.abs");
        QFile junk(path);
        QVERIFY(junk.open(QIODevice::WriteOnly));
        const QByteArray content = QByteArray("This is a letter, not an archive.\n").repeated(200);
        junk.write(content);
        junk.close();
        Database db;
        QString message;
        try {
            db.open(path);
            QFAIL("opened");
        } catch (const SqlError& e) {
            QCOMPARE(e.className(), QStringLiteral("EDatabaseFileError"));
            message = e.message();
        }
        QVERIFY2(message.contains(path), qPrintable(message));
        QVERIFY(!db.isOpen());
        QVERIFY(junk.open(QIODevice::ReadOnly));
        QCOMPARE(junk.readAll(), content);

        QCOMPARE(errorClassOf([&] { db.open(file("absent.abs")); }),
                 QStringLiteral("EFileNotFound"));
        QCOMPARE(errorClassOf([&] { db.create(path); }), QStringLiteral("EDatabaseError"));
    }

    void compactedCopyAndReopen()
    {
        const QString copy = file("copy.abs");
        QFile::remove(copy);
        m_db.compactCopyTo(copy);
        QCOMPARE(errorClassOf([&] { m_db.compactCopyTo(copy); }),
                 QStringLiteral("EDatabaseError"));
        m_db.close();
        QCOMPARE(errorClassOf([&] { count(QStringLiteral("T")); }),
                 QStringLiteral("EDatabaseError"));
        m_db.open(copy);
        QCOMPARE(count(QStringLiteral("T")), 4);
        m_db.reopen();
        QCOMPARE(m_db.path(), copy);
        QCOMPARE(count(QStringLiteral("T")), 4);
    }

    void twoProcessesShareOneFile()
    {
        const QString path = file("t.abs");
        exec(QStringLiteral("DELETE FROM T"));
        m_db.close();
        const auto start = [&](const QString& tag) {
            auto* p = new QProcess(this);
            p->start(QCoreApplication::applicationFilePath(),
                     {QStringLiteral("--insert-child"), path, QStringLiteral("1000"), tag});
            return p;
        };
        QProcess* a = start(QStringLiteral("a"));
        QProcess* b = start(QStringLiteral("b"));
        for (QProcess* p : {a, b}) {
            QVERIFY(p->waitForFinished(300000));
            QCOMPARE(p->exitStatus(), QProcess::NormalExit);
            QVERIFY2(p->exitCode() == 0, p->readAllStandardError().constData());
        }
        m_db.open(path);
        QCOMPARE(count(QStringLiteral("T")), 2000);
        QCOMPARE(codesWhere(QStringLiteral("id = \"a\"")).size(), 1000);
    }
};

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc == 5 && qstrcmp(argv[1], "--insert-child") == 0) {
        try {
            return insertRowsAsChild(QString::fromLocal8Bit(argv[2]), atoi(argv[3]),
                                     QString::fromLocal8Bit(argv[4]));
        } catch (const SqlError& e) {
            fprintf(stderr, "%s\n", e.what());
            return 1;
        }
    }
    TestDatabase test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_database.moc"

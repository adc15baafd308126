// The comma-separated writer, checked by what a real CSV reader (Python's
// csv module) makes of its files: every value must come back in its own
// column, whatever commas, quotes, line breaks or letters it holds.
#include "documents/csvwriter.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/resource.h>

using documents::CsvTable;

namespace {

const QString Python = QStringLiteral("/usr/bin/python3");

// The rows of `path` as Python's csv reader returns them.
QList<QStringList> readBack(const QString& path)
{
    QProcess python;
    python.start(Python,
                 {QStringLiteral("-c"),
                  QStringLiteral("import csv, json, sys\n"
                                 "with open(sys.argv[1], newline='', encoding='utf-8') as f:\n"
                                 "    print(json.dumps(list(csv.reader(f))))\n"),
                  path});
    if (!python.waitForFinished(20000) || python.exitCode() != 0)
        qWarning() << python.readAllStandardError();
    QList<QStringList> rows;
    for (const QJsonValue& row : QJsonDocument::fromJson(python.readAllStandardOutput()).array()) {
        QStringList fields;
        for (const QJsonValue& field : row.toArray())
            fields << field.toString();
        rows << fields;
    }
    return rows;
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestCsvWriter final : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (!QFile::exists(Python))
            QSKIP("no Python to read the files back");
    }

    void valueComesBackInItsColumn_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("readAs");
        QTest::addColumn<QString>("written");
        QTest::newRow("plain") << "Buy milk"
                               << "Buy milk"
                               << "Buy milk";
        QTest::newRow("comma") << "Milk, eggs"
                               << "Milk, eggs"
                               << "\"Milk, eggs\"";
        QTest::newRow("quote") << "The \"big\" one"
                               << "The \"big\" one"
                               << "\"The \"\"big\"\" one\"";
        QTest::newRow("quote and comma") << "\",\""
                                         << "\",\""
                                         << "\"\"\",\"\"\"";
        QTest::newRow("crlf in a note") << "first\r\nsecond"
                                        << "first  second"
                                        << "first  second";
        QTest::newRow("lone line feed") << "a\nb"
                                        << "a b"
                                        << "a b";
        QTest::newRow("empty") << ""
                               << ""
                               << "";
        QTest::newRow("blanks kept") << "  :  "
                                     << "  :  "
                                     << "  :  ";
        QTest::newRow("unicode") << "Café für Jürgen – 東京 ✓"
                                 << "Café für Jürgen – 東京 ✓"
                                 << "Café für Jürgen – 東京 ✓";
    }

    // Another delimiter is quoted instead of the comma; kept line breaks
    // stand inside the quotes.
    void otherFormat_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("written");
        QTest::newRow("delimiter") << "a;b"
                                   << "\"a;b\"";
        QTest::newRow("comma is plain") << "a,b"
                                        << "a,b";
        QTest::newRow("quote") << "say \"hi\""
                               << "\"say \"\"hi\"\"\"";
        QTest::newRow("line breaks kept") << "Via Roma 1\r\nRoma\nIT"
                                          << "\"Via Roma 1\r\nRoma\nIT\"";
    }

    void otherFormat()
    {
        QFETCH(QString, value);
        QFETCH(QString, written);
        const documents::CsvFormat format{u';', true};
        QCOMPARE(documents::csvField(value, format), written);
        CsvTable table{{"A", "B"}, {{value, "x"}}};
        QCOMPARE(documents::csvBytes(table, format), ("A;B\r\n" + written + ";x\r\n").toUtf8());
    }

    void valueComesBackInItsColumn()
    {
        QFETCH(QString, value);
        QFETCH(QString, readAs);
        QFETCH(QString, written);
        QCOMPARE(documents::csvField(value), written);

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("out.csv"));
        CsvTable table{{"FIRST", "VALUE", "LAST"}, {{"1", value, "end"}, {"2", "x", "y"}}};
        QCOMPARE(documents::writeCsvFile(path, table), QString());
        const QList<QStringList> rows = readBack(path);
        QCOMPARE(rows.size(), 3);
        QCOMPARE(rows.at(0), (QStringList{"FIRST", "VALUE", "LAST"}));
        QCOMPARE(rows.at(1), (QStringList{"1", readAs, "end"}));
        QCOMPARE(rows.at(2), (QStringList{"2", "x", "y"}));
    }

    void linesEndInCrlfAndTheFileIsUtf8WithoutMark()
    {
        const CsvTable table{{"A", "B"}, {{"ä", "b"}, {"", ""}}};
        const QByteArray bytes = documents::csvBytes(table);
        QCOMPARE(bytes, QByteArray("A,B\r\n\xc3\xa4,b\r\n,\r\n"));
        QVERIFY(!bytes.startsWith("\xef\xbb\xbf"));
    }

    void aFailedWriteIsToldAndLeavesTheOldFileWhole()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("plan.csv"));
        {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("old contents\r\n");
        }
        // A file size limit stands in for a full disk: writes past it fail.
        rlimit saved{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved;
        small.rlim_cur = 4096;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        CsvTable table{{"DESCRIPTION"}, {}};
        for (int i = 0; i < 2000; ++i)
            table.rows.push_back({QStringLiteral("entry number %1").arg(i)});
        const QString reason = documents::writeCsvFile(path, table);
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);

        QVERIFY(!reason.isEmpty());
        QCOMPARE(contents(path), QByteArray("old contents\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"plan.csv"});
    }

    void aFolderThatIsNotThereIsTold()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("missing/plan.csv"));
        QVERIFY(!documents::writeCsvFile(path, {{"A"}, {}}).isEmpty());
        QVERIFY(!QFile::exists(path));
    }

    void aNewFileReplacesAnOldOneWhole()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("list.csv"));
        QCOMPARE(documents::writeCsvFile(path, {{"A"}, {{"a long first version"}}}), QString());
        QCOMPARE(documents::writeCsvFile(path, {{"A"}, {{"b"}}}), QString());
        QCOMPARE(contents(path), QByteArray("A\r\nb\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestCsvWriter)
#include "tst_csvwriter.moc"

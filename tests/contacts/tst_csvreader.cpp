#include "contacts/csvreader.h"

#include <QtTest>

using namespace contacts;

using Records = QList<QStringList>;
using Lines = QList<int>;

class TestCsvReader final : public QObject
{
    Q_OBJECT
private slots:
    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QChar>("delimiter");
        QTest::addColumn<Records>("records");
        QTest::addColumn<Lines>("lines");

        QTest::newRow("plain") << "a;b;c\n1;2;3" << QChar(';')
                               << Records{{"a", "b", "c"}, {"1", "2", "3"}} << Lines{1, 2};
        QTest::newRow("quoted delimiter")
            << "Name,Town\n\"Smith, John\",Rome" << QChar(',')
            << Records{{"Name", "Town"}, {"Smith, John", "Rome"}} << Lines{1, 2};
        QTest::newRow("doubled quotes") << "\"say \"\"hi\"\"\",b,\"\"\"\"" << QChar(',')
                                        << Records{{"say \"hi\"", "b", "\""}} << Lines{1};
        QTest::newRow("line breaks inside quotes")
            << "\"Via Roma 1\r\n00100 Roma\";x\n\"a\nb\nc\";y\nlast;z" << QChar(';')
            << Records{{"Via Roma 1\r\n00100 Roma", "x"}, {"a\nb\nc", "y"}, {"last", "z"}}
            << Lines{1, 3, 6};
        QTest::newRow("CR LF, CR alone, trailing break")
            << "a;b\r\nc;d\re;f\r\n"
            << QChar(';') << Records{{"a", "b"}, {"c", "d"}, {"e", "f"}} << Lines{1, 2, 3};
        QTest::newRow("empty and blank lines skipped")
            << "a\n\n   \r\n\nb\n\n\n"
            << QChar(';') << Records{{"a"}, {"b"}} << Lines{1, 5};
        QTest::newRow("empty fields kept")
            << ";;\n\"\"\nx;" << QChar(';') << Records{{"", "", ""}, {""}, {"x", ""}}
            << Lines{1, 2, 3};
        QTest::newRow("quote inside a bare field is a character")
            << "5\" disk;O\"Brien\"" << QChar(';') << Records{{"5\" disk", "O\"Brien\""}}
            << Lines{1};
        QTest::newRow("text after a closing quote is kept")
            << "\"ab\"cd;e" << QChar(';') << Records{{"abcd", "e"}} << Lines{1};
        QTest::newRow("blanks kept, not a quote opener")
            << "  a , \"b;c\"" << QChar(';') << Records{{"  a , \"b", "c\""}} << Lines{1};
        QTest::newRow("other delimiter")
            << "a|\"b|c\"|d,e" << QChar('|') << Records{{"a", "b|c", "d,e"}} << Lines{1};
        QTest::newRow("empty text") << "" << QChar(';') << Records{} << Lines{};
    }

    void parse()
    {
        QFETCH(QString, text);
        QFETCH(QChar, delimiter);
        QFETCH(Records, records);
        QFETCH(Lines, lines);
        const CsvDocument doc = parseCsv(text, delimiter);
        QVERIFY2(doc.ok(), qPrintable(doc.error));
        Records got;
        Lines gotLines;
        for (const CsvRecord& r : doc.records) {
            got << r.fields;
            gotLines << r.line;
        }
        QCOMPARE(got, records);
        QCOMPARE(gotLines, lines);
    }

    // A quote left open would swallow the rest of the file into one value:
    // nothing is given, and the message points at where the value began.
    void unclosedQuote()
    {
        const CsvDocument doc = readCsvFile(CORVANDINE_TEST_DATA "/unclosed-quote.csv", u';');
        QVERIFY(doc.records.isEmpty());
        QCOMPARE(doc.error, "Line 3: a value that begins with a double quote has no closing "
                            "double quote.");
    }

    void unreadableFile()
    {
        const CsvDocument doc = readCsvFile("/nonexistent/contacts.csv", u';');
        QVERIFY(doc.records.isEmpty());
        QVERIFY(doc.error.startsWith("I cannot read \"/nonexistent/contacts.csv\": "));
    }

    void decode_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("ASCII") << QByteArray("Name;Tel") << "Name;Tel";
        QTest::newRow("UTF-8") << QByteArray("J\xC3\xBCrgen \xE2\x82\xAC") << "Jürgen €";
        QTest::newRow("UTF-8 with byte-order mark") << QByteArray("\xEF\xBB\xBFName") << "Name";
        QTest::newRow("Windows-1252")
            << QByteArray("J\xFCrgen \x80 \x93q\x94 \x8A\x9F \x81") << "Jürgen € “q” ŠŸ \u0081";
        QTest::newRow("byte-order mark, then Windows-1252") << QByteArray("\xEF\xBB\xBF"
                                                                          "Caf\xE9")
                                                            << "Café";
    }

    void decode()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(decodeCsvText(bytes), text);
    }

    // The same address book saved by two programs reads the same.
    void codePagesReadAlike()
    {
        const CsvDocument utf8 = readCsvFile(CORVANDINE_TEST_DATA "/contacts-utf8.csv", u',');
        const CsvDocument cp1252 = readCsvFile(CORVANDINE_TEST_DATA "/contacts-cp1252.csv", u',');
        QVERIFY(utf8.ok() && cp1252.ok());
        QCOMPARE(utf8.records, cp1252.records);
        QCOMPARE(utf8.records.size(), 5);
        QCOMPARE(utf8.records[0].fields.front(), "Name");
        QCOMPARE(utf8.records[3].fields, QStringList({"Jürgen", "Müller", "", "", "Straße 5"}));
    }
};

QTEST_APPLESS_MAIN(TestCsvReader)
#include "tst_csvreader.moc"

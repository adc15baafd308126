#include "notes/notefile.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <sys/resource.h>

using namespace notes;

class TestNoteFile final : public QObject
{
    Q_OBJECT
private slots:
    void import_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("charset");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("text");
        QTest::newRow("UTF-8") << QByteArray("caf\xc3\xa9\nna\xc3\xafve") << 0 << true
                               << "caf\u00e9\r\nna\u00efve\r\n";
        QTest::newRow("UTF-8 whatever the character set")
            << QByteArray("\xd0\x96") << 204 << true << "\u0416\r\n";
        QTest::newRow("UTF-8 with its byte-order mark")
            << QByteArray("\xef\xbb\xbf\xc3\xa8 ok\r\n") << 0 << true << "\u00e8 ok\r\n";
        QTest::newRow("Windows-1252 with ANSI")
            << QByteArray("caf\xe9 \x80 5\r\n") << 0 << true << "caf\u00e9 \u20ac 5\r\n";
        QTest::newRow("Windows-1251 with Cyrillic")
            << QByteArray("\xc6\xe8") << 204 << true << "\u0416\u0438\r\n";
        QTest::newRow("Windows-1253 with Greek")
            << QByteArray("\xe1\xe2") << 161 << true << "\u03b1\u03b2\r\n";
        QTest::newRow("tabs and accented letters")
            << QByteArray("a\tb\t\xe0") << 0 << true << "a\tb\t\u00e0\r\n";
        QTest::newRow("every break becomes CRLF")
            << QByteArray("a\nb\rc\r\nd\n") << 0 << true << "a\r\nb\r\nc\r\nd\r\n";
        QTest::newRow("empty file") << QByteArray() << 0 << true << "";
        QTest::newRow("trailing end-of-file byte dropped")
            << QByteArray("ab\r\n\x1a") << 0 << true << "ab\r\n";
        QTest::newRow("only the last one") << QByteArray("a\x1a\x1a") << 0 << true << "a\x1a\r\n";
        QTest::newRow("zero byte refused") << QByteArray("abc\0def", 7) << 0 << false << "";
        QTest::newRow("zero byte at the end refused") << QByteArray("abc\0", 4) << 0 << false << "";
        QTest::newRow("UTF-16 refused") << QByteArray("\xff\xfe"
                                                      "a\0",
                                                      4)
                                        << 0 << false << "";
        QTest::newRow("other control byte refused") << QByteArray("a\x07") << 0 << false << "";
    }
    void import()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, charset);
        QFETCH(bool, accepted);
        const std::optional<QString> text = decodeNoteFile(bytes, charset);
        QCOMPARE(text.has_value(), accepted);
        if (accepted)
            QTEST(*text, "text");
    }

    void codePages_data()
    {
        QTest::addColumn<int>("charset");
        QTest::addColumn<int>("codePage");
        QTest::newRow("ANSI") << 0 << 1252;
        QTest::newRow("MAC") << 77 << 10000;
        QTest::newRow("shift-jis") << 128 << 932;
        QTest::newRow("Cyrillic") << 204 << 1251;
        QTest::newRow("EASTEUROPE") << 238 << 1250;
        QTest::newRow("Thai") << 222 << 874;
        QTest::newRow("OEM") << 255 << 437;
        QTest::newRow("unknown number") << 99 << 1252;
    }
    void codePages()
    {
        QFETCH(int, charset);
        QTEST(codePageOf(charset), "codePage");
    }

    void refusalMessage()
    {
        QCOMPARE(notTextMessage(),
                 QStringLiteral("Spiacente, posso importare soltanto i file di tipo ascii!"));
    }

    void exportBytes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("lines end with CRLF") << "ab\nc" << QByteArray("ab\r\nc\r\n");
        QTest::newRow("stored CRLF not doubled") << "ab\r\nc\r\n" << QByteArray("ab\r\nc\r\n");
        QTest::newRow("UTF-8, no mark") << "\u00e8\u20ac" << QByteArray("\xc3\xa8\xe2\x82\xac\r\n");
        QTest::newRow("empty") << "" << QByteArray();
        QTest::newRow("empty lines") << "\n\n" << QByteArray("\r\n\r\n");
    }
    void exportBytes()
    {
        QFETCH(QString, text);
        QTEST(encodeNoteFile(text), "bytes");
    }

    void exportWritesAndRoundTrips()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("note.txt"));
        QVERIFY(writeNoteFile(path, QStringLiteral("caf\u00e9\nline")).isEmpty());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QCOMPARE(bytes, QByteArray("caf\xc3\xa9\r\nline\r\n"));
        QCOMPARE(decodeNoteFile(bytes, 0), std::optional<QString>(u"caf\u00e9\r\nline\r\n"_qs));
        QCOMPARE(fileNameOnly(path), QStringLiteral("note.txt"));
    }

    // A write that cannot complete (here: the file-size limit of the process,
    // as a full disk would) says why and leaves the old file whole.
    void failedExportKeepsOldFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("old.txt"));
        {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("old contents\r\n");
        }
        rlimit saved{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved;
        small.rlim_cur = 4096;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        const QString error = writeNoteFile(path, QString(100000, u'x'));
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);
        QVERIFY(!error.isEmpty());
        QFile old(path);
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("old contents\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("old.txt")});
    }

    void exportIntoMissingFolderFails()
    {
        QTemporaryDir dir;
        QVERIFY(!writeNoteFile(dir.filePath(QStringLiteral("no/such/folder/x.txt")),
                               QStringLiteral("x"))
                     .isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestNoteFile)
#include "tst_notefile.moc"

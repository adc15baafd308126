#include "../calendar/archivefixture.h"
#include "app/agenda.h"

using namespace calendar;

class TestContactsCommands final : public QObject
{
    Q_OBJECT
    std::unique_ptr<ArchiveFixture> m_archive;
    QTemporaryDir m_files;

    struct Run
    {
        std::optional<int> code;
        QString out;
        QString err;
    };
    Run run(QStringList arguments)
    {
        arguments << "--archive" << m_archive->folder.path();
        Run r;
        QTextStream out(&r.out);
        QTextStream err(&r.err);
        r.code = app::runCommandLine(arguments, out, err);
        return r;
    }
    QString file(const QString& name, const QByteArray& bytes)
    {
        QFile f(m_files.filePath(name));
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(name));
        return f.fileName();
    }
    QStringList rows()
    {
        store::Query q(m_archive->db);
        q.setSql({"SELECT ragsoc, tel, gruppo FROM CRcon63 ORDER BY codcon"});
        q.open();
        QStringList out;
        for (; !q.eof(); q.next())
            out << q.fieldByName("ragsoc").asString() + "|" + q.fieldByName("tel").asString() +
                       "|" + q.fieldByName("gruppo").asString();
        return out;
    }

private slots:
    void init()
    {
        m_archive = std::make_unique<ArchiveFixture>();
        store::Query q(m_archive->db);
        q.setSql({"INSERT INTO CRcon63 (ragsoc, tel, gruppo) VALUES ('Anna', '06 1', 'Work')"});
        q.execSql();
    }
    void cleanup() { m_archive.reset(); }

    // Bad input: exit 2, one line on the error stream, nothing written.
    void badInput_data()
    {
        const QString good = file("good.csv", "Name;Phone\nBruno;555\n");
        const QString broken = file("broken.csv", "Name;Note\nBruno;\"open\nCarla;x\n");
        const QString nameless = file("nameless.csv", "Who;Phone\nBruno;555\n");
        const QString out = m_files.filePath("out.csv");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("no file") << QStringList{"--import", "contacts"} << "takes 'contacts FILE'";
        QTest::newRow("not contacts")
            << QStringList{"--import", "notes", good} << "takes 'contacts FILE'";
        QTest::newRow("mode") << QStringList{"--import", "contacts", good, "--mode", "merge"}
                              << "bad mode 'merge'";
        QTest::newRow("delimiter")
            << QStringList{"--import", "contacts", good, "--delimiter", ";;"} << "bad delimiter";
        QTest::newRow("quote delimiter")
            << QStringList{"--import", "contacts", good, "--delimiter", "\""} << "bad delimiter";
        QTest::newRow("empty group")
            << QStringList{"--import", "contacts", good, "--group", " "} << "--group needs a name";
        QTest::newRow("layout with import")
            << QStringList{"--import", "contacts", good, "--layout", "chopped"}
            << "unexpected argument '--layout'";
        QTest::newRow("bad layout")
            << QStringList{"--export", "contacts", out, "--layout", "wide"} << "bad layout 'wide'";
        QTest::newRow("both") << QStringList{"--export", "contacts", out,
                                             "--import", "contacts", good}
                              << "one at a time";
        QTest::newRow("missing file")
            << QStringList{"--import", "contacts", m_files.filePath("none.csv")} << "I cannot read";
        QTest::newRow("broken file") << QStringList{"--import", "contacts", broken} << "Line 2: ";
        QTest::newRow("no name column")
            << QStringList{"--import", "contacts", nameless} << "names no \"Name\" column";
        QTest::newRow("unwritable export")
            << QStringList{"--export", "contacts", m_files.filePath("no/out.csv")}
            << "cannot write";
    }

    void badInput()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        const QStringList before = rows();
        const Run r = run(arguments);
        QCOMPARE(r.code, std::optional<int>(app::ExitUsage));
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
        QVERIFY(r.err.startsWith("corvandine: "));
        QCOMPARE(r.err.count('\n'), 1);
        QVERIFY(r.out.isEmpty());
        QCOMPARE(rows(), before);
        QVERIFY(!QFile::exists(m_files.filePath("out.csv")));
    }

    void missingArchive()
    {
        Run r;
        QTextStream out(&r.out);
        QTextStream err(&r.err);
        r.code = app::runCommandLine({"--export", "contacts", m_files.filePath("out.csv"),
                                      "--archive", m_files.filePath("nowhere")},
                                     out, err);
        QCOMPARE(r.code, std::optional<int>(app::ExitUsage));
        QVERIFY(r.err.contains("no archive at"));
    }

    // The import maps the columns by their names, takes the options, and
    // reads back what the export wrote.
    void importAndExport()
    {
        const QString in = file("in.csv", "x,PHONE,name\n1,555,Bruno\n2,,anna\n");
        Run r = run({"--import", "contacts", in, "--delimiter", ",", "--mode", "integrate",
                     "--group", "Cli"});
        QCOMPARE(r.code, std::optional<int>(app::ExitOk));
        QCOMPARE(r.out, "Contacts imported or updated: 2\n");
        QCOMPARE(rows(), QStringList({"anna|06 1|Work Cli", "Bruno|555|Cli"}));

        const QString out = m_files.filePath("out.csv");
        r = run({"--export", "contacts", out, "--layout", "chopped"});
        QCOMPARE(r.code, std::optional<int>(app::ExitOk));
        QCOMPARE(r.out, "Contacts exported: 2\n");
        QFile f(out);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.readLine().startsWith("Name;Name2;Name3;Company;"));

        r = run({"--export", "contacts", out});
        QCOMPARE(r.code, std::optional<int>(app::ExitOk));
        r = run({"--import", "contacts", out, "--delete-all", "--mode", "new"});
        QCOMPARE(r.code, std::optional<int>(app::ExitOk));
        QCOMPARE(rows(), QStringList({"anna|06 1|Work Cli", "Bruno|555|Cli"}));
    }

    // "--export todo" stays the documents' own.
    void otherExportsUntouched()
    {
        const Run r = run({"--export", "notes", m_files.filePath("x.csv")});
        QCOMPARE(r.code, std::optional<int>(app::ExitUsage));
        QVERIFY(r.err.contains("expected todo, plan or contacts"));
    }
};

QTEST_GUILESS_MAIN(TestContactsCommands)
#include "tst_contactscommands.moc"

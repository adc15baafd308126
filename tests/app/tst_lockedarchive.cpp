// The command line and an archive the window opens locked: every command
// that reads the archive wants its password as one line on standard input,
// refuses without it (exit 2, one line on stderr, nothing written) and never
// takes it as an argument. An archive that opens unlocked is read without
// touching standard input.
#include "app/lock/passwordhash.h"
#include "store/database.h"
#include "store/query.h"
#include "store/schema.h"

#include <QCryptographicHash>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray fileHash(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

} // namespace

class TestLockedArchive final : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

    QString archiveFolder() const { return m_dir.filePath("archive"); }
    QString archivePath() const { return m_dir.filePath("archive/coarc.abs"); }

    // Sets the password column and "Lock on startup" of the archive.
    void lockWith(const QString& psw, const QString& blocco)
    {
        store::Database db;
        db.open(archivePath());
        store::Query q(db);
        q.setSql({"UPDATE CRset63 SET psw = :psw, blocco = :blocco"});
        q.setText("psw", psw);
        q.setText("blocco", blocco);
        q.execSql();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(QDir().mkpath(archiveFolder()));
        store::Database db;
        db.create(archivePath());
        store::Query general(db);
        store::Query settings(db);
        store::ArchiveEnvironment env;
        env.archiveFolder = archiveFolder();
        env.programFolder = m_dir.path();
        store::ArchiveBuilder(db, general, settings, env).build();
        general.setSql({"INSERT INTO CRtod63 (id, priority, flag, percento) VALUES (\"Call Ann\", "
                        "5, \"No\", 0)"});
        general.execSql();
        QFile contacts(m_dir.filePath("in.csv"));
        QVERIFY(contacts.open(QIODevice::WriteOnly));
        contacts.write("Name;Phone\r\nAnna Rossi;123\r\n");
    }

    void commands_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("psw"); // "hash:" + password, or as stored
        QTest::addColumn<QString>("blocco");
        QTest::addColumn<std::optional<QByteArray>>("input"); // nullopt: input left open
        QTest::addColumn<int>("code");
        const QString hash = "hash:Secret9";
        const QStringList commands[] = {
            {"--agenda", "2026-03-16", "--archive", "<archive>"},
            {"--export", "todo", "<out>", "--archive", "<archive>"},
            {"--export", "plan", "<out>", "--date", "2026-03-16", "--archive", "<archive>"},
            {"--export", "contacts", "<out>", "--archive", "<archive>"},
            {"--report", "todo", "--pdf", "<out>", "--archive", "<archive>"},
            {"--import", "contacts", "<in>", "--archive", "<archive>"},
        };
        for (const QStringList& command : commands) {
            const QString name = command.mid(0, 2).join(' ');
            const auto row = [&name](const char* what) -> QTestData& {
                return QTest::newRow(qPrintable(name + QStringLiteral(", ") + QLatin1String(what)));
            };
            row("no password") << command << hash << "Y" << std::optional<QByteArray>("") << 2;
            row("wrong password") << command << hash << "Y"
                                  << std::optional<QByteArray>("Secret8\n") << 2;
            row("other letter case")
                << command << hash << "Y" << std::optional<QByteArray>("secret9\n") << 2;
            row("right password") << command << hash << "Y"
                                  << std::optional<QByteArray>("Secret9\n") << 0;
            row("no lock on startup, input untouched")
                << command << hash << "N" << std::optional<QByteArray>() << 0;
        }
        const QStringList agenda = commands[0];
        QTest::newRow("password as an argument")
            << (agenda + QStringList{"--password", "Secret9"}) << hash << "Y"
            << std::optional<QByteArray>("") << 2;
        QTest::newRow("old plain text, right, left as it is")
            << agenda << "Secret9"
            << "Y" << std::optional<QByteArray>("Secret9\r\n") << 0;
        QTest::newRow("old plain text, wrong") << agenda << "Secret9"
                                               << "Y" << std::optional<QByteArray>("Secret\n") << 2;
        QTest::newRow("no password, input untouched") << agenda << ""
                                                      << "Y" << std::optional<QByteArray>() << 0;
    }
    void commands()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, psw);
        QFETCH(QString, blocco);
        QFETCH(std::optional<QByteArray>, input);
        QFETCH(int, code);
        lockWith(psw.startsWith("hash:") ? app::lock::hashPassword(psw.mid(5)) : psw, blocco);
        const QByteArray before = fileHash(archivePath());
        QTemporaryDir out;
        const QString outFile = out.filePath("out.file");
        arguments.replaceInStrings("<archive>", archiveFolder());
        arguments.replaceInStrings("<out>", outFile);
        arguments.replaceInStrings("<in>", m_dir.filePath("in.csv"));

        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        p.setProcessEnvironment(env);
        p.start(CORVANDINE_EXE, arguments);
        QVERIFY(p.waitForStarted());
        if (input) {
            p.write(*input);
            p.closeWriteChannel();
        }
        // With the input left open, a command that waited for a password
        // would never end.
        QVERIFY2(p.waitForFinished(20000), "the command waited for input");
        const QByteArray err = p.readAllStandardError();
        QCOMPARE(p.exitCode(), code);
        if (code == 0) {
            QVERIFY2(err.isEmpty(), err.constData());
            // Reading never writes, an old plain-text password included.
            if (!arguments.contains("--import"))
                QCOMPARE(fileHash(archivePath()), before);
            return;
        }
        QCOMPARE(err.count('\n'), 1);
        QVERIFY(err.startsWith("corvandine: "));
        QVERIFY(p.readAllStandardOutput().isEmpty());
        QVERIFY(!QFileInfo::exists(outFile));
        QCOMPARE(fileHash(archivePath()), before);
    }
};

QTEST_GUILESS_MAIN(TestLockedArchive)
#include "tst_lockedarchive.moc"

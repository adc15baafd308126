#include "app/archivefolder.h"
#include "app/archivepaths.h"
#include "platform/testing/manualclock.h"
#include "platform/testing/recordingdesktop.h"
#include "platform/testing/scriptedprompter.h"
#include "store/database.h"
#include "store/query.h"
#include "store/schema.h"
#include "store/sqlerror.h"

#include <QTemporaryDir>
#include <QtTest>
#include <filesystem>

using namespace app;

class TestArchiveFolder final : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<QTemporaryDir> m_dir;
    platform::ScriptedPrompter m_prompter;
    platform::ManualClock m_clock{QDateTime(QDate(2026, 12, 10), QTime(8, 5, 9))};
    platform::RecordingDesktop m_desktop;
    shared::AppState m_state;

    std::unique_ptr<ArchiveFolder> folder()
    {
        return std::make_unique<ArchiveFolder>(m_state,
                                               shared::Services{m_prompter, m_clock, m_desktop});
    }

    // A real archive with one task whose description is `marker`.
    void makeArchive(const QString& path, const QString& marker)
    {
        store::Database db;
        db.create(path);
        store::Query general(db), settings(db);
        store::ArchiveBuilder(db, general, settings, {}).build();
        general.setSql({QStringLiteral("INSERT INTO CRarc66 (id, flag) values (:id, \"O\")")});
        general.setText(QStringLiteral("id"), marker);
        general.execSql();
    }

    QString taskIn(store::Database& db)
    {
        store::Query q(db);
        q.setSql({QStringLiteral("SELECT id FROM CRarc66")});
        q.open();
        return q.fieldByName(QStringLiteral("id")).asString();
    }

    QByteArray bytesOf(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_prompter = platform::ScriptedPrompter();
        m_state = shared::AppState();
        m_state.programFolder = m_dir->path();
        m_state.defaultArchiveFolder = m_dir->filePath(QStringLiteral("myarcs"));
        m_state.archiveFolder = m_state.defaultArchiveFolder;
    }

    void emptyFolderGetsANewArchive()
    {
        store::Database db;
        folder()->openArchive(db);
        QVERIFY(QFile::exists(m_dir->filePath(QStringLiteral("myarcs/coarc.abs"))));
        QVERIFY(db.isOpen());
    }

    void pendingRestoreIsSwappedIn()
    {
        QDir().mkpath(m_state.archiveFolder);
        makeArchive(databaseFilePath(m_state.archiveFolder), QStringLiteral("old"));
        makeArchive(pendingRestorePath(m_state.archiveFolder), QStringLiteral("restored"));
        store::Database db;
        folder()->openArchive(db);
        QCOMPARE(taskIn(db), QStringLiteral("restored"));
        QVERIFY(!QFile::exists(pendingRestorePath(m_state.archiveFolder)));
        store::Database kept;
        kept.open(
            QDir(m_state.archiveFolder).filePath(QStringLiteral("coarc-2026-12-10-08-05-09.abs")));
        QCOMPARE(taskIn(kept), QStringLiteral("old"));
    }

    void corruptArchiveIsReportedAndLeftAlone()
    {
        QDir().mkpath(m_state.archiveFolder);
        const QString path = databaseFilePath(m_state.archiveFolder);
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(5000, '\x5a'));
        f.close();
        store::Database db;
        try {
            folder()->openArchive(db);
            QFAIL("opened a corrupt archive");
        } catch (const store::SqlError& e) {
            QCOMPARE(e.className(), QStringLiteral("EDatabaseFileError"));
            QVERIFY(e.message().contains(path));
        }
        QCOMPARE(bytesOf(path), QByteArray(5000, '\x5a'));
    }

    void redirectToAnExistingFolderIsFollowed()
    {
        const QString shared = m_dir->filePath(QStringLiteral("shared"));
        QDir().mkpath(shared);
        QVERIFY(writeRedirect(m_state.defaultArchiveFolder, shared));
        folder()->readNetFolder();
        QCOMPARE(m_state.archiveFolder, shared);
        QVERIFY(m_prompter.shown.isEmpty());
    }

    void vanishedRedirect_data()
    {
        QTest::addColumn<bool>("lookAgain");
        QTest::newRow("No deletes the redirect") << false;
        QTest::newRow("Yes keeps it for next time") << true;
    }

    void vanishedRedirect()
    {
        QFETCH(bool, lookAgain);
        const QString gone = m_dir->filePath(QStringLiteral("gone"));
        QVERIFY(writeRedirect(m_state.defaultArchiveFolder, gone));
        m_prompter.answers.enqueue(lookAgain);
        auto archive = folder();
        archive->readNetFolder();
        QCOMPARE(m_state.archiveFolder, m_state.defaultArchiveFolder);
        QVERIFY(!m_state.restoreBlocked);
        QCOMPARE(m_prompter.shown.first().text,
                 QStringLiteral("I have not found the archive folder (") + gone +
                     QStringLiteral("), so I went back to default folder (") +
                     m_state.defaultArchiveFolder +
                     QStringLiteral("). Do I look for it at the next reboot?"));
        QCOMPARE(archive->isRedirected(), lookAgain);
        QCOMPARE(m_prompter.shown.size(), lookAgain ? 1 : 2);
    }

    void backupIsAValidArchive()
    {
        store::Database db;
        auto archive = folder();
        archive->openArchive(db);
        store::Query general(db), settings(db);
        store::ArchiveBuilder(db, general, settings, {}).build();
        const QString target = m_dir->filePath(QStringLiteral("copy.abs"));
        m_prompter.files.enqueue(target);
        QVERIFY(archive->backup(db));
        store::Database copy;
        copy.open(target);
        QVERIFY(copy.tableExists(QStringLiteral("CRset63")));

        // Overwriting is asked; "No" leaves the file as it was.
        const QByteArray before = bytesOf(target);
        m_prompter.files.enqueue(target);
        m_prompter.answers.enqueue(false);
        QVERIFY(!archive->backup(db));
        QCOMPARE(m_prompter.shown.last().text, QStringLiteral("Overwrite \"copy.abs\"?"));
        QCOMPARE(bytesOf(target), before);
    }

    void backupOntoTheArchiveInUseIsRefused_data()
    {
        QTest::addColumn<QString>("spelling");
        QTest::newRow("the same path") << QStringLiteral("same");
        QTest::newRow("through \"..\"") << QStringLiteral("dotdot");
        QTest::newRow("doubled separators") << QStringLiteral("slashes");
        QTest::newRow("a symbolic link") << QStringLiteral("symlink");
        QTest::newRow("a link to its folder") << QStringLiteral("folderlink");
        QTest::newRow("a hard link") << QStringLiteral("hardlink");
    }

    // Writing the copy would put a new file in place of the open one: every
    // later edit would go to a file no longer in the folder.
    void backupOntoTheArchiveInUseIsRefused()
    {
        QFETCH(QString, spelling);
        store::Database db;
        auto archive = folder();
        archive->openArchive(db);
        store::Query general(db), settings(db);
        store::ArchiveBuilder(db, general, settings, {}).build();
        const QString live = db.path();
        QString target = live;
        if (spelling == u"dotdot")
            target = m_dir->filePath(QStringLiteral("myarcs/../myarcs/coarc.abs"));
        else if (spelling == u"slashes")
            target = m_dir->path() + QStringLiteral("//myarcs//coarc.abs");
        else if (spelling == u"symlink") {
            target = m_dir->filePath(QStringLiteral("link.abs"));
            QVERIFY(QFile::link(live, target));
        } else if (spelling == u"folderlink") {
            QVERIFY(QFile::link(m_state.archiveFolder, m_dir->filePath(QStringLiteral("arcs"))));
            target = m_dir->filePath(QStringLiteral("arcs/coarc.abs"));
        } else if (spelling == u"hardlink") {
            target = m_dir->filePath(QStringLiteral("hard.abs"));
            std::filesystem::create_hard_link(live.toStdString(), target.toStdString());
        }
        m_prompter.files.enqueue(target);
        m_prompter.answers.enqueue(true); // would overwrite if asked
        QVERIFY(!archive->backup(db));
        QCOMPARE(m_prompter.shown.size(), 1);
        QCOMPARE(m_prompter.shown.last().kind, platform::Prompter::Kind::Warning);
        QCOMPARE(m_prompter.shown.last().text,
                 QStringLiteral("I can not write the backup over the archive in use: \"") + target +
                     QStringLiteral("\". Please choose another file."));

        // An edit made afterwards is in the archive the next start opens.
        general.setSql(
            {QStringLiteral("INSERT INTO CRarc66 (id, flag) values (\"later\", \"O\")")});
        general.execSql();
        db.close();
        store::Database next;
        next.open(live);
        QCOMPARE(taskIn(next), QStringLiteral("later"));
    }

    void restoreRefusesAFileThatIsNoArchive()
    {
        store::Database db;
        auto archive = folder();
        archive->openArchive(db);
        const QString junk = m_dir->filePath(QStringLiteral("junk.abs"));
        QFile f(junk);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("not an archive at all, just some text that is long enough to be read");
        f.close();
        m_prompter.files.enqueue(junk);
        QCOMPARE(archive->restore(db, false), ArchiveFolder::Outcome::Stay);
        QVERIFY(m_prompter.shown.last().text.startsWith(QStringLiteral("I can not import!")));
        QVERIFY(!QFile::exists(pendingRestorePath(m_state.archiveFolder)));
        QVERIFY(db.isOpen());
    }

    void restoreWritesAutostartIntoTheCopy()
    {
        store::Database db;
        auto archive = folder();
        archive->openArchive(db);
        const QString source = m_dir->filePath(QStringLiteral("backup.abs"));
        makeArchive(source, QStringLiteral("from backup"));
        m_prompter.files.enqueue(source);
        QCOMPARE(archive->restore(db, true), ArchiveFolder::Outcome::EndProgram);
        store::Database pending;
        pending.open(pendingRestorePath(m_state.archiveFolder));
        store::Query q(pending);
        q.setSql({QStringLiteral("SELECT autostart FROM CRset63")});
        q.open();
        QCOMPARE(q.fieldByName(QStringLiteral("autostart")).asString(), QStringLiteral("Y"));
    }

    void changeFolderLengthLimit_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("125 characters") << 125 << true;
        QTest::newRow("126 characters") << 126 << false;
    }

    void changeFolderLengthLimit()
    {
        QFETCH(int, length);
        QFETCH(bool, accepted);
        QString path = QStringLiteral("/srv/");
        path += QString(length - path.size(), u'x');
        m_prompter.files.enqueue(path);
        const auto outcome = folder()->change();
        QCOMPARE(outcome == ArchiveFolder::Outcome::EndProgram, accepted);
        QCOMPARE(readRedirect(m_state.defaultArchiveFolder).value_or(QString()),
                 accepted ? path : QString());
        if (!accepted)
            QVERIFY(m_prompter.shown.last().text.endsWith(
                QStringLiteral("Try again with a shorter one at least 1 characters.")));
    }
};

QTEST_GUILESS_MAIN(TestArchiveFolder)
#include "tst_archivefolder.moc"

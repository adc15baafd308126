// Real processes of the program: a second start hands over and ends, and a
// socket left behind by a killed program does not block the next start.
#include "platform/qt/localinstance.h"
#include "store/database.h"
#include "store/query.h"
#include "store/schema.h"

#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestSingleInstance final : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString m_archive;
    QList<QProcess*> m_running;

    QProcess* start(const QStringList& extra)
    {
        auto* p = new QProcess(this);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("corvandine.instance.info=true"));
        p->setProcessEnvironment(env);
        p->setProcessChannelMode(QProcess::SeparateChannels);
        p->start(QStringLiteral(CORVANDINE_EXE), QStringList{QStringLiteral("--archive"), m_archive} + extra);
        m_running.append(p);
        return p;
    }

    bool listening() const
    {
        QLocalSocket probe;
        probe.connectToServer(platform::instanceName(m_archive));
        return probe.waitForConnected(200);
    }

    static bool logged(QProcess* p, QByteArray& seen, const QByteArray& line)
    {
        p->waitForReadyRead(100);
        seen += p->readAllStandardError();
        return seen.contains(line);
    }

private slots:
    void initTestCase()
    {
        // An archive that exists already: the first start has no report to show.
        m_archive = m_dir.filePath(QStringLiteral("arc"));
        QDir().mkpath(m_archive);
        store::Database db;
        db.create(QDir(m_archive).filePath(QStringLiteral("coarc.abs")));
        store::Query general(db), settings(db);
        store::ArchiveBuilder(db, general, settings, {}).build();
    }

    void cleanup()
    {
        for (QProcess* p : std::as_const(m_running)) {
            p->kill();
            p->waitForFinished(5000);
        }
        qDeleteAll(m_running);
        m_running.clear();
    }

    void secondStartHandsOverAndEnds()
    {
        QProcess* first = start({});
        QTRY_VERIFY_WITH_TIMEOUT(listening(), 20000);
        QProcess* second = start({QStringLiteral("a"), QStringLiteral("b c")});
        QVERIFY(second->waitForFinished(20000));
        QCOMPARE(second->exitStatus(), QProcess::NormalExit);
        QCOMPARE(second->exitCode(), 0);
        QByteArray seen;
        QTRY_VERIFY_WITH_TIMEOUT(logged(first, seen, "handed over: a | b c"), 10000);
        QTRY_VERIFY_WITH_TIMEOUT(logged(first, seen, "show requested"), 10000);
        QCOMPARE(first->state(), QProcess::Running);
    }

    void staleSocketDoesNotBlockTheNextStart()
    {
        QProcess* killed = start({});
        QTRY_VERIFY_WITH_TIMEOUT(listening(), 20000);
        killed->kill(); // leaves its socket file behind
        QVERIFY(killed->waitForFinished(5000));
        QVERIFY(!listening());

        QProcess* next = start({});
        QTRY_VERIFY_WITH_TIMEOUT(listening(), 20000);
        QProcess* third = start({});
        QVERIFY(third->waitForFinished(20000));
        QCOMPARE(third->exitCode(), 0);
        QByteArray seen;
        QTRY_VERIFY_WITH_TIMEOUT(logged(next, seen, "show requested"), 10000);
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"

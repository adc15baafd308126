#include "archivefixture.h"
#include "calendar/dayselection.h"
#include "calendar/repository.h"
#include "store/sqlerror.h"

#include <sqlite3.h>

using namespace calendar;

class TestRepository final : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<ArchiveFixture> m_archive;

    QList<qint64> keys(const QString& table)
    {
        store::Query q(m_archive->db);
        q.setSql({QStringLiteral("SELECT codimp FROM ") + table + QStringLiteral(" ORDER BY codimp")});
        q.open();
        QList<qint64> out;
        for (; !q.eof(); q.next())
            out.append(q.fieldByName(QStringLiteral("codimp")).asInteger());
        return out;
    }

    QList<qint64> dailyView(const QDate& day)
    {
        store::Query q(m_archive->db);
        buildDaySelection(q, DaySelection::DailyView, day, m_archive->locale);
        QList<qint64> out;
        for (; !q.eof(); q.next())
            out.append(q.fieldByName(QStringLiteral("codimp")).asInteger());
        return out;
    }

private slots:
    void init() { m_archive = std::make_unique<ArchiveFixture>(); }

    void purgeRemovesPastAutoDeleteTasksOnly()
    {
        const QDate today(2026, 12, 10);
        TaskDraft past = draftOn(today.addDays(-1), QStringLiteral("yesterday, auto"));
        past.oneShotOption = OneShotOption::DeleteAfter;
        TaskDraft now = draftOn(today, QStringLiteral("today, auto"));
        now.oneShotOption = OneShotOption::DeleteAfter;
        const qint64 gone = m_archive->add(QStringLiteral("O"), past);
        const qint64 kept = m_archive->add(QStringLiteral("O"), now);
        const qint64 plain = m_archive->add(QStringLiteral("O"), draftOn(today.addDays(-5)));
        purgeDeleteAfterTasks(*m_archive->general, today);
        QCOMPARE(keys(QStringLiteral("CRarc66")), QList<qint64>({kept, plain}));
        Q_UNUSED(gone);
    }

    void periodEndsAreIncludedInEitherOrder_data()
    {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("to");
        QTest::newRow("from before to") << QDate(2026, 3, 10) << QDate(2026, 3, 20);
        QTest::newRow("to before from") << QDate(2026, 3, 20) << QDate(2026, 3, 10);
    }

    void periodEndsAreIncludedInEitherOrder()
    {
        QFETCH(QDate, from);
        QFETCH(QDate, to);
        const qint64 before = m_archive->add(QStringLiteral("O"), draftOn(QDate(2026, 3, 9)));
        const qint64 first = m_archive->add(QStringLiteral("O"), draftOn(QDate(2026, 3, 10)));
        const qint64 last = m_archive->add(QStringLiteral("O"), draftOn(QDate(2026, 3, 20)));
        const qint64 after = m_archive->add(QStringLiteral("O"), draftOn(QDate(2026, 3, 21)));
        const qint64 weekly = m_archive->add(QStringLiteral("W"), draftOn(QDate(2026, 3, 12)));
        deposit(*m_archive->general, Period::between(from, to));
        QCOMPARE(keys(QStringLiteral("CRshot80")), QList<qint64>({first, last}));
        QCOMPARE(keys(QStringLiteral("CRarc66")), QList<qint64>({before, after, weekly}));
        const RepositoryCounts counts = countRepository(*m_archive->general);
        QCOMPARE(counts.deposited, 2);
        QCOMPARE(counts.inUse, 2);
    }

    void depositedTaskComesBackUnchanged()
    {
        const QDate day(2026, 5, 4);
        const qint64 key = m_archive->add(QStringLiteral("O"), draftOn(day, QStringLiteral("Dentist")));
        m_archive->writer().setDone(key, DoneState{day, QStringLiteral("Y")});
        const auto snapshot = [this, key] {
            auto row = m_archive->row(key);
            QStringList values;
            for (const QString& name : row->fieldNames())
                values << row->fieldByName(name).asString();
            return values;
        };
        const QStringList before = snapshot();

        deposit(*m_archive->general, Period::between(day, day));
        QVERIFY(dailyView(day).isEmpty());

        // A task created meanwhile gets a number of its own.
        const qint64 newer = m_archive->add(QStringLiteral("O"), draftOn(day, QStringLiteral("New")));
        QVERIFY(newer > key);
        take(*m_archive->general, Period::between(day, day));
        QCOMPARE(snapshot(), before);
        QCOMPARE(dailyView(day), QList<qint64>({key, newer}));
        QVERIFY(keys(QStringLiteral("CRshot80")).isEmpty());
    }

    void takeAllEmptiesTheRepository()
    {
        m_archive->add(QStringLiteral("O"), draftOn(QDate(2020, 1, 1)));
        m_archive->add(QStringLiteral("O"), draftOn(QDate(2021, 1, 1)));
        deposit(*m_archive->general, Period::between(QDate(2019, 1, 1), QDate(2022, 1, 1)));
        QCOMPARE(countRepository(*m_archive->general).deposited, 2);
        takeAll(*m_archive->general);
        const RepositoryCounts counts = countRepository(*m_archive->general);
        QCOMPARE(counts.deposited, 0);
        QCOMPARE(counts.inUse, 2);
        QCOMPARE(earliestOneShotDate(*m_archive->general), QDate(2020, 1, 1));
    }

    void aFailureHalfWayMovesNothing()
    {
        const qint64 key = m_archive->add(QStringLiteral("O"), draftOn(QDate(2026, 2, 2)));
        // Another program's rule refuses deletions from the task table: the
        // copy made just before must not stay behind.
        sqlite3* raw = nullptr;
        QCOMPARE(sqlite3_open(m_archive->databasePath().toUtf8().constData(), &raw), SQLITE_OK);
        QCOMPARE(sqlite3_exec(raw,
                              "CREATE TRIGGER keep BEFORE DELETE ON CRarc66 "
                              "BEGIN SELECT RAISE(ABORT, 'tasks are kept'); END",
                              nullptr, nullptr, nullptr),
                 SQLITE_OK);
        sqlite3_close(raw);
        m_archive->db.reopen();
        QVERIFY_THROWS_EXCEPTION(store::SqlError,
                                 deposit(*m_archive->general,
                                         Period::between(QDate(2026, 2, 1), QDate(2026, 2, 3))));
        QCOMPARE(keys(QStringLiteral("CRarc66")), QList<qint64>({key}));
        QVERIFY(keys(QStringLiteral("CRshot80")).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestRepository)
#include "tst_repository.moc"

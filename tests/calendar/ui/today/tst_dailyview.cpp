#include "archivefixture.h"

#include "calendar/dailymodel.h"
#include "calendar/dailyview.h"

using namespace calendar;

class TestDailyView final : public QObject
{
    Q_OBJECT
private slots:
    void rowAfterReload_data()
    {
        QTest::addColumn<int>("remembered");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("expected");
        QTest::newRow("same row") << 2 << 5 << 2;
        QTest::newRow("last row deleted") << 4 << 4 << 3;
        QTest::newRow("list much shorter") << 9 << 2 << 1;
        QTest::newRow("empty list") << 0 << 0 << -1;
        QTest::newRow("nothing selected before") << -1 << 3 << 0;
    }
    void rowAfterReload()
    {
        QFETCH(int, remembered);
        QFETCH(int, rows);
        QFETCH(int, expected);
        QCOMPARE(calendar::rowAfterReload(remembered, rows), expected);
    }

    // A weekly task ticked last week is open again this week, and "Check"
    // marks it for this week instead of opening it.
    void weeklyTickedLastWeekIsTickedAgain()
    {
        ArchiveFixture a;
        const QDate monday(2026, 5, 18);
        const qint64 key = a.add("W", draftOn(monday.addDays(-21), "gym"));
        DailyView view(a.db, a.locale);

        view.refresh(monday.addDays(-7), false);
        QCOMPARE(view.toggleDone(view.task(0)), (DoneState{monday.addDays(-7), "Y"}));
        view.refresh(monday, false);
        QCOMPARE(view.rowCount(), 1);
        QVERIFY(!rowLook(GridTheme{}, GridColours{}, view.facts(0), monday, 1, false).struckOut);
        QCOMPARE(view.toggleDone(view.task(0)), (DoneState{monday, "Y"}));
        QCOMPARE(a.row(key)->fieldByName("fatto").asDate(), monday);

        // Looking back at last week now shows it done and "Check" opens it.
        view.refresh(monday.addDays(-7), false);
        QVERIFY(rowLook(GridTheme{}, GridColours{}, view.facts(0), monday.addDays(-7), 1, false).struckOut);
        QCOMPARE(view.toggleDone(view.task(0)).flagfatto, QString("N"));
    }

    void suspendedTasksOnlyWhenAsked()
    {
        ArchiveFixture a;
        const QDate day(2026, 5, 20);
        TaskDraft d = draftOn(day, "paused");
        d.suspended = true;
        const qint64 key = a.add("O", d);
        DailyView view(a.db, a.locale);
        DailyModel model(view);
        model.refresh(day, false);
        QCOMPARE(model.rowCount(), 0);
        model.refresh(day, true);
        QCOMPARE(model.rowCount(), 1);
        QVERIFY(view.task(0).suspended);
        QCOMPARE(view.rowOf(key), 0);
        QCOMPARE(view.rowOf(key + 1), -1);
    }

    void texts()
    {
        QCOMPARE(dailyCountCaption(0), QString("0   "));
        QCOMPARE(fileNamePart("C:\\docs\\plan.txt"), QString("plan.txt"));
        QCOMPARE(fileNamePart("Anna"), QString("Anna"));
    }
};

QTEST_GUILESS_MAIN(TestDailyView)
#include "tst_dailyview.moc"

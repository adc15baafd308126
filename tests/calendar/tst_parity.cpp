#include "calendar/parity.h"

#include <QtTest>

using namespace calendar;

class TestParity final : public QObject
{
    Q_OBJECT
private slots:
    void weekNumberAtYearEdges_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<int>("week");
        QTest::addColumn<int>("year");
        // 2020 and 2026 have 53 weeks; their week 53 reaches into January.
        QTest::newRow("2020-12-31 in week 53") << QDate(2020, 12, 31) << 53 << 2020;
        QTest::newRow("2021-01-03 still week 53 of 2020") << QDate(2021, 1, 3) << 53 << 2020;
        QTest::newRow("2021-01-04 opens week 1") << QDate(2021, 1, 4) << 1 << 2021;
        QTest::newRow("2024-12-31 is week 1 of 2025") << QDate(2024, 12, 31) << 1 << 2025;
        QTest::newRow("2022-01-01 in week 52 of 2021") << QDate(2022, 1, 1) << 52 << 2021;
        QTest::newRow("2026-12-28 week 53") << QDate(2026, 12, 28) << 53 << 2026;
        QTest::newRow("a Sunday ends its week") << QDate(2026, 1, 11) << 2 << 2026;
        QTest::newRow("the Monday after starts the next") << QDate(2026, 1, 12) << 3 << 2026;
    }
    void weekNumberAtYearEdges()
    {
        QFETCH(QDate, date);
        QFETCH(int, week);
        QFETCH(int, year);
        QCOMPARE(weekNumberOf(date), (WeekNumber{week, year}));
    }

    void weekNumberAgreesWithIsoOnEveryDay()
    {
        for (QDate d(1990, 1, 1); d <= QDate(2060, 12, 31); d = d.addDays(1)) {
            int isoYear = 0;
            const int isoWeek = d.weekNumber(&isoYear);
            const WeekNumber w = weekNumberOf(d);
            if (w.week != isoWeek || w.year != isoYear)
                QFAIL(qPrintable(d.toString(Qt::ISODate)));
        }
    }

    void markers_data()
    {
        QTest::addColumn<int>("period");
        QTest::addColumn<QString>("excluded");
        QTest::addColumn<QString>("kept");
        QTest::newRow("odd") << 3 << "PA" << "DI";
        QTest::newRow("even") << 2 << "DI" << "PA";
        QTest::newRow("week 53") << 53 << "PA" << "DI";
        QTest::newRow("odd year") << 2025 << "PA" << "DI";
    }
    void markers()
    {
        QFETCH(int, period);
        QFETCH(QString, excluded);
        QFETCH(QString, kept);
        QCOMPARE(parityMarker(period), excluded);
        QCOMPARE(keptMarker(period), kept);
    }
};

QTEST_APPLESS_MAIN(TestParity)
#include "tst_parity.moc"

#include "astro/elapsedtime.h"

#include <QtTest>

// The calculator's counts. Years are completed calendar years (one year
// forward is 1, whatever the leap days between), times are whole
// milliseconds (no 5384999 from a sum of day fractions).
class TestElapsedTime final : public QObject
{
    Q_OBJECT
private slots:
    void dates_data()
    {
        QTest::addColumn<QDate>("first");
        QTest::addColumn<QDate>("second");
        QTest::addColumn<qint64>("days");
        QTest::addColumn<int>("years");
        const auto row = [](const char* name, QDate first, QDate second, qint64 days, int years) {
            QTest::newRow(name) << first << second << days << years;
        };
        row("same day", QDate(2024, 5, 1), QDate(2024, 5, 1), 0, 0);
        row("one year forward", QDate(2021, 3, 1), QDate(2022, 3, 1), 365, 1);
        row("one year back", QDate(2022, 3, 1), QDate(2021, 3, 1), -365, 1);
        row("a day short of a year", QDate(2023, 12, 31), QDate(2024, 12, 30), 365, 0);
        row("four years, one leap day", QDate(2020, 1, 1), QDate(2024, 1, 1), 1461, 4);
        row("three years, one leap day", QDate(2021, 1, 1), QDate(2024, 1, 1), 1095, 3);
        row("from 29 Feb to 28 Feb", QDate(2020, 2, 29), QDate(2021, 2, 28), 365, 0);
        row("from 29 Feb to 1 Mar", QDate(2020, 2, 29), QDate(2021, 3, 1), 366, 1);
        row("29 Feb to 29 Feb", QDate(2020, 2, 29), QDate(2024, 2, 29), 1461, 4);
        row("29 Feb back to 29 Feb", QDate(2024, 2, 29), QDate(2020, 2, 29), -1461, 4);
        row("back over a century", QDate(2000, 6, 15), QDate(1899, 12, 30), -36692, 100);
    }
    void dates()
    {
        QFETCH(QDate, first);
        QFETCH(QDate, second);
        QTEST(astro::dayCount(first, second), "days");
        QTEST(astro::yearCount(first, second), "years");
    }

    void times_data()
    {
        QTest::addColumn<QTime>("first");
        QTest::addColumn<QTime>("second");
        QTest::addColumn<qint64>("hours");
        QTest::addColumn<qint64>("minutes");
        QTest::addColumn<qint64>("seconds");
        QTest::addColumn<qint64>("milliseconds");
        const auto row = [](const char* name, QTime first, QTime second, qint64 h, qint64 m,
                            qint64 s, qint64 ms) {
            QTest::newRow(name) << first << second << h << m << s << ms;
        };
        row("equal", QTime(9, 15), QTime(9, 15), 0, 0, 0, 0);
        row("backward", QTime(10, 0), QTime(8, 30, 15), 1, 89, 5385, 5385000);
        row("forward", QTime(8, 30, 15), QTime(10, 0), 1, 89, 5385, 5385000);
        row("across midnight is within the day", QTime(23, 30), QTime(0, 30), 23, 1380, 82800,
            82800000);
        row("whole day less a millisecond", QTime(0, 0), QTime(23, 59, 59, 999), 23, 1439, 86399,
            86399999);
        row("part of a second", QTime(12, 0, 0, 250), QTime(12, 0, 1), 0, 0, 0, 750);
        row("just under an hour", QTime(7, 0, 0, 1), QTime(8, 0), 0, 59, 3599, 3599999);
    }
    void times()
    {
        QFETCH(QTime, first);
        QFETCH(QTime, second);
        const astro::TimeCounts counts = astro::timeCounts(first, second);
        QTEST(counts.hours, "hours");
        QTEST(counts.minutes, "minutes");
        QTEST(counts.seconds, "seconds");
        QTEST(counts.milliseconds, "milliseconds");
    }
};

QTEST_GUILESS_MAIN(TestElapsedTime)
#include "tst_elapsedtime.moc"

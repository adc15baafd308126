#include "calendar/tasktexts.h"

#include <QtTest>

using namespace calendar;

class TestTaskTexts final : public QObject
{
    Q_OBJECT
private slots:
    void dayTexts_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("weekday");
        QTest::addColumn<QString>("monthDay");
        QTest::addColumn<QString>("dayOfMonth");
        const QLocale english(QLocale::English, QLocale::UnitedStates);
        const QLocale german(QLocale::German, QLocale::Germany);
        QTest::newRow("english leap day") << english << QDate(2024, 2, 29) << "Thursday" << "02/29" << "29";
        QTest::newRow("english first") << english << QDate(2026, 3, 1) << "Sunday" << "03/01" << "01";
        QTest::newRow("german separator") << german << QDate(2026, 12, 31) << "Donnerstag" << "12.31" << "31";
    }
    void dayTexts()
    {
        QFETCH(QLocale, locale);
        QFETCH(QDate, date);
        QFETCH(QString, weekday);
        QFETCH(QString, monthDay);
        QFETCH(QString, dayOfMonth);
        QCOMPARE(weekdayName(locale, date), weekday);
        QCOMPARE(monthDayText(locale, date), monthDay);
        QCOMPARE(dayOfMonthText(date), dayOfMonth);
    }

    void timeTexts()
    {
        const QLocale english(QLocale::English, QLocale::UnitedStates);
        QCOMPARE(timeText(english, QTime(9, 5)), QString("09:05"));
        QCOMPARE(emptyTimeText(english), QString("  :  "));
        // The empty time sorts before any entered time.
        QVERIFY(emptyTimeText(english) < timeText(english, QTime(0, 0)));
        // A time written under another separator takes the current one.
        QCOMPARE(reloadedTimeText(english, "14.30"), QString("14:30"));
        QCOMPARE(reloadedTimeText(english, "  .  "), QString("  :  "));
    }
};

QTEST_APPLESS_MAIN(TestTaskTexts)
#include "tst_tasktexts.moc"

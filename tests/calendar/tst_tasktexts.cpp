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

    // Entered times are kept with a two-digit hour, so that their text sorts
    // as the day runs; a one-digit hour stored by an earlier build, with its
    // blank before or after the digit, reads the same way.
    // clang-format off
    void storedTimes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("stored");
        QTest::newRow("blank after the digit") << "9 :30" << "09:30";
        QTest::newRow("blank before the digit") << " 9:30" << "09:30";
        QTest::newRow("two digits") << "09:30" << "09:30";
        QTest::newRow("afternoon") << "23:59" << "23:59";
        QTest::newRow("other separator") << "9 .05" << "09.05";
        QTest::newRow("empty time") << "  :  " << "  :  ";
        QTest::newRow("hour missing") << "  :30" << "  :30";
        QTest::newRow("letters") << "a :30" << "a :30";
        QTest::newRow("short") << "9:30" << "9:30";
    }
    // clang-format on
    void storedTimes()
    {
        QFETCH(QString, text);
        QFETCH(QString, stored);
        QCOMPARE(storedTimeText(text), stored);
    }

    void oneDigitHoursSortAmongTheOthers()
    {
        const QLocale english(QLocale::English, QLocale::UnitedStates);
        QStringList times{storedTimeText("23:59"), storedTimeText("9 :30"), storedTimeText("10:00"),
                          storedTimeText(" 8:15"), emptyTimeText(english)};
        times.sort();
        QCOMPARE(times, QStringList({"  :  ", "08:15", "09:30", "10:00", "23:59"}));
        QCOMPARE(reloadedTimeText(english, "9 .30"), QString("09:30"));
    }
};

QTEST_APPLESS_MAIN(TestTaskTexts)
#include "tst_tasktexts.moc"

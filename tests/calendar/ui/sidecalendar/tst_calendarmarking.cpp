#include "archivefixture.h"

#include "calendar/calendarmarking.h"

using namespace calendar;

Q_DECLARE_METATYPE(calendar::MarkingChoice)

namespace {

// May 2026 starts on a Friday. The month holds one task of each kind, a task
// repeated every day from the 29th, and a suspended weekly task on Fridays.
const QDate May(2026, 5, 1);

MarkingChoice highlight(MarkKind kind, bool suspended = false)
{
    return {kind, MarkKind::Any, suspended};
}

MarkingChoice exclude(MarkKind kind, bool suspended = false)
{
    return {MarkKind::Any, kind, suspended};
}

QList<int> litDaysOfMay(const MonthMarks& marks)
{
    QList<int> days;
    for (const QDate& d : marks.lighted.dates()) {
        if (d.month() == 5)
            days.append(d.day());
    }
    return days;
}

} // namespace

class TestCalendarMarking final : public QObject
{
    Q_OBJECT
    std::unique_ptr<ArchiveFixture> m_archive;

    void add(const QString& kind, const QDate& date, OneShotOption option = OneShotOption::Plain,
             bool suspended = false)
    {
        TaskDraft d = draftOn(date);
        d.oneShotOption = option;
        d.suspended = suspended;
        m_archive->add(kind, d);
    }

    MonthMarks mark(const MarkingChoice& choice, const QDate& shown = May)
    {
        return markCalendarDays(*m_archive->general, shown, choice, m_archive->locale);
    }

private slots:
    void initTestCase()
    {
        m_archive = std::make_unique<ArchiveFixture>();
        add(kind::OneShot, QDate(2026, 5, 5));
        add(kind::OneShot, QDate(2026, 5, 20));
        add(kind::Weekly, QDate(2026, 5, 13));                       // Wednesdays from the 13th
        add(kind::Monthly, QDate(2026, 1, 10));
        add(kind::Yearly, QDate(1990, 5, 22));
        add(kind::OneShot, QDate(2026, 5, 29), OneShotOption::Torment);
        add(kind::Weekly, QDate(2026, 5, 1), OneShotOption::Plain, true); // Fridays, suspended
    }

    void litDays_data()
    {
        QTest::addColumn<MarkingChoice>("choice");
        QTest::addColumn<QList<int>>("days");
        QTest::newRow("all") << highlight(MarkKind::Any) << QList<int>{5, 10, 13, 20, 22, 27, 29, 30, 31};
        QTest::newRow("one shot") << highlight(MarkKind::OneShot) << QList<int>{5, 20, 29, 30, 31};
        QTest::newRow("yearly") << highlight(MarkKind::Yearly) << QList<int>{22};
        QTest::newRow("monthly") << highlight(MarkKind::Monthly) << QList<int>{10};
        QTest::newRow("weekly") << highlight(MarkKind::Weekly) << QList<int>{13, 20, 27};
        QTest::newRow("exclude one shot") << exclude(MarkKind::OneShot) << QList<int>{10, 13, 20, 22, 27};
        QTest::newRow("exclude yearly") << exclude(MarkKind::Yearly) << QList<int>{5, 10, 13, 20, 27, 29, 30, 31};
        QTest::newRow("exclude monthly") << exclude(MarkKind::Monthly) << QList<int>{5, 13, 20, 22, 27, 29, 30, 31};
        QTest::newRow("exclude weekly") << exclude(MarkKind::Weekly) << QList<int>{5, 10, 20, 22, 29, 30, 31};
        // The suspended Fridays appear only when asked for, under either kind of statement.
        QTest::newRow("all, suspended shown") << highlight(MarkKind::Any, true) << QList<int>{1, 5, 8, 10, 13, 15, 20, 22, 27, 29, 30, 31};
        QTest::newRow("weekly, suspended shown") << highlight(MarkKind::Weekly, true) << QList<int>{1, 8, 13, 15, 20, 22, 27, 29};
        QTest::newRow("one shot, suspended shown") << highlight(MarkKind::OneShot, true) << QList<int>{5, 20, 29, 30, 31};
        QTest::newRow("exclude monthly, suspended shown") << exclude(MarkKind::Monthly, true) << QList<int>{1, 5, 8, 13, 15, 20, 22, 27, 29, 30, 31};
        QTest::newRow("exclude weekly, suspended shown") << exclude(MarkKind::Weekly, true) << QList<int>{5, 10, 20, 22, 29, 30, 31};
    }
    void litDays()
    {
        QFETCH(MarkingChoice, choice);
        QFETCH(QList<int>, days);
        QCOMPARE(litDaysOfMay(mark(choice)), days);
    }

    void kindCodes_data()
    {
        QTest::addColumn<MarkingChoice>("choice");
        QTest::addColumn<int>("day");
        QTest::addColumn<QString>("code");
        QTest::newRow("one-shot and weekly") << highlight(MarkKind::Any) << 20 << "OXXW";
        QTest::newRow("yearly alone") << highlight(MarkKind::Any) << 22 << "XYXX";
        QTest::newRow("monthly alone") << highlight(MarkKind::Any) << 10 << "XXMX";
        QTest::newRow("every day counts as one-shot") << highlight(MarkKind::Any) << 30 << "OXXX";
        QTest::newRow("suspended weekly hidden") << highlight(MarkKind::Any) << 29 << "OXXX";
        QTest::newRow("suspended weekly shown") << highlight(MarkKind::Any, true) << 29 << "OXXW";
        QTest::newRow("weekly excluded") << exclude(MarkKind::Weekly) << 20 << "OXXX";
        QTest::newRow("weekly highlighted") << highlight(MarkKind::Weekly) << 20 << "XXXW";
        QTest::newRow("nothing") << highlight(MarkKind::Any) << 2 << "XXXX";
    }
    void kindCodes()
    {
        QFETCH(MarkingChoice, choice);
        QFETCH(int, day);
        QFETCH(QString, code);
        const MonthMarks marks = mark(choice);
        QCOMPARE(marks.kindCodeOf(QDate(2026, 5, day)), code);
        QCOMPARE(marks.kindCodes[size_t(day - 1)], code);
    }

    // A weekly task marks every occurrence of its weekday from its start
    // date on, in every month after.
    void weeklyTaskInLaterMonths()
    {
        const MonthMarks june = mark(highlight(MarkKind::Weekly), QDate(2026, 6, 18));
        QCOMPARE(june.firstDay, QDate(2026, 6, 1));
        QList<int> days;
        for (const QDate& d : june.lighted.dates()) {
            if (d.month() == 6)
                days.append(d.day());
        }
        QCOMPARE(days, (QList<int>{3, 10, 17, 24}));
        QVERIFY(!june.covers(QDate(2026, 5, 20)));
        QCOMPARE(june.kindCodeOf(QDate(2026, 5, 20)), NoKindsCode);
    }

    // Marking a day at a time ends with the month marked whole; starting
    // again drops what was marked under the earlier choice.
    void markerSteps()
    {
        MonthMarker marker(*m_archive->general, m_archive->locale);
        QVERIFY(!marker.markNextDay());
        marker.start(May, highlight(MarkKind::Yearly));
        for (int i = 0; i < 25; ++i)
            marker.markNextDay();
        QCOMPARE(litDaysOfMay(marker.marks()), QList<int>{22});

        marker.start(May, highlight(MarkKind::Monthly));
        int steps = 1;
        while (marker.markNextDay())
            ++steps;
        QCOMPARE(steps, 32); // 31 days and the first of June
        QVERIFY(marker.done());
        QCOMPARE(litDaysOfMay(marker.marks()), QList<int>{10});
        QCOMPARE(marker.marks().kindCodeOf(QDate(2026, 5, 22)), NoKindsCode);

        // In turns of a few days each, the same month comes out.
        marker.start(May, highlight(MarkKind::Any));
        int turns = 1;
        while (marker.markTurn())
            ++turns;
        QCOMPARE(turns, (32 + MonthMarker::DaysPerTurn - 1) / MonthMarker::DaysPerTurn);
        QCOMPARE(litDaysOfMay(marker.marks()), litDaysOfMay(mark(highlight(MarkKind::Any))));
    }

    void listDates()
    {
        TListDates list;
        list.add(QDate(2026, 5, 20));
        list.add(QDate(2026, 5, 3));
        list.add(QDate(2026, 5, 20));
        list.add(QDate(1899, 12, 30)); // day number 0: never lighted
        QCOMPARE(list.count(), 3);
        QCOMPARE(list.dates().mid(1), (QList<QDate>{QDate(2026, 5, 3), QDate(2026, 5, 20)}));
        QVERIFY(list.contains(QDate(2026, 5, 3)));
        QVERIFY(!list.contains(QDate(2026, 5, 4)));
        QVERIFY(!list.contains(QDate(1899, 12, 30)));
        list.clear();
        QVERIFY(!list.contains(QDate(2026, 5, 3)));
    }

    void lightColours_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<unsigned>("rgb");
        QTest::newRow("section colour") << "$00A7E3F5" << 0xF5E3A7u;
        QTest::newRow("named colour") << "clRed" << 0xFF0000u;
        QTest::newRow("white by name") << "clWhite" << 0xFFFF00u;
        QTest::newRow("white by value") << "$00FFFFFF" << 0xFFFF00u;
        QTest::newRow("black") << "clBlack" << 0x808080u;
        QTest::newRow("no colour") << "$FFFFFFFF" << 0x808080u;
        QTest::newRow("unreadable") << "nonsense" << 0xFFFF00u;
    }
    void lightColours()
    {
        QFETCH(QString, text);
        QFETCH(unsigned, rgb);
        QCOMPARE(lightColour(text), rgb);
    }

    void highlightSections_data()
    {
        QTest::addColumn<MarkingChoice>("choice");
        QTest::addColumn<int>("section");
        QTest::newRow("all") << highlight(MarkKind::Any) << 4;
        QTest::newRow("one shot") << highlight(MarkKind::OneShot) << 0;
        QTest::newRow("yearly") << highlight(MarkKind::Yearly) << 1;
        QTest::newRow("weekly") << highlight(MarkKind::Weekly) << 3;
        QTest::newRow("an exclusion") << exclude(MarkKind::Yearly) << 4;
    }
    void highlightSections()
    {
        QFETCH(MarkingChoice, choice);
        QFETCH(int, section);
        QCOMPARE(highlightSection(choice), section);
    }

    void monthSteps_data()
    {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("next");
        QTest::addColumn<QDate>("previous");
        QTest::newRow("end of January") << QDate(2026, 1, 31) << QDate(2026, 2, 1) << QDate(2025, 12, 31);
        QTest::newRow("into a leap February") << QDate(2028, 3, 1) << QDate(2028, 4, 1) << QDate(2028, 2, 29);
        QTest::newRow("December") << QDate(2026, 12, 15) << QDate(2027, 1, 1) << QDate(2026, 11, 30);
    }
    void monthSteps()
    {
        QFETCH(QDate, from);
        QFETCH(QDate, next);
        QFETCH(QDate, previous);
        QCOMPARE(nextMonthStart(from), next);
        QCOMPARE(previousMonthEnd(from), previous);
    }
};

QTEST_GUILESS_MAIN(TestCalendarMarking)
#include "tst_calendarmarking.moc"

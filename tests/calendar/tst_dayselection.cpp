#include "archivefixture.h"

#include "calendar/dayselection.h"

using namespace calendar;

namespace {

QList<qint64> keysOn(ArchiveFixture& a, DaySelection variant, const QDate& day,
                     bool showSuspended = false)
{
    store::Query q(a.db);
    buildDaySelection(q, variant, day, a.locale, showSuspended);
    QList<qint64> keys;
    for (; !q.eof(); q.next())
        keys.append(q.fieldByName(QStringLiteral("codimp")).asInteger());
    return keys;
}

enum Special { None, EveryOther, Torment, CountYears };

} // namespace

class TestDaySelection final : public QObject
{
    Q_OBJECT
    // One archive for the whole run, emptied before each test: building an
    // archive costs more than the selections under test.
    std::unique_ptr<ArchiveFixture> m_archive;

private slots:
    void initTestCase() { m_archive = std::make_unique<ArchiveFixture>(); }
    void init()
    {
        m_archive->locale = QLocale(QLocale::English, QLocale::UnitedStates);
        m_archive->general->setSql({"DELETE FROM CRarc66"});
        m_archive->general->execSql();
    }

    // One task and one day per row: is the task in the daily view that day?
    void recurrenceRules_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QDate>("taskDate");
        QTest::addColumn<int>("special");
        QTest::addColumn<QDate>("expiry"); // invalid: no expiry
        QTest::addColumn<QDate>("day");
        QTest::addColumn<bool>("listed");
        const QDate none;

        // Every week, and every other week by week-number parity.
        QTest::newRow("weekly, same weekday") << "W" << QDate(2026, 1, 5) << int(None) << none << QDate(2026, 1, 12) << true;
        QTest::newRow("weekly, other weekday") << "W" << QDate(2026, 1, 5) << int(None) << none << QDate(2026, 1, 13) << false;
        QTest::newRow("weekly, before its start") << "W" << QDate(2026, 1, 5) << int(None) << none << QDate(2025, 12, 29) << false;
        QTest::newRow("bi-weekly from week 2, week 4") << "W" << QDate(2026, 1, 5) << int(EveryOther) << none << QDate(2026, 1, 19) << true;
        QTest::newRow("bi-weekly from week 2, week 3") << "W" << QDate(2026, 1, 5) << int(EveryOther) << none << QDate(2026, 1, 12) << false;
        QTest::newRow("bi-weekly from week 3, week 3") << "W" << QDate(2026, 1, 12) << int(EveryOther) << none << QDate(2026, 1, 12) << true;
        QTest::newRow("bi-weekly from week 3, week 4") << "W" << QDate(2026, 1, 12) << int(EveryOther) << none << QDate(2026, 1, 19) << false;
        QTest::newRow("bi-weekly from week 3, week 5") << "W" << QDate(2026, 1, 12) << int(EveryOther) << none << QDate(2026, 1, 26) << true;
        // 2026 has 53 weeks: odd week 53 is followed by odd week 1.
        QTest::newRow("odd bi-weekly, week 53") << "W" << QDate(2026, 12, 14) << int(EveryOther) << none << QDate(2026, 12, 28) << true;
        QTest::newRow("odd bi-weekly, week 1 right after") << "W" << QDate(2026, 12, 14) << int(EveryOther) << none << QDate(2027, 1, 4) << true;
        QTest::newRow("even bi-weekly, week 53") << "W" << QDate(2026, 12, 21) << int(EveryOther) << none << QDate(2026, 12, 28) << false;
        QTest::newRow("even bi-weekly, week 1") << "W" << QDate(2026, 12, 21) << int(EveryOther) << none << QDate(2027, 1, 4) << false;
        QTest::newRow("even bi-weekly, week 2") << "W" << QDate(2026, 12, 21) << int(EveryOther) << none << QDate(2027, 1, 11) << true;
        // 31 December 2024 is in week 1 of 2025.
        QTest::newRow("odd bi-weekly on 31 Dec in week 1") << "W" << QDate(2024, 12, 17) << int(EveryOther) << none << QDate(2024, 12, 31) << true;
        QTest::newRow("odd bi-weekly, week 52 before") << "W" << QDate(2024, 12, 17) << int(EveryOther) << none << QDate(2024, 12, 24) << false;
        QTest::newRow("weekly expiry day included") << "W" << QDate(2026, 3, 2) << int(None) << QDate(2026, 3, 16) << QDate(2026, 3, 16) << true;
        QTest::newRow("weekly after expiry") << "W" << QDate(2026, 3, 2) << int(None) << QDate(2026, 3, 16) << QDate(2026, 3, 23) << false;

        // Monthly: the day number only, no shift in shorter months.
        QTest::newRow("monthly 31st in March") << "M" << QDate(2026, 1, 31) << int(None) << none << QDate(2026, 3, 31) << true;
        QTest::newRow("monthly 31st not on 30 April") << "M" << QDate(2026, 1, 31) << int(None) << none << QDate(2026, 4, 30) << false;
        QTest::newRow("monthly 31st not on 28 February") << "M" << QDate(2026, 1, 31) << int(None) << none << QDate(2026, 2, 28) << false;
        QTest::newRow("monthly before its start") << "M" << QDate(2026, 3, 10) << int(None) << none << QDate(2026, 2, 10) << false;
        QTest::newRow("bi-monthly from March, May") << "M" << QDate(2026, 3, 10) << int(EveryOther) << none << QDate(2026, 5, 10) << true;
        QTest::newRow("bi-monthly from March, April") << "M" << QDate(2026, 3, 10) << int(EveryOther) << none << QDate(2026, 4, 10) << false;
        QTest::newRow("bi-monthly from April, December") << "M" << QDate(2026, 4, 10) << int(EveryOther) << none << QDate(2026, 12, 10) << true;
        QTest::newRow("monthly expiry day included") << "M" << QDate(2026, 1, 10) << int(None) << QDate(2026, 3, 10) << QDate(2026, 3, 10) << true;
        QTest::newRow("monthly after expiry") << "M" << QDate(2026, 1, 10) << int(None) << QDate(2026, 3, 10) << QDate(2026, 4, 10) << false;

        // Yearly: 29 February only in leap years; "NO" also before the date's year.
        QTest::newRow("29 Feb in a leap year") << "Y" << QDate(2024, 2, 29) << int(None) << none << QDate(2028, 2, 29) << true;
        QTest::newRow("29 Feb not on 28 Feb") << "Y" << QDate(2024, 2, 29) << int(None) << none << QDate(2027, 2, 28) << false;
        QTest::newRow("29 Feb not on 1 Mar") << "Y" << QDate(2024, 2, 29) << int(None) << none << QDate(2027, 3, 1) << false;
        QTest::newRow("NO: listed before its year") << "Y" << QDate(2030, 6, 15) << int(None) << none << QDate(2026, 6, 15) << true;
        QTest::newRow("SI: not before its year") << "Y" << QDate(2030, 6, 15) << int(CountYears) << none << QDate(2026, 6, 15) << false;
        QTest::newRow("SI: on its own day") << "Y" << QDate(2030, 6, 15) << int(CountYears) << none << QDate(2030, 6, 15) << true;
        QTest::newRow("SI: the years after") << "Y" << QDate(2030, 6, 15) << int(CountYears) << none << QDate(2031, 6, 15) << true;
        QTest::newRow("yearly after expiry") << "Y" << QDate(2020, 6, 15) << int(None) << QDate(2025, 1, 1) << QDate(2026, 6, 15) << false;
        // Bi-yearly by week-numbering year: 1 Jan 2021 counts in 2020.
        QTest::newRow("bi-yearly 1 Jan 2021, its day") << "Y" << QDate(2021, 1, 1) << int(EveryOther) << none << QDate(2021, 1, 1) << true;
        QTest::newRow("bi-yearly 1 Jan 2021, 2022 (week year 2021)") << "Y" << QDate(2021, 1, 1) << int(EveryOther) << none << QDate(2022, 1, 1) << false;
        QTest::newRow("bi-yearly 1 Jan 2021, 2023 (week year 2022)") << "Y" << QDate(2021, 1, 1) << int(EveryOther) << none << QDate(2023, 1, 1) << true;
        // 31 Dec 2024 counts in the odd year 2025, like 31 Dec 2023 in 2023.
        QTest::newRow("odd bi-yearly 31 Dec, next year in week 1") << "Y" << QDate(2023, 12, 31) << int(EveryOther) << none << QDate(2024, 12, 31) << true;
        QTest::newRow("odd bi-yearly 31 Dec, 2025 in week 1 of 2026") << "Y" << QDate(2023, 12, 31) << int(EveryOther) << none << QDate(2025, 12, 31) << false;

        // One-shot: its day; with an expiry every day of the period, both ends.
        QTest::newRow("one-shot on its day") << "O" << QDate(2026, 3, 10) << int(None) << none << QDate(2026, 3, 10) << true;
        QTest::newRow("one-shot the day after") << "O" << QDate(2026, 3, 10) << int(None) << none << QDate(2026, 3, 11) << false;
        QTest::newRow("period, day before start") << "O" << QDate(2026, 3, 10) << int(None) << QDate(2026, 3, 15) << QDate(2026, 3, 9) << false;
        QTest::newRow("period, first day") << "O" << QDate(2026, 3, 10) << int(None) << QDate(2026, 3, 15) << QDate(2026, 3, 10) << true;
        QTest::newRow("period, inside") << "O" << QDate(2026, 3, 10) << int(None) << QDate(2026, 3, 15) << QDate(2026, 3, 12) << true;
        QTest::newRow("period, expiry day") << "O" << QDate(2026, 3, 10) << int(None) << QDate(2026, 3, 15) << QDate(2026, 3, 15) << true;
        QTest::newRow("period, day after expiry") << "O" << QDate(2026, 3, 10) << int(None) << QDate(2026, 3, 15) << QDate(2026, 3, 16) << false;
        QTest::newRow("torment, day before") << "O" << QDate(2026, 3, 10) << int(Torment) << none << QDate(2026, 3, 9) << false;
        QTest::newRow("torment, its day") << "O" << QDate(2026, 3, 10) << int(Torment) << none << QDate(2026, 3, 10) << true;
        QTest::newRow("torment, a year later") << "O" << QDate(2026, 3, 10) << int(Torment) << none << QDate(2027, 3, 1) << true;
    }
    void recurrenceRules()
    {
        QFETCH(QString, kind);
        QFETCH(QDate, taskDate);
        QFETCH(int, special);
        QFETCH(QDate, expiry);
        QFETCH(QDate, day);
        QFETCH(bool, listed);
        ArchiveFixture& a = *m_archive;
        TaskDraft d = draftOn(taskDate);
        d.everyOther = special == EveryOther;
        d.countYears = special == CountYears;
        d.oneShotOption = special == Torment ? OneShotOption::Torment : OneShotOption::Plain;
        d.expires = expiry.isValid();
        if (expiry.isValid())
            d.expiry = expiry;
        const qint64 key = a.add(kind, d);
        QCOMPARE(keysOn(a, DaySelection::DailyView, day).contains(key), listed);
    }

    // The done state and the suspended flag, as each of the three selections
    // treats them. Offsets are days relative to the viewed day D.
    void doneAndSuspended_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("special");
        QTest::addColumn<int>("startOffset");
        QTest::addColumn<int>("expiryOffset"); // 0: no expiry
        QTest::addColumn<int>("doneOffset");   // done date; -99999: never
        QTest::addColumn<QString>("doneMark");
        QTest::addColumn<bool>("suspended");
        QTest::addColumn<bool>("daily");
        QTest::addColumn<bool>("dailyShowingSuspended");
        QTest::addColumn<bool>("alarm");
        QTest::addColumn<bool>("startOfDay");
        const int never = -99999;
        QTest::newRow("open one-shot") << "O" << int(None) << 0 << 0 << never << "N" << false << true << true << true << true;
        QTest::newRow("one-shot checked on its day") << "O" << int(None) << 0 << 0 << 0 << "Y" << false << true << true << false << false;
        QTest::newRow("period one-shot checked today") << "O" << int(None) << -2 << 3 << 0 << "Y" << false << true << true << true << false;
        QTest::newRow("weekly checked today") << "W" << int(None) << -7 << 0 << 0 << "Y" << false << true << true << false << false;
        QTest::newRow("weekly checked last week") << "W" << int(None) << -14 << 0 << -7 << "Y" << false << true << true << true << false;
        QTest::newRow("weekly unchecked") << "W" << int(None) << -14 << 0 << never << "N" << false << true << true << true << true;
        QTest::newRow("monthly checked last month") << "M" << int(None) << -31 << 0 << -31 << "Y" << false << true << true << true << false;
        QTest::newRow("yearly checked today") << "Y" << int(None) << -365 << 0 << 0 << "Y" << false << true << true << false << false;
        QTest::newRow("torment checked yesterday") << "O" << int(Torment) << -5 << 0 << -1 << "Y" << false << true << true << true << false;
        QTest::newRow("torment checked today") << "O" << int(Torment) << -5 << 0 << 0 << "Y" << false << true << true << false << false;
        QTest::newRow("suspended weekly") << "W" << int(None) << -7 << 0 << never << "N" << true << false << true << false << false;
        QTest::newRow("suspended one-shot") << "O" << int(None) << 0 << 0 << never << "N" << true << false << true << false << false;
    }
    void doneAndSuspended()
    {
        QFETCH(QString, kind);
        QFETCH(int, special);
        QFETCH(int, startOffset);
        QFETCH(int, expiryOffset);
        QFETCH(int, doneOffset);
        QFETCH(QString, doneMark);
        QFETCH(bool, suspended);
        const QDate day(2026, 3, 18);
        ArchiveFixture& a = *m_archive;
        const QDate start = kind == "Y"   ? day.addYears(-1)
                            : kind == "M" ? day.addMonths(-1)
                                          : day.addDays(startOffset);
        TaskDraft d = draftOn(start);
        d.oneShotOption = special == Torment ? OneShotOption::Torment : OneShotOption::Plain;
        d.expires = expiryOffset != 0;
        d.expiry = day.addDays(expiryOffset);
        d.suspended = suspended;
        const qint64 key = a.add(kind, d);
        if (doneOffset != -99999)
            a.writer().setDone(key, {day.addDays(doneOffset), doneMark});

        QTEST(keysOn(a, DaySelection::DailyView, day).contains(key), "daily");
        QTEST(keysOn(a, DaySelection::DailyView, day, true).contains(key), "dailyShowingSuspended");
        QTEST(keysOn(a, DaySelection::AlarmList, day, true).contains(key), "alarm");
        QTEST(keysOn(a, DaySelection::StartOfDayCheck, day, true).contains(key), "startOfDay");
    }

    void orderedByTimesThenDescription()
    {
        ArchiveFixture& a = *m_archive;
        const QDate day(2026, 3, 18);
        const auto add = [&](const QString& kind, const QString& description, const QString& from,
                             const QString& to, const QDate& date) {
            TaskDraft d = draftOn(date, description);
            d.from = from;
            d.to = to;
            return a.add(kind, d);
        };
        const qint64 late = add("O", "late", "18:00", "19:00", day);
        const qint64 untimed = add("W", "untimed", "  :  ", "  :  ", day.addDays(-7));
        const qint64 early2 = add("M", "b early", "08:00", "09:00", day.addMonths(-1));
        const qint64 early1 = add("Y", "a early", "08:00", "09:00", day.addYears(-3));
        const qint64 earlyShort = add("O", "c early", "08:00", "08:30", day);
        QCOMPARE(keysOn(a, DaySelection::DailyView, day),
                 (QList<qint64>{untimed, earlyShort, early1, early2, late}));
    }

    // The daily view's statement, line by line, as the engine receives it.
    void dailyViewLines()
    {
        const QStringList lines = daySelectionLines(DaySelection::DailyView, QDate(2024, 12, 31),
                                                    QLocale(QLocale::English, QLocale::UnitedStates));
        const QStringList expected = {
            R"(SELECT * FROM CRarc66 )",
            R"(WHERE ( ( flag = "O" and datefull = :datefull ) or ( flag = "O" and datefull <= :datefull and scadenza >= :datefull and flagscad = "Y"  ) )",
            R"(OR    (flag = "M" and dayofmonth = "31" and (dayofweek <> "DI" or dayofweek is null) and (datefull   <= :datefull) and (flagscad = "N" or flagscad is null or scadenza >= :datefull) ))",
            R"(OR    (flag = "W" and dayofweek  = "Tuesday" and (dayofmonth <> "PA" or dayofmonth is null) and (datefull   <= :datefull) and (flagscad = "N" or flagscad is null or scadenza >= :datefull) ))",
            R"(OR    (flag = "Y" and data       = "12/31" and (dayofweek <> "PA" or dayofweek is null) and (datefull   <= :datefull or dayofmonth  = "NO") and (flagscad = "N" or flagscad is null or scadenza >= :datefull) ))",
            R"(OR    (dayofweek = "T" and datefull <= :datefull) ))",
            R"(AND   (sospeso <> "Y" or sospeso is null))",
            R"(ORDER BY orario,orario2,id)"};
        QCOMPARE(lines, expected);
    }

    void variantsDifferInTheirOpenAndDoneLines()
    {
        const QLocale english(QLocale::English, QLocale::UnitedStates);
        const QDate day(2026, 3, 18);
        const QStringList check = daySelectionLines(DaySelection::StartOfDayCheck, day, english);
        const QStringList alarm = daySelectionLines(DaySelection::AlarmList, day, english, true);
        QCOMPARE(check.size(), 9);
        QCOMPARE(alarm.size(), 8);
        QVERIFY(check[1].startsWith(R"(WHERE ( ( flag = "O" and datefull = :datefull ))"));
        QVERIFY(alarm[1].startsWith(R"(WHERE ( (flag = "O" and fatto < :datefull and datefull = :datefull))"));
        QCOMPARE(check[7], QString(R"(AND   (flagfatto <> "Y" or flagfatto is null))"));
        QCOMPARE(alarm[6], QString(R"(AND   (sospeso <> "Y" or sospeso is null))"));
        for (const QStringList& lines : {check, alarm}) {
            QVERIFY(lines[2].startsWith(R"(OR    (flag = "M" and fatto < :datefull and dayofmonth = "18")"));
            QVERIFY(lines[5] == R"(OR    (dayofweek = "T" and fatto < :datefull and datefull <= :datefull) ))");
        }
    }

    // A derived value holding a double quote stays inside its literal and
    // still finds the task stored with it.
    void quotesInDerivedValuesAreDoubled()
    {
        ArchiveFixture& a = *m_archive;
        const QDate day(2026, 3, 18);
        const qint64 key = a.add("W", draftOn(day));
        a.general->setSql({"UPDATE CRarc66 SET dayofweek = :name"});
        a.general->setText("name", "Wed\"nesday");
        a.general->execSql();

        DayValues values = dayValuesOf(day, a.locale);
        values.weekday = "Wed\"nesday";
        store::Query q(a.db);
        q.setSql(daySelectionLines(DaySelection::DailyView, values));
        q.setDate("datefull", day);
        q.open();
        QCOMPARE(q.recordCount(), 1);
        QCOMPARE(q.fieldByName("codimp").asInteger(), key);
    }

    void indexesAreCreatedOnce()
    {
        ArchiveFixture& a = *m_archive;
        QVERIFY(ensureDaySelectionIndexes(*a.general));
        QVERIFY(ensureDaySelectionIndexes(*a.general));
        a.general->setSql({"SELECT name FROM sqlite_master WHERE type = \"index\" AND tbl_name = \"CRarc66\""});
        a.general->open();
        QCOMPARE(a.general->recordCount(), 5);
    }

    // A write-protected archive of an earlier build has no indexes and
    // cannot take them: the selection goes on without them.
    void indexesThatCannotBeWrittenAreLeftOut()
    {
        ArchiveFixture& a = *m_archive;
        const qint64 key = a.add("O", draftOn(QDate(2026, 3, 4)));
        const auto run = [&a](const QString& statement) {
            a.general->setSql({statement});
            a.general->execSql();
        };
        run("DROP INDEX IF EXISTS CRarc66_byday");
        run("PRAGMA query_only = 1");
        const bool created = ensureDaySelectionIndexes(*a.general);
        buildDaySelection(*a.general, DaySelection::DailyView, QDate(2026, 3, 4), a.locale);
        const int found = a.general->recordCount();
        const qint64 first = a.general->fieldByName("codimp").asInteger();
        run("PRAGMA query_only = 0");
        QVERIFY(!created);
        QCOMPARE(found, 1);
        QCOMPARE(first, key);
    }

    void startOfDayCheck_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("taskToday");
        QTest::addColumn<bool>("ends");
        QTest::addColumn<int>("announced");
        QTest::newRow("no argument, empty day") << QStringList{} << false << false << 0;
        QTest::newRow("no argument, a task") << QStringList{} << true << false << 1;
        QTest::newRow("control, empty day") << QStringList{"control"} << false << true << 0;
        QTest::newRow("CONTROLLO, empty day") << QStringList{"CONTROLLO"} << false << true << 0;
        QTest::newRow("Control, a task") << QStringList{"Control"} << true << false << 1;
        QTest::newRow("control as second argument") << QStringList{"x", "control"} << false << false << 0;
    }
    void startOfDayCheck()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, taskToday);
        const QDate today(2026, 3, 18);
        ArchiveFixture& a = *m_archive;
        if (taskToday)
            a.add("O", draftOn(today));
        store::Query daily(a.db);
        store::Query check(a.db);
        buildDaySelection(daily, DaySelection::DailyView, today, a.locale);

        QStringList calls;
        StartOfDayHooks hooks;
        hooks.advanceWarnings = true;
        hooks.lookAhead = [&] { calls << "look-ahead"; };
        hooks.terminate = [&] { calls << "terminate"; };
        hooks.announce = [&](store::Query& q) { calls << QString::number(q.recordCount()); };
        const bool goesOn = calendar::startOfDayCheck(check, daily, arguments, today, a.locale, hooks);

        QFETCH(bool, ends);
        QFETCH(int, announced);
        QCOMPARE(goesOn, !ends);
        QStringList expected{"look-ahead"};
        if (ends)
            expected << "terminate";
        if (announced)
            expected << QString::number(announced);
        QCOMPARE(calls, expected);
    }
};

QTEST_GUILESS_MAIN(TestDaySelection)
#include "tst_dayselection.moc"

#include "reminderrig.h"

using namespace calendar;

namespace {
const QString Indent(14, u' ');
}

class TestLookAhead final : public QObject
{
    Q_OBJECT
private slots:
    void selectionLines();
    void warnedTaskTwoDaysAhead();
    void farthestDayComesFirst();
    void everyOtherMonthAcrossTheMonthEnd_data();
    void everyOtherMonthAcrossTheMonthEnd();
    void onlyWarnedTasksOfTheComingDays_data();
    void onlyWarnedTasksOfTheComingDays();
    void nothingAheadIsConfirmedOnTheOptionsTab_data();
    void nothingAheadIsConfirmedOnTheOptionsTab();
    void lockedAutomaticRunWaitsForUnlock();
    void automaticRunsAtStartOfDayAndFirstShow_data();
    void automaticRunsAtStartOfDayAndFirstShow();
};

void TestLookAhead::selectionLines()
{
    // Saturday 12 December 2026: week 50, week-year 2026, month 12.
    const QStringList expected = {
        R"(SELECT * FROM CRarc66 )",
        R"(WHERE ( ( (flag = "O" and fatto < :datefull and anticipa ="Y" and datefull = :datefull) or ( flag = "O" and datefull <= :datefull and scadenza >= :datefull and flagscad = "Y"  and fatto < :datefull and anticipa ="Y") ) )",
        R"(OR    (flag = "M" and fatto < :datefull and anticipa ="Y" and dayofmonth = "12" and (dayofweek <> "DI" or dayofweek is null) and (datefull   <= :datefull) and (flagscad = "N" or flagscad is null or scadenza >= :datefull) ))",
        R"(OR    (flag = "W" and fatto < :datefull and anticipa ="Y" and dayofweek  = "Saturday" and (dayofmonth <> "DI" or dayofmonth is null) and (datefull   <= :datefull) and (flagscad = "N" or flagscad is null or scadenza >= :datefull) ))",
        R"(OR    (flag = "Y" and fatto < :datefull and anticipa ="Y" and data       = "12/12" and (dayofweek <> "DI" or dayofweek is null) and (datefull   <= :datefull) and (flagscad = "N" or flagscad is null or scadenza >= :datefull) ) ))",
        R"(AND   (sospeso <> "Y" or sospeso is null))",
        R"(ORDER BY orario,orario2,id)",
    };
    QCOMPARE(reminders::lookAheadLines(QDate(2026, 12, 12),
                                       QLocale(QLocale::English, QLocale::UnitedStates)),
             expected);
}

void TestLookAhead::warnedTaskTwoDaysAhead()
{
    ReminderRig rig;
    rig.setOptions([](store::OptionValues&) {});
    rig.settings.writeFutureFlag(true);
    rig.settings.load();
    rig.addTask(kind::Weekly, QDate(2026, 12, 12), QStringLiteral("10:00"), QStringLiteral("Exam"),
                true);
    QVERIFY(rig.lookAhead.indicatorVisible());
    rig.lookAhead.run();
    QCOMPARE(rig.notifier.closeAllCount, 1);
    QCOMPARE(rig.notifier.shown.size(), 1);
    const reminders::Notification& n = rig.notifier.shown.first();
    QCOMPARE(n.title,
             QStringLiteral("I inform you that left 2 days, in date: Saturday 12 December 2026\r"));
    QCOMPARE(n.text, Indent + QStringLiteral("From 10:00 To   :   -> Exam\r"));
    QCOMPARE(n.height, 96);
    QCOMPARE(n.timeOut, 0);
    QVERIFY(n.leftAligned);
}

void TestLookAhead::farthestDayComesFirst()
{
    ReminderRig rig;
    rig.addTask(kind::OneShot, QDate(2026, 12, 11), QStringLiteral("09:00"), QStringLiteral("Near"),
                true);
    rig.addTask(kind::Monthly, QDate(2026, 11, 14), QStringLiteral("09:00"), QStringLiteral("Far"),
                true);
    rig.addTask(kind::Monthly, QDate(2026, 11, 14), QStringLiteral("08:00"),
                QStringLiteral("Farther"), true);
    rig.lookAhead.run();
    QCOMPARE(rig.notifier.titles(),
             QStringList({"I inform you that left 4 days, in date: Monday 14 December 2026\r",
                          "I inform you that left 1 days, in date: Friday 11 December 2026\r"}));
    QCOMPARE(rig.notifier.shown[0].height, 112);
    QCOMPARE(rig.notifier.shown[0].text,
             Indent + "From 08:00 To   :   -> Farther\r" + Indent + "From 09:00 To   :   -> Far\r");
}

// Two every-other-month tasks on the 2nd, one of the odd months (first
// on 2 November) and one of the even months (first on 2 December): a look
// from the end of a month finds the one of the next month's parity.
void TestLookAhead::everyOtherMonthAcrossTheMonthEnd_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("found");
    QTest::newRow("December into January")
        << QDate(2026, 12, 30)
        << "I inform you that left 3 days, in date: Saturday 2 January 2027\r"
        << "Odd months";
    QTest::newRow("January into February")
        << QDate(2027, 1, 29) << "I inform you that left 4 days, in date: Tuesday 2 February 2027\r"
        << "Even months";
}

void TestLookAhead::everyOtherMonthAcrossTheMonthEnd()
{
    QFETCH(QDate, today);
    QFETCH(QString, title);
    QFETCH(QString, found);
    ReminderRig rig;
    rig.settings.writeFutureFlag(true);
    rig.settings.load();
    for (const auto& [first, description] :
         {std::pair(QDate(2026, 11, 2), QStringLiteral("Odd months")),
          std::pair(QDate(2026, 12, 2), QStringLiteral("Even months"))}) {
        calendar::TaskDraft d = draftOn(first, description);
        d.from = QStringLiteral("09:00");
        d.remindInAdvance = true;
        d.everyOther = true;
        rig.archive.add(kind::Monthly, d, first);
    }
    rig.clock.set(QDateTime(today, QTime(8, 0)));
    QVERIFY(rig.lookAhead.indicatorVisible());
    rig.lookAhead.run();
    QCOMPARE(rig.notifier.titles(), QStringList{title});
    QCOMPARE(rig.notifier.shown.first().text, Indent + "From 09:00 To   :   -> " + found + "\r");
}

// Which single task is found with N days ahead.
void TestLookAhead::onlyWarnedTasksOfTheComingDays_data()
{
    QTest::addColumn<int>("days");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<bool>("warned");
    QTest::addColumn<int>("notifications");
    QTest::newRow("tomorrow, N = 1") << 1 << QDate(2026, 12, 11) << true << 1;
    QTest::newRow("day after, N = 1") << 1 << QDate(2026, 12, 12) << true << 0;
    QTest::newRow("today") << 5 << QDate(2026, 12, 10) << true << 0;
    QTest::newRow("fifth day, N = 5") << 5 << QDate(2026, 12, 15) << true << 1;
    QTest::newRow("not warned") << 5 << QDate(2026, 12, 12) << false << 0;
    QTest::newRow("N beyond 366 counts as 366") << 400 << QDate(2027, 12, 11) << true << 1;
}

void TestLookAhead::onlyWarnedTasksOfTheComingDays()
{
    QFETCH(int, days);
    QFETCH(QDate, date);
    QFETCH(bool, warned);
    QFETCH(int, notifications);
    ReminderRig rig;
    rig.settings.writeFutureFlag(true);
    rig.settings.writeFutureDays(days);
    rig.settings.load();
    rig.addTask(kind::OneShot, date, QStringLiteral("09:00"), QStringLiteral("Task"), warned);
    rig.lookAhead.run();
    QCOMPARE(rig.notifier.shown.size(), notifications);
    QCOMPARE(rig.lookAhead.indicatorVisible(), notifications == 1);
}

void TestLookAhead::nothingAheadIsConfirmedOnTheOptionsTab_data()
{
    QTest::addColumn<bool>("optionsTab");
    QTest::newRow("options tab") << true;
    QTest::newRow("daily view") << false;
}

void TestLookAhead::nothingAheadIsConfirmedOnTheOptionsTab()
{
    QFETCH(bool, optionsTab);
    ReminderRig rig;
    rig.lookAhead.optionsTabActive = [optionsTab] { return optionsTab; };
    rig.state.restoreBlocked = true;
    rig.lookAhead.run();
    QVERIFY(!rig.state.restoreBlocked);
    if (!optionsTab) {
        QVERIFY(rig.notifier.shown.isEmpty());
        return;
    }
    QCOMPARE(rig.notifier.shown,
             QList<reminders::Notification>(
                 {{"No important task for the next 5 days.", QString(), 80, 5, true}}));
}

void TestLookAhead::lockedAutomaticRunWaitsForUnlock()
{
    ReminderRig rig;
    rig.setOptions([](store::OptionValues& v) {
        v.password = QStringLiteral("secret");
        v.lockOnStartup = true;
        v.minimized = true;
    });
    rig.settings.writeFutureFlag(true);
    rig.settings.load();
    rig.addTask(kind::OneShot, QDate(2026, 12, 11), QStringLiteral("09:00"), QStringLiteral("Near"),
                true);
    rig.addTask(kind::OneShot, QDate(2026, 12, 13), QStringLiteral("09:00"), QStringLiteral("Far"),
                true);
    rig.state.programLocked = true;
    rig.startClock();
    QVERIFY(rig.alarm->startOfDayCheck());
    QCOMPARE(rig.notifier.shown,
             QList<reminders::Notification>(
                 {{"Important task incoming!", Indent + "Enter the password to see what I mean.",
                   96, 0, true}}));
    QVERIFY(rig.lookAhead.pendingAfterUnlock());
    QVERIFY(!rig.state.restoreBlocked);

    rig.state.programLocked = false;
    rig.lookAhead.runAfterUnlock();
    QCOMPARE(rig.notifier.titles().mid(1),
             QStringList({"I inform you that left 3 days, in date: Sunday 13 December 2026\r",
                          "I inform you that left 1 days, in date: Friday 11 December 2026\r"}));
    QVERIFY(!rig.lookAhead.pendingAfterUnlock());
    rig.lookAhead.runAfterUnlock();
    QCOMPARE(rig.notifier.shown.size(), 3);
}

void TestLookAhead::automaticRunsAtStartOfDayAndFirstShow_data()
{
    QTest::addColumn<bool>("feature");
    QTest::addColumn<bool>("startMinimized");
    QTest::addColumn<int>("atStartOfDay");
    QTest::addColumn<int>("atFirstShow");
    QTest::newRow("started minimized") << true << true << 1 << 1;
    QTest::newRow("shown at start: waits for the window") << true << false << 0 << 1;
    QTest::newRow("feature off") << false << true << 0 << 0;
}

void TestLookAhead::automaticRunsAtStartOfDayAndFirstShow()
{
    QFETCH(bool, feature);
    QFETCH(bool, startMinimized);
    QFETCH(int, atStartOfDay);
    QFETCH(int, atFirstShow);
    ReminderRig rig;
    rig.setOptions([&](store::OptionValues& v) { v.minimized = startMinimized; });
    rig.settings.writeFutureFlag(feature);
    rig.settings.load();
    rig.addTask(kind::OneShot, QDate(2026, 12, 11), QStringLiteral("09:00"), QStringLiteral("Near"),
                true);
    rig.lookAhead.runAtStartOfDay();
    QCOMPARE(rig.notifier.shown.size(), atStartOfDay);
    rig.lookAhead.runAtFirstShow();
    rig.lookAhead.runAtFirstShow();
    QCOMPARE(rig.notifier.shown.size(), atFirstShow);
    QVERIFY(!rig.state.restoreBlocked);
}

QTEST_GUILESS_MAIN(TestLookAhead)
#include "tst_lookahead.moc"

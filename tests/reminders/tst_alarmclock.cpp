#include "reminderrig.h"
#include "reminders/announcements.h"
#include "store/sqlerror.h"

#include <utility>

using namespace calendar;
using reminders::Headline;
using Section = store::Settings::Section;

namespace {
QDateTime at(const QDate& day, const QTime& time)
{
    return QDateTime(day, time);
}
} // namespace

class TestAlarmClock final : public QObject
{
    Q_OBJECT
private slots:
    void dueTaskIsAnnouncedOnce_data();
    void dueTaskIsAnnouncedOnce();
    void unreadableStartTimeNeverFires_data();
    void unreadableStartTimeNeverFires();
    void tasksOfOneSecondFollowListOrder();
    void windowStateDecidesHowToAnnounce_data();
    void windowStateDecidesHowToAnnounce();
    void switchingTimeAlarmOnForgetsWhatCameBefore();
    void switchingTimeAlarmOnReadsTheTasksAgain_data();
    void switchingTimeAlarmOnReadsTheTasksAgain();
    void messagePanelBlinksUntilClicked();
    void dayChangeAtMidnight();
    void dueCheckAcrossMidnightSeesTheNewDay();
    void failedDayChangeIsRunAgain_data();
    void failedDayChangeIsRunAgain();
    void clockSetBackAcrossMidnight();
    void startOfDaySummary_data();
    void startOfDaySummary();
    void controlArgumentEndsOnEmptyDay();
    void controlArgumentOnlyCountsAtStartUp_data();
    void controlArgumentOnlyCountsAtStartUp();
};

// Each tick moves the clock to the next time of `ticks`; `expected` is the
// number of announcements made so far after each tick.
void TestAlarmClock::dueTaskIsAnnouncedOnce_data()
{
    QTest::addColumn<QList<QTime>>("ticks");
    QTest::addColumn<QList<int>>("expected");
    QTest::newRow("on the second, not again")
        << QList<QTime>{{8, 29, 59}, {8, 30, 0}, {8, 30, 1}} << QList<int>{0, 1, 1};
    QTest::newRow("late tick skips 08:30:00")
        << QList<QTime>{{8, 29, 59}, {8, 30, 1}, {8, 30, 2}} << QList<int>{0, 1, 1};
    QTest::newRow("two ticks in the due second")
        << QList<QTime>{{8, 30, 0, 100}, {8, 30, 0, 900}} << QList<int>{1, 1};
    QTest::newRow("sleep from 08:00 to 09:00")
        << QList<QTime>{{8, 0, 0}, {9, 0, 0}} << QList<int>{0, 1};
    QTest::newRow("clock set back over the due time")
        << QList<QTime>{{8, 30, 0}, {8, 29, 50}, {8, 30, 10}} << QList<int>{1, 1, 1};
    QTest::newRow("not yet") << QList<QTime>{{8, 28, 0}, {8, 29, 59}} << QList<int>{0, 0};
}

void TestAlarmClock::dueTaskIsAnnouncedOnce()
{
    QFETCH(QList<QTime>, ticks);
    QFETCH(QList<int>, expected);
    ReminderRig rig;
    rig.addTask(kind::OneShot, ReminderRig::Day, QStringLiteral("08:30"),
                QStringLiteral("Dentist"));
    rig.startClock();
    for (int i = 0; i < ticks.size(); ++i) {
        rig.tickAt(ticks[i]);
        QCOMPARE(rig.notifier.shown.size(), expected[i]);
        QCOMPARE(rig.player.played.size(), expected[i]);
    }
    if (expected.last() == 1)
        QCOMPARE(rig.notifier.shown.first(),
                 reminders::dueTaskNotification(QStringLiteral(" Dentist!")));
}

void TestAlarmClock::unreadableStartTimeNeverFires_data()
{
    QTest::addColumn<QString>("orario");
    QTest::addColumn<int>("announced");
    QTest::newRow("readable") << "08:30" << 1;
    QTest::newRow("empty, colon") << "  :  " << 0;
    QTest::newRow("empty, dot") << "  .  " << 0;
    QTest::newRow("other separator") << "08.30" << 0;
    QTest::newRow("blank") << "" << 0;
    QTest::newRow("no such hour") << "25:10" << 0;
    QTest::newRow("letters") << "ab:cd" << 0;
}

void TestAlarmClock::unreadableStartTimeNeverFires()
{
    QFETCH(QString, orario);
    QFETCH(int, announced);
    ReminderRig rig;
    rig.clock.set(at(ReminderRig::Day, QTime(0, 0)));
    rig.addTask(kind::Weekly, ReminderRig::Day, orario, QStringLiteral("Gym"));
    rig.startClock();
    rig.tickAt(QTime(0, 0, 1));
    rig.tickAt(QTime(23, 59, 59));
    QCOMPARE(rig.notifier.shown.size(), announced);
}

void TestAlarmClock::tasksOfOneSecondFollowListOrder()
{
    ReminderRig rig;
    rig.addTask(kind::Weekly, ReminderRig::Day, QStringLiteral("08:30"), QStringLiteral("Bravo"));
    rig.addTask(kind::OneShot, ReminderRig::Day, QStringLiteral("08:30"), QStringLiteral("Alpha"));
    rig.startClock();
    rig.tickAt(QTime(8, 30));
    QCOMPARE(rig.notifier.shown.size(), 2);
    QCOMPARE(rig.notifier.shown[0].text, QString(14, u' ') + QStringLiteral(" Alpha!"));
    QCOMPARE(rig.notifier.shown[1].text, QString(14, u' ') + QStringLiteral(" Bravo!"));
    QCOMPARE(rig.player.played,
             QStringList({QStringLiteral("mailbeep"), QStringLiteral("mailbeep")}));
    // The panel ends with the last task, in its section's colour.
    QCOMPARE(rig.alarm->messagePanel().section, std::optional(Section::Weekly));
    rig.clock.set(at(ReminderRig::Day, QTime(8, 30, 1)));
    rig.alarm->timerOrologioTimer();
    rig.alarm->timerOrologioTimer();
    QCOMPARE(rig.alarm->messagePanel().text, QStringLiteral(" Bravo!"));
}

void TestAlarmClock::windowStateDecidesHowToAnnounce_data()
{
    QTest::addColumn<bool>("minimized");
    QTest::addColumn<bool>("sound");
    QTest::addColumn<bool>("popup");
    QTest::addColumn<bool>("locked");
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<int>("notifications");
    QTest::addColumn<int>("sounds");
    QTest::newRow("visible") << false << true << false << false << QStringList{"today tab", "front"}
                             << 0 << 1;
    QTest::newRow("minimized") << true << true << false << false
                               << QStringList{"today tab", "tray on"} << 1 << 1;
    QTest::newRow("minimized, silent")
        << true << false << false << false << QStringList{"today tab", "tray on"} << 1 << 0;
    QTest::newRow("minimized, lock applies")
        << true << true << false << true << QStringList{"today tab", "tray on"} << 0 << 1;
    // The window comes up only at the next turn of the event loop: until
    // then it is away, so the tray animates and the notification shows.
    QTest::newRow("pop-up, minimized")
        << true << true << true << false << QStringList{"today tab", "open", "tray on"} << 1 << 1;
    QTest::newRow("pop-up, visible")
        << false << true << true << false << QStringList{"today tab", "open", "front"} << 0 << 1;
}

void TestAlarmClock::windowStateDecidesHowToAnnounce()
{
    QFETCH(bool, minimized);
    QFETCH(bool, sound);
    QFETCH(bool, popup);
    QFETCH(bool, locked);
    QFETCH(QStringList, events);
    QFETCH(int, notifications);
    QFETCH(int, sounds);
    ReminderRig rig;
    rig.setOptions([&](store::OptionValues& v) {
        v.soundAlarm = sound;
        v.popup = popup;
        v.password = locked ? QStringLiteral("secret") : QString();
        v.lockOnStartup = true;
    });
    rig.state.windowMinimized = minimized;
    rig.addTask(kind::Monthly, ReminderRig::Day, QStringLiteral("08:30"), QStringLiteral("Rent"));
    rig.startClock();
    rig.tickAt(QTime(8, 30));
    QCOMPARE(rig.events, events);
    QCOMPARE(rig.notifier.shown.size(), notifications);
    QCOMPARE(rig.player.played.size(), sounds);
    QVERIFY(rig.alarm->blinking());
    QCOMPARE(rig.alarm->messagePanel().section, std::optional(Section::Monthly));
}

void TestAlarmClock::switchingTimeAlarmOnForgetsWhatCameBefore()
{
    ReminderRig rig;
    rig.setOptions([](store::OptionValues& v) { v.timeCheck = false; });
    rig.addTask(kind::OneShot, ReminderRig::Day, QStringLiteral("08:30"), QStringLiteral("Call"));
    rig.addTask(kind::OneShot, ReminderRig::Day, QStringLiteral("09:30"), QStringLiteral("Meet"));
    rig.startClock();
    rig.tickAt(QTime(8, 0));
    rig.clock.set(at(ReminderRig::Day, QTime(9, 0)));
    rig.setOptions([](store::OptionValues& v) { v.timeCheck = true; });
    rig.tickAt(QTime(9, 0, 1));
    QVERIFY(rig.notifier.shown.isEmpty());
    rig.tickAt(QTime(9, 30));
    QCOMPARE(rig.notifier.shown.size(), 1);
    QCOMPARE(rig.notifier.shown[0].text.trimmed(), QStringLiteral("Meet!"));
}

// While "Time alarm" is off nothing rebuilds the alarm list; switching it on
// must, or a task changed meanwhile rings as it was.
void TestAlarmClock::switchingTimeAlarmOnReadsTheTasksAgain_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QStringList>("rings");
    QTest::newRow("deleted") << "DELETE FROM CRarc66" << QStringList{};
    QTest::newRow("moved") << "UPDATE CRarc66 SET orario = \"10:00\"" << QStringList{"10:00 Call!"};
    QTest::newRow("ticked") << "UPDATE CRarc66 SET flagfatto = \"Y\", fatto = :today"
                            << QStringList{};
    QTest::newRow("added") << "INSERT INTO CRarc66 (id, flag, datefull, orario, fatto, sospeso) "
                              "SELECT \"Meet\", flag, datefull, \"09:45\", fatto, sospeso "
                              "FROM CRarc66"
                           << QStringList{"09:30 Call!", "09:45 Meet!"};
}

void TestAlarmClock::switchingTimeAlarmOnReadsTheTasksAgain()
{
    QFETCH(QString, change);
    QFETCH(QStringList, rings);
    ReminderRig rig;
    rig.setOptions([](store::OptionValues& v) { v.timeCheck = false; });
    rig.addTask(kind::OneShot, ReminderRig::Day, QStringLiteral("09:30"), QStringLiteral("Call"));
    rig.startClock();
    rig.tickAt(QTime(8, 0));
    store::Query& q = *rig.archive.general;
    q.setSql({change});
    if (change.contains(QLatin1String(":today")))
        q.setDate(QStringLiteral("today"), ReminderRig::Day);
    q.execSql();
    rig.setOptions([](store::OptionValues& v) { v.timeCheck = true; });
    QStringList rang; // what rang, at which tick
    for (const QTime& t : {QTime(9, 0), QTime(9, 30), QTime(9, 45), QTime(10, 0)}) {
        const auto before = rig.notifier.shown.size();
        rig.tickAt(t);
        for (auto i = before; i < rig.notifier.shown.size(); ++i)
            rang.append(t.toString(u"hh:mm ") + rig.notifier.shown[i].text.trimmed());
    }
    QCOMPARE(rang, rings);
}

void TestAlarmClock::messagePanelBlinksUntilClicked()
{
    ReminderRig rig;
    rig.addTask(kind::Yearly, ReminderRig::Day, QStringLiteral("08:30"),
                QStringLiteral("Anniversary"));
    rig.startClock();
    rig.alarm->messagePanelClicked(); // nothing blinks: nothing changes
    QVERIFY(rig.panels.isEmpty());

    rig.tickAt(QTime(8, 30));
    QStringList texts;
    for (int i = 0; i < 4; ++i) {
        rig.alarm->timerOrologioTimer();
        texts.append(rig.alarm->messagePanel().text);
    }
    QCOMPARE(texts, QStringList({Headline, " Anniversary!", Headline, " Anniversary!"}));
    QCOMPARE(rig.alarm->messagePanel().section, std::optional(Section::Yearly));

    rig.alarm->notificationClicked();
    QVERIFY(!rig.alarm->blinking());
    QCOMPARE(rig.alarm->messagePanel(), reminders::MessagePanelState{});
    QCOMPARE(rig.events.last(), QStringLiteral("tray off"));
    const auto shownPanels = rig.panels.size();
    rig.alarm->timerOrologioTimer();
    QCOMPARE(rig.panels.size(), shownPanels);
}

void TestAlarmClock::dayChangeAtMidnight()
{
    ReminderRig rig;
    const QDate tomorrow = ReminderRig::Day.addDays(1);
    rig.setOptions([](store::OptionValues& v) {
        v.minimized = true;
        v.timeCheck = false; // the day changes all the same
    });
    rig.addTask(kind::OneShot, tomorrow, QStringLiteral("10:00"), QStringLiteral("Tomorrow"));
    rig.clock.set(at(ReminderRig::Day, QTime(23, 59, 59)));
    rig.startClock();
    rig.alarm->timerOrologioTimer();
    QVERIFY(rig.events.isEmpty());
    QCOMPARE(rig.alarm->alarmList().recordCount(), 0);

    rig.clock.set(at(tomorrow, QTime(0, 0, 0, 100)));
    rig.alarm->timerOrologioTimer();
    rig.clock.set(at(tomorrow, QTime(0, 0, 0, 900)));
    rig.alarm->timerOrologioTimer();
    QCOMPARE(rig.events, QStringList({"purge", "one-shot list", "daily view today", "tray on"}));
    QCOMPARE(rig.alarm->currentDate(), tomorrow);
    QCOMPARE(rig.alarm->alarmList().recordCount(), 1);
    QCOMPARE(rig.notifier.titles(),
             QStringList({QStringLiteral("Today's tasks: Friday 11 December 2026")}));
    QCOMPARE(rig.player.played, QStringList({QStringLiteral("mailbeep")}));
}

void TestAlarmClock::dueCheckAcrossMidnightSeesTheNewDay()
{
    ReminderRig rig;
    const QDate tomorrow = ReminderRig::Day.addDays(1);
    rig.addTask(kind::OneShot, tomorrow, QStringLiteral("00:00"), QStringLiteral("Midnight"));
    rig.clock.set(at(ReminderRig::Day, QTime(23, 59, 59)));
    rig.startClock();
    // The due check's tick comes before the clock's in the new day.
    rig.tickAt(at(tomorrow, QTime(0, 0)));
    QCOMPARE(rig.notifier.shown.size(), 1);
    QCOMPARE(rig.notifier.shown[0].text.trimmed(), QStringLiteral("Midnight!"));
    rig.alarm->timerOrologioTimer();
    QCOMPARE(rig.events.count(QStringLiteral("purge")), 1);
}

// An engine error in a step of the day change (another program holding a
// shared archive, say) leaves the day unchanged: the next tick runs the whole
// change again, and only the new day's tasks ring.
void TestAlarmClock::failedDayChangeIsRunAgain_data()
{
    QTest::addColumn<QString>("failing");
    QTest::newRow("purge") << "purge";
    QTest::newRow("one-shot list") << "one-shot list";
    QTest::newRow("daily view") << "daily view today";
}

void TestAlarmClock::failedDayChangeIsRunAgain()
{
    QFETCH(QString, failing);
    ReminderRig rig;
    const QDate tomorrow = ReminderRig::Day.addDays(1);
    rig.addTask(kind::OneShot, ReminderRig::Day, QStringLiteral("08:30"), QStringLiteral("Old"));
    rig.addTask(kind::OneShot, tomorrow, QStringLiteral("09:00"), QStringLiteral("New"));
    rig.clock.set(at(ReminderRig::Day, QTime(23, 59, 59)));
    rig.startClock();
    bool failed = false;
    const auto failOnce = [&rig, &failed, failing] {
        rig.events.append(failing);
        if (!std::exchange(failed, true))
            throw store::SqlError(store::errorclass::Busy, QStringLiteral("database is locked"));
    };
    if (failing == QLatin1String("purge"))
        rig.alarm->hooks.purgeOldTasks = failOnce;
    else if (failing == QLatin1String("one-shot list"))
        rig.alarm->hooks.refreshOneShotList = failOnce;
    else
        rig.alarm->hooks.showTodayInDailyView = failOnce;

    rig.clock.set(at(tomorrow, QTime(0, 0)));
    QVERIFY_THROWS_EXCEPTION(store::SqlError, rig.alarm->timerOrologioTimer());
    QCOMPARE(rig.alarm->currentDate(), ReminderRig::Day);
    rig.clock.set(at(tomorrow, QTime(0, 0, 1)));
    rig.alarm->timerOrologioTimer();
    QCOMPARE(rig.alarm->currentDate(), tomorrow);
    QCOMPARE(rig.events.count(failing), 2);
    QCOMPARE(rig.events.count(QStringLiteral("tray on")), 1); // one start-of-day announcement
    rig.tickAt(at(tomorrow, QTime(8, 30)));
    rig.tickAt(at(tomorrow, QTime(9, 0)));
    QCOMPARE(rig.notifier.shown.size(), 1);
    QCOMPARE(rig.notifier.shown[0].text.trimmed(), QStringLiteral("New!"));
}

// A clock put back a little across midnight walks through a day whose
// change has run: nothing of it runs again and nothing rings twice.
void TestAlarmClock::clockSetBackAcrossMidnight()
{
    ReminderRig rig;
    const QDate tomorrow = ReminderRig::Day.addDays(1);
    rig.addTask(kind::OneShot, ReminderRig::Day, QStringLiteral("23:59"), QStringLiteral("Late"));
    rig.addTask(kind::OneShot, tomorrow, QStringLiteral("00:00"), QStringLiteral("Early"));
    rig.clock.set(at(ReminderRig::Day, QTime(23, 58)));
    rig.startClock();
    const auto tick = [&rig](const QDateTime& when) {
        rig.tickAt(when);
        rig.alarm->timerOrologioTimer();
    };
    tick(at(ReminderRig::Day, QTime(23, 59)));
    tick(at(tomorrow, QTime(0, 0, 30)));
    QCOMPARE(rig.notifier.shown.size(), 2);
    QCOMPARE(rig.events.count(QStringLiteral("purge")), 1);

    tick(at(ReminderRig::Day, QTime(23, 58, 30)));
    tick(at(ReminderRig::Day, QTime(23, 59, 30)));
    tick(at(tomorrow, QTime(0, 0, 1)));
    tick(at(tomorrow, QTime(0, 1)));
    QCOMPARE(rig.events.count(QStringLiteral("purge")), 1);
    QCOMPARE(rig.events.count(QStringLiteral("daily view today")), 1);
    QCOMPARE(rig.notifier.shown.size(), 2);
    QCOMPARE(rig.alarm->currentDate(), tomorrow);
}

void TestAlarmClock::startOfDaySummary_data()
{
    QTest::addColumn<bool>("firstDone");
    QTest::addColumn<bool>("popup");
    QTest::addColumn<bool>("minimized");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("height");
    const QString open1 = QString(14, u' ') + QStringLiteral("From 07:00 To 08:00 -> Breakfast\r");
    const QString open2 = QString(14, u' ') + QStringLiteral("From 09:15 To   :   -> Walk\r");
    QTest::newRow("all open") << false << false << true
                              << "Today's tasks: Thursday 10 December 2026" << open1 + open2 << 112;
    QTest::newRow("one done") << true << false << true
                              << "Today's tasks (not checked): Thursday 10 December 2026" << open2
                              << 96;
    QTest::newRow("pop-up") << false << true << true << QString() << QString() << 0;
    QTest::newRow("not started minimized")
        << false << false << false << QString() << QString() << 0;
}

void TestAlarmClock::startOfDaySummary()
{
    QFETCH(bool, firstDone);
    QFETCH(bool, popup);
    QFETCH(bool, minimized);
    QFETCH(QString, title);
    QFETCH(QString, text);
    QFETCH(int, height);
    ReminderRig rig;
    rig.setOptions([&](store::OptionValues& v) {
        v.popup = popup;
        v.minimized = minimized;
    });
    calendar::TaskDraft first = draftOn(ReminderRig::Day, QStringLiteral("Breakfast"));
    first.from = QStringLiteral("07:00");
    first.to = QStringLiteral("08:00");
    const qint64 key = rig.archive.add(kind::OneShot, first, ReminderRig::Day);
    rig.addTask(kind::Weekly, ReminderRig::Day, QStringLiteral("09:15"), QStringLiteral("Walk"));
    if (firstDone)
        rig.archive.writer().setDone(key, {ReminderRig::Day, calendar::Yes});
    rig.startClock();
    QVERIFY(rig.alarm->startOfDayCheck());
    QCOMPARE(rig.events.first(), QStringLiteral("tray on"));
    QCOMPARE(rig.events.contains(QStringLiteral("open")), popup);
    if (title.isEmpty()) {
        QVERIFY(rig.notifier.shown.isEmpty());
        return;
    }
    QCOMPARE(rig.notifier.shown.size(), 1);
    const reminders::Notification& n = rig.notifier.shown.first();
    QCOMPARE(n.title, title);
    QCOMPARE(n.text, text);
    QCOMPARE(n.height, height);
    QCOMPARE(n.timeOut, 10);
}

void TestAlarmClock::controlArgumentEndsOnEmptyDay()
{
    ReminderRig rig;
    rig.startClock();
    rig.alarm->arguments = {QStringLiteral("control")};
    QVERIFY(!rig.alarm->startOfDayCheck());
    QCOMPARE(rig.events, QStringList({"terminate"}));
}

// A program started by a scheduler with "CONTROL" on a busy day keeps
// running through every later change of day, whatever the day holds.
void TestAlarmClock::controlArgumentOnlyCountsAtStartUp_data()
{
    QTest::addColumn<bool>("nextDayBusy");
    QTest::newRow("empty next day") << false;
    QTest::newRow("busy next day") << true;
}

void TestAlarmClock::controlArgumentOnlyCountsAtStartUp()
{
    QFETCH(bool, nextDayBusy);
    ReminderRig rig;
    const QDate tomorrow = ReminderRig::Day.addDays(1);
    rig.addTask(kind::OneShot, ReminderRig::Day, QStringLiteral("10:00"), QStringLiteral("Today"));
    if (nextDayBusy)
        rig.addTask(kind::OneShot, tomorrow, QStringLiteral("10:00"), QStringLiteral("Tomorrow"));
    rig.startClock();
    rig.alarm->arguments = {QStringLiteral("CONTROL")};
    QVERIFY(rig.alarm->startOfDayCheck());
    for (int day = 1; day <= 2; ++day) {
        rig.clock.set(at(ReminderRig::Day.addDays(day), QTime(0, 0)));
        rig.alarm->timerOrologioTimer();
        QCOMPARE(rig.alarm->currentDate(), ReminderRig::Day.addDays(day));
    }
    QVERIFY(!rig.events.contains(QStringLiteral("terminate")));
    QCOMPARE(rig.events.count(QStringLiteral("daily view today")), 2);
}

QTEST_GUILESS_MAIN(TestAlarmClock)
#include "tst_alarmclock.moc"

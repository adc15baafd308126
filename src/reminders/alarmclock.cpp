#include "alarmclock.h"

#include "calendar/dayselection.h"
#include "calendar/taskrecord.h"
#include "platform/clock.h"
#include "reminders/alarmsound.h"
#include "reminders/announcements.h"
#include "reminders/lookahead.h"
#include "reminders/notifier.h"
#include "shared/appstate.h"

namespace reminders {
namespace {

// The due check counts whole seconds, as the start times are whole minutes.
QDateTime wholeSecond(const QDateTime& when)
{
    QDateTime out = when;
    out.setTime(QTime(when.time().hour(), when.time().minute(), when.time().second()));
    return out;
}

std::optional<store::Settings::Section> sectionOfKind(const QString& flag)
{
    using Section = store::Settings::Section;
    if (flag == calendar::kind::OneShot)
        return Section::OneShot;
    if (flag == calendar::kind::Yearly)
        return Section::Yearly;
    if (flag == calendar::kind::Monthly)
        return Section::Monthly;
    if (flag == calendar::kind::Weekly)
        return Section::Weekly;
    return std::nullopt;
}

void call(const std::function<void()>& hook)
{
    if (hook)
        hook();
}

} // namespace

AlarmClock::AlarmClock(store::Database& database, store::Settings& settings,
                       shared::AppState& state, const platform::Clock& clock, AlarmSound& sound,
                       Notifier& notifier, LookAhead& lookAhead, QLocale locale, QObject* parent)
    : QObject(parent), m_db(database), m_settings(settings), m_state(state), m_clock(clock),
      m_sound(sound), m_notifier(notifier), m_lookAhead(lookAhead), m_locale(std::move(locale)),
      m_alarms(database), m_check(database), m_currentDate(clock.today()), m_daysDone{m_currentDate}
{
    restartDueWatch();
    m_timeCheck = m_settings.timeCheck();
    // Every load of the options with "Time alarm" on reads the alarm list
    // again: nothing kept it up to date while the alarm was off, and tasks
    // deleted, moved or ticked meanwhile must not ring as they were.
    connect(&m_settings, &store::Settings::loaded, this, [this] {
        const bool on = m_settings.timeCheck();
        if (on)
            refreshAlarmList();
        if (on && !m_timeCheck)
            restartDueWatch();
        m_timeCheck = on;
    });
}

void AlarmClock::restartDueWatch()
{
    // What came due while the alarm was off is not announced; a task due in
    // this very second still counts.
    m_checkedUpTo = wholeSecond(m_clock.now()).addSecs(-1);
}

store::AlarmBoxes AlarmClock::boxes() const
{
    return store::Settings::alarmBoxes(m_settings.soundCode())
        .value_or(store::AlarmBoxes{true, false});
}

bool AlarmClock::lockApplies() const
{
    return !m_settings.storedPassword().isEmpty() && m_settings.lockOnStartup();
}

void AlarmClock::timerOrologioTimer()
{
    const QDateTime now = m_clock.now();
    if (hooks.showClockText) {
        const bool active = !hooks.applicationActive || hooks.applicationActive();
        hooks.showClockText(clockText(now, m_settings.ampm(), active, m_locale));
    }
    // The date alone decides: a tick that misses midnight still changes the
    // day, and two ticks within 00:00:00 change it once.
    followDate(now.date());
    if (m_blinking) {
        MessagePanelState panel = m_panel;
        panel.text = panel.text == Headline ? m_taskText : Headline;
        setPanel(panel);
    }
}

void AlarmClock::timerContolloOrarioTimer()
{
    if (!m_settings.timeCheck()) {
        m_timeCheck = false;
        return;
    }
    if (!m_timeCheck) {
        m_timeCheck = true;
        refreshAlarmList();
        restartDueWatch();
    }
    const QDateTime now = wholeSecond(m_clock.now());
    // The alarm list must be today's before today's times are compared; a
    // day change that failed leaves the due watch where it was.
    followDate(now.date());
    const QDateTime from = m_checkedUpTo;
    m_checkedUpTo = now;
    if (!m_alarms.isActive() || now <= from)
        return;
    for (m_alarms.first(); !m_alarms.eof(); m_alarms.next()) {
        const QString orario = m_alarms.fieldByName(QStringLiteral("orario")).asString();
        const std::optional<QTime> due = dueTimeOf(orario, m_locale);
        if (!due)
            continue;
        const QDateTime dueAt(m_currentDate, *due);
        if (dueAt <= from || dueAt > now)
            continue;
        const QString key = m_currentDate.toString(Qt::ISODate) + u'/' +
                            m_alarms.fieldByName(QStringLiteral("codimp")).asString() + u'@' +
                            orario;
        if (m_announced.contains(key))
            continue;
        m_announced.insert(key);
        announce(m_alarms);
    }
}

void AlarmClock::announce(store::Query& task)
{
    const store::AlarmBoxes on = boxes();
    if (on.sound)
        m_sound.play(m_settings.waveSound());
    call(hooks.showTodayTab);
    if (on.popup)
        call(hooks.open1);
    m_taskText = announcementTaskText(task.fieldByName(QStringLiteral("id")).asString());
    m_blinking = true;
    setPanel({m_panel.text, sectionOfKind(task.fieldByName(QStringLiteral("flag")).asString())});
    if (m_state.windowMinimized) {
        call(hooks.startTrayAnimation);
        if (!lockApplies())
            m_notifier.show(dueTaskNotification(m_taskText));
    } else {
        call(hooks.bringToFront);
    }
}

void AlarmClock::refreshAlarmList()
{
    calendar::refreshAlarmList(m_alarms, m_currentDate, m_locale);
}

void AlarmClock::followDate(const QDate& today)
{
    if (today == m_currentDate)
        return;
    if (m_daysDone.contains(today)) {
        // The clock went back across midnight into a day whose change has
        // run: only the alarm list follows the date.
        calendar::refreshAlarmList(m_alarms, today, m_locale);
        m_currentDate = today;
        return;
    }
    dayChange(today);
}

void AlarmClock::dayChange(const QDate& today)
{
    call(hooks.purgeOldTasks);
    call(hooks.refreshOneShotList);
    calendar::refreshAlarmList(m_alarms, today, m_locale);
    call(hooks.showTodayInDailyView);
    // "CONTROL" asks about the day the program was started on; a scheduler
    // that started it on a busy day wants it kept running.
    runStartOfDayCheck(today, {});
    // Only a change that went through makes the day current: after an engine
    // error the next tick runs it again instead of leaving yesterday's alarm
    // list under today's clock.
    m_currentDate = today;
    // Days done under a clock that ran ahead will come again.
    m_daysDone.removeIf([&today](const QDate& day) { return day > today; });
    m_daysDone.insert(today);
}

bool AlarmClock::startOfDayCheck()
{
    return runStartOfDayCheck(m_currentDate, arguments);
}

bool AlarmClock::runStartOfDayCheck(const QDate& today, const QStringList& startArguments)
{
    store::Query own(m_db);
    const store::Query* daily = hooks.dailyView ? hooks.dailyView() : nullptr;
    if (!daily) {
        calendar::buildDaySelection(own, calendar::DaySelection::DailyView, today, m_locale);
        daily = &own;
    }
    calendar::StartOfDayHooks steps;
    steps.advanceWarnings = m_settings.futureFlag();
    steps.lookAhead = [this] { m_lookAhead.runAtStartOfDay(); };
    steps.terminate = hooks.terminate;
    steps.announce = [this, daily, &today](store::Query&) {
        call(hooks.startTrayAnimation);
        if (!lockApplies() && !boxes().popup && !daily->isEmpty() && m_settings.minimized())
            m_notifier.show(startOfDaySummary(*daily, today, m_locale));
        const store::AlarmBoxes on = boxes();
        if (on.sound)
            m_sound.play(m_settings.waveSound());
        if (on.popup)
            call(hooks.open1);
    };
    return calendar::startOfDayCheck(m_check, *daily, startArguments, today, m_locale, steps);
}

void AlarmClock::messagePanelClicked()
{
    if (!m_blinking)
        return;
    m_blinking = false;
    setPanel({});
}

void AlarmClock::notificationClicked()
{
    call(hooks.stopTrayAnimation);
    messagePanelClicked();
}

void AlarmClock::setPanel(MessagePanelState panel)
{
    if (panel == m_panel)
        return;
    m_panel = std::move(panel);
    if (hooks.showMessagePanel)
        hooks.showMessagePanel(m_panel);
}

} // namespace reminders

#pragma once

#include "store/query.h"
#include "store/settings.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QObject>
#include <QSet>
#include <QStringList>
#include <functional>
#include <optional>

namespace shared {
struct AppState;
} // namespace shared
namespace platform {
class Clock;
}
namespace store {
class Database;
}

namespace reminders {

class AlarmSound;
class LookAhead;
class Notifier;

// What the message panel of the daily view shows.
struct MessagePanelState
{
    QString text;
    // The section whose colour the panel takes while an announcement waits
    // (with the daily grid's title font colour and a hand cursor); none for
    // the resting panel (button face, navy, arrow).
    std::optional<store::Settings::Section> section;
    friend bool operator==(const MessagePanelState&, const MessagePanelState&) = default;
};

// What the alarm clock asks of the main window. Hooks left unset do nothing.
struct AlarmClockHooks
{
    std::function<bool()> applicationActive;
    std::function<void(const QString&)> showClockText;
    std::function<void(const MessagePanelState&)> showMessagePanel;
    std::function<void()> showTodayTab;
    // "Open Corvandine Organizer" of the tray menu, for "Pop-up!".
    std::function<void()> open1;
    // The window is visible: bring it to the front on the Today tab.
    std::function<void()> bringToFront;
    std::function<void()> startTrayAnimation;
    // Stops the animation and shows the first tray image.
    std::function<void()> stopTrayAnimation;

    // The day change, in this order, before the alarm list is rebuilt and
    // the start-of-day check runs.
    std::function<void()> purgeOldTasks; // one-shot tasks marked to go once past
    std::function<void()> refreshOneShotList;
    std::function<void()> showTodayInDailyView;
    // The daily view's rows, showing today. Unset: the clock selects them.
    std::function<const store::Query*()> dailyView;
    // Ends the program at once (the "CONTROL" rule on a day without tasks).
    std::function<void()> terminate;
};

// The clock of the main window and the announcements of due tasks.
//
// TimerOrologio calls timerOrologioTimer() every second: the clock line, the
// change of day, the blinking message panel. TimerContolloOrario calls
// timerContolloOrarioTimer() every second while "Time alarm" is on: every
// task of the alarm list whose start time has come since the previous check
// is announced, once per task and day, in list order. A late tick, or a
// machine waking from sleep, therefore announces what came due meanwhile
// instead of losing it.
class AlarmClock final : public QObject
{
    Q_OBJECT
public:
    AlarmClock(store::Database& database, store::Settings& settings, shared::AppState& state,
               const platform::Clock& clock, AlarmSound& sound, Notifier& notifier,
               LookAhead& lookAhead, QLocale locale, QObject* parent = nullptr);

    AlarmClockHooks hooks;
    // The program's arguments, for the "CONTROL" rule of the start-of-day check.
    QStringList arguments;

    void timerOrologioTimer();
    void timerContolloOrarioTimer();

    // Rebuilds the alarm list for the current day (QueryParallelo).
    void refreshAlarmList();
    store::Query& alarmList() { return m_alarms; }

    // The start-of-day check with its announcement at the end of start-up.
    // False when the program is to end (the "CONTROL" rule). Every change of
    // day runs the same check without that rule.
    bool startOfDayCheck();

    // Panel_MEssaggioClick and MSNPopUp_AnticipoClick.
    void messagePanelClicked();
    void notificationClicked();

    bool blinking() const { return m_blinking; }
    const MessagePanelState& messagePanel() const { return m_panel; }
    QDate currentDate() const { return m_currentDate; }

private:
    void followDate(const QDate& today);
    void dayChange(const QDate& today);
    bool runStartOfDayCheck(const QDate& today, const QStringList& startArguments);
    void announce(store::Query& task);
    void setPanel(MessagePanelState panel);
    void restartDueWatch();
    store::AlarmBoxes boxes() const;
    bool lockApplies() const;

    store::Database& m_db;
    store::Settings& m_settings;
    shared::AppState& m_state;
    const platform::Clock& m_clock;
    AlarmSound& m_sound;
    Notifier& m_notifier;
    LookAhead& m_lookAhead;
    QLocale m_locale;
    store::Query m_alarms;
    store::Query m_check;

    // The day of the alarm list.
    QDate m_currentDate;
    // The days whose change has run (the start-up day among them).
    QSet<QDate> m_daysDone;
    // The last second the due check has covered.
    QDateTime m_checkedUpTo;
    bool m_timeCheck = false;
    // Tasks announced, by day, key and start time: a clock set back does not
    // announce them again, a task moved to a later time does. A few entries
    // a day; kept for the whole run.
    QSet<QString> m_announced;

    QString m_taskText;
    bool m_blinking = false;
    MessagePanelState m_panel;
};

} // namespace reminders

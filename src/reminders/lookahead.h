#pragma once

#include "reminders/notifier.h"
#include "store/query.h"

#include <QDate>
#include <QLocale>
#include <QStringList>

#include <functional>

namespace shared {
struct AppState;
} // namespace shared
namespace platform {
class Clock;
}
namespace store {
class Database;
class Settings;
} // namespace store

namespace reminders {

// The statement that finds, for day D, the tasks to be warned of in advance.
// `:datefull` is bound to D.
QStringList lookAheadLines(const QDate& day, const QLocale& locale);

// "Check for important tasks in the next N days"
QString lookAheadHint(int days);

// The advance warnings: for each of the next N days that carries tasks marked
// to be warned of, a notification listing them, the farthest day first, so
// tomorrow's ends up on top.
//
// A run started while the restore-blocked flag is set is an automatic one;
// every run clears the flag at its end. While the program is locked an
// automatic run only says that something is coming, and the full list waits
// for runAfterUnlock().
class LookAhead final
{
public:
    LookAhead(store::Database& database, store::Settings& settings, shared::AppState& state,
              const platform::Clock& clock, Notifier& notifier, QLocale locale);

    // Whether the Options tab is the page in front: only a run from there
    // confirms that nothing was found.
    std::function<bool()> optionsTabActive;

    // The run, as "Check for important tasks" and the daily view's indicator
    // start it.
    void run();
    // A run the program starts by itself: sets the restore-blocked flag first.
    void runAutomatically();
    // The automatic run of the start-of-day check: at every day change, and at
    // start-up only when the program starts minimized (otherwise it waits for
    // the first appearance of the window).
    void runAtStartOfDay();
    // The automatic run at the first appearance of the window, if none ran yet.
    void runAtFirstShow();
    // The lock was lifted: the listing an automatic run held back is shown.
    void runAfterUnlock();
    bool pendingAfterUnlock() const { return m_pendingAfterUnlock; }

    // Whether the daily view's indicator shows: a warned task on one of the
    // next N days, with the feature on.
    bool indicatorVisible();

    // The next N days, within 1..366.
    int days() const;

private:
    store::Query& select(const QDate& day);
    bool lockApplies() const;

    store::Settings& m_settings;
    shared::AppState& m_state;
    const platform::Clock& m_clock;
    Notifier& m_notifier;
    QLocale m_locale;
    store::Query m_query;
    bool m_pendingAfterUnlock = false;
};

} // namespace reminders

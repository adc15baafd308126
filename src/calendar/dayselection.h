#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <functional>

namespace store {
class Query;
}

namespace calendar {

// Which tasks fall on a day is decided in one statement over CRarc66, built
// from fixed pieces and a few values derived from the day. Three result sets
// use it with small differences:
//  - the daily view lists every task of the day, done or not;
//  - the start-of-day check lists the day's tasks that are still open and
//    were not left marked done on an earlier day;
//  - the alarm list lists the day's open tasks whose start time is watched.
enum class DaySelection { DailyView, StartOfDayCheck, AlarmList };

// The values compared with the stored codes on day D.
struct DayValues
{
    QString dayOfMonth;   // "dd"
    QString weekday;      // "dddd"
    QString monthDay;     // "mm/dd"
    QString weekParity;   // parityMarker of D's week number
    QString yearParity;   // parityMarker of D's week-numbering year
    QString monthParity;  // parityMarker of D's month
};
DayValues dayValuesOf(const QDate& day, const QLocale& locale);

// The statement lines of a selection for `day`. Suspended tasks are left out
// unless `showSuspended` (which only the daily view honours).
QStringList daySelectionLines(DaySelection variant, const QDate& day, const QLocale& locale,
                              bool showSuspended = false);
QStringList daySelectionLines(DaySelection variant, const DayValues& values,
                              bool showSuspended = false);

// Puts the selection for `day` on `query` with `:datefull` bound, and opens it.
void buildDaySelection(store::Query& query, DaySelection variant, const QDate& day,
                       const QLocale& locale, bool showSuspended = false);

// Creates, when missing, the indexes that let the engine go straight to the
// candidates of a day (by date, weekday name, day of month, month and day,
// and the end of a period) instead of reading every task. The statements
// stay as they are; the engine picks the indexes up by itself. Run once the
// tables exist, before the first selection. False when some could not be
// created (a write-protected archive): the selections work without them.
bool ensureDaySelectionIndexes(store::Query& general);

// Sizes the connection's page cache for repeated selections. Changes nothing
// in the file, so it suits read-only runs too.
void tuneForDaySelections(store::Query& query);

// Rebuilds the alarm list for the current day, whatever day the daily view
// shows. The result stays open for the alarm clock to walk.
void refreshAlarmList(store::Query& alarms, const QDate& today, const QLocale& locale);

// "CONTROL" or "CONTROLLO" (any letter case) as the first argument after the
// program asks the program to end right after start-up on a day without
// tasks.
bool asksToEndOnEmptyDay(const QStringList& argumentsAfterProgram);

// What the start-of-day check hands on to the rest of the program. Hooks that
// are not set do nothing.
struct StartOfDayHooks
{
    bool advanceWarnings = false;
    std::function<void()> lookAhead;                // the advance warnings
    std::function<void()> terminate;                // ends the program at once
    std::function<void(store::Query&)> announce;    // today's open tasks, never empty
};

// Run at the end of start-up and at every change of day. `dailyView` holds
// the daily-view selection built for today just before; `check` receives the
// start-of-day selection. Returns false when the program is to end.
bool startOfDayCheck(store::Query& check, const store::Query& dailyView,
                     const QStringList& argumentsAfterProgram, const QDate& today,
                     const QLocale& locale, const StartOfDayHooks& hooks);

} // namespace calendar

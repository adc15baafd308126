#include "dayselection.h"

#include "parity.h"
#include "daystatement.h"
#include "tasktexts.h"

#include "store/query.h"
#include "store/sqlerror.h"

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcDaySelection, "corvandine.dayselection", QtWarningMsg)

namespace calendar {
namespace {

using namespace daystatement;

// The pieces only the day's own selections use.
const QLatin1String OneShotOpen(
    R"(WHERE ( (flag = "O" and fatto < :datefull and datefull = :datefull) or ( flag = "O" and datefull <= :datefull and scadenza >= :datefull and flagscad = "Y"  ) )");
const QLatin1String MonthlyOpen(R"(OR    (flag = "M" and fatto < :datefull and dayofmonth = ")");
const QLatin1String WeeklyOpen(R"(OR    (flag = "W" and fatto < :datefull and dayofweek  = ")");
const QLatin1String YearlyOpen(R"(OR    (flag = "Y" and fatto < :datefull and data       = ")");
const QLatin1String EveryDayAll(R"(OR    (dayofweek = "T" and datefull <= :datefull) ))");
const QLatin1String EveryDayOpen(
    R"(OR    (dayofweek = "T" and fatto < :datefull and datefull <= :datefull) ))");
const QLatin1String NotSuspended(R"(AND   (sospeso <> "Y" or sospeso is null))");
const QLatin1String NotMarkedDone(R"(AND   (flagfatto <> "Y" or flagfatto is null))");
const QLatin1String Order(R"(ORDER BY orario,orario2,id)");

} // namespace

DayValues dayValuesOf(const QDate& day, const QLocale& locale)
{
    const WeekNumber week = weekNumberOf(day);
    return {dayOfMonthText(day),    weekdayName(locale, day), monthDayText(locale, day),
            parityMarker(week.week), parityMarker(week.year),  parityMarker(day.month())};
}

QStringList daySelectionLines(DaySelection variant, const QDate& day, const QLocale& locale,
                              bool showSuspended)
{
    return daySelectionLines(variant, dayValuesOf(day, locale), showSuspended);
}

QStringList daySelectionLines(DaySelection variant, const DayValues& v, bool showSuspended)
{
    const bool all = variant == DaySelection::DailyView;
    QStringList lines;
    lines.reserve(9);
    lines << Select;
    lines << (variant == DaySelection::AlarmList ? OneShotOpen : OneShotAll);
    lines << line(all ? MonthlyAll : MonthlyOpen, v.dayOfMonth, MidDayOfWeek, v.monthParity,
                  EndMonthly);
    lines << line(all ? WeeklyAll : WeeklyOpen, v.weekday, MidDayOfMonth, v.weekParity, EndWeekly);
    lines << line(all ? YearlyAll : YearlyOpen, v.monthDay, MidDayOfWeek, v.yearParity, EndYearly);
    lines << (all ? EveryDayAll : EveryDayOpen);
    if (!all || !showSuspended)
        lines << NotSuspended;
    if (variant == DaySelection::StartOfDayCheck)
        lines << NotMarkedDone;
    lines << Order;
    return lines;
}

void buildDaySelection(store::Query& query, DaySelection variant, const QDate& day,
                       const QLocale& locale, bool showSuspended)
{
    query.setSql(daySelectionLines(variant, day, locale, showSuspended));
    query.setDate(QStringLiteral("datefull"), day);
    query.open();
}

bool ensureDaySelectionIndexes(store::Query& general)
{
    // Each alternative of the selection finds its own index with its
    // equalities first, so the engine reads only the candidates of the day
    // (the union of the six lookups) instead of every task.
    static const char* const indexes[] = {
        "CREATE INDEX IF NOT EXISTS CRarc66_byday ON CRarc66 (flag, datefull)",
        "CREATE INDEX IF NOT EXISTS CRarc66_byperiod ON CRarc66 (flag, flagscad, scadenza)",
        "CREATE INDEX IF NOT EXISTS CRarc66_byweekday ON CRarc66 (dayofweek, flag, datefull)",
        "CREATE INDEX IF NOT EXISTS CRarc66_bymonthday ON CRarc66 (dayofmonth, flag, datefull)",
        "CREATE INDEX IF NOT EXISTS CRarc66_byyearday ON CRarc66 (data, flag)",
    };
    // They only buy speed: an archive that cannot take them (write-protected
    // media) is read without them.
    bool all = true;
    for (const char* statement : indexes) {
        general.setSql({QString::fromLatin1(statement)});
        try {
            general.execSql();
        } catch (const store::SqlError& error) {
            qCWarning(lcDaySelection, "index left out: %s", qPrintable(error.message()));
            all = false;
        }
    }
    return all;
}

void tuneForDaySelections(store::Query& query)
{
    // A month of the side calendar reads the same pages 32 times: keep them
    // in memory (32 MB of cache, the file mapped instead of read).
    for (const char* pragma : {"PRAGMA cache_size = 8192", "PRAGMA mmap_size = 268435456"}) {
        query.setSql({QString::fromLatin1(pragma)});
        query.execSql();
    }
}

void refreshAlarmList(store::Query& alarms, const QDate& today, const QLocale& locale)
{
    buildDaySelection(alarms, DaySelection::AlarmList, today, locale);
}

bool asksToEndOnEmptyDay(const QStringList& argumentsAfterProgram)
{
    if (argumentsAfterProgram.isEmpty())
        return false;
    const QString first = argumentsAfterProgram.first().toUpper();
    return first == QLatin1String("CONTROLLO") || first == QLatin1String("CONTROL");
}

bool startOfDayCheck(store::Query& check, const store::Query& dailyView,
                     const QStringList& argumentsAfterProgram, const QDate& today,
                     const QLocale& locale, const StartOfDayHooks& hooks)
{
    if (hooks.advanceWarnings && hooks.lookAhead)
        hooks.lookAhead();
    if (asksToEndOnEmptyDay(argumentsAfterProgram) && dailyView.isEmpty()) {
        if (hooks.terminate)
            hooks.terminate();
        return false;
    }
    buildDaySelection(check, DaySelection::StartOfDayCheck, today, locale);
    if (!check.isEmpty() && hooks.announce)
        hooks.announce(check);
    return true;
}

} // namespace calendar

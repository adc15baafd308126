#pragma once

#include "calendar/tasktexts.h"
#include "store/sqltext.h"

#include <QLatin1String>
#include <QString>

// The fixed pieces that the statements selecting a day's tasks share: the
// daily list, the start-of-day check and the alarm list, and the marking of
// the side calendar. Each inserted value stands between the double quotes
// that close one piece and open the next.
namespace calendar::daystatement {

inline const QLatin1String Select(R"(SELECT * FROM CRarc66 )");
inline const QLatin1String OneShotAll(
    R"(WHERE ( ( flag = "O" and datefull = :datefull ) or ( flag = "O" and datefull <= :datefull and scadenza >= :datefull and flagscad = "Y"  ) )");
inline const QLatin1String MonthlyAll(R"(OR    (flag = "M" and dayofmonth = ")");
inline const QLatin1String WeeklyAll(R"(OR    (flag = "W" and dayofweek  = ")");
inline const QLatin1String YearlyAll(R"(OR    (flag = "Y" and data       = ")");
inline const QLatin1String MidDayOfWeek(R"(" and (dayofweek <> ")");
inline const QLatin1String MidDayOfMonth(R"(" and (dayofmonth <> ")");
inline const QLatin1String EndMonthly(
    R"(" or dayofweek is null) and (datefull   <= :datefull) and (flagscad = "N" or flagscad is null or scadenza >= :datefull) ))");
inline const QLatin1String EndWeekly(
    R"(" or dayofmonth is null) and (datefull   <= :datefull) and (flagscad = "N" or flagscad is null or scadenza >= :datefull) ))");
inline const QLatin1String EndYearly(
    R"(" or dayofweek is null) and (datefull   <= :datefull or dayofmonth  = "NO") and (flagscad = "N" or flagscad is null or scadenza >= :datefull) ))");

// A line comparing a stored code with a value of the day and its parity
// marker; the values go between double quotes, so their own quotes are doubled.
inline QString line(QLatin1String head, const QString& value, QLatin1String middle,
                    const QString& marker, QLatin1String end)
{
    return head + store::doubledQuotes(value) + middle + store::doubledQuotes(marker) + end;
}

} // namespace calendar::daystatement

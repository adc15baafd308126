#include "parity.h"

namespace calendar {

WeekNumber weekNumberOf(const QDate& date)
{
    // Weekdays numbered 1 = Sunday to 7 = Saturday; the week starts on Monday
    // (day 2) and its Thursday decides which year it belongs to.
    const int weekday = date.dayOfWeek() % 7 + 1;
    const int daysSinceMonday = (weekday - 2 + 7) % 7;
    const QDate thursday = date.addDays(-daysSinceMonday + 7 - 4);
    const int year = thursday.year();
    const qint64 daysIntoYear = QDate(year, 1, 1).daysTo(thursday);
    return {int(daysIntoYear / 7 + 1), year};
}

QString parityMarker(int n)
{
    return n % 2 != 0 ? EvenPeriodsMarker : OddPeriodsMarker;
}

QString keptMarker(int n)
{
    return n % 2 != 0 ? OddPeriodsMarker : EvenPeriodsMarker;
}

} // namespace calendar

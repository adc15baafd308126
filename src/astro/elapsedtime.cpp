#include "elapsedtime.h"

#include "shared/textutils.h"

#include <cstdlib>

namespace astro {

qint64 dayCount(const QDate& first, const QDate& second)
{
    return first.daysTo(second);
}

int yearCount(const QDate& first, const QDate& second)
{
    return first <= second ? shared::yearsBetween(second, first)
                           : shared::yearsBetween(first, second);
}

TimeCounts timeCounts(const QTime& first, const QTime& second)
{
    const qint64 span =
        std::llabs(qint64(second.msecsSinceStartOfDay()) - qint64(first.msecsSinceStartOfDay()));
    TimeCounts counts;
    counts.milliseconds = span;
    counts.seconds = span / 1000;
    counts.minutes = span / 60000;
    counts.hours = span / 3600000;
    return counts;
}

} // namespace astro

#pragma once

#include <QDate>
#include <QTime>

namespace astro {

// Whole days from `first` to `second`; negative when `second` is earlier.
qint64 dayCount(const QDate& first, const QDate& second);

// Calendar years completed between the earlier and the later of the two
// dates, as an age is counted (from 29 February a year is completed on
// 1 March of a common year). The order of the dates does not matter.
int yearCount(const QDate& first, const QDate& second);

// The distance between two times of the same day, whatever their order, as
// hours, and in all as minutes, seconds and milliseconds (each the whole
// part). Counted in whole milliseconds, so that 1 h 29 min 45 s is exactly
// 5385 s and 5385000 ms.
struct TimeCounts
{
    qint64 hours = 0;
    qint64 minutes = 0;
    qint64 seconds = 0;
    qint64 milliseconds = 0;
};

TimeCounts timeCounts(const QTime& first, const QTime& second);

} // namespace astro

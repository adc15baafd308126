#pragma once

#include <QDate>
#include <QDateTime>
#include <QTime>

#include <cmath>
#include <utility>

namespace store {

// Dates are stored as day numbers: whole days since 1899-12-30, the time of
// day as the fraction. Old archives were written that way and every stored
// comparison relies on it.
inline QDate dayZero() { return QDate(1899, 12, 30); }

inline double toDayNumber(const QDate& date)
{
    return date.isValid() ? double(dayZero().daysTo(date)) : 0.0;
}

inline double toDayNumber(const QTime& time)
{
    return time.isValid() ? time.msecsSinceStartOfDay() / 86400000.0 : 0.0;
}

inline double toDayNumber(const QDateTime& dateTime)
{
    if (!dateTime.isValid())
        return 0.0;
    return toDayNumber(dateTime.date()) + toDayNumber(dateTime.time());
}

inline QDate dateFromDayNumber(double day)
{
    return dayZero().addDays(qint64(std::floor(day)));
}

// Splits a day number into its date and time of day, without going through
// local time (no time-zone lookups, no daylight-saving shifts).
inline std::pair<QDate, QTime> splitDayNumber(double day)
{
    double whole = std::floor(day);
    qint64 msecs = qint64(std::llround((day - whole) * 86400000.0));
    if (msecs >= 86400000) {
        whole += 1;
        msecs = 0;
    }
    return {dayZero().addDays(qint64(whole)), QTime::fromMSecsSinceStartOfDay(int(msecs))};
}

inline QDateTime dateTimeFromDayNumber(double day)
{
    const auto [date, time] = splitDayNumber(day);
    return QDateTime(date, time);
}

} // namespace store

#pragma once

#include <QDate>
#include <QString>

namespace calendar {

// Week numbers count from Monday, and week 1 is the first week with at least
// four days in the new year (ISO 8601). The first days of January can belong
// to the last week of the year before, the last days of December to week 1
// of the next year; `year` is the year the week belongs to.
struct WeekNumber
{
    int week = 0;
    int year = 0;
    friend bool operator==(const WeekNumber&, const WeekNumber&) = default;
};

WeekNumber weekNumberOf(const QDate& date);

// Every-other-period tasks carry one of two markers: "DI" keeps the odd
// periods, "PA" the even ones. An empty or missing marker keeps them all.
inline const QString OddPeriodsMarker = QStringLiteral("DI");
inline const QString EvenPeriodsMarker = QStringLiteral("PA");

// The marker that is left out in period n: "PA" when n is odd, "DI" when n
// is even. The day selection excludes tasks whose marker equals it.
QString parityMarker(int n);

// The marker a task keeps when it is saved with the every-other option: the
// parity of its own start period ("DI" for odd, "PA" for even).
QString keptMarker(int n);

// The periods of the three kinds: the week number for every other week, the
// month for every other month and the week-numbering year for every other
// year (so a date in early January may count in the year before).
inline int weekPeriod(const QDate& date) { return weekNumberOf(date).week; }
inline int monthPeriod(const QDate& date) { return date.month(); }
inline int yearPeriod(const QDate& date) { return weekNumberOf(date).year; }

} // namespace calendar

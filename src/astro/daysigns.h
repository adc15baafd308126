#pragma once

#include <QDate>
#include <QString>

namespace astro {

// What the strip beside the side calendar shows for a day: the label text
// (with the leading blank the strip's layout expects) and its tooltip, a name
// and a date range on two lines.
struct DayLabel
{
    QString text;
    QString tooltip;
};

// The zodiac sign of `date`, by fixed month-day ranges that include both
// ends; the year plays no part (29 February is a day of Pisces).
DayLabel zodiacSign(const QDate& date);

// The season of `date`, by the same kind of fixed ranges.
DayLabel season(const QDate& date);

} // namespace astro

#pragma once

#include <QDateTime>
#include <QStringList>

namespace astro {

// One line of the almanac: what the strip beside the side calendar shows
// for a moment, as text fields.
struct AlmanacDay
{
    QString date;       // yyyy-mm-dd
    QString sign;       // the zodiac label's text without its leading blank
    QString season;     // the season label's text, the same way
    QString phaseAngle; // degrees, one decimal: 0.0 full, 180.0 new
    QString litPercent; // the lit part of the disc, percent, one decimal
};

// The fields for `moment` when the Moon's phase angle there is `phaseAngle`.
// An angle that rounds to 360.0 is written 0.0, as the picture reads them
// alike.
AlmanacDay almanacDay(const QDateTime& moment, double phaseAngle);

// The same with the phase angle computed for `moment`, taken as it is, with
// no time-zone correction, as the moon picture takes it.
AlmanacDay almanacDay(const QDateTime& moment);

// The line: the five fields separated by tabs.
QString almanacLine(const AlmanacDay& day);

} // namespace astro

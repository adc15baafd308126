#include "almanac.h"

#include "daysigns.h"
#include "moonphase.h"
#include "store/daynumber.h"

namespace astro {

AlmanacDay almanacDay(const QDateTime& moment, double phaseAngle)
{
    AlmanacDay day;
    const QDate date = moment.date();
    day.date = date.toString(Qt::ISODate);
    day.sign = zodiacSign(date).text.trimmed();
    day.season = season(date).text.trimmed();
    day.phaseAngle = QString::number(phaseAngle, 'f', 1);
    if (day.phaseAngle == QLatin1String("360.0"))
        day.phaseAngle = QStringLiteral("0.0");
    day.litPercent = QString::number(litFraction(phaseAngle) * 100.0, 'f', 1);
    return day;
}

AlmanacDay almanacDay(const QDateTime& moment)
{
    return almanacDay(moment, phaseAngle(store::toDayNumber(moment)));
}

QString almanacLine(const AlmanacDay& day)
{
    return QStringList{day.date, day.sign, day.season, day.phaseAngle, day.litPercent}.join(u'\t');
}

} // namespace astro

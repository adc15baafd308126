#include "tasktexts.h"

namespace calendar {
namespace {

// The first character of a format that is neither a pattern letter, a quote
// nor a blank: the separator that format uses.
QString separatorIn(const QString& format, QChar fallback)
{
    for (const QChar c : format) {
        if (!c.isLetter() && c != u'\'' && !c.isSpace())
            return QString(c);
    }
    return QString(fallback);
}

QString twoDigits(int n)
{
    return QString::number(n).rightJustified(2, u'0');
}

} // namespace

QLocale taskLocale()
{
    return QLocale::system();
}

QString dateSeparator(const QLocale& locale)
{
    return separatorIn(locale.dateFormat(QLocale::ShortFormat), u'/');
}

QString timeSeparator(const QLocale& locale)
{
    return separatorIn(locale.timeFormat(QLocale::ShortFormat), u':');
}

QString dayOfMonthText(const QDate& date)
{
    return twoDigits(date.day());
}

QString weekdayName(const QLocale& locale, const QDate& date)
{
    return locale.dayName(date.dayOfWeek(), QLocale::LongFormat);
}

QString monthDayText(const QLocale& locale, const QDate& date)
{
    const QString text = twoDigits(date.month()) + dateSeparator(locale) + twoDigits(date.day());
    return text.left(5);
}

QString timeText(const QLocale& locale, const QTime& time)
{
    return twoDigits(time.hour()) + timeSeparator(locale) + twoDigits(time.minute());
}

QString emptyTimeText(const QLocale& locale)
{
    return QStringLiteral("  ") + timeSeparator(locale) + QStringLiteral("  ");
}

QString storedTimeText(const QString& text)
{
    if (text.size() != 5)
        return text;
    const QChar first = text.at(0);
    const QChar second = text.at(1);
    const auto digit = [](QChar c) { return c >= u'0' && c <= u'9'; };
    QChar hour;
    if (digit(first) && second == u' ')
        hour = first;
    else if (first == u' ' && digit(second))
        hour = second;
    else
        return text;
    return u'0' + QString(hour) + text.mid(2);
}

QString reloadedTimeText(const QLocale& locale, const QString& stored)
{
    const QString time = storedTimeText(stored);
    return time.left(2) + timeSeparator(locale) + time.right(2);
}

} // namespace calendar

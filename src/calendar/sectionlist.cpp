#include "sectionlist.h"

#include "taskrecord.h"
#include "tasktexts.h"

#include "shared/textutils.h"
#include "store/query.h"
#include "store/settings.h"
#include "store/sqltext.h"

namespace calendar {
namespace {

QString searchCondition(const SectionFilter& filter)
{
    const QString column = filter.field == SearchField::Note ? QStringLiteral("note")
                                                             : QStringLiteral("id");
    return QStringLiteral("(UPPER(") + column + QStringLiteral(") LIKE UPPER(\"%")
           + store::doubledQuotes(filter.text) + QStringLiteral("%\"))");
}

QString direction(const SectionFilter& filter)
{
    return filter.descending ? QStringLiteral("DESC") : QString();
}

// A Monday; the weekday filter lists the week from it.
const QDate AMonday(2024, 1, 1);

} // namespace

QStringList sectionListSql(const SectionFilter& filter)
{
    const QString order = direction(filter) + QStringLiteral(",orario,orario2,id");
    switch (filter.kind.unicode()) {
    case u'O': {
        QStringList lines{QStringLiteral("SELECT * FROM CRarc66 WHERE flag =\"O\" AND ")
                          + searchCondition(filter) + QStringLiteral(" ")};
        if (filter.period)
            lines << QStringLiteral("AND (datefull BETWEEN :a1 and :a2)");
        lines << QStringLiteral(" ORDER BY datefull ") + order;
        return lines;
    }
    case u'Y': {
        const QString month = filter.month >= 1 && filter.month <= 12
                                  ? QStringLiteral("AND EXTRACT(MONTH FROM datefull) = ")
                                        + QString::number(filter.month) + QStringLiteral(" AND ")
                                  : QStringLiteral("AND ");
        return {QStringLiteral("SELECT * FROM CRarc66 WHERE flag =\"Y\"") + month
                + searchCondition(filter) + QStringLiteral(" ORDER BY data ") + order};
    }
    case u'M':
        return {QStringLiteral("SELECT * FROM CRarc66 WHERE flag =\"M\" AND ")
                + searchCondition(filter) + QStringLiteral(" ORDER BY dayofmonth ") + order};
    case u'W':
        return {QStringLiteral("SELECT * FROM CRarc66 WHERE flag =\"W\" AND UPPER(dayofweek) "
                               "LIKE UPPER(\"%")
                + store::doubledQuotes(filter.weekday) + QStringLiteral("%\") AND ")
                + searchCondition(filter) + QStringLiteral(" ORDER BY dayindex ")
                + direction(filter) + QStringLiteral(",dayofweek,orario,orario2,id")};
    default:
        break;
    }
    return {};
}

void openSectionList(store::Query& list, const SectionFilter& filter)
{
    list.setSql(sectionListSql(filter));
    if (filter.kind == QLatin1Char('O') && filter.period)
        bindPeriod(list, *filter.period);
    list.open();
}

bool startsDescending(QChar kind)
{
    return kind == QLatin1Char('O');
}

QString sectionHelpMessage(QChar kind)
{
    switch (kind.unicode()) {
    case u'O':
        return QStringLiteral("Use the One Shot screen to enter events that will only happen "
                              "once, like a Doctor's appointment, into the Tasks calendar.");
    case u'Y':
        return QStringLiteral("Use the Yearly screen to enter events that will happen once a "
                              "year, like a birthday, into the Tasks calendar.");
    case u'M':
        return QStringLiteral("Use the Monthly screen to enter events that will happen once a "
                              "every month, like sending in your house payment, into the Tasks "
                              "calendar.");
    case u'W':
        // The weekly tab has always shown the monthly wording; users know it so.
        return QStringLiteral("Use the Weekly screen to enter events that will happen once a "
                              "every month, like sending in your house payment, into the Tasks "
                              "calendar.");
    default:
        break;
    }
    return {};
}

QStringList weekdayFilterItems(const QLocale& locale)
{
    QStringList items;
    for (int i = 0; i < 7; ++i)
        items << weekdayName(locale, AMonday.addDays(i));
    items << AllItem;
    return items;
}

QStringList monthFilterItems(const QLocale& locale)
{
    QStringList items;
    for (int month = 1; month <= 12; ++month)
        items << locale.monthName(month, QLocale::LongFormat);
    items << AllItem;
    return items;
}

QString dateColumnField(QChar kind)
{
    switch (kind.unicode()) {
    case u'O':
        return QStringLiteral("Datashot");
    case u'Y':
        return QStringLiteral("Datayear");
    case u'M':
        return QStringLiteral("dayofmonth");
    default:
        break;
    }
    return QStringLiteral("dayofweek");
}

QString dateColumnTitle(QChar kind)
{
    return kind == QLatin1Char('O') || kind == QLatin1Char('Y') ? QStringLiteral("Date")
                                                                : QStringLiteral("Day");
}

QString oneShotDateText(const QDate& date, const DatePatterns& patterns)
{
    if (!date.isValid())
        return {};
    return store::Settings::formatDate(date, patterns.oneShot, patterns.locale).left(60);
}

QString yearlyDateText(const QDate& date, const DatePatterns& patterns)
{
    if (!date.isValid())
        return {};
    return store::Settings::formatDate(date, patterns.yearly, patterns.locale).left(50);
}

HeaderPanels headerPanels(QChar kind, const std::optional<SelectedRow>& row,
                          const DatePatterns& patterns, const QDate& today)
{
    HeaderPanels panels;
    if (!row)
        return panels;
    const QString three(3, u' ');
    switch (kind.unicode()) {
    case u'O':
        panels.date = oneShotDateText(row->datefull, patterns) + three;
        break;
    case u'M':
        panels.date = row->dayofmonth + QString(26, u' ');
        break;
    case u'W':
        panels.date = row->dayofweek + three;
        break;
    case u'Y':
        panels.date = yearlyDateText(row->datefull, patterns) + three;
        if (row->dayofmonth == CountYearsCode) {
            panels.years = QString::number(shared::yearsBetween(today, row->datefull))
                           + QStringLiteral(" years") + QString(26, u' ');
            panels.date = yearlyDateText(row->datefull, patterns) + QStringLiteral(" ")
                          + store::Settings::formatDate(row->datefull, QStringLiteral("yyyy"),
                                                        patterns.locale)
                          + three;
        }
        break;
    default:
        break;
    }
    return panels;
}

} // namespace calendar

#pragma once

#include "repository.h"

#include <QChar>
#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>

namespace store {
class Query;
}

namespace calendar {

// The four task tabs list every task of one kind: "O" one-shot, "Y" yearly,
// "M" monthly, "W" weekly. Everything that differs between them is decided
// here from the kind letter, so that one widget serves all four.

enum class SearchField { Description, Note };

// What a section list is asked to show.
struct SectionFilter
{
    QChar kind = QLatin1Char('O');
    SearchField field = SearchField::Description;
    // As typed. "%" and "_" keep working as wildcards, as users have long
    // relied on; a double quote is just a character to look for.
    QString text;
    bool descending = false;
    std::optional<Period> period; // one-shot only: the period filter when it is on
    int month = 0;                // yearly only: 1 to 12, 0 for "All"
    QString weekday;              // weekly only: a piece of a weekday name, empty for "All"
};

// The statement lines the list opens with. The search text goes between
// double quotes with every double quote in it doubled.
QStringList sectionListSql(const SectionFilter& filter);

// Sets the statement on `list`, binds the period when there is one, and
// opens it.
void openSectionList(store::Query& list, const SectionFilter& filter);

// The one-shot list starts newest first; the others in ascending order.
bool startsDescending(QChar kind);

// The "Hint" message of the tab.
QString sectionHelpMessage(QChar kind);

// The weekday filter's items: the locale's full weekday names from Monday to
// Sunday, then "All". The month filter's: the full month names from January
// to December, then "All". The weekday names are the ones weekly tasks store.
QStringList weekdayFilterItems(const QLocale& locale);
QStringList monthFilterItems(const QLocale& locale);
inline const QString AllItem = QStringLiteral("All");

// The message shown when the user turns the one-shot automatic search off.
inline const QString AutoSearchOffMessage = QStringLiteral(
    "You have disabled the automatic search as you type. \rTo start the search, press the ENTER "
    "key in the search box.");

// The column a tab's date column shows and its title: one-shot and yearly
// tasks their formatted date, monthly tasks the day of the month, weekly
// tasks the weekday.
QString dateColumnField(QChar kind);
QString dateColumnTitle(QChar kind);

// Date patterns of the settings row, with the locale that names days and months.
struct DatePatterns
{
    QString oneShot; // DataShot
    QString yearly;  // DataYear
    QLocale locale;
};

// The calculated date cells: the one-shot date in its pattern, cut to 60
// characters; the yearly date in its pattern, cut to 50.
QString oneShotDateText(const QDate& date, const DatePatterns& patterns);
QString yearlyDateText(const QDate& date, const DatePatterns& patterns);

// The facts of the selected row the panels above the grid show.
struct SelectedRow
{
    QDate datefull;
    QString dayofmonth;
    QString dayofweek;
};

// The date panel and, for yearly tasks that count their years, the years
// panel. Both are empty with an empty list (pass nullopt).
struct HeaderPanels
{
    QString date;
    QString years;
};
HeaderPanels headerPanels(QChar kind, const std::optional<SelectedRow>& row,
                          const DatePatterns& patterns, const QDate& today);

} // namespace calendar

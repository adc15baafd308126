#pragma once

#include "calendar/dayselection.h"

#include <QDate>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <array>

namespace store {
class Query;
}

namespace calendar {

// The kinds a user can single out on the side calendar, in the order of the
// "Highlights" and "Exclude" lists: the first entry ("All" or "None") singles
// out nothing.
enum class MarkKind { Any, OneShot, Yearly, Monthly, Weekly };

// What the side calendar marks. Only one of the two lists is in force: the
// widgets reset the other one, and should both be set the exclusion wins.
struct MarkingChoice
{
    MarkKind highlight = MarkKind::Any;
    MarkKind exclusion = MarkKind::Any;
    bool showSuspended = false;
    friend bool operator==(const MarkingChoice&, const MarkingChoice&) = default;
};

// The statement that finds the tasks of the chosen kinds falling on the day
// whose values are given, with `:datefull` still to be bound.
QStringList markingLines(const MarkingChoice& choice, const DayValues& values);

// Whole days, sorted, each once. Only days after the zero of stored day
// numbers (1899-12-30) can be lighted.
class TListDates final
{
public:
    void add(const QDate& day);
    bool contains(const QDate& day) const;
    void clear() { m_days.clear(); }
    int count() const { return int(m_days.size()); }
    QList<QDate> dates() const;

private:
    QList<qint64> m_days; // day numbers
};

// Which kinds fall on one day: "XXXX" with "O", "Y", "M" and "W" put in
// positions 1 to 4 for the kinds that do.
inline const QString NoKindsCode = QStringLiteral("XXXX");
inline constexpr int KindStripSegments = 4;
// The position of a task kind in the code, -1 for an unknown kind.
int kindPosition(const QString& flag);
QString withKind(const QString& code, const QString& flag);
bool hasKindAt(const QString& code, int position);

// One code per day of the shown month (index 0 is day 1), and one more for
// the first day of the next month, which the marking also looks at.
using DayKindCodes = std::array<QString, 32>;

// The outcome of marking one month.
struct MonthMarks
{
    QDate firstDay;          // invalid while nothing is marked
    TListDates lighted;
    DayKindCodes kindCodes;

    MonthMarks() { kindCodes.fill(NoKindsCode); }
    // The code of `day`; "XXXX" for a day outside the marked month.
    QString kindCodeOf(const QDate& day) const;
    bool covers(const QDate& day) const;
};

// Marks the month of `shown` in steps of one day, so that a window can go on
// drawing between steps. Each step runs one statement on the query given.
class MonthMarker final
{
public:
    // Days marked per turn of the event loop: on 10,000 tasks a turn takes
    // a few milliseconds, well inside one frame of the window.
    static constexpr int DaysPerTurn = 4;

    MonthMarker(store::Query& query, QLocale locale);

    void start(const QDate& shown, const MarkingChoice& choice);
    // Marks the next day; false once every day is marked (and at once when
    // nothing was started).
    bool markNextDay();
    // Marks up to DaysPerTurn days; false once every day is marked.
    bool markTurn();
    bool done() const { return m_next >= m_passes; }
    bool started() const { return m_passes > 0; }
    const MonthMarks& marks() const { return m_marks; }
    const MarkingChoice& choice() const { return m_choice; }

private:
    store::Query& m_query;
    QLocale m_locale;
    MarkingChoice m_choice;
    MonthMarks m_marks;
    int m_next = 0;
    int m_passes = 0;
};

// The whole month of `shown` in one go.
MonthMarks markCalendarDays(store::Query& query, const QDate& shown, const MarkingChoice& choice,
                            const QLocale& locale);

// The section whose colour lights the marked days: the kind singled out by
// "Highlights", otherwise the today section (0 .. 4 as store::Settings::Section
// numbers OneShot, Yearly, Monthly, Weekly, Today).
int highlightSection(const MarkingChoice& choice);
// The background of a lighted day from that section's colour text, as
// 0xRRGGBB. White would hide the mark and becomes yellow, as does a text
// that does not read; black and the "$FFFFFFFF" of old archives become grey.
unsigned lightColour(const QString& colourText);

// The first day of the month after `day`'s, and the last day of the month
// before, as the month buttons move.
QDate nextMonthStart(const QDate& day);
QDate previousMonthEnd(const QDate& day);

} // namespace calendar

#include "calendarmarking.h"

#include "store/daynumber.h"
#include "store/query.h"
#include "daystatement.h"
#include "tasktexts.h"
#include "themes/colourtext.h"

#include <algorithm>

namespace calendar {
namespace {

using namespace daystatement;

// The pieces only the marking statements use: their heads, closings and
// spacing differ from the daily list's.
const QLatin1String OneShotOnly(
    R"(WHERE ( (flag = "O" and datefull = :datefull) or ( flag = "O" and datefull <= :datefull and scadenza >= :datefull and flagscad = "Y"  ) )");
const QLatin1String OneShotExcluding(
    R"(WHERE ( (flag = "O" and datefull   = :datefull) or ( flag = "O" and datefull <= :datefull and scadenza >= :datefull and flagscad = "Y"  ) )");
const QLatin1String MonthlyFirst(R"(WHERE ( (flag = "M" and dayofmonth = ")");
const QLatin1String WeeklyFirst(R"(WHERE ( (flag = "W" and dayofweek  = ")");
const QLatin1String YearlyFirst(R"(WHERE ( (flag = "Y" and data = ")");
const QLatin1String EveryDayHighlight(R"(OR (dayofweek = "T" and datefull <= :datefull) )");
const QLatin1String EveryDayExcluding(R"(OR    (dayofweek = "T" and datefull <= :datefull) )");
const QLatin1String CloseHighlight(R"())");
const QLatin1String CloseExcluding(R"( ))");
const QLatin1String NotSuspendedHighlight(R"(AND (sospeso <> "Y" or sospeso is null))");
const QLatin1String NotSuspendedExcluding(R"(AND   (sospeso <> "Y" or sospeso is null))");

QString monthlyLine(QLatin1String head, const DayValues& v)
{
    return line(head, v.dayOfMonth, MidDayOfWeek, v.monthParity, EndMonthly);
}

QString weeklyLine(QLatin1String head, const DayValues& v)
{
    return line(head, v.weekday, MidDayOfMonth, v.weekParity, EndWeekly);
}

QString yearlyLine(QLatin1String head, const DayValues& v)
{
    return line(head, v.monthDay, MidDayOfWeek, v.yearParity, EndYearly);
}

QStringList highlightLines(MarkKind kind, const DayValues& v)
{
    switch (kind) {
    case MarkKind::OneShot:
        return {Select, OneShotOnly, EveryDayHighlight, CloseHighlight};
    case MarkKind::Yearly:
        return {Select, yearlyLine(YearlyFirst, v), CloseHighlight};
    case MarkKind::Monthly:
        return {Select, monthlyLine(MonthlyFirst, v), CloseHighlight};
    case MarkKind::Weekly:
        return {Select, weeklyLine(WeeklyFirst, v), CloseHighlight};
    case MarkKind::Any:
        break;
    }
    return {Select,
            OneShotAll,
            monthlyLine(MonthlyAll, v),
            weeklyLine(WeeklyAll, v),
            yearlyLine(YearlyAll, v),
            EveryDayHighlight,
            CloseHighlight};
}

QStringList exclusionLines(MarkKind kind, const DayValues& v)
{
    switch (kind) {
    case MarkKind::OneShot:
        // Tasks repeated every day are one-shot tasks: they go with them.
        return {Select, monthlyLine(MonthlyFirst, v), weeklyLine(WeeklyAll, v),
                yearlyLine(YearlyAll, v), CloseExcluding};
    case MarkKind::Yearly:
        return {Select, OneShotExcluding, monthlyLine(MonthlyAll, v), weeklyLine(WeeklyAll, v),
                EveryDayExcluding, CloseExcluding};
    case MarkKind::Monthly:
        return {Select, OneShotExcluding, weeklyLine(WeeklyAll, v), yearlyLine(YearlyAll, v),
                EveryDayExcluding, CloseExcluding};
    case MarkKind::Weekly:
        return {Select, OneShotExcluding, monthlyLine(MonthlyAll, v), yearlyLine(YearlyAll, v),
                EveryDayExcluding, CloseExcluding};
    case MarkKind::Any:
        break;
    }
    return {};
}

} // namespace

QStringList markingLines(const MarkingChoice& choice, const DayValues& values)
{
    const bool excluding = choice.exclusion != MarkKind::Any;
    QStringList lines = excluding ? exclusionLines(choice.exclusion, values)
                                  : highlightLines(choice.highlight, values);
    if (!choice.showSuspended)
        lines << (excluding ? NotSuspendedExcluding : NotSuspendedHighlight);
    return lines;
}

// ---- TListDates ----------------------------------------------------------------------

void TListDates::add(const QDate& day)
{
    const qint64 number = qint64(store::toDayNumber(day));
    const auto at = std::lower_bound(m_days.begin(), m_days.end(), number);
    if (at == m_days.end() || *at != number)
        m_days.insert(at, number);
}

bool TListDates::contains(const QDate& day) const
{
    const qint64 number = qint64(store::toDayNumber(day));
    return number >= 1 && std::binary_search(m_days.begin(), m_days.end(), number);
}

QList<QDate> TListDates::dates() const
{
    QList<QDate> out;
    out.reserve(m_days.size());
    for (qint64 number : m_days)
        out.append(store::dateFromDayNumber(double(number)));
    return out;
}

// ---- Kind codes ----------------------------------------------------------------------

int kindPosition(const QString& flag)
{
    static const QString letters = QStringLiteral("OYMW");
    return flag.size() == 1 ? int(letters.indexOf(flag.front())) : -1;
}

QString withKind(const QString& code, const QString& flag)
{
    const int position = kindPosition(flag);
    if (position < 0)
        return code;
    QString out = code;
    out[position] = flag.front();
    return out;
}

bool hasKindAt(const QString& code, int position)
{
    return position >= 0 && position < code.size() && code.at(position) != u'X';
}

bool MonthMarks::covers(const QDate& day) const
{
    return firstDay.isValid() && day.isValid() && day.year() == firstDay.year()
           && day.month() == firstDay.month();
}

QString MonthMarks::kindCodeOf(const QDate& day) const
{
    return covers(day) ? kindCodes[size_t(day.day() - 1)] : NoKindsCode;
}

// ---- Marking -------------------------------------------------------------------------

MonthMarker::MonthMarker(store::Query& query, QLocale locale)
    : m_query(query), m_locale(std::move(locale))
{
}

void MonthMarker::start(const QDate& shown, const MarkingChoice& choice)
{
    m_choice = choice;
    m_marks = MonthMarks();
    m_marks.firstDay = QDate(shown.year(), shown.month(), 1);
    m_next = 0;
    // The first day of the next month is looked at too: its code is the
    // last of the 32.
    m_passes = shown.daysInMonth() + 1;
}

bool MonthMarker::markNextDay()
{
    if (done())
        return false;
    const QDate day = m_marks.firstDay.addDays(m_next);
    m_query.setSql(markingLines(m_choice, dayValuesOf(day, m_locale)));
    m_query.setDate(QStringLiteral("datefull"), day);
    m_query.open();
    QString code = NoKindsCode;
    const store::ResultSet& rows = m_query.rows();
    const int flag = rows.columnIndex(QStringLiteral("flag"));
    for (int row = 0; row < rows.rowCount(); ++row)
        code = withKind(code, rows.text(row, flag));
    if (rows.rowCount() > 0)
        m_marks.lighted.add(day);
    m_marks.kindCodes[size_t(m_next)] = code;
    m_query.close();
    ++m_next;
    return !done();
}

bool MonthMarker::markTurn()
{
    for (int i = 0; i < DaysPerTurn && markNextDay(); ++i) {
    }
    return !done();
}

MonthMarks markCalendarDays(store::Query& query, const QDate& shown, const MarkingChoice& choice,
                            const QLocale& locale)
{
    MonthMarker marker(query, locale);
    marker.start(shown, choice);
    while (marker.markNextDay()) {
    }
    return marker.marks();
}

// ---- Colours and months --------------------------------------------------------------

int highlightSection(const MarkingChoice& choice)
{
    constexpr int Today = 4;
    if (choice.exclusion != MarkKind::Any || choice.highlight == MarkKind::Any)
        return Today;
    return int(choice.highlight) - 1;
}

unsigned lightColour(const QString& colourText)
{
    constexpr unsigned Yellow = 0xFFFF00;
    constexpr unsigned Grey = 0x808080;
    if (colourText.trimmed().compare(QLatin1String("$FFFFFFFF"), Qt::CaseInsensitive) == 0)
        return Grey;
    const auto rgb = themes::parseColourText(colourText);
    if (!rgb || *rgb == 0xFFFFFF)
        return Yellow;
    return *rgb == 0 ? Grey : *rgb;
}

QDate nextMonthStart(const QDate& day)
{
    return QDate(day.year(), day.month(), 1).addMonths(1);
}

QDate previousMonthEnd(const QDate& day)
{
    return QDate(day.year(), day.month(), 1).addDays(-1);
}

} // namespace calendar

#pragma once

#include "calendar/calendarmarking.h"
#include "calendar/dailylook.h"

#include <QDate>
#include <QRect>
#include <QString>

#include <array>
#include <optional>

namespace calendar {

// The month grid of the side calendar: a header row of weekday names, then
// six rows of weeks. Cells before the first and after the last day of the
// month stay empty. `startOfWeek` is the weekday of the first column,
// 0 = Sunday to 6 = Saturday.
class MonthGrid final
{
public:
    static constexpr int Columns = 7;
    static constexpr int WeekRows = 6;
    static constexpr int Rows = WeekRows + 1;

    MonthGrid(const QDate& anyDayOfMonth, int startOfWeek);

    // The day in a cell; invalid for the header row and the empty cells.
    QDate dateAt(int row, int column) const;
    // Row and column of a day of the month; nullopt for another month.
    std::optional<std::pair<int, int>> cellOf(const QDate& day) const;
    // The weekday index (0 = Sunday) shown in a column.
    int weekdayOfColumn(int column) const { return (m_startOfWeek + column) % 7; }

private:
    QDate m_first;
    int m_startOfWeek;
    int m_leading; // empty cells before day 1
};

// The weekday index of a day as the weekend set counts it: 0 = Sunday.
inline int weekdayIndex(const QDate& day)
{
    return day.dayOfWeek() % 7;
}

// Which of the calendar's colours fills a day cell. A selected day that is
// not lighted keeps the ordinary selection look.
enum class CellFill { Plain, Selection, Light, LightSelect, LightSunday, Sunday };
CellFill cellFill(bool lighted, bool weekend, bool selected);
// Only the lighted colours carry the kind strip.
inline bool carriesKindStrip(CellFill fill)
{
    return fill == CellFill::Light || fill == CellFill::LightSelect;
}

// One segment of the kind strip along the bottom of a lighted day: one-shot,
// yearly, monthly and weekly from left to right.
struct StripSegment
{
    QRect outer;   // filled with `edge`
    QRect inner;   // one pixel inside, filled with `fill`
    unsigned edge = 0;
    unsigned fill = 0;
};

// The strip starts 20 pixels below the cell's top (lower on short cells, so
// it keeps a few pixels) and is split into four equal segments.
QRect kindSegmentRect(const QRect& cell, int segment);

// The painted segments of a day with kind code `code` ("OXXW" ...): only
// the kinds present, outlined in black when the theme draws borders. The
// colours are the built-in indicator colours when the theme asks for them,
// otherwise the section colours.
std::array<std::optional<StripSegment>, 4> kindStrip(const QRect& cell, const QString& code,
                                                     const GridTheme& theme,
                                                     const GridColours& colours);

} // namespace calendar

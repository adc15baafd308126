#include "calendarcells.h"

#include <algorithm>

namespace calendar {

MonthGrid::MonthGrid(const QDate& anyDayOfMonth, int startOfWeek)
    : m_first(anyDayOfMonth.year(), anyDayOfMonth.month(), 1),
      m_startOfWeek(((startOfWeek % 7) + 7) % 7),
      m_leading((weekdayIndex(m_first) - m_startOfWeek + 7) % 7)
{
}

QDate MonthGrid::dateAt(int row, int column) const
{
    if (row < 1 || row >= Rows || column < 0 || column >= Columns)
        return {};
    const int day = (row - 1) * Columns + column - m_leading + 1;
    if (day < 1 || day > m_first.daysInMonth())
        return {};
    return m_first.addDays(day - 1);
}

std::optional<std::pair<int, int>> MonthGrid::cellOf(const QDate& day) const
{
    if (!day.isValid() || day.year() != m_first.year() || day.month() != m_first.month())
        return std::nullopt;
    const int index = m_leading + day.day() - 1;
    return std::pair{1 + index / Columns, index % Columns};
}

CellFill cellFill(bool lighted, bool weekend, bool selected)
{
    if (selected)
        return lighted ? CellFill::LightSelect : CellFill::Selection;
    if (lighted)
        return weekend ? CellFill::LightSunday : CellFill::Light;
    return weekend ? CellFill::Sunday : CellFill::Plain;
}

QRect kindSegmentRect(const QRect& cell, int segment)
{
    // A strip under four pixels would show no colour inside its outline.
    const int height = std::min(cell.height(), std::max(cell.height() - 20, 4));
    const int left = cell.x() + cell.width() * segment / KindStripSegments;
    const int right = cell.x() + cell.width() * (segment + 1) / KindStripSegments;
    return QRect(left, cell.y() + cell.height() - height, right - left, height);
}

std::array<std::optional<StripSegment>, 4> kindStrip(const QRect& cell, const QString& code,
                                                     const GridTheme& theme,
                                                     const GridColours& colours)
{
    static const QString letters = QStringLiteral("OYMW");
    std::array<std::optional<StripSegment>, 4> strip;
    for (int k = 0; k < KindStripSegments; ++k) {
        if (!hasKindAt(code, k))
            continue;
        const QString kind(letters.at(k));
        const unsigned colour =
            theme.defaultColours ? defaultIndicatorColour(kind) : colours.kindColour(kind);
        StripSegment s;
        s.outer = kindSegmentRect(cell, k);
        s.inner = s.outer.adjusted(1, 1, -1, -1);
        s.edge = theme.border ? 0x000000 : colour;
        s.fill = colour;
        strip[size_t(k)] = s;
    }
    return strip;
}

} // namespace calendar

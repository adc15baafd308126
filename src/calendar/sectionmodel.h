#pragma once

#include "dailylook.h"
#include "sectionlist.h"

#include <QAbstractTableModel>

#include <functional>
#include <vector>

namespace calendar {

class TaskSection;

// A section list as a table: the date (or day) column, "From", "To",
// "Description" and "Note" (empty; its cell shows the note marker). Cells are
// read straight from the open rows, so a reload is one reset.
class SectionModel final : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { Date, From, To, Description, Presenza, ColumnCount };

    explicit SectionModel(TaskSection& section, QObject* parent = nullptr);

    TaskSection& section() const { return m_section; }
    void setPatterns(const DatePatterns& patterns);
    const DatePatterns& patterns() const { return m_patterns; }

    // Opens the list again inside one model reset.
    void refresh();

    // The field each column shows, as the column widths are first measured by.
    QString fieldName(int column) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QString dateCell(int row) const;

    TaskSection& m_section;
    DatePatterns m_patterns;
};

// Column widths that show every cell whole: each column as wide as its field
// name or its widest trimmed cell, plus 10 pixels; the two times and the
// note marker 42 pixels, the day of the month 50. `textWidth` measures a
// text in the grid's font.
std::vector<int> fitColumnWidths(const SectionModel& model,
                                 const std::function<int(const QString&)>& textWidth);

// How a row of a section list is drawn. Every row is of the tab's kind, so
// the tab's section colour `sectionColour` colours them all; unlike the
// daily list nothing is struck through, since a done state belongs to a day.
RowLook sectionRowLook(const GridTheme& theme, const GridColours& colours, unsigned sectionColour,
                       QChar kind, const QString& dayofweek, bool suspended, int recordNumber,
                       bool selected);

} // namespace calendar

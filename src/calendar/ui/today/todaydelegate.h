#pragma once

#include "calendar/dailylook.h"

#include <QStyledItemDelegate>

namespace calendar {
class DailyModel;
}

namespace calendar::ui {

// Paints the daily grid's cells as the row looks decide: background, text
// colour, strike-out for done tasks, the kind bar of the indicator style and
// the note marker.
class TodayDelegate final : public QStyledItemDelegate
{
    Q_OBJECT
public:
    TodayDelegate(const DailyModel& model, QObject* parent = nullptr);

    void setTheme(const GridTheme& theme) { m_theme = theme; }
    const GridTheme& theme() const { return m_theme; }
    void setColours(const GridColours& colours) { m_colours = colours; }
    const GridColours& colours() const { return m_colours; }

    // The look the row of `index` is drawn with.
    RowLook lookAt(const QModelIndex& index, bool selected) const;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    const DailyModel& m_model;
    GridTheme m_theme;
    GridColours m_colours;
};

} // namespace calendar::ui

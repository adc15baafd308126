#pragma once

#include "calendar/dailylook.h"

#include <QStyledItemDelegate>

namespace calendar {
class SectionModel;
}

namespace calendar::ui {

// Paints a section list's cells: the row's background and text colour and
// the note marker in the "Note" column.
class SectionDelegate final : public QStyledItemDelegate
{
    Q_OBJECT
public:
    explicit SectionDelegate(const SectionModel& model, QObject* parent = nullptr);

    void setTheme(const GridTheme& theme) { m_theme = theme; }
    const GridTheme& theme() const { return m_theme; }
    void setColours(const GridColours& colours, unsigned sectionColour)
    {
        m_colours = colours;
        m_sectionColour = sectionColour;
    }
    const GridColours& colours() const { return m_colours; }

    // The look the row of `index` is drawn with.
    RowLook lookAt(const QModelIndex& index, bool selected) const;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    const SectionModel& m_model;
    GridTheme m_theme;
    GridColours m_colours;
    unsigned m_sectionColour = 0;
};

} // namespace calendar::ui

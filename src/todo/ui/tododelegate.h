#pragma once

#include "calendar/dailylook.h"

#include <QStyledItemDelegate>

namespace todo {
class ToDoModel;
}

namespace todo::ui {

// Paints the to-do grid as the contact list is painted, in the To-do
// section colour; every cell of a done entry is struck through, and the
// "Note" column shows the note marker for an entry with a note.
class ToDoDelegate final : public QStyledItemDelegate
{
    Q_OBJECT
public:
    explicit ToDoDelegate(const ToDoModel& model, QObject* parent = nullptr);

    void setTheme(const calendar::GridTheme& theme) { m_theme = theme; }
    const calendar::GridTheme& theme() const { return m_theme; }
    void setColours(const calendar::GridColours& colours, unsigned sectionColour)
    {
        m_colours = colours;
        m_sectionColour = sectionColour;
    }
    unsigned sectionColour() const { return m_sectionColour; }

    calendar::RowLook lookAt(int row, bool selected) const;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    const ToDoModel& m_model;
    calendar::GridTheme m_theme;
    calendar::GridColours m_colours;
    unsigned m_sectionColour = 0xF8DCBA;
};

} // namespace todo::ui

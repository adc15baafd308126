#pragma once

#include "calendar/dailylook.h"

#include <QAbstractTableModel>
#include <QStyledItemDelegate>

namespace contacts {
class ContactList;
}

namespace contacts::ui {

// The contact list as a table: "Name", "Company", "Group", "Phone",
// "Mobile", "Skype", "Fax", "E-mail", "Web" and "Note" (empty; its cell shows
// the note marker). Cells are read straight from the open rows, so a reload
// is one reset.
class ContactsModel final : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column
    {
        Name,
        Company,
        Group,
        Phone,
        Mobile,
        Skype,
        Fax,
        Email,
        Web,
        Presenza,
        ColumnCount
    };

    explicit ContactsModel(ContactList& list, QObject* parent = nullptr);

    ContactList& list() const { return m_list; }
    // Opens the list again inside one model reset.
    void refresh();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    ContactList& m_list;
};

// The colours a contact row is drawn with.
struct ContactGridColours
{
    unsigned contacts = 0xFFFFFF;       // the Contacts section colour
    unsigned currentSection = 0xFFFFFF; // the active tab's colour
    unsigned buttonFace = 0xF0F0F0;     // the system's
    unsigned window = 0xFFFFFF;         // the grid's own background
    unsigned windowText = 0x000000;     // the system's
};

// How the row with 1-based `recordNumber` is drawn: tinted with the
// section colour (80 per cent toward white on odd rows, 70 on even ones) in
// the many-coloured style, light grey and white in the other two unless the
// section colour is the system face, when the grid keeps its own colour. The
// selected row takes the section colour and the theme's title text colour.
calendar::RowLook contactRowLook(const calendar::GridTheme& theme,
                                 const ContactGridColours& colours, int recordNumber,
                                 bool selected);

// Paints the contact grid's cells in their row's look and the note marker.
class ContactsDelegate final : public QStyledItemDelegate
{
    Q_OBJECT
public:
    explicit ContactsDelegate(const ContactsModel& model, QObject* parent = nullptr);

    void setLook(const calendar::GridTheme& theme, const ContactGridColours& colours)
    {
        m_theme = theme;
        m_colours = colours;
    }
    const calendar::GridTheme& theme() const { return m_theme; }
    const ContactGridColours& colours() const { return m_colours; }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    const ContactsModel& m_model;
    calendar::GridTheme m_theme;
    ContactGridColours m_colours;
};

} // namespace contacts::ui

#include "contactspagemodel.h"

#include "calendar/ui/rowpainter.h"
#include "contacts/contactlist.h"
#include "shared/ui/notemarker.h"

#include <QPainter>

namespace contacts::ui {
namespace {

struct ColumnDef
{
    const char* title;
    const char* field;
};

constexpr ColumnDef Columns[ContactsModel::ColumnCount] = {
    {"Name", "ragsoc"},   {"Company", "company"}, {"Group", "gruppo"}, {"Phone", "tel"},
    {"Mobile", "mobile"}, {"Skype", "skype"},     {"Fax", "fax"},      {"E-mail", "email"},
    {"Web", "site"},      {"Note", nullptr},
};

} // namespace

ContactsModel::ContactsModel(ContactList& list, QObject* parent)
    : QAbstractTableModel(parent), m_list(list)
{
}

void ContactsModel::refresh()
{
    beginResetModel();
    m_list.refresh();
    endResetModel();
}

int ContactsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_list.rowCount();
}

int ContactsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ContactsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const ColumnDef& column = Columns[index.column()];
    if (role == Qt::DisplayRole && column.field)
        return m_list.text(index.row(), QLatin1String(column.field));
    if (role == Qt::TextAlignmentRole && index.column() == Presenza)
        return int(Qt::AlignCenter);
    return {};
}

QVariant ContactsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < ColumnCount)
        return QLatin1String(Columns[section].title);
    return QAbstractTableModel::headerData(section, orientation, role);
}

calendar::RowLook contactRowLook(const calendar::GridTheme& theme,
                                 const ContactGridColours& colours, int recordNumber, bool selected)
{
    calendar::RowLook look;
    look.text = colours.windowText;
    if (selected) {
        look.background = colours.contacts;
        look.text = theme.titleText;
        return look;
    }
    const bool odd = recordNumber % 2 != 0;
    if (theme.style == calendar::GridStyle::Coloratissime)
        look.background = calendar::blendTowardWhite(colours.contacts, odd ? 80 : 70);
    else if (colours.currentSection == colours.buttonFace)
        look.background = colours.window;
    else
        look.background = odd ? calendar::OddRowGrey : 0xFFFFFF;
    return look;
}

ContactsDelegate::ContactsDelegate(const ContactsModel& model, QObject* parent)
    : QStyledItemDelegate(parent), m_model(model)
{
}

void ContactsDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const
{
    const calendar::RowLook look = contactRowLook(m_theme, m_colours, index.row() + 1,
                                                  option.state.testFlag(QStyle::State_Selected));
    painter->save();
    painter->fillRect(option.rect, calendar::ui::lookColour(look.background));
    if (index.column() == ContactsModel::Presenza) {
        if (m_model.list().hasNote(index.row()))
            shared::ui::paintNoteMarker(*painter, option.rect);
    } else {
        calendar::ui::paintCellText(*painter, option, index, option.rect, look);
    }
    painter->restore();
}

} // namespace contacts::ui

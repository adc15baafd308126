#include "notelistmodel.h"

#include "store/query.h"

namespace notes::ui {

NoteListModel::NoteListModel(const store::Query& list, QObject* parent)
    : QAbstractTableModel(parent), m_list(list)
{
}

void NoteListModel::endReload()
{
    const store::ResultSet& rows = m_list.rows();
    m_codnot = rows.columnIndex(QStringLiteral("codnot"));
    m_id = rows.columnIndex(QStringLiteral("id"));
    m_note = rows.columnIndex(QStringLiteral("note"));
    m_gruppo = rows.columnIndex(QStringLiteral("gruppo"));
    endResetModel();
}

int NoteListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_list.recordCount();
}

int NoteListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 1;
}

QVariant NoteListModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid())
        return {};
    return title(index.row());
}

QVariant NoteListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role == Qt::DisplayRole && orientation == Qt::Horizontal && section == 0)
        return QStringLiteral("Title");
    return {};
}

QString NoteListModel::cell(int row, int column) const
{
    if (column < 0 || row < 0 || row >= rowCount())
        return {};
    return m_list.rows().text(row, column);
}

qint64 NoteListModel::codnot(int row) const
{
    if (m_codnot < 0 || row < 0 || row >= rowCount())
        return 0;
    return m_list.rows().integer(row, m_codnot);
}

QString NoteListModel::title(int row) const
{
    return cell(row, m_id);
}

QString NoteListModel::text(int row) const
{
    return cell(row, m_note);
}

QString NoteListModel::group(int row) const
{
    return cell(row, m_gruppo);
}

} // namespace notes::ui

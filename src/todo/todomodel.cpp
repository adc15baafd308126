#include "todomodel.h"

namespace todo {

ToDoModel::ToDoModel(store::Database& database, QObject* parent)
    : QAbstractTableModel(parent), m_list(database)
{
}

void ToDoModel::refresh(const ToDoFilter& filter)
{
    beginResetModel();
    try {
        openToDoList(m_list, filter);
    } catch (...) {
        // The engine's error goes on to the error report; the grid must not
        // keep counting the rows of the list it had.
        m_list.close();
        endResetModel();
        throw;
    }
    endResetModel();
}

QString ToDoModel::cell(int row, const char* column) const
{
    const int c = rows().columnIndex(QLatin1String(column));
    return c < 0 || row < 0 || row >= rowCount() ? QString() : rows().text(row, c);
}

bool ToDoModel::hasNote(int row) const
{
    return !cell(row, "note").isEmpty();
}

bool ToDoModel::isDone(int row) const
{
    return cell(row, "flag") == DoneFlag;
}

int ToDoModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_list.recordCount();
}

int ToDoModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ToDoModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::TextAlignmentRole)
        return index.column() == Description ? int(Qt::AlignLeft | Qt::AlignVCenter)
                                             : int(Qt::AlignCenter);
    if (role != Qt::DisplayRole)
        return {};
    const int row = index.row();
    switch (index.column()) {
    case Description:
        return cell(row, "id");
    case Priority:
        return wholeNumber(cell(row, "priority").toDouble());
    case Percent:
        return wholeNumber(cell(row, "percento").toDouble());
    case Fatto:
        return isDone(row) ? QStringLiteral("X") : QString();
    default:
        break;
    }
    return QString();
}

QVariant ToDoModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case Description:
        return QStringLiteral("Description");
    case Priority:
        return QStringLiteral("P");
    case Percent:
        return QStringLiteral("%");
    case Presenza:
        return QStringLiteral("Note");
    case Fatto:
        return QStringLiteral("Done");
    default:
        break;
    }
    return {};
}

} // namespace todo

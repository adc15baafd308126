#include "dailymodel.h"

#include "dailyview.h"
#include "tasktexts.h"

namespace calendar {

DailyModel::DailyModel(DailyView& view, QObject* parent) : QAbstractTableModel(parent), m_view(view)
{
}

void DailyModel::refresh(const QDate& day, bool showSuspended)
{
    beginResetModel();
    m_view.refresh(day, showSuspended);
    endResetModel();
}

int DailyModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_view.rowCount();
}

int DailyModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant DailyModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_view.rowCount())
        return {};
    if (role == Qt::TextAlignmentRole)
        return index.column() == Description ? QVariant(int(Qt::AlignLeft | Qt::AlignVCenter))
                                             : QVariant(int(Qt::AlignCenter));
    if (role != Qt::DisplayRole)
        return {};
    const DailyView::Columns& c = m_view.columns();
    int column = -1;
    switch (index.column()) {
    case From:
    case To:
        column = index.column() == From ? c.orario : c.orario2;
        return column < 0 ? QString() : storedTimeText(m_view.rows().text(index.row(), column));
    case Description:
        column = c.id;
        break;
    default:
        return QString();
    }
    return column < 0 ? QString() : m_view.rows().text(index.row(), column);
}

QVariant DailyModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return {};
    if (role == Qt::TextAlignmentRole)
        return section == Description ? QVariant(int(Qt::AlignLeft | Qt::AlignVCenter))
                                      : QVariant(int(Qt::AlignCenter));
    if (role != Qt::DisplayRole)
        return {};
    switch (section) {
    case From:
        return QStringLiteral("From");
    case To:
        return QStringLiteral("To");
    case Description:
        return QStringLiteral("Description");
    case Presenza:
        return QStringLiteral("Note");
    default:
        return {};
    }
}

} // namespace calendar

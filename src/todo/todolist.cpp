#include "todolist.h"

#include "store/query.h"
#include "store/sqltext.h"

#include <array>

namespace todo {
namespace {

struct OrderEntry
{
    const char* caption;
    const char* column;
    bool descending;
    const char* tie; // the second key, or nullptr
};

constexpr std::array<OrderEntry, OrderCount> Orders{{
    {"Priority ASC", "Priority", false, "id"},
    {"Priority DESC", "Priority", true, "id"},
    {"Percentage ASC", "Percento", false, "id"},
    {"Percentage DESC", "Percento", true, "id"},
    {"Alphabetical ASC", "id", false, "Priority"},
    {"Alphabetical DESC", "id", true, "Priority"},
    {"Creation ASC", "codtod", false, nullptr},
    {"Creation DESC", "codtod", true, nullptr},
}};

const OrderEntry& entryOf(Order order)
{
    const auto index = size_t(order);
    return Orders[index < Orders.size() ? index : size_t(InitialOrder)];
}

QString fieldPiece(SearchField field)
{
    return field == SearchField::Note ? QStringLiteral("UPPER(note) LIKE UPPER(\"%")
                                      : QStringLiteral("UPPER(id) LIKE UPPER(\"%");
}

QString statePiece(StateFilter state)
{
    switch (state) {
    case StateFilter::Checked:
        return QStringLiteral("%\")) and flag =\"Yes\" ");
    case StateFilter::Unchecked:
        return QStringLiteral("%\")) and flag =\"No\" ");
    case StateFilter::All:
        break;
    }
    return QStringLiteral("%\")) ");
}

QString groupPiece(const QString& group)
{
    if (group.isEmpty())
        return {};
    const QString like = QStringLiteral("UPPER(gruppo) LIKE UPPER(\"%") +
                         store::doubledQuotes(group) + QStringLiteral("%\")");
    // The pseudo-entry of the other sections' group fields: here it also
    // finds the entries without a group, besides any group of that name.
    if (group == IsNullGroup)
        return QStringLiteral("AND (") + like + QStringLiteral(" OR ") +
               store::emptyOrNull(QStringLiteral("gruppo")) + u')';
    return QStringLiteral("AND ") + like;
}

} // namespace

QStringList searchFieldItems()
{
    return {QStringLiteral("Description"), QStringLiteral("Note")};
}

QStringList stateFilterItems()
{
    return {QStringLiteral("All"), QStringLiteral("Checked"), QStringLiteral("Unchecked")};
}

QString orderCaption(Order order)
{
    return QLatin1String(entryOf(order).caption);
}

QString orderText(Order order)
{
    const OrderEntry& entry = entryOf(order);
    QString text = QStringLiteral(" ORDER BY ") + QLatin1String(entry.column) + u' ' +
                   (entry.descending ? QStringLiteral("DESC") : QString());
    if (entry.tie)
        text += QStringLiteral(", ") + QLatin1String(entry.tie);
    return text;
}

QString toDoListSql(const ToDoFilter& filter)
{
    return QStringLiteral("SELECT * FROM CRtod63 WHERE (") + fieldPiece(filter.field) +
           store::doubledQuotes(filter.text) + statePiece(filter.state) + groupPiece(filter.group) +
           u' ' + orderText(filter.order);
}

void openToDoList(store::Query& list, const ToDoFilter& filter)
{
    list.setSql({toDoListSql(filter)});
    list.open();
}

} // namespace todo

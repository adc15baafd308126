#pragma once

#include <QString>
#include <QStringList>

namespace store {
class Query;
}

namespace todo {

// The columns the list can be searched in, in the order its field list
// shows them.
enum class SearchField
{
    Description,
    Note
};
QStringList searchFieldItems(); // "Description", "Note"

// The state filter: every entry, the done ones or the open ones.
enum class StateFilter
{
    All,
    Checked,
    Unchecked
};
QStringList stateFilterItems(); // "All", "Checked", "Unchecked"

// The entries of the Order menu, in its order; each pair sorts by one column.
enum class Order
{
    PriorityAsc,
    PriorityDesc,
    PercentageAsc,
    PercentageDesc,
    AlphabeticalAsc,
    AlphabeticalDesc,
    CreationAsc,
    CreationDesc,
};
inline constexpr int OrderCount = 8;
// Every start lists the highest priority first; the order is not stored.
inline constexpr Order InitialOrder = Order::PriorityDesc;
QString orderCaption(Order order); // "Priority ASC" ... "Creation DESC"
// The ORDER BY clause appended to the list statement, e.g.
// " ORDER BY Priority DESC, id".
QString orderText(Order order);

// What the To Do tab asks its list to show.
struct ToDoFilter
{
    // As typed; "%" and "_" work as wildcards, a double quote is a character
    // to look for.
    QString text;
    SearchField field = SearchField::Description;
    StateFilter state = StateFilter::All;
    // Empty for every group, otherwise a piece of the group's name.
    // "[ IS NULL ]" also finds the entries saved without a group.
    QString group;
    Order order = InitialOrder;
};

inline const QString IsNullGroup = QStringLiteral("[ IS NULL ]");

// The list statement. Texts go between double quotes with every quote in
// them doubled.
QString toDoListSql(const ToDoFilter& filter);

// Sets the statement on `list` and opens it.
void openToDoList(store::Query& list, const ToDoFilter& filter);

} // namespace todo

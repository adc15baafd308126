#include "store/tabvisibility.h"

#include "store/query.h"

namespace store {

void saveTabVisibility(Database& database, const std::array<bool, 8>& visible)
{
    static const std::array<QString, 8> columns = {
        QStringLiteral("TabShotVisible"),  QStringLiteral("TabYearVisible"),
        QStringLiteral("TabMonthVisible"), QStringLiteral("TabWeekVisible"),
        QStringLiteral("TabTodayVisible"), QStringLiteral("TabContactsVisible"),
        QStringLiteral("TabNotesVisible"), QStringLiteral("TabToDoVisible")};
    Query q(database);
    q.setSql({
        QStringLiteral("UPDATE CRset63"),
        QStringLiteral("SET TabShotVisible = :TabShotVisible,"),
        QStringLiteral("    TabYearVisible = :TabYearVisible,"),
        QStringLiteral("    TabMonthVisible = :TabMonthVisible,"),
        QStringLiteral("    TabWeekVisible = :TabWeekVisible,"),
        QStringLiteral("    TabTodayVisible = :TabTodayVisible,"),
        QStringLiteral("    TabContactsVisible = :TabContactsVisible,"),
        QStringLiteral("    TabNotesVisible = :TabNotesVisible,"),
        QStringLiteral("    TabToDoVisible = :TabToDoVisible"),
    });
    for (size_t i = 0; i < columns.size(); ++i)
        q.setBoolean(columns[i], visible[i]);
    q.execSql();
}

} // namespace store

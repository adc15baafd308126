#include "repository.h"

#include "store/query.h"

namespace calendar {

void purgeDeleteAfterTasks(store::Query& general, const QDate& today)
{
    general.setSql({QStringLiteral("DELETE"), QStringLiteral("FROM CRarc66"),
                    QStringLiteral("WHERE (flag = \"O\" and dayofweek = \"X\" and datefull < :datefull)")});
    general.setDate(QStringLiteral("datefull"), today);
    general.execSql();
}

void bindPeriod(store::Query& query, const Period& period)
{
    // The date pickers carry a time of day; any time after midnight does.
    const QTime pickerTime(12, 0);
    query.setDateTime(QStringLiteral("a1"), QDateTime(period.first.addDays(-1), pickerTime));
    query.setDateTime(QStringLiteral("a2"), QDateTime(period.last, pickerTime));
}

RepositoryCounts countRepository(store::Query& general)
{
    RepositoryCounts counts;
    general.setSql({QStringLiteral("SELECT * FROM CRshot80 ")});
    general.open();
    counts.deposited = general.recordCount();
    general.setSql({QStringLiteral("SELECT * FROM CRarc66 where flag =\"O\" ")});
    general.open();
    counts.inUse = general.recordCount();
    general.close();
    return counts;
}

QDate earliestOneShotDate(store::Query& general)
{
    general.setSql({QStringLiteral("SELECT * FROM CRarc66 where flag =\"O\" order by datefull")});
    general.open();
    const QDate date = general.isEmpty() ? QDate()
                                         : general.fieldByName(QStringLiteral("datefull")).asDate();
    general.close();
    return date;
}

void deposit(store::Query& general, const Period& period)
{
    general.setSql({QStringLiteral(
        "INSERT INTO CRshot80 (SELECT * FROM CRarc66 WHERE ( flag =\"O\" AND datefull BETWEEN :a1 "
        "and :a2 ));DELETE FROM CRarc66 WHERE ( flag =\"O\" AND datefull BETWEEN :a1 and :a2 );")});
    bindPeriod(general, period);
    general.execSql();
}

void take(store::Query& general, const Period& period)
{
    general.setSql({QStringLiteral(
        "INSERT INTO CRarc66 (SELECT * FROM CRshot80 WHERE datefull BETWEEN :a1 and :a2);DELETE "
        "FROM CRshot80 WHERE datefull BETWEEN :a1 and :a2;")});
    bindPeriod(general, period);
    general.execSql();
}

void takeAll(store::Query& general)
{
    general.setSql(
        {QStringLiteral("INSERT INTO CRarc66 (SELECT * FROM CRshot80); DELETE FROM CRshot80;")});
    general.execSql();
}

} // namespace calendar

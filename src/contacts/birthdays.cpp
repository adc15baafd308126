#include "birthdays.h"

#include "calendar/sectionlist.h"
#include "store/query.h"
#include "store/settings.h"

namespace contacts {
namespace {

LinkedTask taskOf(const store::Query& q)
{
    return {q.fieldByName(QStringLiteral("codimp")).asInteger(),
            q.fieldByName(QStringLiteral("id")).asString(),
            q.fieldByName(QStringLiteral("datefull")).asDate()};
}

void setDayIndex(store::Database& db, qint64 codimp, double value)
{
    store::Query q(db);
    q.setSql(dayIndexUpdateSql(codimp));
    q.setFloat(QStringLiteral("dayindex"), value);
    q.execSql();
}

} // namespace

QStringList linkedYearlyTasksSql(const QString& linkedContactCode)
{
    // The code stands as a quoted text; the engine compares it with the
    // numeric column as a number.
    return {QStringLiteral("SELECT * FROM CRarc66 WHERE flag =\"Y\" AND dayindex=\"") +
            linkedContactCode + u'"'};
}

QList<LinkedTask> linkedYearlyTasks(store::Database& db, qint64 codcon)
{
    store::Query q(db);
    q.setSql(linkedYearlyTasksSql(QString::number(codcon)));
    q.open();
    QList<LinkedTask> tasks;
    for (; !q.eof(); q.next())
        tasks.append(taskOf(q));
    return tasks;
}

QList<LinkedTask> birthdayCandidates(store::Database& db, const QString& name, qint64 codcon)
{
    calendar::SectionFilter filter;
    filter.kind = QLatin1Char('Y');
    filter.field = calendar::SearchField::Description;
    filter.text = name;
    store::Query q(db);
    calendar::openSectionList(q, filter);
    QList<LinkedTask> tasks;
    for (; !q.eof(); q.next()) {
        const store::Field link = q.fieldByName(QStringLiteral("dayindex"));
        const qint64 owner = link.isNull() ? 0 : qint64(link.asFloat());
        if (owner == 0 || owner == codcon)
            tasks.append(taskOf(q));
    }
    return tasks;
}

QStringList dayIndexUpdateSql(qint64 codimp)
{
    return {QStringLiteral("UPDATE CRarc66"), QStringLiteral("SET dayindex   = :dayindex"),
            QStringLiteral("WHERE codimp = ") + QString::number(codimp)};
}

void linkBirthday(store::Database& db, qint64 codimp, qint64 codcon)
{
    setDayIndex(db, codimp, double(codcon));
}

void unlinkBirthday(store::Database& db, qint64 codimp)
{
    setDayIndex(db, codimp, 0);
}

QString birthdayButtonText(const QList<LinkedTask>& linked, const QString& dataYear,
                           const QLocale& locale)
{
    if (linked.isEmpty())
        return BirthdayCaption;
    return store::Settings::formatDate(linked.first().datefull, dataYear, locale);
}

QString linkQuestion(const QString& name, const QString& taskId)
{
    return QStringLiteral(" Link \"") + name + QStringLiteral("\" with the task \"") + taskId +
           u'"';
}

QString unlinkQuestion(const QString& name, const QString& taskId)
{
    return QStringLiteral(" Delete the link of \"") + name + QStringLiteral("\" with the task \"") +
           taskId + u'"';
}

QString noBirthdayFoundMessage(const QString& name)
{
    return QStringLiteral("I have not find a yearly task to associate with \"") + name + u'"';
}

} // namespace contacts

#include "todorecord.h"

#include "store/query.h"

#include <cmath>

namespace todo {
namespace {

int column(const store::ResultSet& rows, const char* name)
{
    return rows.columnIndex(QLatin1String(name));
}

QString textAt(const store::ResultSet& rows, int row, const char* name)
{
    const int c = column(rows, name);
    return c < 0 ? QString() : rows.text(row, c);
}

double numberAt(const store::ResultSet& rows, int row, const char* name)
{
    const int c = column(rows, name);
    return c < 0 ? 0.0 : rows.number(row, c);
}

qint64 insertRow(store::Query& query, const ToDoEntry& entry, const QString& flag, int percento)
{
    query.setSql(
        {QStringLiteral("INSERT INTO CRtod63"),
         QStringLiteral("(id,note,priority,flag,percento,allegato,ricerca,gruppo)"),
         QStringLiteral("values "
                        "(:id,:note,:priority,:flag,:percento,:allegato,:ricerca,:gruppo)")});
    query.setText(QStringLiteral("id"), entry.id);
    query.setText(QStringLiteral("note"), entry.note);
    query.setFloat(QStringLiteral("priority"), entry.priority);
    query.setText(QStringLiteral("flag"), flag);
    query.setFloat(QStringLiteral("percento"), percento);
    query.setText(QStringLiteral("allegato"), entry.allegato);
    query.setText(QStringLiteral("ricerca"), entry.ricerca);
    query.setText(QStringLiteral("gruppo"), entry.gruppo);
    query.execSql();
    return query.insertedKey();
}

QString keyClause(qint64 codtod)
{
    return QStringLiteral("WHERE codtod = ") + QString::number(codtod);
}

} // namespace

ToDoEntry entryAt(const store::ResultSet& rows, int row)
{
    ToDoEntry entry;
    if (row < 0 || row >= rows.rowCount())
        return entry;
    const int key = column(rows, "codtod");
    entry.codtod = key < 0 ? 0 : rows.integer(row, key);
    entry.id = textAt(rows, row, "id");
    entry.note = textAt(rows, row, "note");
    entry.priority = int(std::llround(numberAt(rows, row, "priority")));
    entry.flag = textAt(rows, row, "flag");
    entry.done = entry.flag == DoneFlag;
    entry.percento = int(std::llround(numberAt(rows, row, "percento")));
    entry.allegato = textAt(rows, row, "allegato");
    entry.ricerca = textAt(rows, row, "ricerca");
    entry.gruppo = textAt(rows, row, "gruppo");
    return entry;
}

QString wholeNumber(double value)
{
    return QString::number(std::llround(value));
}

QString savedDescription(const QString& description)
{
    if (description.isEmpty())
        return description;
    const QChar first = description.front();
    if (first < u'a' || first > u'z')
        return description;
    return first.toUpper() + description.mid(1);
}

Completion checked(const QString& flag)
{
    Completion completion;
    completion.clickDone(flag == OpenFlag);
    return completion;
}

qint64 insertEntry(store::Query& query, const ToDoEntry& entry)
{
    return insertRow(query, entry, OpenFlag, 0);
}

qint64 cloneEntry(store::Query& query, const ToDoEntry& entry)
{
    return insertRow(query, entry, entry.flag, entry.percento);
}

void updateEntry(store::Query& query, const ToDoEntry& entry)
{
    query.setSql(
        {QStringLiteral("UPDATE CRtod63"), QStringLiteral("SET id         = :id,"),
         QStringLiteral("    note       = :note,"), QStringLiteral("    priority   = :priority,"),
         QStringLiteral("    flag       = :flag,"), QStringLiteral("    percento   = :percento,"),
         QStringLiteral("    allegato   = :allegato,"), QStringLiteral("    ricerca   = :ricerca,"),
         QStringLiteral("    gruppo   = :gruppo"), keyClause(entry.codtod)});
    query.setText(QStringLiteral("id"), entry.id);
    query.setText(QStringLiteral("note"), entry.note);
    query.setFloat(QStringLiteral("priority"), entry.priority);
    query.setText(QStringLiteral("flag"), entry.done ? DoneFlag : OpenFlag);
    query.setFloat(QStringLiteral("percento"), entry.percento);
    query.setText(QStringLiteral("allegato"), entry.allegato);
    query.setText(QStringLiteral("ricerca"), entry.ricerca);
    query.setText(QStringLiteral("gruppo"), entry.gruppo);
    query.execSql();
}

void setCompletion(store::Query& query, qint64 codtod, const Completion& completion)
{
    query.setSql({QStringLiteral("UPDATE CRtod63"), QStringLiteral("SET flag = :flag,"),
                  QStringLiteral("percento = :percento"), keyClause(codtod)});
    query.setText(QStringLiteral("flag"), completion.done ? DoneFlag : OpenFlag);
    query.setFloat(QStringLiteral("percento"), completion.percent);
    query.execSql();
}

void deleteEntry(store::Query& query, qint64 codtod)
{
    query.setSql({QStringLiteral("DELETE"), QStringLiteral("FROM CRtod63"), keyClause(codtod)});
    query.execSql();
}

} // namespace todo

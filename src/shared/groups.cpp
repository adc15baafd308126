#include "groups.h"

#include "store/query.h"
#include "store/sqltext.h"

namespace shared::groups {
namespace {

QString sectionLiteral(QChar section)
{
    return store::quotedText(QString(section.toUpper()));
}

// The rows a name finds in a section, by the engine's comparison.
void openMatches(store::Query& q, QChar section, const QString& name)
{
    q.setSql({QStringLiteral("SELECT *"), QStringLiteral("FROM CRcat80"),
              QStringLiteral("WHERE id = ") + store::quotedText(name),
              QStringLiteral("AND sezione = ") + sectionLiteral(section)});
    q.open();
}

} // namespace

QStringList load(store::Database& db, QChar section)
{
    store::Query q(db);
    q.setSql({QStringLiteral("SELECT * FROM CRcat80 WHERE sezione = ") + sectionLiteral(section)});
    q.open();
    QStringList names;
    names.reserve(q.recordCount());
    const store::ResultSet& rows = q.rows();
    const int id = rows.columnIndex(QStringLiteral("id"));
    for (int row = 0; row < rows.rowCount(); ++row)
        names.append(rows.text(row, id));
    return names;
}

void ensure(store::Database& db, QChar section, const QString& name)
{
    store::Query q(db);
    openMatches(q, section, name);
    if (!q.isEmpty())
        return;
    q.close();
    q.setSql({QStringLiteral("INSERT INTO CRcat80"), QStringLiteral("(id,sezione)"),
              QStringLiteral("values (:id,:sezione)")});
    q.setText(QStringLiteral("id"), name);
    q.setText(QStringLiteral("sezione"), QString(section.toUpper()));
    q.execSql();
}

int removeExact(store::Database& db, QChar section, const QString& name)
{
    store::Query q(db);
    openMatches(q, section, name);
    QList<qint64> keys;
    for (; !q.eof(); q.next()) {
        if (q.fieldByName(QStringLiteral("id")).asString() == name)
            keys.append(q.fieldByName(QStringLiteral("codcat")).asInteger());
    }
    q.close();
    for (qint64 key : keys) {
        q.setSql({QStringLiteral("DELETE"), QStringLiteral("FROM CRcat80"),
                  QStringLiteral("WHERE codcat = ") + QString::number(key)});
        q.execSql();
    }
    return int(keys.size());
}

} // namespace shared::groups

#include "noterecord.h"

#include "store/query.h"

namespace notes {

QString noteTitle(const QString& typed, const QDateTime& now)
{
    if (typed.isEmpty())
        return now.toString(QStringLiteral("yyyy-MM-dd,hh-mm-ss"));
    const QChar first = typed.front();
    if (first < u'a' || first > u'z')
        return typed;
    return QChar(first.unicode() - (u'a' - u'A')) + typed.mid(1);
}

QString titleBarText(const QString& title)
{
    const QString text = u' ' + title;
    if (text.size() < 30)
        return text;
    return u' ' + text.left(26) + QStringLiteral("...");
}

QString storedText(const QString& editorText)
{
    QString out = editorText;
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    out.replace(u'\r', u'\n');
    return out.replace(u'\n', QStringLiteral("\r\n"));
}

QString editorText(const QString& storedText)
{
    QString out = storedText;
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return out.replace(u'\r', u'\n');
}

bool sameNoteText(const QString& a, const QString& b)
{
    // The common case, a note just loaded, compares without copying.
    return a == b || editorText(a) == editorText(b);
}

namespace {

QString keyCondition(qint64 codnot)
{
    return QStringLiteral("WHERE codnot = ") + QString::number(codnot);
}

} // namespace

QString insertNote(store::Query& query, const NoteFields& fields, const QDateTime& now)
{
    const QString title = noteTitle(fields.title, now);
    query.setSql({QStringLiteral("INSERT INTO CRnot80"), QStringLiteral("(id,note,gruppo)"),
                  QStringLiteral("values (:id,:note,:gruppo)")});
    query.setText(QStringLiteral("id"), title);
    query.setText(QStringLiteral("note"), fields.text);
    query.setText(QStringLiteral("gruppo"), fields.group);
    query.execSql();
    return title;
}

QString updateNote(store::Query& query, qint64 codnot, const NoteFields& fields,
                   const QDateTime& now)
{
    const QString title = noteTitle(fields.title, now);
    query.setSql({QStringLiteral("UPDATE CRnot80"), QStringLiteral("SET id         = :id,"),
                  QStringLiteral("    note       = :note,"),
                  QStringLiteral("    gruppo     = :gruppo"), keyCondition(codnot)});
    query.setText(QStringLiteral("id"), title);
    query.setText(QStringLiteral("note"), fields.text);
    query.setText(QStringLiteral("gruppo"), fields.group);
    query.execSql();
    return title;
}

void updateNoteText(store::Query& query, qint64 codnot, const QString& text)
{
    query.setSql({QStringLiteral("UPDATE CRnot80"), QStringLiteral("SET note       = :note"),
                  keyCondition(codnot)});
    query.setText(QStringLiteral("note"), text);
    query.execSql();
}

void deleteNote(store::Query& query, qint64 codnot)
{
    query.setSql({QStringLiteral("DELETE"), QStringLiteral("FROM CRnot80"), keyCondition(codnot)});
    query.execSql();
}

void insertImportedNote(store::Query& query, const QString& title, const QString& text)
{
    query.setSql({QStringLiteral("INSERT INTO CRnot80"), QStringLiteral("(id,note)"),
                  QStringLiteral("values (:id,:note)")});
    query.setText(QStringLiteral("id"), title);
    query.setText(QStringLiteral("note"), text);
    query.execSql();
}

} // namespace notes

#include "notelist.h"

#include "store/query.h"
#include "store/sqltext.h"

namespace notes {
namespace {

// Each piece leaves the search text's literal open: the statement closes it
// after the text, as for every field.
QString fieldPiece(SearchField field, const QString& text)
{
    switch (field) {
    case SearchField::Title:
        return QStringLiteral("(UPPER(id) LIKE UPPER(\"%");
    case SearchField::Text:
        return QStringLiteral("(UPPER(note) LIKE UPPER(\"%");
    case SearchField::All:
        break;
    }
    return QStringLiteral("(UPPER(id) LIKE UPPER(\"%") + store::doubledQuotes(text) +
           QStringLiteral("%\") OR UPPER(note) LIKE UPPER(\"%");
}

QString groupPiece(const QString& group)
{
    if (group.isEmpty())
        return {};
    if (isEmptyGroupEntry(group))
        return QStringLiteral("AND ") + store::emptyOrNull(QStringLiteral("gruppo"));
    return QStringLiteral("AND UPPER(gruppo) LIKE UPPER(\"%") + store::doubledQuotes(group) +
           QStringLiteral("%\")");
}

} // namespace

QStringList searchFieldItems()
{
    return {QStringLiteral("All"), QStringLiteral("Title"), QStringLiteral("Text")};
}

bool isEmptyGroupEntry(const QString& group)
{
    return group == QLatin1String(IsNullEntry) || group == QLatin1String(VuotoEntry);
}

QString noteListSql(const NoteFilter& filter)
{
    // Only the two columns the tab offers may reach the statement.
    const QString order = filter.orderColumn == QLatin1String(OrderByCreation)
                              ? QStringLiteral("codnot")
                              : QStringLiteral("id");
    const QString direction = filter.descending ? QStringLiteral("DESC") : QString();
    return QStringLiteral("SELECT * FROM CRnot80 WHERE ") + fieldPiece(filter.field, filter.text) +
           store::doubledQuotes(filter.text) + QStringLiteral("%\")) ") + groupPiece(filter.group) +
           QStringLiteral(" ORDER by ") + order + u' ' + direction + QStringLiteral(",gruppo");
}

void openNoteList(store::Query& list, const NoteFilter& filter)
{
    list.setSql({noteListSql(filter)});
    list.open();
}

} // namespace notes

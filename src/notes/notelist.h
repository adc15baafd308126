#pragma once

#include <QString>
#include <QStringList>

namespace store {
class Query;
}

namespace notes {

// Where the search text of the Notes tab looks.
enum class SearchField
{
    All,
    Title,
    Text
};

// The entries of the search-field list, in the order of SearchField.
QStringList searchFieldItems();

// Typed into the group field, these list the notes without a group.
inline constexpr auto IsNullEntry = "[ IS NULL ]";
inline constexpr auto VuotoEntry = "[ VUOTO ]";
bool isEmptyGroupEntry(const QString& group);

inline constexpr auto OrderByTitle = "id";
inline constexpr auto OrderByCreation = "codnot";

struct NoteFilter
{
    QString text;
    SearchField field = SearchField::All;
    QString group;
    QString orderColumn = QLatin1String(OrderByTitle);
    bool descending = false;
};

// The list statement of the Notes tab. Search and group texts go inside
// double-quoted literals with their own quotes doubled, so any typed text is
// searched for as it stands. A note saved without a group may hold an empty
// text as well as a null: the empty-group entries list both.
QString noteListSql(const NoteFilter& filter);

// Opens the statement on `list`.
void openNoteList(store::Query& list, const NoteFilter& filter);

} // namespace notes

#pragma once

#include <QDateTime>
#include <QString>

namespace store {
class Query;
}

// A note is a row of CRnot80: a title (id), a text of any length (note) with
// CRLF line ends, and an optional group name (gruppo). These are the rules
// and statements behind the Notes tab and its dialogs, without any widget.
namespace notes {

// The title as it is stored: the first character upper-cased when it is a
// letter a to z, and an empty title replaced by the moment of saving
// ("2026-12-09,08-05-03"), so every note can be told apart in the list.
QString noteTitle(const QString& typed, const QDateTime& now);

// The caption of the editor's title bar: a blank before the title, cut to
// 26 characters and "..." once it would take 30 or more.
QString titleBarText(const QString& title);

// The editor works with line feeds, the archive keeps CRLF. Conversions both
// ways, and the comparison that decides whether a note has pending changes:
// a text loaded from the archive must never look edited because its line ends
// were written differently.
QString storedText(const QString& editorText);
QString editorText(const QString& storedText);
bool sameNoteText(const QString& a, const QString& b);

struct NoteFields
{
    QString title; // as typed; the title rules are applied when writing
    QString text;  // CRLF line ends
    QString group;
};

// The writes of the tab and its dialogs. Each is one statement on `query`
// (the general-purpose query of the window); engine errors are not caught.
// insertNote and updateNote apply the title rules and return the title
// written; insertNote's key is query.insertedKey() afterwards.
QString insertNote(store::Query& query, const NoteFields& fields, const QDateTime& now);
QString updateNote(store::Query& query, qint64 codnot, const NoteFields& fields,
                   const QDateTime& now);
// "Update file": the text alone.
void updateNoteText(store::Query& query, qint64 codnot, const QString& text);
void deleteNote(store::Query& query, qint64 codnot);
// An imported file: title and text, no group.
void insertImportedNote(store::Query& query, const QString& title, const QString& text);

} // namespace notes

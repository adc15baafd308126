#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

namespace store {
class Database;
}

// The known group names of the three sections that have groups: contacts
// ('C'), notes ('N') and to-do items ('L'). An entry refers to a group only by
// the name in its own column, so these rows are what the group fields offer,
// never what an entry must carry: removing a name leaves the entries alone.
// Section letters are stored in upper case whatever the caller passes.
// Engine errors are not caught here.
namespace shared::groups {

// The names of the section's rows, in the order the engine returns them.
QStringList load(store::Database& db, QChar section);

// Adds `name` to the section unless a row already matches it.
void ensure(store::Database& db, QChar section, const QString& name);

// Deletes the section's rows whose name equals `name` letter for letter, case
// included, even where the engine's own comparison is case-blind. Returns the
// number of rows deleted.
int removeExact(store::Database& db, QChar section, const QString& name);

} // namespace shared::groups

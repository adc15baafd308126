#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

namespace store {
class Database;
}

namespace app {

// What "--export" writes: the to-do list or one day's plan.
enum class ExportKind
{
    ToDo,
    Plan
};

// Writes the comma-separated file the To Do tab's or the Today tab's Export
// button writes, with the same code: the to-do list is every entry in the
// tab's first order (highest priority first), the plan the tasks of `day` as
// the Today tab lists them with suspended tasks hidden. Reads `database`
// only. Returns an empty text when the file was written, otherwise the
// reason; a file that cannot be written is left as it was. Engine errors
// are thrown as store::SqlError.
QString writeExport(store::Database& database, ExportKind kind, const QString& file,
                    const QDate& day, const QLocale& locale);

} // namespace app

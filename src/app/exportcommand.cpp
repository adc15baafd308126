#include "exportcommand.h"

#include "documents/csvwriter.h"
#include "documents/exports.h"
#include "store/database.h"
#include "store/query.h"
#include "todo/todolist.h"

#include <QDir>

namespace app {

QString writeExport(store::Database& database, ExportKind kind, const QString& file,
                    const QDate& day, const QLocale& locale)
{
    const QString table =
        kind == ExportKind::ToDo ? QStringLiteral("CRtod63") : QStringLiteral("CRarc66");
    if (!database.tableExists(table))
        return QStringLiteral("%1 holds no %2 table")
            .arg(QDir::toNativeSeparators(database.path()),
                 kind == ExportKind::ToDo ? QStringLiteral("to-do") : QStringLiteral("tasks"));
    documents::CsvTable rows;
    if (kind == ExportKind::ToDo) {
        store::Query list(database);
        todo::openToDoList(list, todo::ToDoFilter{});
        rows = documents::toDoTable(list.rows());
    } else {
        rows = documents::dailyPlanTable(database, day, locale, false);
    }
    const QString failure = documents::writeCsvFile(file, rows);
    if (failure.isEmpty())
        return {};
    return QStringLiteral("cannot write %1: %2").arg(QDir::toNativeSeparators(file), failure);
}

} // namespace app

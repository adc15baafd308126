#pragma once

#include "csvwriter.h"

#include <QDate>
#include <QLocale>
#include <QString>

namespace store {
class Database;
class ResultSet;
} // namespace store

namespace documents {

// The file type both export dialogs offer.
inline const QString CsvFileFilter = QStringLiteral("Comma Separated Value (*.csv)");

// The to-do list: "DESCRIPTION,PRIOR,DONE,NOTE", one line per listed entry
// in the list's order, priority and completion as whole numbers.
inline const QString ToDoExportTitle = QStringLiteral("Export list");
inline const QString ToDoFileName = QStringLiteral("To-Do.csv");
CsvTable toDoTable(const store::ResultSet& rows);

// The daily plan: "FROM,TO,DESCRIPTION,NOTE", one line per task the Today
// list shows for `day`, in its order, times as the list shows them (an
// untimed task writes "  :  "). The tasks are read with a selection of the
// plan's own, so the Today tab keeps its day and its rows whatever happens
// here. Suspended tasks are listed only with `showSuspended`. Engine errors
// are not caught.
inline const QString DailyPlanExportTitle = QStringLiteral("Export daily plan");
CsvTable dailyPlanTable(store::Database& database, const QDate& day, const QLocale& locale,
                        bool showSuspended);
// "Daily plan - Thursday 10 December 2026.csv", names in `locale`'s language.
QString dailyPlanFileName(const QDate& day, const QLocale& locale);

} // namespace documents

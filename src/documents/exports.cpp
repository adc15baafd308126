#include "exports.h"

#include "calendar/dailyview.h"
#include "calendar/tasktexts.h"
#include "store/query.h"
#include "todo/todorecord.h"

namespace documents {
namespace {

int columnOf(const store::ResultSet& rows, const char* name)
{
    return rows.columnIndex(QLatin1String(name));
}

QString textAt(const store::ResultSet& rows, int row, int column)
{
    return column < 0 ? QString() : rows.text(row, column);
}

} // namespace

CsvTable toDoTable(const store::ResultSet& rows)
{
    CsvTable table{{QStringLiteral("DESCRIPTION"), QStringLiteral("PRIOR"), QStringLiteral("DONE"),
                    QStringLiteral("NOTE")},
                   {}};
    const int id = columnOf(rows, "id");
    const int priority = columnOf(rows, "priority");
    const int percento = columnOf(rows, "percento");
    const int note = columnOf(rows, "note");
    table.rows.reserve(size_t(rows.rowCount()));
    for (int r = 0; r < rows.rowCount(); ++r) {
        table.rows.push_back({textAt(rows, r, id),
                              todo::wholeNumber(priority < 0 ? 0.0 : rows.number(r, priority)),
                              todo::wholeNumber(percento < 0 ? 0.0 : rows.number(r, percento)),
                              textAt(rows, r, note)});
    }
    return table;
}

CsvTable dailyPlanTable(store::Database& database, const QDate& day, const QLocale& locale,
                        bool showSuspended)
{
    calendar::DailyView plan(database, locale);
    plan.refresh(day, showSuspended);
    const store::ResultSet& rows = plan.rows();
    const calendar::DailyView::Columns& c = plan.columns();
    CsvTable table{{QStringLiteral("FROM"), QStringLiteral("TO"), QStringLiteral("DESCRIPTION"),
                    QStringLiteral("NOTE")},
                   {}};
    table.rows.reserve(size_t(rows.rowCount()));
    for (int r = 0; r < rows.rowCount(); ++r) {
        table.rows.push_back({calendar::storedTimeText(textAt(rows, r, c.orario)),
                              calendar::storedTimeText(textAt(rows, r, c.orario2)),
                              textAt(rows, r, c.id), textAt(rows, r, c.note)});
    }
    return table;
}

QString dailyPlanFileName(const QDate& day, const QLocale& locale)
{
    return QStringLiteral("Daily plan -") +
           locale.toString(day, QStringLiteral(" dddd d MMMM yyyy")) + QStringLiteral(".csv");
}

} // namespace documents

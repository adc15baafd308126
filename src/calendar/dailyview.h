#pragma once

#include "dailylook.h"
#include "taskrecord.h"

#include "store/query.h"

#include <QDate>
#include <QLocale>
#include <QString>

namespace store {
class Database;
}

namespace calendar {

// One task of the daily list as read from the open selection.
struct DailyTask
{
    qint64 codimp = 0;
    QString kind; // flag
    QString description;
    QString note;
    QString from;
    QString to;
    QString dayofweek;
    QString ricerca;
    QString allegato;
    QDate fatto;
    QString flagfatto;
    bool suspended = false;

    DoneState done() const { return {fatto, flagfatto}; }
    RowFacts facts() const { return {kind, dayofweek, fatto, suspended}; }
};

// The daily list: every task that falls on the shown day, of all four kinds,
// done ones included, ordered by time. It owns its selection and a second
// query for the statements it writes.
class DailyView final
{
public:
    DailyView(store::Database& database, QLocale locale);

    // Builds and opens the selection for `day` (its time of day does not
    // count). Suspended tasks are listed only when `showSuspended`.
    void refresh(const QDate& day, bool showSuspended);

    QDate shownDate() const { return m_shown; }
    bool showSuspended() const { return m_showSuspended; }
    int rowCount() const { return m_selection.recordCount(); }
    const store::ResultSet& rows() const { return m_selection.rows(); }
    const store::Query& selection() const { return m_selection; }

    // Column numbers in the rows of the last refresh, for reading cells
    // without building a whole task.
    struct Columns
    {
        int codimp = -1, id = -1, note = -1, orario = -1, orario2 = -1, flag = -1,
            dayofweek = -1, ricerca = -1, allegato = -1, fatto = -1, flagfatto = -1,
            sospeso = -1;
    };
    const Columns& columns() const { return m_columns; }

    DailyTask task(int row) const;
    RowFacts facts(int row) const;
    bool hasNote(int row) const;
    // The row listing `codimp`, or -1.
    int rowOf(qint64 codimp) const;

    // "Check" for the shown day: marks the task done for that day, or opens
    // it again when it is already marked for that day or a later one. Writes
    // both done columns and returns what it wrote. The list is not reloaded.
    DoneState toggleDone(const DailyTask& task);
    // Deletes the task for good. The list is not reloaded.
    void remove(qint64 codimp);

private:
    QString text(int row, int column) const;

    store::Query m_selection;
    store::Query m_writes;
    QLocale m_locale;
    QDate m_shown;
    bool m_showSuspended = false;
    Columns m_columns;
};

// The row to select after a reload: the remembered one, or the last row when
// the list became shorter; -1 when the list is empty.
int rowAfterReload(int remembered, int rowCount);

// The count panel: the number of listed tasks followed by three blanks.
QString dailyCountCaption(int rowCount);

// A path as its menu item shows it: the text after the last backslash.
QString fileNamePart(const QString& path);

} // namespace calendar

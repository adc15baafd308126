#pragma once

#include "sectionlist.h"

#include "store/query.h"

#include <QChar>
#include <QDate>
#include <QLocale>
#include <QString>

#include <vector>

namespace shared {
struct SectionCount;
} // namespace shared
namespace store {
class Database;
}

namespace calendar {

// One listed task as a section tab needs it.
struct SectionTask
{
    qint64 codimp = 0;
    QString description; // id
    QString note;
    QString from;
    QString to;
    QString dayofweek;
    QString dayofmonth;
    QString ricerca;
    QString allegato;
    QDate datefull;
    bool suspended = false;
};

// The list of one task section: its filter, its open result set, its
// counters and the statements its commands write. It owns the list query
// and a second one for counting and writing, so that counting never moves
// the list.
class TaskSection final
{
public:
    TaskSection(store::Database& database, QChar kind, QLocale locale);

    QChar kind() const { return m_filter.kind; }
    SectionFilter& filter() { return m_filter; }
    const SectionFilter& filter() const { return m_filter; }

    // Opens the list again with the current filter.
    void refresh();

    int rowCount() const { return m_list.recordCount(); }
    const store::ResultSet& rows() const { return m_list.rows(); }
    const store::Query& list() const { return m_list; }

    SectionTask task(int row) const;
    bool hasNote(int row) const;
    QString text(int row, const QString& column) const;
    QDate date(int row, const QString& column) const;
    // The row listing `codimp`, or -1.
    int rowOf(qint64 codimp) const;

    // The counters after a reload: the section's own and, for the one-shot
    // list, the repository's.
    std::vector<shared::SectionCount> counters();

    void remove(qint64 codimp);
    // Inserts a copy of the task at `row`, done state included. False when
    // the task is a contact's birthday, which is never copied.
    bool clone(int row);

private:
    store::Query m_list;
    store::Query m_general;
    QLocale m_locale;
    SectionFilter m_filter;
};

} // namespace calendar

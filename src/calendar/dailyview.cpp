#include "dailyview.h"

#include "dayselection.h"

#include "store/database.h"

#include <algorithm>

namespace calendar {

DailyView::DailyView(store::Database& database, QLocale locale)
    : m_selection(database), m_writes(database), m_locale(std::move(locale))
{
}

void DailyView::refresh(const QDate& day, bool showSuspended)
{
    m_shown = day;
    m_showSuspended = showSuspended;
    buildDaySelection(m_selection, DaySelection::DailyView, day, m_locale, showSuspended);

    const store::ResultSet& r = m_selection.rows();
    const auto at = [&r](const char* name) { return r.columnIndex(QString::fromLatin1(name)); };
    m_columns.codimp = at("codimp");
    m_columns.id = at("id");
    m_columns.note = at("note");
    m_columns.orario = at("orario");
    m_columns.orario2 = at("orario2");
    m_columns.flag = at("flag");
    m_columns.dayofweek = at("dayofweek");
    m_columns.ricerca = at("ricerca");
    m_columns.allegato = at("allegato");
    m_columns.fatto = at("fatto");
    m_columns.flagfatto = at("flagfatto");
    m_columns.sospeso = at("sospeso");
}

QString DailyView::text(int row, int column) const
{
    if (column < 0 || row < 0 || row >= rowCount())
        return QString();
    return rows().text(row, column);
}

RowFacts DailyView::facts(int row) const
{
    const Columns& c = m_columns;
    RowFacts f;
    f.kind = text(row, c.flag);
    f.dayofweek = text(row, c.dayofweek);
    if (c.fatto >= 0 && row >= 0 && row < rowCount()
        && rows().type(row, c.fatto) != store::ResultSet::CellType::Null)
        f.fatto = rows().dateTime(row, c.fatto).date();
    f.suspended = text(row, c.sospeso) == Yes;
    return f;
}

bool DailyView::hasNote(int row) const
{
    if (m_columns.note < 0 || row < 0 || row >= rowCount())
        return false;
    const store::ResultSet& r = rows();
    return r.type(row, m_columns.note) != store::ResultSet::CellType::Null
           && !r.text(row, m_columns.note).isEmpty();
}

DailyTask DailyView::task(int row) const
{
    const Columns& c = m_columns;
    DailyTask t;
    if (row < 0 || row >= rowCount())
        return t;
    t.codimp = rows().integer(row, c.codimp);
    const RowFacts f = facts(row);
    t.kind = f.kind;
    t.dayofweek = f.dayofweek;
    t.fatto = f.fatto;
    t.suspended = f.suspended;
    t.description = text(row, c.id);
    t.note = text(row, c.note);
    t.from = text(row, c.orario);
    t.to = text(row, c.orario2);
    t.ricerca = text(row, c.ricerca);
    t.allegato = text(row, c.allegato);
    t.flagfatto = text(row, c.flagfatto);
    return t;
}

int DailyView::rowOf(qint64 codimp) const
{
    for (int row = 0; row < rowCount(); ++row) {
        if (rows().integer(row, m_columns.codimp) == codimp)
            return row;
    }
    return -1;
}

DoneState DailyView::toggleDone(const DailyTask& task)
{
    const DoneState done = toggledDone(task.done(), m_shown);
    TaskWriter(m_writes, m_locale).setDone(task.codimp, done);
    return done;
}

void DailyView::remove(qint64 codimp)
{
    TaskWriter(m_writes, m_locale).remove(codimp);
}

int rowAfterReload(int remembered, int rowCount)
{
    if (rowCount <= 0)
        return -1;
    return std::clamp(remembered, 0, rowCount - 1);
}

QString dailyCountCaption(int rowCount)
{
    return QString::number(rowCount) + QStringLiteral("   ");
}

QString fileNamePart(const QString& path)
{
    return path.mid(path.lastIndexOf(u'\\') + 1);
}

} // namespace calendar

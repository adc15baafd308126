#include "tasksection.h"

#include "taskrecord.h"

#include "shared/sectioncounter.h"
#include "store/database.h"

namespace calendar {

TaskSection::TaskSection(store::Database& database, QChar kind, QLocale locale)
    : m_list(database), m_general(database), m_locale(std::move(locale))
{
    m_filter.kind = kind;
    m_filter.descending = startsDescending(kind);
}

void TaskSection::refresh()
{
    openSectionList(m_list, m_filter);
}

QString TaskSection::text(int row, const QString& column) const
{
    const int c = rows().columnIndex(column);
    if (c < 0 || row < 0 || row >= rowCount())
        return QString();
    return rows().text(row, c);
}

QDate TaskSection::date(int row, const QString& column) const
{
    const int c = rows().columnIndex(column);
    if (c < 0 || row < 0 || row >= rowCount()
        || rows().type(row, c) == store::ResultSet::CellType::Null)
        return QDate();
    return rows().dateTime(row, c).date();
}

bool TaskSection::hasNote(int row) const
{
    return !text(row, QStringLiteral("note")).isEmpty();
}

SectionTask TaskSection::task(int row) const
{
    SectionTask t;
    if (row < 0 || row >= rowCount())
        return t;
    t.codimp = rows().integer(row, rows().columnIndex(QStringLiteral("codimp")));
    t.description = text(row, QStringLiteral("id"));
    t.note = text(row, QStringLiteral("note"));
    t.from = text(row, QStringLiteral("orario"));
    t.to = text(row, QStringLiteral("orario2"));
    t.dayofweek = text(row, QStringLiteral("dayofweek"));
    t.dayofmonth = text(row, QStringLiteral("dayofmonth"));
    t.ricerca = text(row, QStringLiteral("ricerca"));
    t.allegato = text(row, QStringLiteral("allegato"));
    t.datefull = date(row, QStringLiteral("datefull"));
    t.suspended = text(row, QStringLiteral("sospeso")) == Yes;
    return t;
}

int TaskSection::rowOf(qint64 codimp) const
{
    const int c = rows().columnIndex(QStringLiteral("codimp"));
    for (int row = 0; c >= 0 && row < rowCount(); ++row) {
        if (rows().integer(row, c) == codimp)
            return row;
    }
    return -1;
}

std::vector<shared::SectionCount> TaskSection::counters()
{
    std::vector<shared::SectionCount> out;
    if (auto own = shared::updateSectionCounter(m_general, kind(), rowCount()))
        out.push_back(*own);
    if (kind() == QLatin1Char('O')) {
        if (auto repository = shared::updateSectionCounter(m_general, QLatin1Char('D'), 0))
            out.push_back(*repository);
    }
    return out;
}

void TaskSection::remove(qint64 codimp)
{
    TaskWriter(m_general, m_locale).remove(codimp);
}

bool TaskSection::clone(int row)
{
    if (row < 0 || row >= rowCount())
        return false;
    m_list.setRecNo(row + 1);
    return TaskWriter(m_general, m_locale).cloneCurrent(m_list);
}

} // namespace calendar

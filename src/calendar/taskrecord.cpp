#include "taskrecord.h"

#include "parity.h"
#include "tasktexts.h"

#include "store/query.h"
#include "store/sqlerror.h"

namespace calendar {
namespace {

QString keyCondition(qint64 codimp)
{
    return QStringLiteral("WHERE codimp = ") + QString::number(codimp);
}

QStringList insertLines(const char* columns, const char* values)
{
    return {QStringLiteral("INSERT INTO CRarc66"), QString::fromLatin1(columns),
            QString::fromLatin1(values)};
}

QStringList insertStatement(const QString& kind, bool linked)
{
    if (kind == kind::Weekly)
        return insertLines(
            "(id,note,dayofweek,dayindex,dayofmonth,datefull,orario,orario2,flag,ricerca,allegato,"
            "fatto,flagfatto,anticipa,sospeso,flagscad,scadenza)",
            "values (:id,:note,:dayofweek,:dayindex,:dayofmonth,:datefull,:orario,:orario2,:flag,"
            ":ricerca,:allegato,:fatto,:flagfatto,:anticipa,:sospeso,:flagscad,:scadenza)");
    if (kind == kind::Monthly)
        return insertLines(
            "(id,note,dayofmonth,dayofweek,datefull,orario,orario2,flag,ricerca,allegato,fatto,"
            "flagfatto,anticipa,sospeso,flagscad,scadenza)",
            "values (:id,:note,:dayofmonth,:dayofweek,:datefull,:orario,:orario2,:flag,:ricerca,"
            ":allegato,:fatto,:flagfatto,:anticipa,:sospeso,:flagscad,:scadenza)");
    if (kind == kind::Yearly && linked)
        return insertLines(
            "(id,note,dayindex,dayofmonth,dayofweek,datefull,data,orario,orario2,flag,ricerca,"
            "allegato,fatto,flagfatto,anticipa,sospeso,flagscad,scadenza)",
            "values (:id,:note,:dayindex,:dayofmonth,:dayofweek,:datefull,:data,:orario,:orario2,"
            ":flag,:ricerca,:allegato,:fatto,:flagfatto,:anticipa,:sospeso,:flagscad,:scadenza)");
    if (kind == kind::Yearly)
        return insertLines(
            "(id,note,dayofmonth,dayofweek,datefull,data,orario,orario2,flag,ricerca,allegato,"
            "fatto,flagfatto,anticipa,sospeso,flagscad,scadenza)",
            "values (:id,:note,:dayofmonth,:dayofweek,:datefull,:data,:orario,:orario2,:flag,"
            ":ricerca,:allegato,:fatto,:flagfatto,:anticipa,:sospeso,:flagscad,:scadenza)");
    return insertLines(
        "(id,note,datefull,orario,orario2,flag,dayofweek,ricerca,allegato,fatto,flagfatto,"
        "anticipa,sospeso,flagscad,scadenza)",
        "values (:id,:note,:datefull,:orario,:orario2,:flag,:dayofweek,:ricerca,:allegato,:fatto,"
        ":flagfatto,:anticipa,:sospeso,:flagscad,:scadenza)");
}

QStringList lines(std::initializer_list<const char*> texts)
{
    QStringList out;
    for (const char* text : texts)
        out.append(QString::fromLatin1(text));
    return out;
}

// The body of each kind's UPDATE, between "UPDATE CRarc66" and the key
// condition. The spacing is the one the dialogs have always sent.
QStringList updateBody(const QString& kind)
{
    if (kind == kind::Weekly)
        return lines({"SET id         = :id,", "    note       = :note,",
                      "    dayofweek  = :dayofweek,", "    dayindex   = :dayindex,",
                      "    dayofmonth   = :dayofmonth,", "    datefull   = :datefull,",
                      "    orario     = :orario,", "    orario2    = :orario2,",
                      "    ricerca  = :ricerca,", "    allegato  = :allegato,",
                      "    fatto     = :fatto,", "    flagfatto   = :flagfatto,",
                      "    anticipa   = :anticipa,", "    sospeso   = :sospeso,",
                      "    flagscad   = :flagscad,", "    scadenza   = :scadenza"});
    if (kind == kind::Monthly)
        return lines({"SET id         = :id,", "    note       = :note,",
                      "    dayofmonth = :dayofmonth,", "    dayofweek = :dayofweek,",
                      "    datefull   = :datefull,", "    orario     = :orario,",
                      "    orario2    = :orario2,", "    ricerca    = :ricerca,",
                      "    allegato   = :allegato,", "    fatto      = :fatto,",
                      "    flagfatto  = :flagfatto,", "    anticipa   = :anticipa,",
                      "    sospeso   = :sospeso,", "    flagscad   = :flagscad,",
                      "    scadenza   = :scadenza"});
    if (kind == kind::Yearly)
        return lines({"SET id         = :id,", "    note       = :note,",
                      "    dayofmonth = :dayofmonth,", "    dayofweek = :dayofweek,",
                      "    datefull   = :datefull,", "    data       = :data,",
                      "    orario     = :orario,", "    orario2    = :orario2,",
                      "    ricerca  = :ricerca,", "    allegato  = :allegato,",
                      "    fatto     = :fatto,", "    flagfatto   = :flagfatto,",
                      "    anticipa   = :anticipa,", "    sospeso   = :sospeso,",
                      "    flagscad   = :flagscad,", "    scadenza   = :scadenza"});
    return lines({"SET id         = :id,", "    note       = :note,", "    datefull   = :datefull,",
                  "    orario     = :orario,", "    orario2    = :orario2,",
                  "    dayofweek  = :dayofweek,", "    ricerca  = :ricerca,",
                  "    allegato  = :allegato,", "    fatto     = :fatto,",
                  "    flagfatto   = :flagfatto,", "    anticipa   = :anticipa,",
                  "    sospeso   = :sospeso,", "    flagscad   = :flagscad,",
                  "    scadenza   = :scadenza"});
}

const QString P_id = QStringLiteral("id");
const QString P_note = QStringLiteral("note");
const QString P_dayofweek = QStringLiteral("dayofweek");
const QString P_dayindex = QStringLiteral("dayindex");
const QString P_dayofmonth = QStringLiteral("dayofmonth");
const QString P_datefull = QStringLiteral("datefull");
const QString P_data = QStringLiteral("data");
const QString P_orario = QStringLiteral("orario");
const QString P_orario2 = QStringLiteral("orario2");
const QString P_flag = QStringLiteral("flag");
const QString P_ricerca = QStringLiteral("ricerca");
const QString P_allegato = QStringLiteral("allegato");
const QString P_fatto = QStringLiteral("fatto");
const QString P_flagfatto = QStringLiteral("flagfatto");
const QString P_anticipa = QStringLiteral("anticipa");
const QString P_sospeso = QStringLiteral("sospeso");
const QString P_flagscad = QStringLiteral("flagscad");
const QString P_scadenza = QStringLiteral("scadenza");

} // namespace

QString oneShotCode(OneShotOption option)
{
    switch (option) {
    case OneShotOption::DeleteAfter:
        return DeleteAfterCode;
    case OneShotOption::Torment:
        return TormentCode;
    case OneShotOption::Plain:
        break;
    }
    return QString();
}

QDate neverDoneDate(const QDate& shownDate)
{
    return shownDate.addDays(-NeverDoneDays);
}

DoneState openDoneState(const QDate& shownDate)
{
    return {neverDoneDate(shownDate), No};
}

DoneState toggledDone(const DoneState& current, const QDate& shownDate)
{
    if (!current.marked() || shownDate > current.fatto)
        return {shownDate, Yes};
    return openDoneState(shownDate);
}

DoneState doneAfterEdit(const DoneState& stored, const QDate& storedDate, const QDate& newDate,
                        const QDate& shownDate)
{
    return storedDate == newDate ? stored : openDoneState(shownDate);
}

void TaskDialogState::setTaskDialogDate(const QDate& date, const QLocale& locale)
{
    m_date = date;
    m_monthDay = monthDayText(locale, date);
}

std::optional<qint64> TaskDialogState::linkedContact() const
{
    bool ok = false;
    const qint64 code = linkedContactCode.toLongLong(&ok);
    return ok ? std::optional<qint64>(code) : std::nullopt;
}

QString capitalizedFirst(const QString& text)
{
    if (text.isEmpty())
        return text;
    return text.left(1).toUpper() + text.mid(1);
}

bool repairOneDigitHours(store::Query& general)
{
    // A digit and a blank, in either order, then the separator and two digits.
    const auto blankAfter = [](const QString& column) -> QString {
        return column + QStringLiteral(" GLOB \"[0-9] ?[0-9][0-9]\"");
    };
    const auto blankBefore = [](const QString& column) -> QString {
        return column + QStringLiteral(" GLOB \" [0-9]?[0-9][0-9]\"");
    };
    const QString columns[] = {QStringLiteral("orario"), QStringLiteral("orario2")};
    QStringList found;
    QStringList repaired;
    for (const QString& c : columns) {
        found << blankAfter(c) << blankBefore(c);
        repaired << c + QStringLiteral(" = CASE WHEN ") + blankAfter(c) +
                        QStringLiteral(" THEN \"0\" || substr(") + c +
                        QStringLiteral(", 1, 1) || substr(") + c + QStringLiteral(", 3) WHEN ") +
                        blankBefore(c) + QStringLiteral(" THEN \"0\" || substr(") + c +
                        QStringLiteral(", 2) ELSE ") + c + QStringLiteral(" END");
    }
    const QString where = QStringLiteral(" WHERE ") + found.join(QStringLiteral(" OR "));

    for (const QString& table : {QStringLiteral("CRarc66"), QStringLiteral("CRshot80")}) {
        // Looking first keeps a sound archive from being written at every start.
        general.setSql(
            {QStringLiteral("SELECT codimp FROM ") + table + where + QStringLiteral(" LIMIT 1")});
        general.open();
        const bool needed = !general.isEmpty();
        general.close();
        if (!needed)
            continue;
        try {
            // One statement a table: each table is repaired whole or not at
            // all, and reads right either way.
            general.setSql({QStringLiteral("UPDATE ") + table + QStringLiteral(" SET ") +
                            repaired.join(QStringLiteral(", ")) + where});
            general.execSql();
        } catch (const store::SqlError&) {
            return false;
        }
    }
    return true;
}

TaskWriter::TaskWriter(store::Query& query, QLocale locale)
    : m_query(query), m_locale(std::move(locale))
{
}

QString TaskWriter::markerFor(const QString& kind, const QDate& date)
{
    if (kind == kind::Weekly)
        return keptMarker(weekPeriod(date));
    if (kind == kind::Monthly)
        return keptMarker(monthPeriod(date));
    if (kind == kind::Yearly)
        return keptMarker(yearPeriod(date));
    return QString();
}

void TaskWriter::bindDraft(const QString& kind, const TaskDraft& draft)
{
    store::Query& q = m_query;
    q.setText(P_id, capitalizedFirst(draft.description));
    q.setText(P_note, draft.note);
    q.setDate(P_datefull, draft.date);
    q.setText(P_orario, storedTimeText(draft.from));
    q.setText(P_orario2, storedTimeText(draft.to));
    q.setText(P_ricerca, capitalizedFirst(draft.searchKey));
    q.setText(P_allegato, draft.attachment);
    q.setText(P_anticipa, yesNo(draft.remindInAdvance));
    q.setText(P_sospeso, yesNo(draft.suspended));
    q.setText(P_flagscad, yesNo(draft.expires));
    // An expiry before the task's own date would hide the task entirely.
    q.setDate(P_scadenza, draft.expiry.isValid() ? std::max(draft.expiry, draft.date) : draft.date);

    const QString marker = draft.everyOther ? markerFor(kind, draft.date) : QString();
    if (kind == kind::Weekly) {
        q.setText(P_dayofweek, weekdayName(m_locale, draft.date));
        q.setFloat(P_dayindex, draft.date.dayOfWeek() % 7 + 1);
        q.setText(P_dayofmonth, marker);
    } else if (kind == kind::Monthly) {
        // A stored day is kept as shown even where it is not the day of
        // the date (an archive may hold "31" beside a date in another month).
        q.setText(P_dayofmonth,
                  draft.dayOfMonth.isEmpty() ? dayOfMonthText(draft.date) : draft.dayOfMonth);
        q.setText(P_dayofweek, marker);
    } else if (kind == kind::Yearly) {
        q.setText(P_dayofmonth, draft.countYears ? CountYearsCode : EveryYearCode);
        q.setText(P_dayofweek, marker);
        q.setText(P_data, monthDayText(m_locale, draft.date));
    } else {
        q.setText(P_dayofweek, oneShotCode(draft.oneShotOption));
    }
}

qint64 TaskWriter::insert(const QString& kind, const TaskDraft& draft, const QDate& shownDate)
{
    const bool linked = kind == kind::Yearly && draft.linkedContact.has_value();
    m_query.setSql(insertStatement(kind, linked));
    bindDraft(kind, draft);
    m_query.setText(P_flag, kind);
    if (linked)
        m_query.setFloat(P_dayindex, double(*draft.linkedContact));
    const DoneState done = openDoneState(shownDate);
    m_query.setDate(P_fatto, done.fatto);
    m_query.setText(P_flagfatto, done.flagfatto);
    m_query.execSql();
    return m_query.insertedKey();
}

bool TaskWriter::update(const QString& kind, qint64 codimp, const TaskDraft& draft,
                        const QDate& storedDate, const DoneState& storedDone,
                        const QDate& shownDate)
{
    m_query.setSql(QStringList{QStringLiteral("UPDATE CRarc66")} + updateBody(kind)
                   + QStringList{keyCondition(codimp)});
    bindDraft(kind, draft);
    const DoneState done = doneAfterEdit(storedDone, storedDate, draft.date, shownDate);
    m_query.setDate(P_fatto, done.fatto);
    m_query.setText(P_flagfatto, done.flagfatto);
    m_query.execSql();
    return m_query.rowsAffected() > 0;
}

void TaskWriter::setDone(qint64 codimp, const DoneState& done)
{
    m_query.setSql({QStringLiteral("UPDATE CRarc66"), QStringLiteral("SET fatto = :fatto,"),
                    QStringLiteral("flagfatto = :flagfatto"), keyCondition(codimp)});
    m_query.setDate(P_fatto, done.fatto);
    m_query.setText(P_flagfatto, done.flagfatto);
    m_query.execSql();
}

void TaskWriter::remove(qint64 codimp)
{
    m_query.setSql({QStringLiteral("DELETE"), QStringLiteral("FROM CRarc66"), keyCondition(codimp)});
    m_query.execSql();
}

bool TaskWriter::cloneCurrent(const store::Query& row)
{
    const auto field = [&row](const QString& name) { return row.fieldByName(name); };
    const bool yearly = field(P_flag).asString() == kind::Yearly;
    if (yearly && !field(P_dayindex).asString().isEmpty())
        return false;

    if (yearly)
        m_query.setSql(insertLines(
            "(id,note,dayofweek,dayofmonth,datefull,data,orario,orario2,flag,ricerca,allegato,"
            "fatto,flagfatto,anticipa,sospeso,flagscad,scadenza)",
            "values (:id,:note,:dayofweek,:dayofmonth,:datefull,:data,:orario,:orario2,:flag,"
            ":ricerca,:allegato,:fatto,:flagfatto,:anticipa,:sospeso,:flagscad,:scadenza)"));
    else
        m_query.setSql(insertLines(
            "(id,note,dayofweek,dayindex,dayofmonth,datefull,data,orario,orario2,flag,ricerca,"
            "allegato,fatto,flagfatto,anticipa,sospeso,flagscad,scadenza)",
            "values (:id,:note,:dayofweek,:dayindex,:dayofmonth,:datefull,:data,:orario,:orario2,"
            ":flag,:ricerca,:allegato,:fatto,:flagfatto,:anticipa,:sospeso,:flagscad,:scadenza)"));

    for (const QString& name : {P_id, P_note, P_dayofweek, P_dayofmonth, P_data, P_orario,
                                P_orario2, P_flag, P_ricerca, P_allegato, P_flagfatto, P_anticipa,
                                P_sospeso, P_flagscad})
        m_query.setText(name, field(name).asString());
    // A missing date stays missing rather than becoming the zero date.
    for (const QString& name : {P_datefull, P_fatto, P_scadenza}) {
        if (field(name).isNull())
            m_query.setNull(name);
        else
            m_query.setDate(name, field(name).asDate());
    }
    if (!yearly)
        m_query.setFloat(P_dayindex, field(P_dayindex).asFloat());
    m_query.execSql();
    return true;
}

} // namespace calendar

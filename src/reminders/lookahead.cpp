#include "lookahead.h"

#include "reminders/announcements.h"

#include "shared/appstate.h"
#include "calendar/dayselection.h"
#include "calendar/tasktexts.h"
#include "platform/clock.h"
#include "store/settings.h"
#include "store/sqltext.h"

#include <algorithm>

namespace reminders {
namespace {

// Each value stands between the double quote that closes one piece and the
// one that opens the next. The pieces after a value are the daily selection's.
const QLatin1String Select(R"(SELECT * FROM CRarc66 )");
const QLatin1String OneShot(
    R"(WHERE ( ( (flag = "O" and fatto < :datefull and anticipa ="Y" and datefull = :datefull) or ( flag = "O" and datefull <= :datefull and scadenza >= :datefull and flagscad = "Y"  and fatto < :datefull and anticipa ="Y") ) )");
const QLatin1String Monthly(
    R"(OR    (flag = "M" and fatto < :datefull and anticipa ="Y" and dayofmonth = ")");
const QLatin1String Weekly(
    R"(OR    (flag = "W" and fatto < :datefull and anticipa ="Y" and dayofweek  = ")");
const QLatin1String Yearly(
    R"(OR    (flag = "Y" and fatto < :datefull and anticipa ="Y" and data       = ")");
const QLatin1String MidDayOfWeek(R"(" and (dayofweek <> ")");
const QLatin1String MidDayOfMonth(R"(" and (dayofmonth <> ")");
const QLatin1String EndMonthly(
    R"(" or dayofweek is null) and (datefull   <= :datefull) and (flagscad = "N" or flagscad is null or scadenza >= :datefull) ))");
const QLatin1String EndWeekly(
    R"(" or dayofmonth is null) and (datefull   <= :datefull) and (flagscad = "N" or flagscad is null or scadenza >= :datefull) ))");
const QLatin1String EndYearly(
    R"(" or dayofweek is null) and (datefull   <= :datefull) and (flagscad = "N" or flagscad is null or scadenza >= :datefull) ) ))");
const QLatin1String NotSuspended(R"(AND   (sospeso <> "Y" or sospeso is null))");
const QLatin1String Order(R"(ORDER BY orario,orario2,id)");

QString line(QLatin1String head, const QString& value, QLatin1String middle,
             const QString& marker, QLatin1String end)
{
    return head + store::doubledQuotes(value) + middle + store::doubledQuotes(marker) + end;
}

} // namespace

QStringList lookAheadLines(const QDate& day, const QLocale& locale)
{
    const calendar::DayValues v = calendar::dayValuesOf(day, locale);
    return {Select,
            OneShot,
            line(Monthly, v.dayOfMonth, MidDayOfWeek, v.monthParity, EndMonthly),
            line(Weekly, v.weekday, MidDayOfMonth, v.weekParity, EndWeekly),
            line(Yearly, v.monthDay, MidDayOfWeek, v.yearParity, EndYearly),
            NotSuspended,
            Order};
}

QString lookAheadHint(int days)
{
    return QStringLiteral("Check for important tasks in the next ") + QString::number(days)
        + QStringLiteral(" days");
}

LookAhead::LookAhead(store::Database& database, store::Settings& settings, shared::AppState& state,
                     const platform::Clock& clock, Notifier& notifier, QLocale locale)
    : m_settings(settings), m_state(state), m_clock(clock), m_notifier(notifier),
      m_locale(std::move(locale)), m_query(database)
{
}

int LookAhead::days() const
{
    return std::clamp(m_settings.futureDays(), 1, 366);
}

store::Query& LookAhead::select(const QDate& day)
{
    m_query.setSql(lookAheadLines(day, m_locale));
    m_query.setDate(QStringLiteral("datefull"), day);
    m_query.open();
    return m_query;
}

bool LookAhead::lockApplies() const
{
    return !m_settings.storedPassword().isEmpty() && m_settings.lockOnStartup();
}

void LookAhead::run()
{
    const bool automatic = m_state.restoreBlocked;
    m_notifier.closeAll();
    bool found = false;
    const int n = days();
    const QDate today = m_clock.today();
    int height = 80;
    for (int k = n; k >= 1; --k) {
        const QDate day = today.addDays(k);
        store::Query& rows = select(day);
        height = 80 + 16 * rows.recordCount();
        if (rows.isEmpty())
            continue;
        if (automatic && lockApplies()) {
            // Nothing of the tasks shows while locked; the listing follows the unlock.
            if (m_state.programLocked) {
                m_pendingAfterUnlock = true;
                m_notifier.show({QStringLiteral("Important task incoming!"),
                                 QStringLiteral("              Enter the password to see what I mean."),
                                 height, 0, true});
            }
            m_state.restoreBlocked = false;
            return;
        }
        found = true;
        QString list;
        for (rows.first(); !rows.eof(); rows.next())
            list += listingLine(rows.fieldByName(QStringLiteral("orario")).asString(),
                                rows.fieldByName(QStringLiteral("orario2")).asString(),
                                rows.fieldByName(QStringLiteral("id")).asString());
        const QString title = QStringLiteral("I inform you that left ") + QString::number(k)
            + QStringLiteral(" days, in date: ")
            + store::Settings::formatDate(day, QStringLiteral("dddd d mmmm yyyy"), m_locale)
            + u'\r';
        m_notifier.show({title, list, height, 0, true});
    }
    if (!found && optionsTabActive && optionsTabActive())
        m_notifier.show({QStringLiteral("No important task for the next ") + QString::number(n)
                             + QStringLiteral(" days."),
                         QString(), height, 5, true});
    m_state.restoreBlocked = false;
}

void LookAhead::runAutomatically()
{
    if (!m_settings.futureFlag())
        return;
    m_state.restoreBlocked = true;
    run();
}

void LookAhead::runAtStartOfDay()
{
    if (!m_settings.minimized() && m_state.firstLookAheadPending)
        return;
    m_state.firstLookAheadPending = false;
    runAutomatically();
}

void LookAhead::runAtFirstShow()
{
    if (!m_state.firstLookAheadPending)
        return;
    m_state.firstLookAheadPending = false;
    runAutomatically();
}

void LookAhead::runAfterUnlock()
{
    if (!m_pendingAfterUnlock)
        return;
    m_pendingAfterUnlock = false;
    m_state.restoreBlocked = false;
    run();
}

bool LookAhead::indicatorVisible()
{
    if (!m_settings.futureFlag())
        return false;
    const QDate today = m_clock.today();
    for (int k = days(); k >= 1; --k) {
        if (!select(today.addDays(k)).isEmpty())
            return true;
    }
    return false;
}

} // namespace reminders

// The day selection against the recurrence rule written out in words.
//
// fallsOn() below knows nothing of the statement text: it applies the rule
// to a task held in memory, with Qt's own ISO week numbers. Thousands of
// random tasks, old-archive oddities included (missing codes and flags), are
// written to a real archive and every selection is compared with it on
// hundreds of days from 1990 to 2060. A fault in the statement pieces or in
// the engine adapter's translation shows up as a disagreement.
#include "archivefixture.h"

#include "calendar/dayselection.h"

#include <QRandomGenerator>

#include <optional>
#include <set>

using namespace calendar;

namespace {

using Text = std::optional<QString>;
using Day = std::optional<QDate>;

struct Task
{
    qint64 key = 0;
    QString flag;
    Text dayofweek, dayofmonth, data, flagfatto, sospeso, flagscad;
    Day datefull, fatto, scadenza;
};

bool is(const Text& value, const char* text) { return value && *value == QLatin1String(text); }
bool before(const Day& a, const QDate& b) { return a && *a < b; }
bool notAfter(const Day& a, const QDate& b) { return a && *a <= b; }
bool notBefore(const Day& a, const QDate& b) { return a && *a >= b; }

// The marker that is left out in period n: tasks marked "DI" keep the odd
// periods, "PA" the even ones.
QString excludedIn(int n) { return n % 2 ? QStringLiteral("PA") : QStringLiteral("DI"); }

// A missing marker, or one other than the excluded one, lets the task occur.
bool keeps(const Text& marker, int period) { return !marker || *marker != excludedIn(period); }

bool fallsOn(const Task& t, const QDate& d, DaySelection variant, bool showSuspended)
{
    const bool daily = variant == DaySelection::DailyView;
    if (is(t.sospeso, "Y") && !(daily && showSuspended))
        return false;
    if (variant == DaySelection::StartOfDayCheck && is(t.flagfatto, "Y"))
        return false;
    const bool open = daily || before(t.fatto, d);
    const bool notExpired = is(t.flagscad, "N") || !t.flagscad || notBefore(t.scadenza, d);
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    int isoYear = 0;
    const int isoWeek = d.weekNumber(&isoYear);

    if (t.flag == QLatin1String("O")) {
        const bool alarmOpen = variant != DaySelection::AlarmList || before(t.fatto, d);
        if (t.datefull == d && alarmOpen)
            return true;
        if (is(t.flagscad, "Y") && notAfter(t.datefull, d) && notBefore(t.scadenza, d))
            return true;
    }
    if (t.flag == QLatin1String("M") && open && t.dayofmonth == QString::asprintf("%02d", d.day())
        && keeps(t.dayofweek, d.month()) && notAfter(t.datefull, d) && notExpired)
        return true;
    if (t.flag == QLatin1String("W") && open && t.dayofweek == english.dayName(d.dayOfWeek())
        && keeps(t.dayofmonth, isoWeek) && notAfter(t.datefull, d) && notExpired)
        return true;
    if (t.flag == QLatin1String("Y") && open
        && t.data == QString::asprintf("%02d/%02d", d.month(), d.day()) && keeps(t.dayofweek, isoYear)
        && (notAfter(t.datefull, d) || is(t.dayofmonth, "NO")) && notExpired)
        return true;
    return is(t.dayofweek, "T") && open && notAfter(t.datefull, d);
}

class Generator
{
public:
    explicit Generator(quint32 seed) : m_random(seed) {}

    int below(int n) { return int(m_random.bounded(n)); }
    bool chance(int percent) { return below(100) < percent; }
    template<typename T> T pick(std::initializer_list<T> items)
    {
        return *(items.begin() + below(int(items.size())));
    }

    QDate anyDay() { return QDate(1990, 1, 1).addDays(below(QDate(1990, 1, 1).daysTo(QDate(2060, 12, 31)) + 1)); }

    // Days where the rules are easy to get wrong: the turn of the year, the
    // end of February, the ends of months.
    QDate edgeDay()
    {
        const int year = 1990 + below(71);
        switch (below(3)) {
        case 0:
            return QDate(year, 12, 25).addDays(below(14));
        case 1:
            return QDate(year, 2, 27).addDays(below(4));
        default:
            return QDate(year, 1 + below(12), 1).addDays(-1 - below(3));
        }
    }

    QDate day() { return chance(40) ? edgeDay() : anyDay(); }

    Text text(std::initializer_list<const char*> choices, int missingPercent)
    {
        if (chance(missingPercent))
            return std::nullopt;
        return QString::fromLatin1(pick(choices));
    }

    Task task(const QList<QDate>& days)
    {
        const QLocale english(QLocale::English, QLocale::UnitedStates);
        Task t;
        t.flag = QString::fromLatin1(pick({"O", "O", "W", "M", "Y"}));
        // Many tasks sit near the days that are looked at, so every rule hits.
        const QDate near = days[below(int(days.size()))];
        const QDate date = chance(50) ? near.addDays(pick({0, 0, -1, 1, -7, -30, -365, -366, 7}))
                                      : day();
        t.datefull = chance(2) ? Day() : Day(date);
        t.flagscad = text({"Y", "N", "Y", "N", "N", ""}, 5);
        t.scadenza = chance(5) ? Day() : Day(date.addDays(below(900) - 30));
        t.sospeso = text({"Y", "N", "N", "N", "N", ""}, 5);
        t.flagfatto = text({"Y", "N", ""}, 5);
        t.fatto = chance(5) ? Day() : Day(chance(40) ? date.addDays(-150000) : near.addDays(below(5) - 2));

        const QStringList markers{QString(), QStringLiteral("PA"), QStringLiteral("DI")};
        const auto marker = [&]() -> Text {
            return chance(10) ? Text() : Text(markers[below(3)]);
        };
        if (t.flag == QLatin1String("O")) {
            t.dayofweek = text({"", "", "X", "T"}, 5);
        } else if (t.flag == QLatin1String("W")) {
            t.dayofweek = english.dayName(chance(80) ? date.dayOfWeek() : 1 + below(7));
            t.dayofmonth = marker();
        } else if (t.flag == QLatin1String("M")) {
            t.dayofmonth = QString::asprintf("%02d", chance(80) ? date.day() : 1 + below(31));
            t.dayofweek = marker();
        } else {
            t.data = QString::asprintf("%02d/%02d", date.month(), date.day());
            t.dayofmonth = text({"SI", "NO"}, 5);
            t.dayofweek = marker();
        }
        return t;
    }

private:
    QRandomGenerator m_random;
};

void bindValue(store::Query& q, const char* name, const Text& value)
{
    if (value)
        q.setText(QString::fromLatin1(name), *value);
    else
        q.setNull(QString::fromLatin1(name));
}

void bindValue(store::Query& q, const char* name, const Day& value)
{
    if (value)
        q.setDate(QString::fromLatin1(name), *value);
    else
        q.setNull(QString::fromLatin1(name));
}

} // namespace

class TestCrossCheck final : public QObject
{
    Q_OBJECT
private slots:
    // With and without the indexes: the engine must find the same tasks
    // whichever way it takes to them.
    void selectionAgreesWithTheRule_data()
    {
        QTest::addColumn<bool>("indexed");
        QTest::newRow("whole table read") << false;
        QTest::newRow("day-selection indexes") << true;
    }
    void selectionAgreesWithTheRule()
    {
        QFETCH(bool, indexed);
        const quint32 seed = qEnvironmentVariableIsSet("CROSSCHECK_SEED")
                                 ? quint32(qEnvironmentVariableIntValue("CROSSCHECK_SEED"))
                                 : 20260318u;
        Generator g(seed);
        QList<QDate> days;
        for (int i = 0; i < 250; ++i)
            days.append(g.day());

        ArchiveFixture a;
        if (indexed) {
            ensureDaySelectionIndexes(*a.general);
            tuneForDaySelections(*a.general);
        }
        std::vector<Task> tasks;
        store::Query insert(a.db);
        insert.setSql({"BEGIN"});
        insert.execSql();
        insert.setSql({"INSERT INTO CRarc66 (id,flag,dayofweek,dayofmonth,data,datefull,fatto,"
                       "flagfatto,sospeso,flagscad,scadenza,orario,orario2)",
                       "values (:id,:flag,:dayofweek,:dayofmonth,:data,:datefull,:fatto,"
                       ":flagfatto,:sospeso,:flagscad,:scadenza,:orario,:orario2)"});
        for (int i = 0; i < 3000; ++i) {
            Task t = g.task(days);
            insert.setText("id", QString::number(i));
            insert.setText("flag", t.flag);
            insert.setText("orario", "  :  ");
            insert.setText("orario2", "  :  ");
            bindValue(insert, "dayofweek", t.dayofweek);
            bindValue(insert, "dayofmonth", t.dayofmonth);
            bindValue(insert, "data", t.data);
            bindValue(insert, "flagfatto", t.flagfatto);
            bindValue(insert, "sospeso", t.sospeso);
            bindValue(insert, "flagscad", t.flagscad);
            bindValue(insert, "datefull", t.datefull);
            bindValue(insert, "fatto", t.fatto);
            bindValue(insert, "scadenza", t.scadenza);
            insert.execSql();
            t.key = a.lastKey();
            tasks.push_back(t);
        }
        insert.setSql({"COMMIT"});
        insert.execSql();

        struct Selection
        {
            DaySelection variant;
            bool showSuspended;
            const char* name;
        };
        const Selection selections[] = {{DaySelection::DailyView, false, "daily view"},
                                        {DaySelection::DailyView, true, "daily view with suspended"},
                                        {DaySelection::StartOfDayCheck, false, "start-of-day check"},
                                        {DaySelection::AlarmList, false, "alarm list"}};
        QHash<QString, int> hitsPerKind;
        int pairs = 0;
        store::Query q(a.db);
        for (const QDate& day : std::as_const(days)) {
            for (const Selection& s : selections) {
                buildDaySelection(q, s.variant, day, a.locale, s.showSuspended);
                std::set<qint64> selected;
                for (; !q.eof(); q.next())
                    selected.insert(q.fieldByName("codimp").asInteger());
                for (const Task& t : tasks) {
                    const bool expected = fallsOn(t, day, s.variant, s.showSuspended);
                    ++pairs;
                    if (expected)
                        ++hitsPerKind[t.flag + (is(t.dayofweek, "T") ? "T" : "")];
                    if (expected != selected.contains(t.key))
                        QFAIL(qPrintable(QStringLiteral("seed %1, %2 on %3: task %4 (%5) %6")
                                             .arg(seed)
                                             .arg(QLatin1String(s.name), day.toString(Qt::ISODate))
                                             .arg(t.key)
                                             .arg(t.flag)
                                             .arg(QLatin1String(expected ? "missing" : "selected wrongly"))));
                }
            }
        }
        // Every rule must actually have been exercised.
        for (const char* kind : {"O", "OT", "W", "M", "Y"})
            QVERIFY2(hitsPerKind.value(QString::fromLatin1(kind)) > 50, kind);
        QVERIFY(pairs == 3000 * 250 * 4);
    }
};

QTEST_GUILESS_MAIN(TestCrossCheck)
#include "tst_crosscheck.moc"

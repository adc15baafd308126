#pragma once

#include <QDate>

namespace store {
class Query;
}

namespace calendar {

// One-shot tasks pile up over the years. The repository (table CRshot80, the
// same columns as CRarc66) takes the tasks of a period out of the way and
// gives them back on request; tasks marked "Delete after this date" go by
// themselves once their date is past.

// Deletes the auto-delete one-shot tasks dated before `today`; today's stay
// until tomorrow.
void purgeDeleteAfterTasks(store::Query& general, const QDate& today);

// A period picked with two dates, in either order, both days included.
struct Period
{
    QDate first;
    QDate last;
    static Period between(const QDate& a, const QDate& b)
    {
        return a <= b ? Period{a, b} : Period{b, a};
    }
};

// Binds the period as ":a1" and ":a2" for "datefull BETWEEN :a1 and :a2": a
// time of day inside the day before the first date and inside the last date,
// so that both ends are in and the day before is out.
void bindPeriod(store::Query& query, const Period& period);

// The counters of the repository dialog.
struct RepositoryCounts
{
    int inUse = 0;     // one-shot tasks in CRarc66
    int deposited = 0; // rows of CRshot80
};
RepositoryCounts countRepository(store::Query& general);

// The date of the earliest one-shot task, or an invalid date when there is none.
QDate earliestOneShotDate(store::Query& general);

// Each move is one text of two statements that the engine runs all or
// nothing: a failure half-way leaves every task in exactly one table. Moved
// rows keep their codimp; new tasks never reuse a number, so a task taken
// back cannot collide with one created meanwhile.
void deposit(store::Query& general, const Period& period);
void take(store::Query& general, const Period& period);
void takeAll(store::Query& general);

} // namespace calendar

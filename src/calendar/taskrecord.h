#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>

namespace store {
class Query;
}

namespace calendar {

// One row of CRarc66 is one task; `flag` says which of four kinds it is.
namespace kind {
inline const QString OneShot = QStringLiteral("O");
inline const QString Weekly = QStringLiteral("W");
inline const QString Monthly = QStringLiteral("M");
inline const QString Yearly = QStringLiteral("Y");
} // namespace kind

// Yes/no columns hold "Y" or "N"; anything else reads as no.
inline const QString Yes = QStringLiteral("Y");
inline const QString No = QStringLiteral("N");
inline QString yesNo(bool on) { return on ? Yes : No; }

// A one-shot task's `dayofweek`: empty, "X" (deleted once its date is past)
// or "T" (repeated every day from its date on).
enum class OneShotOption { Plain, DeleteAfter, Torment };
inline const QString DeleteAfterCode = QStringLiteral("X");
inline const QString TormentCode = QStringLiteral("T");
QString oneShotCode(OneShotOption option);

// A yearly task's `dayofmonth`: "SI" counts the years (the task occurs from
// the year of its date on), "NO" lets it occur in every year.
inline const QString CountYearsCode = QStringLiteral("SI");
inline const QString EveryYearCode = QStringLiteral("NO");

// A task never checked done keeps a done date about four centuries before
// the day that was shown when it was written, so it is earlier than any real
// day it could be checked for.
inline constexpr int NeverDoneDays = 150000;
QDate neverDoneDate(const QDate& shownDate);

// `fatto` with `flagfatto`: done for day D while `fatto` is on or after D.
struct DoneState
{
    QDate fatto;
    QString flagfatto;
    bool marked() const { return flagfatto == Yes; }
    friend bool operator==(const DoneState&, const DoneState&) = default;
};

// A new task is open.
DoneState openDoneState(const QDate& shownDate);
// "Check" in the daily view for shown day D: marks the task done for D,
// unless it is already marked for D or a later day; then it is opened again.
DoneState toggledDone(const DoneState& current, const QDate& shownDate);
// An edit keeps the done state unless the task's date changed; a moved task
// is open again.
DoneState doneAfterEdit(const DoneState& stored, const QDate& storedDate, const QDate& newDate,
                        const QDate& shownDate);

// What the open task dialog is editing, shared by the task dialogs and the
// date chooser. `taskDialogMonthDay` always follows `taskDialogDate`.
class TaskDialogState final
{
public:
    inline static const QString NoContact = QStringLiteral("nessuno");

    QDate taskDialogDate() const { return m_date; }
    QString taskDialogMonthDay() const { return m_monthDay; }
    void setTaskDialogDate(const QDate& date, const QLocale& locale);

    // The contact whose birthday is being created, as decimal text, or
    // "nessuno".
    QString linkedContactCode = NoContact;
    std::optional<qint64> linkedContact() const;

private:
    QDate m_date;
    QString m_monthDay = QStringLiteral("__/__");
};

// Earlier builds stored a one-digit hour as "9 :30", which sorts after
// "23:59" wherever a list is ordered by its time text, and older archives may
// hold " 9:30" beside "08:00". This gives every such start and end time of
// the task and repository tables its leading zero. An archive that holds
// none is only read. One that cannot be written (read-only media) is left
// as it is and false comes back: its times still read right, only their
// order in the lists may be off.
bool repairOneDigitHours(store::Query& general);

// The values a task dialog collects. Which of the kind-dependent fields
// count depends on the kind.
struct TaskDraft
{
    QString description;    // id
    QString note;
    QString from;           // orario, the time text as typed
    QString to;             // orario2
    QString searchKey;      // ricerca
    QString attachment;     // allegato
    bool remindInAdvance = false;
    bool suspended = false;
    bool expires = false;   // flagscad
    QDate expiry;           // scadenza, written also when it does not apply
    QDate date;             // datefull: TaskDialogDate
    OneShotOption oneShotOption = OneShotOption::Plain;
    bool everyOther = false; // bi-weekly, bi-monthly, bi-yearly
    bool countYears = false; // yearly: "SI" / "NO"
    // monthly: the day as the dialog shows it; empty: the day of `date`.
    QString dayOfMonth;
    std::optional<qint64> linkedContact; // yearly insert only
};

// The dialogs store the description and the search key with an upper-case
// first character.
QString capitalizedFirst(const QString& text);

// The statements that create, change, check, delete and clone tasks, as the
// task dialogs, the daily view and the section lists run them. Each runs on
// the general-purpose query it is given; engine errors are not caught.
class TaskWriter final
{
public:
    TaskWriter(store::Query& query, QLocale locale);

    // A new task of `kind`, open (never done). Returns its key.
    qint64 insert(const QString& kind, const TaskDraft& draft, const QDate& shownDate);
    // Rewrites the columns the kind's dialog owns. A yearly update leaves
    // `dayindex`, the contact link, alone. False when the task is no longer
    // there (another program sharing the archive deleted it): nothing was saved.
    [[nodiscard]] bool update(const QString& kind, qint64 codimp, const TaskDraft& draft,
                const QDate& storedDate, const DoneState& storedDone, const QDate& shownDate);
    void setDone(qint64 codimp, const DoneState& done);
    void remove(qint64 codimp);

    // Inserts a copy of the query's current row, done state included. A
    // yearly task that is or was a contact's birthday is not copied: false.
    bool cloneCurrent(const store::Query& row);
    inline static const QString CloneRefused =
        QStringLiteral("Events related to the contacts can not be duplicated.");

    // The markers stored for an every-other-period task dated `date`.
    static QString markerFor(const QString& kind, const QDate& date);

private:
    void bindDraft(const QString& kind, const TaskDraft& draft);

    store::Query& m_query;
    QLocale m_locale;
};

} // namespace calendar

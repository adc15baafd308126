#pragma once

#include "calendar/taskrecord.h"

#include <QDate>
#include <QLocale>
#include <QString>
#include <optional>

namespace store {
class Database;
}

namespace calendar {

// The rules of the task dialogs that need no window: their texts, the time
// check, the attachment folders, the option interplay, the expiry floor and
// the reading of a stored task.

enum class DialogMode
{
    New,
    Modify
};

// How the date chooser shows and hands back the chosen date: a full date
// (one-shot), day and month (yearly), day of the month (monthly) or weekday
// (weekly).
enum class ChooserMode : char
{
    Date = 'G',
    DayMonth = 'A',
    DayOfMonth = 'M',
    Weekday = 'S'
};

struct TaskDialogTexts
{
    QString windowCaption; // "-> New One Shot Task"
    QString titleBar;      // "Insert One Shot"
    QString kindSentence;  // the first paragraph of the description message
    QString chooserTitle;  // "Chose the date"
    ChooserMode chooserMode = ChooserMode::Date;
    QString everyOtherCaption; // "Bi-Weekly "; empty for one-shot tasks
    QString dateCaption;       // "Date" or "Day"
};
TaskDialogTexts taskDialogTexts(const QString& kind, DialogMode mode);

// The "Hint" message: what the description is for, then how attachments work.
// Lines are broken with single carriage returns.
QString descriptionMessage(const QString& kindSentence);

// ---- Times -------------------------------------------------------------------

enum class TimeField
{
    From,
    To
};

// A time field holds five characters: the hour in two places (the first may
// be blank), the locale's time separator, the minutes in two digits. The
// empty time text is always accepted; anything else must be a time of day.
bool isValidTimeText(const QString& text, const QLocale& locale);
QString invalidTimeMessage(TimeField field);
// The message for the first field that cannot be saved, or nothing.
std::optional<QString> timeProblem(const QString& from, const QString& to, const QLocale& locale);

// ---- Attachments ---------------------------------------------------------------

// A path inside the program's "allegati" or "attaches" folder is kept
// relative to that folder, so the program folder can move. Every occurrence
// is cut, wherever it stands, with either kind of separator.
QString withoutAttachmentFolders(const QString& text, const QString& programFolder);

// ---- Options -------------------------------------------------------------------

// Which one-shot options may be ticked: "Delete after this date", "Torment me
// every day!" and "Expiration" exclude one another.
struct OneShotOptionsEnabled
{
    bool deleteAfter = true;
    bool torment = true;
    bool expiration = true;
    friend bool operator==(const OneShotOptionsEnabled&, const OneShotOptionsEnabled&) = default;
};
OneShotOptionsEnabled oneShotOptionsEnabled(bool deleteAfter, bool torment, bool expiration);

QString rememberCaption(int days);

// ---- Dates -------------------------------------------------------------------

// The expiry never lies before the task's own date.
QDate raisedExpiry(const QDate& expiry, const QDate& taskDate);
// The expiry a Modify dialog starts from: the stored one, today when none was
// stored, never before the task date.
QDate loadedExpiry(const std::optional<QDate>& stored, const QDate& today, const QDate& taskDate);

// The chosen date as the chooser's "Usa" button shows it in each mode.
QString chooserDateText(ChooserMode mode, const QDate& date, const QLocale& locale);

// "Years count: 26 - Period: 15 Jun 2000 - 10 Dec 2026" while the years are
// counted, else "The task starts from an year".
QString yearsCountLabel(bool counting, const QDate& taskDate, const QDate& today,
                        const QLocale& locale);
inline const QString YearsCountCaption = QStringLiteral("The task starts from an year");

// Modify found no task to save into: another program sharing the archive
// deleted it while the dialog was open. The dialog stays open with the text.
inline const QString TaskGoneMessage = QStringLiteral(
    "This task no longer exists: another program using the same archive has deleted it.\r"
    "Nothing has been saved; what you typed is still in the window.");

// "Done: Friday 3 April 2026" or "Done: not yet."
QString doneLine(const DoneState& done, const QLocale& locale);

// ---- Stored tasks ----------------------------------------------------------------

// A row of CRarc66 as a Modify dialog loads it.
struct StoredTask
{
    qint64 codimp = 0;
    QString kind;
    TaskDraft draft; // times as stored; expiry as stored or invalid
    DoneState done;
    QString dayOfMonth;                // dayofmonth as stored (a monthly task's day label)
    std::optional<QDate> storedExpiry; // nothing when the column holds no real date
};
std::optional<StoredTask> readStoredTask(store::Database& database, qint64 codimp);

} // namespace calendar

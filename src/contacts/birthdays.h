#pragma once

#include <QDate>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

namespace store {
class Database;
}

namespace contacts {

// A contact's birthday is a yearly task that carries the contact's codcon in
// its dayindex column. The link lives only there: editing either side never
// makes or breaks it; these calls do.

struct LinkedTask
{
    qint64 codimp = 0;
    QString id; // the task's description
    QDate datefull;
};

// The yearly tasks linked to a contact code, as the statement reads them.
QStringList linkedYearlyTasksSql(const QString& linkedContactCode);
QList<LinkedTask> linkedYearlyTasks(store::Database& db, qint64 codcon);

// The yearly tasks "Search" offers for a contact: those the Yearly list finds
// by the name in their description, in the list's order, leaving out any
// already linked to another contact (a Yes must not move someone else's
// birthday).
QList<LinkedTask> birthdayCandidates(store::Database& db, const QString& name, qint64 codcon);

// Sets a yearly task's dayindex: the contact's code links it, 0 unlinks it.
QStringList dayIndexUpdateSql(qint64 codimp);
void linkBirthday(store::Database& db, qint64 codimp, qint64 codcon);
void unlinkBirthday(store::Database& db, qint64 codimp);

// What the Birthday button reads: "Birthday" when no task is linked, else the
// first linked task's date in the yearly date format.
inline const QString BirthdayCaption = QStringLiteral("Birthday");
QString birthdayButtonText(const QList<LinkedTask>& linked, const QString& dataYear,
                           const QLocale& locale);

QString linkQuestion(const QString& name, const QString& taskId);
QString unlinkQuestion(const QString& name, const QString& taskId);
QString noBirthdayFoundMessage(const QString& name);
inline const QString BirthdayNeedsContactMessage = QStringLiteral(
    "The birthday can be associated only after inserting the contact in the phonebook.");

} // namespace contacts

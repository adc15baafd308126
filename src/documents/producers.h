#pragma once

#include "calendar/sectionlist.h"
#include "document.h"

#include <QDate>
#include <QLocale>
#include <QString>
#include <array>

namespace store {
class Database;
class ResultSet;
} // namespace store

namespace documents {

// What a document producer hands back: the name it proposes for the file
// (without extension) and the lines.
struct ProducedDocument
{
    QString fileName;
    std::vector<DocumentLine> lines;
};

// A task's time as the documents print it: as stored, except that the
// unset time (two blanks around the separator) reads "__" + separator + "__"
// so a reader sees a gap was meant.
QString documentTimeText(const QString& stored);

// A proposed name as a file name: a "/" or "\" in a group name would
// otherwise make the save dialog look in a folder of that name, and other
// characters file systems refuse are replaced as well.
QString fileNameOf(const QString& proposed);

// The plan of a range of days, each day's tasks read with a selection of
// its own, so the Today tab keeps its day whatever happens here.
struct TasksDocumentOptions
{
    QDate from;
    QDate to;
    bool freeDays = false;  // a heading for every day, empty ones too
    bool notes = false;     // the task's note, in italic, after it
    bool suspended = false; // list suspended tasks
    bool checked = false;   // list tasks marked done for the day
    QString kinds = QStringLiteral("OYMW");
};
ProducedDocument tasksDocument(store::Database& database, const TasksDocumentOptions& options,
                               const calendar::DatePatterns& patterns);

// The tasks of the Monday-to-Sunday week holding `day`, for the weekdays
// ticked in `days` (Monday first), every task of the day's list.
ProducedDocument weekDocument(store::Database& database, const QDate& day,
                              const std::array<bool, 7>& days, bool notes, const QLocale& locale);

// The rows a task section lists, as its statement returns them.
struct SectionDocumentOptions
{
    bool checked = false;
    bool notes = false;
    bool suspended = false;
};
inline const QStringList SectionDocumentNames = {
    QStringLiteral("One Shot"), QStringLiteral("Yearly"), QStringLiteral("Monthly"),
    QStringLiteral("Weekly")};
ProducedDocument sectionDocument(const store::ResultSet& rows, QChar kind,
                                 const SectionDocumentOptions& options,
                                 const calendar::DatePatterns& patterns);

// The contacts as the Contacts list shows them, under letter headings.
struct ContactFields
{
    bool company = false, phone = false, mobile = false, skype = false, fax = false, email = false,
         web = false, address = false, group = false, note = false;
};
ProducedDocument contactsDocument(const store::ResultSet& rows, const QString& groupFilter,
                                  const ContactFields& fields, const QDate& today,
                                  const QLocale& locale);

// The to-do entries as the To Do list shows them.
struct ToDoDocumentOptions
{
    bool priority = false;
    bool percentage = false;
    bool checked = false;
    bool notes = false;
};
ProducedDocument toDoDocument(const store::ResultSet& rows, const ToDoDocumentOptions& options,
                              const QDate& today, const QLocale& locale);

} // namespace documents

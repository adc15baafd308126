#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

#include <functional>

namespace bench {

// A realistic archive for timing the day selection: 40% one-shot tasks over
// five years (some spanning a period), 25% weekly (a fifth every other
// week), 20% monthly (a fifth every other month), 15% yearly (a third with
// the years counted). A few are suspended, some checked done.
struct GeneratedTask
{
    QString kind;          // "O", "W", "M", "Y"
    QString description;
    QString from, to;      // time texts
    QDate date;
    QDate expiry;          // one-shot period end; invalid when none
    bool everyOther = false;
    bool countYears = false;
    bool suspended = false;
};

// The first day of the generated five years.
inline QDate generationStart() { return QDate(2024, 1, 1); }

// Calls `sink` for `count` tasks; the same seed gives the same tasks.
void generateTasks(int count, quint32 seed, const std::function<void(const GeneratedTask&)>& sink);

// Creates an archive at `path` (which must not exist) holding `count`
// generated tasks, written as the task dialogs write them.
void writeArchive(const QString& path, int count, quint32 seed, const QLocale& locale);

} // namespace bench

#pragma once

#include "reminders/notifier.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QTime>

#include <optional>

namespace store {
class Query;
}

namespace reminders {

// The texts between which the message panel blinks.
inline const QString Headline = QStringLiteral(" Hurry up! It is time to... ");

// " " + description + "!", cut to 43 characters and "..." when longer than 46.
QString announcementTaskText(const QString& description);

// The notification for a task whose time has come.
Notification dueTaskNotification(const QString& taskText);

// The time a stored start time stands for. Nothing for the empty time (in
// either separator) or for a text that does not read as hours and minutes
// with the locale's time separator.
std::optional<QTime> dueTimeOf(const QString& orario, const QLocale& locale);

// One line of a task listing: the blank times "  .  " show as "__.__".
QString listingLine(const QString& orario, const QString& orario2, const QString& description);

// The start-of-day summary of the day's rows, open ones listed, from the
// daily view's rows in their order. Its cursor is left after the last row.
Notification startOfDaySummary(const store::Query& dailyView, const QDate& today,
                               const QLocale& locale);

// The clock line: date and time while the program is the active
// application, its name otherwise.
QString clockText(const QDateTime& now, bool ampm, bool applicationActive,
                  const QLocale& locale);

} // namespace reminders

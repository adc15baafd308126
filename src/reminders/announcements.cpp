#include "announcements.h"

#include "calendar/tasktexts.h"
#include "platform/prompter.h"
#include "store/query.h"
#include "store/settings.h"

#include <algorithm>

namespace reminders {
namespace {
const QString Indent = QString(14, u' ');
}

QString announcementTaskText(const QString& description)
{
    const QString text = u' ' + description + u'!';
    return text.size() > 46 ? text.left(43) + QStringLiteral("...") : text;
}

Notification dueTaskNotification(const QString& taskText)
{
    return {QStringLiteral("Hurry up! It is time to..."), Indent + taskText, 96, 10, true};
}

std::optional<QTime> dueTimeOf(const QString& orario, const QLocale& locale)
{
    if (orario == QLatin1String("  :  ") || orario == QLatin1String("  .  "))
        return std::nullopt;
    const QString separator = calendar::timeSeparator(locale);
    const QStringList parts = orario.trimmed().split(separator);
    if (parts.size() != 2)
        return std::nullopt;
    bool hourOk = false;
    bool minuteOk = false;
    const int hour = parts[0].trimmed().toInt(&hourOk);
    const int minute = parts[1].trimmed().toInt(&minuteOk);
    if (!hourOk || !minuteOk || hour < 0 || hour > 23 || minute < 0 || minute > 59)
        return std::nullopt;
    return QTime(hour, minute);
}

QString listingLine(const QString& orario, const QString& orario2, const QString& description)
{
    const auto shown = [](const QString& time) {
        return time == QLatin1String("  .  ") ? QStringLiteral("__.__")
                                              : calendar::storedTimeText(time);
    };
    return Indent + QStringLiteral("From ") + shown(orario) + QStringLiteral(" To ")
        + shown(orario2) + QStringLiteral(" -> ") + description + u'\r';
}

Notification startOfDaySummary(const store::Query& dailyView, const QDate& today,
                               const QLocale& locale)
{
    Notification n;
    n.height = 80;
    n.timeOut = 10;
    bool someDone = false;
    // Read by row number: the list may be the daily view's own, whose
    // cursor stays where the user left it.
    const store::ResultSet& rows = dailyView.rows();
    const int done = rows.columnIndex(QStringLiteral("flagfatto"));
    const int from = rows.columnIndex(QStringLiteral("orario"));
    const int to = rows.columnIndex(QStringLiteral("orario2"));
    const int description = rows.columnIndex(QStringLiteral("id"));
    const bool readable = std::min({done, from, to, description}) >= 0;
    for (int row = 0; readable && row < dailyView.recordCount(); ++row) {
        if (rows.text(row, done) == QLatin1String("Y")) {
            someDone = true;
            continue;
        }
        n.height += 16;
        n.text += listingLine(rows.text(row, from), rows.text(row, to),
                              rows.text(row, description));
    }
    n.title = (someDone ? QStringLiteral("Today's tasks (not checked): ")
                        : QStringLiteral("Today's tasks: "))
        + store::Settings::formatDate(today, QStringLiteral("dddd d mmmm yyyy"), locale);
    return n;
}

QString clockText(const QDateTime& now, bool ampm, bool applicationActive, const QLocale& locale)
{
    if (!applicationActive)
        return platform::applicationTitle();
    return store::Settings::formatDateTime(now, store::Settings::clockFormat(ampm), locale);
}

} // namespace reminders

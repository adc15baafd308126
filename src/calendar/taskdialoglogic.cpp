#include "taskdialoglogic.h"

#include "shared/textutils.h"
#include "calendar/tasktexts.h"
#include "store/query.h"
#include "store/settings.h"

#include <QDir>

namespace calendar {
namespace {

bool allDigits(const QString& text)
{
    for (const QChar c : text)
        if (c < u'0' || c > u'9')
            return false;
    return !text.isEmpty();
}

QString format(const QDate& date, const char* pattern, const QLocale& locale)
{
    return store::Settings::formatDate(date, QString::fromLatin1(pattern), locale);
}

} // namespace

TaskDialogTexts taskDialogTexts(const QString& kind, DialogMode mode)
{
    const bool modify = mode == DialogMode::Modify;
    TaskDialogTexts t;
    if (kind == kind::Weekly) {
        t.windowCaption =
            modify ? QStringLiteral("-> Modify Weekly Task") : QStringLiteral("-> New Weekly Task");
        t.titleBar = modify ? QStringLiteral("Modify Weekly") : QStringLiteral("Insert Weekly");
        t.kindSentence = QStringLiteral(
            "Events to include in this area are those that happen on a weekly basis.\r"
            "Could include work schedules to school schedules as well as other weekly tasks or "
            "events.");
        t.chooserTitle = QStringLiteral("Chose the day of week");
        t.chooserMode = ChooserMode::Weekday;
        t.everyOtherCaption = QStringLiteral("Bi-Weekly ");
        t.dateCaption = QStringLiteral("Day");
    } else if (kind == kind::Monthly) {
        t.windowCaption =
            modify ? QStringLiteral("-> Modify Montly Task") : QStringLiteral("-> New Montly Task");
        t.titleBar = modify ? QStringLiteral("Modify Monthly") : QStringLiteral("Insert Monthly");
        t.kindSentence = (modify ? QStringLiteral("Modify") : QStringLiteral("Insert")) +
                         QStringLiteral(" events that will happen once a every month, like the "
                                        "house payment.");
        t.chooserTitle = QStringLiteral("Chose the day of month");
        t.chooserMode = ChooserMode::DayOfMonth;
        t.everyOtherCaption = QStringLiteral("Bi-Monthly ");
        t.dateCaption = QStringLiteral("Day");
    } else if (kind == kind::Yearly) {
        t.windowCaption =
            modify ? QStringLiteral("-> Modify Yearly Task") : QStringLiteral("-> New Yearly Task");
        t.titleBar = modify ? QStringLiteral("Modify Yearly") : QStringLiteral("Insert Yearly");
        t.kindSentence =
            QStringLiteral("Keep track of important events, such as birthdays and holidays.");
        t.chooserTitle = QStringLiteral("Chose the day and the month");
        t.chooserMode = ChooserMode::DayMonth;
        t.everyOtherCaption = QStringLiteral("Bi-Yearly");
        t.dateCaption = QStringLiteral("Date");
    } else {
        t.windowCaption = modify ? QStringLiteral("-> Modify One Shot Task")
                                 : QStringLiteral("-> New One Shot Task");
        t.titleBar = modify ? QStringLiteral("Modify One Shot") : QStringLiteral("Insert One Shot");
        t.kindSentence = (modify ? QStringLiteral("Modify") : QStringLiteral("Insert")) +
                         QStringLiteral(" occasional tasks or one-time appointments.");
        t.chooserTitle = QStringLiteral("Chose the date");
        t.chooserMode = ChooserMode::Date;
        t.dateCaption = QStringLiteral("Date");
    }
    return t;
}

QString descriptionMessage(const QString& kindSentence)
{
    return QStringLiteral("DESCRIPTION:\r\r") + kindSentence +
           QStringLiteral("\r\rATTACH:\r\r"
                          "- If you share Corvandine Organizer in a local network, you need to add "
                          "attachments via \"My Network\".\r\r"
                          "- An e-mail attachment starts with the keyword \"mailto:\", for example "
                          "mailto:john.smith@example.com\r"
                          "   The characters \",\" and \";\" separate the email address.\r\r"
                          "- A web attachment starts with the keyword \"http://\", for example "
                          "http://www.example.com");
}

bool isValidTimeText(const QString& text, const QLocale& locale)
{
    if (text == emptyTimeText(locale))
        return true;
    if (text.size() != 5 || text.mid(2, 1) != timeSeparator(locale))
        return false;
    // Only the hour's first place may stay blank: "9 :30" is refused, as it
    // would sort after every other time.
    const QString hour = text.at(0) == u' ' ? text.mid(1, 1) : text.left(2);
    const QString minutes = text.right(2);
    if (!allDigits(hour) || !allDigits(minutes))
        return false;
    return hour.toInt() < 24 && minutes.toInt() < 60;
}

QString invalidTimeMessage(TimeField field)
{
    return QStringLiteral("The value entered in the field \"") +
           (field == TimeField::From ? QStringLiteral("From") : QStringLiteral("To")) +
           QStringLiteral("\" is not a valid time.");
}

std::optional<QString> timeProblem(const QString& from, const QString& to, const QLocale& locale)
{
    if (!isValidTimeText(from, locale))
        return invalidTimeMessage(TimeField::From);
    if (!isValidTimeText(to, locale))
        return invalidTimeMessage(TimeField::To);
    return std::nullopt;
}

QString withoutAttachmentFolders(const QString& text, const QString& programFolder)
{
    QString out = text;
    const QString folder = QDir::fromNativeSeparators(programFolder);
    const QString base = folder.endsWith(u'/') ? folder : folder + u'/';
    for (const QLatin1String name : {QLatin1String("allegati"), QLatin1String("attaches")}) {
        const QString slashed = base + name + u'/';
        out.replace(slashed, QString());
        out.replace(QDir::toNativeSeparators(slashed), QString());
        // A Windows path keeps its backslashes whatever the platform reads.
        out.replace(QString(slashed).replace(u'/', u'\\'), QString());
    }
    return out;
}

OneShotOptionsEnabled oneShotOptionsEnabled(bool deleteAfter, bool torment, bool expiration)
{
    return {!torment && !expiration, !deleteAfter && !expiration, !deleteAfter && !torment};
}

QString rememberCaption(int days)
{
    return QStringLiteral("Remember ") + QString::number(days) + QStringLiteral(" days before");
}

QDate raisedExpiry(const QDate& expiry, const QDate& taskDate)
{
    if (!expiry.isValid())
        return taskDate;
    return taskDate.isValid() && expiry < taskDate ? taskDate : expiry;
}

QDate loadedExpiry(const std::optional<QDate>& stored, const QDate& today, const QDate& taskDate)
{
    return raisedExpiry(stored.value_or(today), taskDate);
}

QString chooserDateText(ChooserMode mode, const QDate& date, const QLocale& locale)
{
    switch (mode) {
    case ChooserMode::DayMonth:
        return format(date, "d mmmm", locale);
    case ChooserMode::DayOfMonth:
        return format(date, "dd", locale);
    case ChooserMode::Weekday:
        return format(date, "dddd", locale);
    case ChooserMode::Date:
        break;
    }
    return format(date, "d mmmm yyyy", locale);
}

QString yearsCountLabel(bool counting, const QDate& taskDate, const QDate& today,
                        const QLocale& locale)
{
    if (!counting)
        return YearsCountCaption;
    return QStringLiteral("Years count: ") + QString::number(shared::yearsBetween(today, taskDate)) +
           QStringLiteral(" - Period: ") + format(taskDate, "dd mmm yyyy", locale) +
           QStringLiteral(" - ") + format(today, "dd mmm yyyy", locale);
}

QString doneLine(const DoneState& done, const QLocale& locale)
{
    if (!done.marked())
        return QStringLiteral("Done: not yet.");
    return QStringLiteral("Done: ") + format(done.fatto, "dddd d mmmm yyyy", locale);
}

std::optional<StoredTask> readStoredTask(store::Database& database, qint64 codimp)
{
    store::Query q(database);
    q.setSql({QStringLiteral("SELECT * FROM CRarc66 WHERE codimp = ") + QString::number(codimp)});
    q.open();
    if (q.isEmpty())
        return std::nullopt;
    const auto text = [&q](const char* column) {
        return q.fieldByName(QString::fromLatin1(column)).asString();
    };
    StoredTask t;
    t.codimp = codimp;
    t.kind = text("flag");
    TaskDraft& d = t.draft;
    d.description = text("id");
    d.note = text("note");
    d.from = text("orario");
    d.to = text("orario2");
    d.searchKey = text("ricerca");
    d.attachment = text("allegato");
    d.remindInAdvance = text("anticipa") == Yes;
    d.suspended = text("sospeso") == Yes;
    d.expires = text("flagscad") == Yes;
    d.date = q.fieldByName(QStringLiteral("datefull")).asDate();
    const QString dayOfWeek = text("dayofweek");
    t.dayOfMonth = text("dayofmonth");
    if (dayOfWeek == DeleteAfterCode)
        d.oneShotOption = OneShotOption::DeleteAfter;
    else if (dayOfWeek == TormentCode)
        d.oneShotOption = OneShotOption::Torment;
    d.everyOther = t.kind == kind::Weekly ? !t.dayOfMonth.isEmpty() : !dayOfWeek.isEmpty();
    d.countYears = t.dayOfMonth == CountYearsCode;

    const store::Field expiry = q.fieldByName(QStringLiteral("scadenza"));
    // A missing expiry reads as day zero, in the year 1899.
    if (!expiry.isNull() && expiry.asDate().year() > 1899)
        t.storedExpiry = expiry.asDate();
    d.expiry = t.storedExpiry.value_or(QDate());
    t.done = {q.fieldByName(QStringLiteral("fatto")).asDate(), text("flagfatto")};
    return t;
}

} // namespace calendar

#include "reportcommand.h"

#include "agenda.h"
#include "archivepaths.h"
#include "calendar/dailyview.h"
#include "calendar/sectionlist.h"
#include "calendar/tasktexts.h"
#include "contacts/contactlist.h"
#include "documents/reports.h"
#include "documents/ui/reportpainter.h"
#include "shared/textutils.h"
#include "store/database.h"
#include "store/query.h"
#include "store/settings.h"
#include "store/sqlerror.h"
#include "todo/todolist.h"

#include <QDir>
#include <QTextStream>

namespace app {
namespace {

const QString ReportOption = QStringLiteral("--report");

struct ReportLine
{
    QString kind;
    QString file;
    QString date;
    QString days;
    QString archive;
    QString error;
};

ReportLine parse(const QStringList& arguments)
{
    ReportLine line;
    const auto value = [&](qsizetype& i) {
        if (i + 1 < arguments.size() && !arguments.at(i + 1).startsWith(QLatin1String("--")))
            return arguments.at(++i);
        if (line.error.isEmpty())
            line.error = arguments.at(i) + QStringLiteral(" needs a value");
        return QString();
    };
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument == ReportOption)
            line.kind = value(i);
        else if (argument == QLatin1String("--pdf"))
            line.file = value(i);
        else if (argument == QLatin1String("--date"))
            line.date = value(i);
        else if (argument == QLatin1String("--days"))
            line.days = value(i);
        else if (argument == QLatin1String("--archive"))
            line.archive = value(i);
        else if (line.error.isEmpty())
            line.error = QStringLiteral("unexpected argument '%1'").arg(argument);
    }
    if (line.error.isEmpty() && line.file.isEmpty())
        line.error = QStringLiteral("--report needs --pdf FILE");
    return line;
}

int fail(QTextStream& err, const QString& message)
{
    err << "corvandine: " << message << '\n';
    err.flush();
    return ExitUsage;
}

} // namespace

bool isReportCommand(const QStringList& arguments)
{
    return arguments.contains(ReportOption);
}

int runReportCommand(const QStringList& arguments, QTextStream& err, const QDate& today,
                     const QString& programFolder, const lock::PasswordLine& password)
{
    using documents::ReportKind;
    const ReportLine line = parse(arguments);
    if (!line.error.isEmpty())
        return fail(err, line.error + QStringLiteral(" (see --help)"));
    static const QStringList kinds{QStringLiteral("oneshot"), QStringLiteral("yearly"),
                                   QStringLiteral("monthly"), QStringLiteral("weekly"),
                                   QStringLiteral("plan"),    QStringLiteral("contacts"),
                                   QStringLiteral("todo")};
    const qsizetype kindIndex = kinds.indexOf(line.kind);
    if (kindIndex < 0)
        return fail(err, QStringLiteral("bad report '%1': expected %2")
                             .arg(line.kind, kinds.join(QStringLiteral(", "))));
    const auto kind = ReportKind(kindIndex);
    QDate first = today;
    if (!line.date.isEmpty()) {
        first = QDate::fromString(line.date, Qt::ISODate);
        if (line.date.size() != 10 || !first.isValid())
            return fail(err, QStringLiteral("bad date '%1': expected yyyy-mm-dd").arg(line.date));
    }
    int days = 1;
    if (!line.days.isEmpty()) {
        bool ok = false;
        days = line.days.toInt(&ok);
        if (!ok || days < 1 || days > 366)
            return fail(
                err, QStringLiteral("bad number of days '%1': expected 1 to 366").arg(line.days));
    }
    if ((!line.date.isEmpty() || !line.days.isEmpty()) && kind != ReportKind::Today)
        return fail(err, QStringLiteral("--date and --days go with --report plan"));

    const QString folder = line.archive.isEmpty()
                               ? currentArchiveFolder(defaultArchiveFolderFor(programFolder))
                               : QDir(line.archive).absolutePath();
    const QString path = databaseFilePath(folder);
    if (!store::Database::exists(path))
        return fail(err, QStringLiteral("no archive at %1").arg(QDir::toNativeSeparators(path)));

    std::vector<documents::ReportContent> reports;
    try {
        store::Database database;
        database.open(path);
        store::Query list(database);
        list.setSql({QStringLiteral("PRAGMA query_only = 1")});
        list.execSql();
        if (const QString refusal = lock::lockedArchiveRefusal(
                database, password ? password : lock::standardInputPassword());
            !refusal.isEmpty())
            return fail(err, refusal);
        store::Settings settings(database);
        settings.load();
        const QLocale locale = calendar::taskLocale();
        const calendar::DatePatterns patterns{settings.dataShot(), settings.dataYear(), locale};
        documents::ReportContent report;
        switch (kind) {
        case ReportKind::Today: {
            calendar::DailyView plan(database, locale);
            for (int d = 0; d < days; ++d) {
                plan.refresh(first.addDays(d), false);
                reports.push_back(documents::todayReport(plan.rows(), first.addDays(d), locale));
            }
            break;
        }
        case ReportKind::Contacts:
            contacts::openContactList(list, contacts::ContactFilter{});
            reports.push_back(documents::contactsReport(list.rows(), QString()));
            break;
        case ReportKind::ToDo:
            todo::openToDoList(list, todo::ToDoFilter{});
            reports.push_back(documents::toDoReport(list.rows()));
            break;
        default: {
            const QChar letter = QStringLiteral("OYMW").at(kindIndex);
            calendar::SectionFilter filter;
            filter.kind = letter;
            filter.descending = calendar::startsDescending(letter);
            calendar::openSectionList(list, filter);
            reports.push_back(documents::sectionReport(kind, list.rows(), patterns));
            break;
        }
        }
        for (documents::ReportContent& r : reports) {
            r.sectionColour = documents::reportSectionColour(settings, kind);
            r.printedAt = QDateTime(today, QTime::currentTime());
        }
    } catch (const store::SqlError& error) {
        return fail(err, QStringLiteral("cannot read %1: %2")
                             .arg(QDir::toNativeSeparators(path),
                                  shared::flattenLineBreaks(error.message())));
    }
    const QString failure = documents::ui::writeReportPdf(reports, line.file);
    if (!failure.isEmpty())
        return fail(err, QStringLiteral("cannot write %1: %2")
                             .arg(QDir::toNativeSeparators(line.file), failure));
    return ExitOk;
}

} // namespace app

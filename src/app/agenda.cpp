#include "agenda.h"

#include "almanaccommand.h"
#include "app/lock/archivegate.h"
#include "archivepaths.h"
#include "calendar/dayselection.h"
#include "calendar/tasktexts.h"
#include "contactscommands.h"
#include "exportcommand.h"
#include "platform/clock.h"
#include "shared/textutils.h"
#include "store/database.h"
#include "store/query.h"
#include "store/sqlerror.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>
#include <cstdio>
#include <numeric>
#include <tuple>
#include <vector>

namespace app {
namespace {

const QString AgendaOption = QStringLiteral("--agenda");
const QString DaysOption = QStringLiteral("--days");
const QString ArchiveOption = QStringLiteral("--archive");
const QString HelpOption = QStringLiteral("--help");
const QString VersionOption = QStringLiteral("--version");
const QString ExportOption = QStringLiteral("--export");
const QString DateOption = QStringLiteral("--date");

constexpr int MaxDays = 36600; // a century is more than anyone asks for
const QString AgendaColumns = QStringLiteral("SELECT orario, orario2, flag, id FROM CRarc66 ");

// The rows of a day by start time, end time and description, as the
// statement orders them. The agenda never writes, so an archive that still
// holds one-digit hours of an earlier build ("9 :30") is put in order here.
std::vector<int> inTimeOrder(const store::ResultSet& rows, int from, int to, int description)
{
    std::vector<int> order(size_t(rows.rowCount()));
    std::iota(order.begin(), order.end(), 0);
    const auto key = [&](int r) {
        return std::tuple(calendar::storedTimeText(rows.text(r, from)),
                          calendar::storedTimeText(rows.text(r, to)), rows.text(r, description));
    };
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return key(a) < key(b); });
    return order;
}

struct CommandLine
{
    bool agenda = false;
    bool help = false;
    bool version = false;
    std::optional<QString> date;
    std::optional<QString> days;
    std::optional<QString> archive;
    std::optional<ExportKind> exportKind;
    QString exportFile;
    std::optional<QString> exportDate;
    QStringList others;
    QString error;

    bool handled() const
    {
        return agenda || help || version || days || exportKind || exportDate || !error.isEmpty();
    }
};

bool isOption(const QString& argument)
{
    return argument.startsWith(QLatin1String("--"));
}

CommandLine parse(const QStringList& arguments)
{
    CommandLine line;
    const auto valueOf = [&](qsizetype& i, const QString& option) -> std::optional<QString> {
        if (i + 1 < arguments.size() && !isOption(arguments.at(i + 1)))
            return arguments.at(++i);
        line.error = option + QStringLiteral(" needs a value");
        return std::nullopt;
    };
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument == AgendaOption) {
            line.agenda = true;
            if (i + 1 < arguments.size() && !isOption(arguments.at(i + 1)))
                line.date = arguments.at(++i);
        } else if (argument == DaysOption) {
            line.days = valueOf(i, DaysOption).value_or(QString());
        } else if (argument == ArchiveOption) {
            line.archive = valueOf(i, ArchiveOption);
        } else if (argument == ExportOption) {
            const bool complete = i + 2 < arguments.size() && !isOption(arguments.at(i + 1)) &&
                                  !isOption(arguments.at(i + 2));
            if (!complete) {
                line.error = QStringLiteral("--export needs what (todo or plan) and a file");
                line.exportKind = ExportKind::ToDo;
                break;
            }
            const QString what = arguments.at(++i);
            line.exportFile = arguments.at(++i);
            if (what == QLatin1String("todo"))
                line.exportKind = ExportKind::ToDo;
            else if (what == QLatin1String("plan"))
                line.exportKind = ExportKind::Plan;
            else
                line.error =
                    QStringLiteral("bad export '%1': expected todo, plan or contacts").arg(what);
        } else if (argument == DateOption) {
            line.exportDate = valueOf(i, DateOption).value_or(QString());
        } else if (argument == HelpOption) {
            line.help = true;
        } else if (argument == VersionOption) {
            line.version = true;
        } else {
            line.others.append(argument);
        }
    }
    if (line.error.isEmpty() && line.days && !line.agenda)
        line.error = QStringLiteral("--days goes with --agenda");
    if (line.error.isEmpty() && line.agenda && line.exportKind)
        line.error = QStringLiteral("--agenda and --export go one at a time");
    if (line.error.isEmpty() && line.exportDate && line.exportKind != ExportKind::Plan)
        line.error = QStringLiteral("--date goes with --export plan");
    if (line.error.isEmpty() && (line.agenda || line.exportKind) && !line.others.isEmpty())
        line.error = QStringLiteral("unexpected argument '%1'").arg(line.others.first());
    return line;
}

QString usage()
{
    return QStringLiteral(
        "Usage: corvandine [--archive DIR]\n"
        "       corvandine --agenda [DATE] [--days N] [--archive DIR]\n"
        "       corvandine --export todo FILE [--archive DIR]\n"
        "       corvandine --export plan FILE [--date DATE] [--archive DIR]\n"
        "       corvandine --export contacts FILE [--layout complete|chopped] [--archive DIR]\n"
        "       corvandine --import contacts FILE [--mode skip|update|new|integrate]\n"
        "                  [--delete-all] [--group NAME] [--delimiter C] [--archive DIR]\n"
        "       corvandine --report KIND --pdf FILE [--date DATE] [--days N] [--archive DIR]\n"
        "       corvandine --almanac [DATE] [--days N]\n"
        "       corvandine --help | --version\n"
        "\n"
        "Without options the organizer window starts.\n"
        "\n"
        "  --agenda [DATE]  print the tasks of DATE (yyyy-mm-dd, default today) as the\n"
        "                   Today tab lists them, suspended tasks left out: one line per\n"
        "                   task with date, start, end, kind (O, W, M, Y) and\n"
        "                   description, separated by tabs\n"
        "  --days N         print N days from DATE on (default 1)\n"
        "  --export todo FILE\n"
        "                   write the to-do list to FILE as the To Do tab's Export\n"
        "                   does, every entry, highest priority first\n"
        "  --export plan FILE\n"
        "                   write the daily plan of --date DATE (default today) to\n"
        "                   FILE as the Today tab's Export does, suspended tasks\n"
        "                   left out\n"
        "  --export contacts FILE\n"
        "                   write every contact to FILE as the Contacts tab's Export\n"
        "                   does, in the complete (default) or the chopped layout\n"
        "  --import contacts FILE\n"
        "                   read contacts from FILE, whose first line names the\n"
        "                   columns as the complete export does (Name, Company, Phone,\n"
        "                   Mobile, Skype, Fax, E-mail, Web, Address, Note, Group);\n"
        "                   --mode as the Contacts tab's import (default skip),\n"
        "                   --delete-all empties the address book first, --group adds\n"
        "                   NAME to every imported contact's group, --delimiter C\n"
        "                   separates the fields (default \";\")\n"
        "  --report KIND --pdf FILE\n"
        "                   print the report of the Print menus to the PDF file FILE\n"
        "                   (A4, no printer needed); KIND is plan, oneshot, weekly,\n"
        "                   monthly, yearly, contacts or todo; the plan is the Today\n"
        "                   list of --date DATE (default today), --days N days from\n"
        "                   it, each on pages of its own\n"
        "  --almanac [DATE] print the zodiac sign, the season, the Moon's phase angle\n"
        "                   (0 full, 180 new) and its lit part in percent for DATE\n"
        "                   (yyyy-mm-dd at 12:00, or yyyy-mm-ddThh:mm; default\n"
        "                   today), --days N days from it; no archive is read\n"
        "  --archive DIR    use the archive in folder DIR\n"
        "  --help           show this text\n"
        "  --version        show the version\n"
        "\n"
        "The agenda and the exports only read the archive; an import writes all of its\n"
        "contacts or, on any error, none. An archive the window opens locked is read\n"
        "only when its password comes as one line on standard input, for example\n"
        "  corvandine --agenda < password-file\n"
        "Exit codes: 0 done, 2 bad option, date or file, archive missing, unreadable\n"
        "or locked, file not written.\n");
}

std::optional<QDate> parseDate(const QString& text)
{
    // yyyy-mm-dd exactly: digits where digits belong, dashes between.
    if (text.size() != 10)
        return std::nullopt;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool dash = i == 4 || i == 7;
        if (dash ? text.at(i) != u'-' : !(text.at(i) >= u'0' && text.at(i) <= u'9'))
            return std::nullopt;
    }
    const QDate date = QDate::fromString(text, Qt::ISODate);
    return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
}

// A field of an agenda line: tabs and line breaks would split the line, so
// they become blanks.
QString field(const QString& text)
{
    QString out = shared::flattenLineBreaks(text);
    return out.replace(u'\t', u' ');
}

int fail(QTextStream& err, const QString& message)
{
    err << "corvandine: " << message << '\n';
    err.flush();
    return ExitUsage;
}

QString archiveFilePath(const CommandLine& line, const CommandLineEnvironment& env)
{
    QString folder;
    if (line.archive) {
        folder = QDir(*line.archive).absolutePath();
    } else {
        const QString program = env.programFolder.isEmpty() ? programFolder() : env.programFolder;
        folder = currentArchiveFolder(defaultArchiveFolderFor(program));
    }
    return databaseFilePath(folder);
}

// Opens the archive so that the engine itself refuses any change for the
// rest of the run.
void openReadOnly(store::Database& database, store::Query& query, const QString& path)
{
    database.open(path);
    query.setSql({QStringLiteral("PRAGMA query_only = 1")});
    query.execSql();
}

// Empty when the archive may be read; see lock::lockedArchiveRefusal().
QString lockRefusal(store::Database& database, const CommandLineEnvironment& env)
{
    return lock::lockedArchiveRefusal(database,
                                      env.password ? env.password : lock::standardInputPassword());
}

int cannotRead(QTextStream& err, const QString& path, const store::SqlError& error)
{
    return fail(err, QStringLiteral("cannot read %1: %2: %3")
                         .arg(QDir::toNativeSeparators(path), error.className(),
                              shared::flattenLineBreaks(error.message())));
}

int printAgenda(const CommandLine& line, QTextStream& out, QTextStream& err,
                const CommandLineEnvironment& env)
{
    const platform::SystemClock systemClock;
    const platform::Clock& clock = env.clock ? *env.clock : systemClock;
    QDate first = clock.today();
    if (line.date) {
        const auto date = parseDate(*line.date);
        if (!date)
            return fail(err, QStringLiteral("bad date '%1': expected yyyy-mm-dd").arg(*line.date));
        first = *date;
    }
    int days = 1;
    if (line.days) {
        bool ok = false;
        days = line.days->toInt(&ok);
        if (!ok || days < 1 || days > MaxDays)
            return fail(err, QStringLiteral("bad number of days '%1': expected 1 to %2")
                                 .arg(*line.days)
                                 .arg(MaxDays));
    }

    const QString path = archiveFilePath(line, env);
    if (!store::Database::exists(path))
        return fail(err, QStringLiteral("no archive at %1").arg(QDir::toNativeSeparators(path)));

    const QLocale locale = env.locale.value_or(calendar::taskLocale());
    try {
        store::Database database;
        store::Query query(database);
        openReadOnly(database, query, path);
        if (const QString refusal = lockRefusal(database, env); !refusal.isEmpty())
            return fail(err, refusal);
        calendar::tuneForDaySelections(query);
        if (!database.tableExists(QStringLiteral("CRarc66")))
            return fail(
                err, QStringLiteral("%1 holds no tasks table").arg(QDir::toNativeSeparators(path)));
        for (int i = 0; i < days; ++i) {
            const QDate day = first.addDays(i);
            // The daily view's own selection, reading only the columns printed.
            QStringList lines =
                calendar::daySelectionLines(calendar::DaySelection::DailyView, day, locale);
            lines.first() = AgendaColumns;
            query.setSql(lines);
            query.setDate(QStringLiteral("datefull"), day);
            query.open();
            const store::ResultSet& rows = query.rows();
            const int from = rows.columnIndex(QStringLiteral("orario"));
            const int to = rows.columnIndex(QStringLiteral("orario2"));
            const int kind = rows.columnIndex(QStringLiteral("flag"));
            const int description = rows.columnIndex(QStringLiteral("id"));
            const QString date = day.toString(Qt::ISODate);
            for (const int r : inTimeOrder(rows, from, to, description)) {
                out << date << '\t' << field(calendar::storedTimeText(rows.text(r, from))) << '\t'
                    << field(calendar::storedTimeText(rows.text(r, to))) << '\t'
                    << field(rows.text(r, kind)) << '\t' << field(rows.text(r, description))
                    << '\n';
            }
        }
    } catch (const store::SqlError& error) {
        return cannotRead(err, path, error);
    }
    out.flush();
    return ExitOk;
}

int exportFile(const CommandLine& line, QTextStream& err, const CommandLineEnvironment& env)
{
    const platform::SystemClock systemClock;
    const platform::Clock& clock = env.clock ? *env.clock : systemClock;
    QDate day = clock.today();
    if (line.exportDate) {
        const auto date = parseDate(*line.exportDate);
        if (!date)
            return fail(err,
                        QStringLiteral("bad date '%1': expected yyyy-mm-dd").arg(*line.exportDate));
        day = *date;
    }
    const QString path = archiveFilePath(line, env);
    if (!store::Database::exists(path))
        return fail(err, QStringLiteral("no archive at %1").arg(QDir::toNativeSeparators(path)));
    try {
        store::Database database;
        store::Query query(database);
        openReadOnly(database, query, path);
        if (const QString refusal = lockRefusal(database, env); !refusal.isEmpty())
            return fail(err, refusal);
        const QString failure = writeExport(database, *line.exportKind, line.exportFile, day,
                                            env.locale.value_or(calendar::taskLocale()));
        if (!failure.isEmpty())
            return fail(err, shared::flattenLineBreaks(failure));
    } catch (const store::SqlError& error) {
        return cannotRead(err, path, error);
    }
    return ExitOk;
}

} // namespace

std::optional<int> runCommandLine(const QStringList& arguments, QTextStream& out, QTextStream& err,
                                  const CommandLineEnvironment& env)
{
    // A report paints: the window library runs it, on Qt's GUI module.
    if (arguments.contains(QStringLiteral("--report")))
        return std::nullopt;
    if (const auto code = runContactsCommand(arguments, out, err, env))
        return code;
    if (const auto code = runAlmanacCommand(arguments, out, err, env))
        return code;
    const CommandLine line = parse(arguments);
    if (!line.handled())
        return std::nullopt;
    if (!line.error.isEmpty())
        return fail(err, line.error + QStringLiteral(" (see --help)"));
    if (line.help) {
        out << usage();
        out.flush();
        return ExitOk;
    }
    if (line.version) {
        out << "Corvandine Organizer " << CORVANDINE_VERSION << '\n';
        out.flush();
        return ExitOk;
    }
    if (line.exportKind)
        return exportFile(line, err, env);
    return printAgenda(line, out, err, env);
}

std::optional<int> runCommandLine(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    // Decided before any application object exists, so that the window's
    // application can still be created when the command line is not ours.
    if (!parse(arguments).handled() && !isContactsCommand(arguments) &&
        !isAlmanacCommand(arguments))
        return std::nullopt;
    // No application object at all: building one costs more than answering
    // a day's agenda. The name still places the per-user archive folder.
    QCoreApplication::setApplicationName(QStringLiteral("Corvandine Organizer"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    return runCommandLine(arguments, out, err);
}

std::optional<QString> archiveOverride(const QStringList& arguments)
{
    return parse(arguments).archive;
}

QStringList programArguments(const QStringList& arguments)
{
    return parse(arguments).others;
}

} // namespace app

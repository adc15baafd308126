#include "contactscommands.h"

#include "agenda.h"
#include "app/lock/archivegate.h"
#include "archivepaths.h"
#include "contacts/contactexport.h"
#include "contacts/contactimport.h"
#include "contacts/contactlist.h"
#include "shared/textutils.h"
#include "store/database.h"
#include "store/sqlerror.h"

#include <QDir>
#include <QTextStream>

namespace app {
namespace {

const QString ImportOption = QStringLiteral("--import");
const QString ExportOption = QStringLiteral("--export");

struct ContactsCommand
{
    bool import = false;
    QString file;
    QString archive;
    contacts::ExportLayout layout = contacts::ExportLayout::Complete;
    contacts::ImportOptions options;
    QChar delimiter = u';';
    QString error;
};

ContactsCommand parse(const QStringList& arguments)
{
    ContactsCommand c;
    c.options.skipFirstLine = true; // the first line names the columns
    c.import = arguments.contains(ImportOption);
    if (c.import && arguments.contains(ExportOption)) {
        c.error = QStringLiteral("--import and --export go one at a time");
        return c;
    }
    const auto fail = [&c](const QString& message) {
        if (c.error.isEmpty())
            c.error = message;
    };
    for (qsizetype i = 0; i < arguments.size() && c.error.isEmpty(); ++i) {
        const QString& a = arguments.at(i);
        const auto value = [&]() -> QString {
            if (i + 1 < arguments.size() && !arguments.at(i + 1).startsWith(u"--"))
                return arguments.at(++i);
            fail(a + QStringLiteral(" needs a value"));
            return {};
        };
        if (a == ImportOption || a == ExportOption) {
            if (value() != QLatin1String("contacts") || i + 1 >= arguments.size() ||
                arguments.at(i + 1).startsWith(u"--"))
                fail(a + QStringLiteral(" takes 'contacts FILE'"));
            else
                c.file = arguments.at(++i);
        } else if (a == QLatin1String("--archive")) {
            c.archive = value();
        } else if (a == QLatin1String("--layout") && !c.import) {
            const QString v = value();
            if (v == QLatin1String("chopped"))
                c.layout = contacts::ExportLayout::Chopped;
            else if (v != QLatin1String("complete"))
                fail(QStringLiteral("bad layout '%1': expected complete or chopped").arg(v));
        } else if (a == QLatin1String("--mode") && c.import) {
            const QString v = value();
            const QStringList modes{QStringLiteral("skip"), QStringLiteral("update"),
                                    QStringLiteral("new"), QStringLiteral("integrate")};
            if (!modes.contains(v))
                fail(QStringLiteral("bad mode '%1': expected skip, update, new or integrate")
                         .arg(v));
            c.options.mode = contacts::ImportMode(std::max<qsizetype>(0, modes.indexOf(v)));
        } else if (a == QLatin1String("--delete-all") && c.import) {
            c.options.deleteAll = true;
        } else if (a == QLatin1String("--group") && c.import) {
            c.options.addGroup = true;
            c.options.assignedGroup = value();
            if (c.error.isEmpty() && c.options.assignedGroup.trimmed().isEmpty())
                fail(QStringLiteral("--group needs a name"));
        } else if (a == QLatin1String("--delimiter") && c.import) {
            const QString v = value();
            if (v.size() != 1 || v == u"\"" || v == u"\r" || v == u"\n")
                fail(QStringLiteral("bad delimiter '%1': expected one character other than a "
                                    "double quote")
                         .arg(v));
            else
                c.delimiter = v.front();
        } else {
            fail(QStringLiteral("unexpected argument '%1'").arg(a));
        }
    }
    return c;
}

int fail(QTextStream& err, const QString& message)
{
    err << "corvandine: " << shared::flattenLineBreaks(message) << '\n';
    err.flush();
    return ExitUsage;
}

int exportContacts(const ContactsCommand& c, store::Database& db, QTextStream& out,
                   QTextStream& err)
{
    store::Query list(db);
    contacts::openContactList(list, contacts::ContactFilter{});
    const QString error = contacts::writeContactExport(c.file, contacts::exportHeader(c.layout),
                                                       contacts::exportRows(list.rows(), c.layout));
    if (!error.isEmpty())
        return fail(
            err,
            QStringLiteral("cannot write %1: %2").arg(QDir::toNativeSeparators(c.file), error));
    out << "Contacts exported: " << list.recordCount() << '\n';
    out.flush();
    return ExitOk;
}

int importContacts(const ContactsCommand& c, store::Database& db, QTextStream& out,
                   QTextStream& err)
{
    const contacts::CsvDocument doc = contacts::readCsvFile(c.file, c.delimiter);
    if (!doc.ok())
        return fail(err, QDir::toNativeSeparators(c.file) + QStringLiteral(": ") + doc.error);
    const contacts::ImportMapping mapping =
        contacts::headerMapping(doc.records.isEmpty() ? QStringList() : doc.records.front().fields);
    if (!mapping.maps(contacts::ImportField::Name))
        return fail(err, QStringLiteral("%1: the first line names no \"Name\" column")
                             .arg(QDir::toNativeSeparators(c.file)));
    const contacts::ImportResult result =
        contacts::importContacts(db, doc.records, mapping, c.options);
    out << "Contacts imported or updated: " << result.written << '\n';
    out.flush();
    return ExitOk;
}

} // namespace

bool isContactsCommand(const QStringList& arguments)
{
    // "--export todo" and "--export plan" are the documents' own.
    const qsizetype exportAt = arguments.indexOf(ExportOption);
    return arguments.contains(ImportOption) ||
           (exportAt >= 0 && arguments.value(exportAt + 1) == QLatin1String("contacts"));
}

std::optional<int> runContactsCommand(const QStringList& arguments, QTextStream& out,
                                      QTextStream& err, const CommandLineEnvironment& env)
{
    if (!isContactsCommand(arguments))
        return std::nullopt;
    const ContactsCommand c = parse(arguments);
    if (!c.error.isEmpty())
        return fail(err, c.error + QStringLiteral(" (see --help)"));
    QString folder;
    if (!c.archive.isEmpty()) {
        folder = QDir(c.archive).absolutePath();
    } else {
        const QString program = env.programFolder.isEmpty() ? programFolder() : env.programFolder;
        folder = currentArchiveFolder(defaultArchiveFolderFor(program));
    }
    const QString path = databaseFilePath(folder);
    if (!store::Database::exists(path))
        return fail(err, QStringLiteral("no archive at %1").arg(QDir::toNativeSeparators(path)));
    try {
        store::Database db;
        db.open(path);
        // The window would ask for the password before either.
        if (const QString refusal = lock::lockedArchiveRefusal(
                db, env.password ? env.password : lock::standardInputPassword());
            !refusal.isEmpty())
            return fail(err, refusal);
        return c.import ? importContacts(c, db, out, err) : exportContacts(c, db, out, err);
    } catch (const store::SqlError& error) {
        // The import is one transaction: nothing of it stays.
        return fail(err,
                    QStringLiteral("%1: %2: %3")
                        .arg(QDir::toNativeSeparators(path), error.className(), error.message()));
    }
}

} // namespace app

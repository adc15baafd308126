// Importing 10,000 contacts from a delimited file and exporting them again,
// as the Contacts tab's Import and Export (and "corvandine --import/--export
// contacts") do it: reading and decoding the file, the name lookups of the
// mode, the writes in one transaction; the list statement and the file
// written through its save-file. Every tenth contact holds a quoted
// semicolon, a doubled quote and a line break, so the quoting is timed too.
#include "contacts/contactexport.h"
#include "contacts/contactimport.h"
#include "contacts/contactlist.h"
#include "store/database.h"
#include "store/query.h"
#include "store/schema.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int Contacts = 10000;

struct Fixture
{
    QTemporaryDir dir;
    store::Database db;
    QString file;

    Fixture()
    {
        db.create(dir.filePath(QStringLiteral("coarc.abs")));
        store::Query general(db);
        store::Query settings(db);
        store::ArchiveEnvironment env;
        env.archiveFolder = dir.path();
        env.programFolder = dir.path();
        store::ArchiveBuilder(db, general, settings, env).build();

        QByteArray text = "Name;Company;Phone;Mobile;Skype;Fax;E-mail;Web;Address;Note;Group\r\n";
        for (int i = 0; i < Contacts; ++i) {
            const QByteArray n = QByteArray::number(i);
            const bool awkward = i % 10 == 0;
            const QByteArray company =
                awkward ? QByteArray("\"Rossi; Figli & \"\"Co\"\"\"") : QByteArray("Company " + n);
            const QByteArray address = awkward ? QByteArray("\"Via Roma " + n + "\r\n00100 Roma\"")
                                               : QByteArray("Via Po " + n);
            text += "Contact " + n + ";" + company + ";06 " + n + ";347 " + n + ";skype." + n +
                    ";;c" + n + "@example.com;www.example.com;" + address +
                    ";A note of a few words;Group " + QByteArray::number(i % 20) + "\r\n";
        }
        file = dir.filePath(QStringLiteral("contacts.csv"));
        QFile f(file);
        if (!f.open(QIODevice::WriteOnly) || f.write(text) != text.size())
            qFatal("cannot write the file");
    }
};

Fixture& fixture()
{
    static Fixture f;
    return f;
}

void importAll(benchmark::State& state, contacts::ImportMode mode, bool deleteAll)
{
    Fixture& f = fixture();
    contacts::ImportOptions options;
    options.mode = mode;
    options.skipFirstLine = true;
    options.deleteAll = deleteAll;
    options.addGroup = true;
    options.assignedGroup = QStringLiteral("Imported-2026-05-20");
    for (auto _ : state) {
        const contacts::CsvDocument doc = contacts::readCsvFile(f.file, u';');
        const contacts::ImportResult result =
            contacts::importContacts(f.db, doc.records, contacts::completeExportMapping(), options);
        if (result.written != Contacts)
            state.SkipWithError("not every contact was written");
    }
    state.SetItemsProcessed(state.iterations() * Contacts);
}

// "Delete all", then every line looked up and inserted.
void BM_ImportIntoEmptied(benchmark::State& state)
{
    importAll(state, contacts::ImportMode::SkipDuplicates, true);
}
BENCHMARK(BM_ImportIntoEmptied)->Unit(benchmark::kMillisecond);

// Every line found once among 10,000 and integrated: the slowest mode.
void BM_IntegrateIntoFull(benchmark::State& state)
{
    importAll(state, contacts::ImportMode::DataIntegration, false);
}
BENCHMARK(BM_IntegrateIntoFull)->Unit(benchmark::kMillisecond);

void BM_ReadFile(benchmark::State& state)
{
    Fixture& f = fixture();
    for (auto _ : state)
        benchmark::DoNotOptimize(contacts::readCsvFile(f.file, u';'));
    state.SetItemsProcessed(state.iterations() * Contacts);
}
BENCHMARK(BM_ReadFile)->Unit(benchmark::kMillisecond);

void exportAll(benchmark::State& state, contacts::ExportLayout layout)
{
    Fixture& f = fixture();
    const QString path = f.dir.filePath(QStringLiteral("export.csv"));
    store::Query list(f.db);
    for (auto _ : state) {
        contacts::openContactList(list, contacts::ContactFilter{});
        const QString failure = contacts::writeContactExport(
            path, contacts::exportHeader(layout), contacts::exportRows(list.rows(), layout));
        if (!failure.isEmpty() || list.recordCount() != Contacts)
            state.SkipWithError("export failed");
    }
    state.SetItemsProcessed(state.iterations() * Contacts);
}

void BM_ExportComplete(benchmark::State& state)
{
    exportAll(state, contacts::ExportLayout::Complete);
}
BENCHMARK(BM_ExportComplete)->Unit(benchmark::kMillisecond);

void BM_ExportChopped(benchmark::State& state)
{
    exportAll(state, contacts::ExportLayout::Chopped);
}
BENCHMARK(BM_ExportChopped)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

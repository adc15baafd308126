// Exporting the to-do list on 10,000 entries, as the To Do tab's Export and
// "corvandine --export todo" do it: the list statement, the rows as the file
// shows them, and the file written through its save-file. Every tenth entry
// holds a comma, a quote and a line break, so the quoting is timed too.
#include "documents/csvwriter.h"
#include "documents/exports.h"
#include "store/database.h"
#include "store/query.h"
#include "store/schema.h"
#include "todo/todolist.h"
#include "todo/todorecord.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int Entries = 10000;

struct Fixture
{
    QTemporaryDir dir;
    store::Database db;
    Fixture()
    {
        db.create(dir.filePath(QStringLiteral("coarc.abs")));
        store::Query q(db);
        q.setSql(store::schema::createToDo());
        q.execSql();
        q.setSql({QStringLiteral("ALTER TABLE CRtod63 ADD (gruppo CHAR(50))")});
        q.execSql();
        q.setSql({QStringLiteral("BEGIN")});
        q.execSql();
        for (int i = 0; i < Entries; ++i) {
            todo::ToDoEntry e;
            const bool awkward = i % 10 == 0;
            e.id = awkward ? QStringLiteral("Call \"Ann\", then entry %1").arg(i)
                           : QStringLiteral("To-do entry number %1").arg(i);
            e.note = awkward ? QStringLiteral("first line\r\nsecond line, %1").arg(i)
                             : QStringLiteral("A note of a few words, %1").arg(i);
            e.priority = 1 + i % 99;
            e.gruppo = QStringLiteral("Home");
            todo::insertEntry(q, e);
        }
        q.setSql({QStringLiteral("COMMIT")});
        q.execSql();
    }
};

Fixture& fixture()
{
    static Fixture f;
    return f;
}

void BM_ExportToDoList(benchmark::State& state)
{
    Fixture& f = fixture();
    const QString path = f.dir.filePath(QStringLiteral("To-Do.csv"));
    store::Query list(f.db);
    for (auto _ : state) {
        todo::openToDoList(list, todo::ToDoFilter{});
        const QString failure = documents::writeCsvFile(path, documents::toDoTable(list.rows()));
        if (!failure.isEmpty())
            state.SkipWithError(failure.toUtf8().constData());
    }
    state.SetItemsProcessed(state.iterations() * Entries);
}
BENCHMARK(BM_ExportToDoList)->Unit(benchmark::kMillisecond);

// The part the writer adds once the list is open.
void BM_WriteOpenList(benchmark::State& state)
{
    Fixture& f = fixture();
    const QString path = f.dir.filePath(QStringLiteral("open.csv"));
    store::Query list(f.db);
    todo::openToDoList(list, todo::ToDoFilter{});
    for (auto _ : state)
        documents::writeCsvFile(path, documents::toDoTable(list.rows()));
    state.SetItemsProcessed(state.iterations() * Entries);
}
BENCHMARK(BM_WriteOpenList)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

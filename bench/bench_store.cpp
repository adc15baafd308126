// A task list refresh through the storage contract against the same SELECT
// through the raw SQLite C API, on 10,000 task rows. Both read every column
// of every row into a QString, which is what a list view does.
#include "store/database.h"
#include "store/query.h"
#include "store/schema.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

namespace {

constexpr int Rows = 10000;
const char* const SelectText = "SELECT * FROM CRarc66 WHERE flag = \"O\" ORDER BY datefull, orario";
const char* const SelectSqlite = "SELECT * FROM CRarc66 WHERE flag = 'O' ORDER BY datefull, orario";

struct Fixture
{
    QTemporaryDir dir;
    QString path;
    Fixture()
    {
        path = dir.filePath(QStringLiteral("coarc.abs"));
        store::Database db;
        db.create(path);
        store::Query q(db);
        q.setSql(store::schema::createTasks(QStringLiteral("CRarc66")));
        q.execSql();
        q.setSql({QStringLiteral("BEGIN")});
        q.execSql();
        q.setSql({QStringLiteral("INSERT INTO CRarc66 (id, note, dayofweek, datefull, orario, "
                                 "orario2, flag, fatto, flagfatto, sospeso)"),
                  QStringLiteral("values (:id, :note, :dow, :datefull, :orario, :orario2, :flag, "
                                 ":fatto, :flagfatto, :sospeso)")});
        for (int i = 0; i < Rows; ++i) {
            q.setText(QStringLiteral("id"), QStringLiteral("Task number %1 with a description").arg(i));
            q.setText(QStringLiteral("note"), QStringLiteral("A note that is a bit longer, %1").arg(i));
            q.setText(QStringLiteral("dow"), QStringLiteral("Monday"));
            q.setDate(QStringLiteral("datefull"), QDate(2026, 1, 1).addDays(i % 700));
            q.setText(QStringLiteral("orario"), QStringLiteral("%1:30").arg(i % 24, 2, 10, QLatin1Char('0')));
            q.setText(QStringLiteral("orario2"), QStringLiteral("23:00"));
            q.setText(QStringLiteral("flag"), QStringLiteral("O"));
            q.setDate(QStringLiteral("fatto"), QDate(1700, 1, 1));
            q.setText(QStringLiteral("flagfatto"), QStringLiteral("N"));
            q.setText(QStringLiteral("sospeso"), QStringLiteral("N"));
            q.execSql();
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

void contractSelect(benchmark::State& state)
{
    store::Database db;
    db.open(fixture().path);
    store::Query q(db);
    q.addSql(QString::fromUtf8(SelectText));
    for (auto _ : state) {
        q.open();
        const QStringList names = q.fieldNames();
        qsizetype chars = 0;
        for (q.first(); !q.eof(); q.next()) {
            for (const QString& name : names)
                chars += q.fieldByName(name).asString().size();
        }
        benchmark::DoNotOptimize(chars);
        if (q.recordCount() != Rows)
            state.SkipWithError("wrong row count");
    }
}

// The raw loop, on a connection opened as SQLite opens it by default, or
// without the per-call connection mutex as the contract opens it.
void rawSqliteSelect(benchmark::State& state, int extraFlags)
{
    sqlite3* db = nullptr;
    sqlite3_open_v2(QFile::encodeName(fixture().path).constData(), &db,
                    SQLITE_OPEN_READWRITE | extraFlags, nullptr);
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, SelectSqlite, -1, &stmt, nullptr);
    for (auto _ : state) {
        qsizetype chars = 0;
        int rows = 0;
        const int columns = sqlite3_column_count(stmt);
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            ++rows;
            for (int c = 0; c < columns; ++c) {
                const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, c));
                chars += QString::fromUtf8(text, sqlite3_column_bytes(stmt, c)).size();
            }
        }
        sqlite3_reset(stmt);
        benchmark::DoNotOptimize(chars);
        if (rows != Rows)
            state.SkipWithError("wrong row count");
    }
    sqlite3_finalize(stmt);
    sqlite3_close(db);
}

} // namespace

BENCHMARK(contractSelect)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(rawSqliteSelect, defaultMode, 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(rawSqliteSelect, noMutex, SQLITE_OPEN_NOMUTEX)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// The day selection on generated archives of 1,000, 10,000 and 100,000
// tasks: one day of the daily view, and the 32 consecutive selections with
// which the side calendar marks a month.
#include "taskgenerator.h"

#include "calendar/dayselection.h"
#include "store/database.h"
#include "store/query.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <map>
#include <memory>

namespace {

const QLocale english(QLocale::English, QLocale::UnitedStates);

// One archive per size, generated once per run.
const QString& archiveOf(int tasks)
{
    static QTemporaryDir folder;
    static std::map<int, QString> paths;
    auto it = paths.find(tasks);
    if (it == paths.end()) {
        const QString path = folder.filePath(QStringLiteral("coarc-%1.abs").arg(tasks));
        bench::writeArchive(path, tasks, 4711, english);
        it = paths.emplace(tasks, path).first;
    }
    return it->second;
}

// A Wednesday in the middle of the generated years.
const QDate day(2026, 6, 17);

void oneDay(benchmark::State& state)
{
    store::Database db;
    db.open(archiveOf(int(state.range(0))));
    store::Query q(db);
    if (!qEnvironmentVariableIsSet("BENCH_NO_TUNING"))
        calendar::tuneForDaySelections(q);
    int rows = 0;
    for (auto _ : state) {
        calendar::buildDaySelection(q, calendar::DaySelection::DailyView, day, english);
        rows = q.recordCount();
        benchmark::DoNotOptimize(rows);
    }
    state.counters["tasks listed"] = rows;
}

void monthOfDays(benchmark::State& state)
{
    store::Database db;
    db.open(archiveOf(int(state.range(0))));
    store::Query q(db);
    if (!qEnvironmentVariableIsSet("BENCH_NO_TUNING"))
        calendar::tuneForDaySelections(q);
    const QDate first(2026, 6, 1);
    int rows = 0;
    for (auto _ : state) {
        rows = 0;
        for (int i = 0; i < 32; ++i) {
            calendar::buildDaySelection(q, calendar::DaySelection::DailyView, first.addDays(i),
                                        english);
            rows += q.recordCount();
        }
        benchmark::DoNotOptimize(rows);
    }
    state.counters["tasks listed"] = rows;
}

} // namespace

BENCHMARK(oneDay)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(monthOfDays)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

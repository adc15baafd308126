// Marking a month of the side calendar on a generated 10,000-task archive:
// the whole month (32 statements) under each kind of choice, and one turn of
// the event loop as the side panel runs it.
#include "taskgenerator.h"

#include "calendar/calendarmarking.h"
#include "calendar/dayselection.h"
#include "store/database.h"
#include "store/query.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int Tasks = 10000;
const QLocale english(QLocale::English, QLocale::UnitedStates);
const QDate June(2026, 6, 17);

const QString& archive()
{
    static QTemporaryDir folder;
    static const QString path = [] {
        const QString p = folder.filePath(QStringLiteral("coarc.abs"));
        bench::writeArchive(p, Tasks, 4711, english);
        return p;
    }();
    return path;
}

struct OpenArchive
{
    store::Database db;
    store::Query query{db};
    OpenArchive()
    {
        db.open(archive());
        calendar::tuneForDaySelections(query);
    }
};

using calendar::MarkKind;

// Argument: 0 all kinds, 1 weekly highlighted, 2 weekly excluded, 3 all
// kinds with suspended tasks shown.
calendar::MarkingChoice choiceOf(int64_t arg)
{
    switch (arg) {
    case 1:
        return {MarkKind::Weekly, MarkKind::Any, false};
    case 2:
        return {MarkKind::Any, MarkKind::Weekly, false};
    case 3:
        return {MarkKind::Any, MarkKind::Any, true};
    default:
        return {};
    }
}

void wholeMonth(benchmark::State& state)
{
    OpenArchive a;
    const calendar::MarkingChoice choice = choiceOf(state.range(0));
    int lighted = 0;
    for (auto _ : state) {
        lighted = calendar::markCalendarDays(a.query, June, choice, english).lighted.count();
        benchmark::DoNotOptimize(lighted);
    }
    state.counters["days lighted"] = lighted;
}

void oneTurn(benchmark::State& state)
{
    OpenArchive a;
    calendar::MonthMarker marker(a.query, english);
    for (auto _ : state) {
        state.PauseTiming();
        marker.start(June, {});
        state.ResumeTiming();
        marker.markTurn();
    }
}

} // namespace

BENCHMARK(wholeMonth)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(oneTurn)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

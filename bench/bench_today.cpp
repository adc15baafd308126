// Refreshing the Today tab on a day of a 10,000-task archive: the day's
// selection with the model reset alone, then the whole tab (selection,
// reset, buttons, selection restored), then the tab refreshed and painted.
#include "taskgenerator.h"

#include "shared/appstate.h"
#include "calendar/dailymodel.h"
#include "calendar/dailyview.h"
#include "calendar/dayselection.h"
#include "calendar/tasktexts.h"
#include "calendar/ui/today/todayview.h"
#include "platform/testing/manualclock.h"
#include "platform/testing/recordingdesktop.h"
#include "platform/testing/scriptedprompter.h"
#include "store/database.h"
#include "store/query.h"
#include "store/settings.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int Tasks = 10000;
// A Wednesday in the middle of the generated years; the runs walk a week.
const QDate FirstDay(2026, 6, 17);

const QString& archive()
{
    static QTemporaryDir folder;
    static const QString path = [] {
        const QString p = folder.filePath(QStringLiteral("coarc.abs"));
        bench::writeArchive(p, Tasks, 4711, calendar::taskLocale());
        return p;
    }();
    return path;
}

struct OpenArchive
{
    store::Database db;
    store::Query general{db};
    OpenArchive()
    {
        db.open(archive());
        calendar::tuneForDaySelections(general);
    }
};

void selectionAndModelReset(benchmark::State& state)
{
    OpenArchive a;
    calendar::DailyView view(a.db, calendar::taskLocale());
    calendar::DailyModel model(view);
    int day = 0;
    for (auto _ : state) {
        model.refresh(FirstDay.addDays(day++ % 7), false);
        benchmark::DoNotOptimize(model.rowCount());
    }
    state.counters["tasks listed"] = model.rowCount();
}

struct Tab
{
    OpenArchive a;
    store::Settings settings{a.db};
    platform::ScriptedPrompter prompter;
    platform::ManualClock clock{QDateTime(FirstDay, QTime(9, 0))};
    platform::RecordingDesktop desktop;
    shared::Services services{prompter, clock, desktop};
    shared::AppState state;
    std::unique_ptr<calendar::ui::TodayView> view;
    Tab()
    {
        settings.load();
        view = std::make_unique<calendar::ui::TodayView>(a.db, settings, services, state);
        view->resize(670, 592);
        view->show();
        view->selectRow(5);
    }
};

void todayRefresh(benchmark::State& state)
{
    Tab tab;
    int day = 0;
    for (auto _ : state)
        tab.view->setShownDate(FirstDay.addDays(day++ % 7));
    state.counters["tasks listed"] = tab.view->model().rowCount();
}

void todayRefreshAndPaint(benchmark::State& state)
{
    Tab tab;
    int day = 0;
    for (auto _ : state) {
        tab.view->setShownDate(FirstDay.addDays(day++ % 7));
        benchmark::DoNotOptimize(tab.view->grab());
    }
    state.counters["tasks listed"] = tab.view->model().rowCount();
}

} // namespace

BENCHMARK(selectionAndModelReset)->Unit(benchmark::kMillisecond);
BENCHMARK(todayRefresh)->Unit(benchmark::kMillisecond);
BENCHMARK(todayRefreshAndPaint)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// The one-shot report of 10,000 tasks printed to PDF, as "corvandine
// --report oneshot" and the Print menu's PDF printer do it: the section's
// list statement, the report rows, and every page painted and written.
// Every tenth task carries a three-line note, so rows that grow are timed.
#include "calendar/sectionlist.h"
#include "calendar/taskrecord.h"
#include "documents/reports.h"
#include "documents/ui/reportpainter.h"
#include "store/database.h"
#include "store/query.h"
#include "store/schema.h"

#include <QGuiApplication>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int Tasks = 10000;

struct Fixture
{
    QTemporaryDir dir;
    store::Database db;
    QLocale locale{QLocale::English, QLocale::UnitedStates};
    Fixture()
    {
        db.create(dir.filePath(QStringLiteral("coarc.abs")));
        store::Query general(db);
        store::Query settings(db);
        store::ArchiveEnvironment env;
        env.archiveFolder = env.programFolder = dir.path();
        store::ArchiveBuilder(db, general, settings, env).build();
        general.setSql({QStringLiteral("BEGIN")});
        general.execSql();
        calendar::TaskWriter writer(general, locale);
        const QDate first(2026, 1, 1);
        for (int i = 0; i < Tasks; ++i) {
            calendar::TaskDraft d;
            d.description =
                QStringLiteral("Appointment number %1 with a longer description").arg(i);
            d.note = i % 10 == 0
                         ? QStringLiteral("first line\r\nsecond line\r\nthird line %1").arg(i)
                         : QStringLiteral("A short note %1").arg(i);
            d.date = d.expiry = first.addDays(i % 700);
            d.from = QStringLiteral("09:30");
            d.to = QStringLiteral("10:00");
            writer.insert(QStringLiteral("O"), d, first);
        }
        general.setSql({QStringLiteral("COMMIT")});
        general.execSql();
    }
};

Fixture& fixture()
{
    static Fixture f;
    return f;
}

void BM_OneShotReportToPdf(benchmark::State& state)
{
    Fixture& f = fixture();
    const QString path = f.dir.filePath(QStringLiteral("oneshot.pdf"));
    const calendar::DatePatterns patterns{QStringLiteral("dd/mm/yyyy"), QStringLiteral("d mmmm"),
                                          f.locale};
    store::Query list(f.db);
    int pages = 0;
    for (auto _ : state) {
        calendar::SectionFilter filter;
        filter.descending = true;
        calendar::openSectionList(list, filter);
        documents::ReportContent report =
            documents::sectionReport(documents::ReportKind::OneShot, list.rows(), patterns);
        QPdfWriter pdf(path);
        pdf.setResolution(300);
        pages = documents::ui::paintReport(report, pdf);
    }
    state.counters["pages"] = pages;
    state.counters["pages_per_s"] =
        benchmark::Counter(double(pages) * double(state.iterations()), benchmark::Counter::kIsRate);
    state.SetItemsProcessed(state.iterations() * Tasks);
}
BENCHMARK(BM_OneShotReportToPdf)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

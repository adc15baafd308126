#include "taskgenerator.h"

#include "calendar/dayselection.h"
#include "calendar/taskrecord.h"
#include "calendar/tasktexts.h"
#include "store/database.h"
#include "store/query.h"
#include "store/schema.h"

#include <QFileInfo>
#include <QRandomGenerator>

namespace bench {

void generateTasks(int count, quint32 seed, const std::function<void(const GeneratedTask&)>& sink)
{
    QRandomGenerator random(seed);
    const auto below = [&random](int n) { return int(random.bounded(n)); };
    const QDate start = generationStart();
    const int span = int(start.daysTo(start.addYears(5)));
    static const char* const words[] = {"call", "meeting", "dentist", "report", "gym", "lunch",
                                        "invoice", "review", "train", "school", "visit", "backup"};
    for (int i = 0; i < count; ++i) {
        GeneratedTask t;
        const int share = below(100);
        t.kind = QString::fromLatin1(share < 40 ? "O" : share < 65 ? "W" : share < 85 ? "M" : "Y");
        t.description = QString::fromLatin1(words[below(12)]) + u' ' + QString::number(i);
        if (below(4) == 0) {
            t.from = QStringLiteral("  :  ");
            t.to = t.from;
        } else {
            const int hour = 7 + below(13);
            t.from = QStringLiteral("%1:%2").arg(hour, 2, 10, QLatin1Char('0')).arg(below(4) * 15, 2, 10, QLatin1Char('0'));
            t.to = QStringLiteral("%1:00").arg(hour + 1, 2, 10, QLatin1Char('0'));
        }
        t.suspended = below(100) < 3;
        if (t.kind == QLatin1String("O")) {
            t.date = start.addDays(below(span));
            if (below(10) == 0)
                t.expiry = t.date.addDays(1 + below(14));
        } else if (t.kind == QLatin1String("Y")) {
            t.date = QDate(1950 + below(70), 1, 1).addDays(below(365));
            t.countYears = below(3) == 0;
        } else {
            t.date = start.addDays(below(span / 5));
            t.everyOther = below(5) == 0;
        }
        sink(t);
    }
}

void writeArchive(const QString& path, int count, quint32 seed, const QLocale& locale)
{
    store::Database db;
    db.create(path);
    store::Query general(db);
    store::Query settings(db);
    store::ArchiveEnvironment env;
    env.archiveFolder = QFileInfo(path).path();
    env.programFolder = env.archiveFolder;
    store::ArchiveBuilder(db, general, settings, env).build();
    // BENCH_NO_INDEXES=1 times the engine as it was before the indexes.
    if (!qEnvironmentVariableIsSet("BENCH_NO_INDEXES"))
        calendar::ensureDaySelectionIndexes(general);

    general.setSql({QStringLiteral("BEGIN")});
    general.execSql();
    calendar::TaskWriter writer(general, locale);
    const QDate shown = generationStart();
    int written = 0;
    generateTasks(count, seed, [&](const GeneratedTask& t) {
        calendar::TaskDraft d;
        d.description = t.description;
        d.from = t.from;
        d.to = t.to;
        d.date = t.date;
        d.expires = t.expiry.isValid();
        d.expiry = t.expiry.isValid() ? t.expiry : t.date;
        d.everyOther = t.everyOther;
        d.countYears = t.countYears;
        d.suspended = t.suspended;
        writer.insert(t.kind, d, shown);
        ++written;
    });
    general.setSql({QStringLiteral("COMMIT")});
    general.execSql();
    // Some tasks were checked done once: it changes nothing for the daily
    // view but keeps the done columns realistic.
    general.setSql({QStringLiteral("UPDATE CRarc66 SET fatto = datefull, flagfatto = \"Y\" "
                                   "WHERE codimp % 7 = 0")});
    general.execSql();
}

} // namespace bench

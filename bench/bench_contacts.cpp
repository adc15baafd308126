// The Contacts tab on an archive of 10,000 contacts (beside 10,000 tasks,
// one contact in ten with a birthday): reloading the list as a search does,
// and moving the card from contact to contact as the arrow keys do.
#include "calendar/tasktexts.h"
#include "contacts/ui/contactspage.h"
#include "platform/testing/manualclock.h"
#include "platform/testing/recordingdesktop.h"
#include "platform/testing/scriptedprompter.h"
#include "shared/appstate.h"
#include "store/database.h"
#include "store/query.h"
#include "store/settings.h"
#include "store/transaction.h"
#include "taskgenerator.h"

#include <QApplication>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int Contacts = 10000;
constexpr int Tasks = 10000;

QString word(QRandomGenerator& random, int letters)
{
    QString out;
    for (int i = 0; i < letters; ++i)
        out += QChar(u'a' + random.bounded(26));
    out[0] = random.bounded(3) == 0 ? out[0] : out[0].toUpper();
    return out;
}

void addContacts(const QString& path)
{
    store::Database db;
    db.open(path);
    store::Transaction transaction(db);
    QRandomGenerator random(4711);
    store::Query insert(db);
    insert.setSql({QStringLiteral("INSERT INTO CRcon63 (ragsoc, company, gruppo, tel, mobile, "
                                  "email, site, indirizzo, note) VALUES (:ragsoc, :company, "
                                  ":gruppo, :tel, :mobile, :email, :site, :indirizzo, :note)")});
    store::Query birthday(db);
    birthday.setSql({QStringLiteral("UPDATE CRarc66 SET dayindex = :c WHERE codimp IN (SELECT "
                                    "codimp FROM CRarc66 WHERE flag = \"Y\" AND dayindex IS NULL "
                                    "LIMIT 1)")});
    for (int i = 0; i < Contacts; ++i) {
        const QString name = word(random, 6) + u' ' + word(random, 8);
        insert.setText(QStringLiteral("ragsoc"), name);
        insert.setText(QStringLiteral("company"), word(random, 7));
        insert.setText(QStringLiteral("gruppo"), QStringLiteral("Group %1").arg(i % 12));
        insert.setText(QStringLiteral("tel"), QString::number(random.bounded(100000, 999999)));
        insert.setText(QStringLiteral("mobile"), QString::number(random.bounded(100000, 999999)));
        insert.setText(QStringLiteral("email"), word(random, 5) + QStringLiteral("@example.org"));
        insert.setText(QStringLiteral("site"),
                       i % 3 ? QString() : QStringLiteral("www.example.org"));
        insert.setText(QStringLiteral("indirizzo"), QStringLiteral("Via Roma %1\r\nMilano").arg(i));
        insert.setText(QStringLiteral("note"), i % 4 ? QString() : word(random, 40));
        insert.execSql();
        if (i % 10 == 0) {
            birthday.setInteger(QStringLiteral("c"), insert.insertedKey());
            birthday.execSql();
        }
    }
    transaction.commit();
}

const QString& archive()
{
    static QTemporaryDir folder;
    static const QString path = [] {
        const QString p = folder.filePath(QStringLiteral("coarc.abs"));
        bench::writeArchive(p, Tasks, 4711, calendar::taskLocale());
        addContacts(p);
        return p;
    }();
    return path;
}

struct Tab
{
    store::Database db;
    store::Settings settings{db};
    platform::ScriptedPrompter prompter;
    platform::ManualClock clock{QDateTime(QDate(2026, 6, 17), QTime(9, 0))};
    platform::RecordingDesktop desktop;
    shared::Services services{prompter, clock, desktop};
    shared::AppState state;
    std::unique_ptr<contacts::ui::ContactsPage> page;
    Tab()
    {
        db.open(archive());
        settings.load();
        page = std::make_unique<contacts::ui::ContactsPage>(db, settings, services, state);
        page->resize(1000, 600);
        page->show();
        page->selectRow(0);
        page->drawCardNow();
    }
};

void contactsRefresh(benchmark::State& state)
{
    Tab tab;
    for (auto _ : state)
        tab.page->refreshList();
    state.counters["contacts listed"] = tab.page->list().rowCount();
}

// A typed search: the list shrinks to the names holding two letters.
void contactsSearch(benchmark::State& state)
{
    Tab tab;
    tab.page->list().filter().text = QStringLiteral("ro");
    auto* find = tab.page->findChild<QWidget*>(QStringLiteral("Edit_ragsoc"));
    int i = 0;
    for (auto _ : state)
        find->setProperty("text", i++ % 2 ? QStringLiteral("ro") : QStringLiteral("ra"));
    state.counters["contacts listed"] = tab.page->list().rowCount();
}

void cardMove(benchmark::State& state)
{
    Tab tab;
    int row = 0;
    for (auto _ : state) {
        tab.page->selectRow(++row % Contacts);
        tab.page->drawCardNow();
    }
}

void cardMoveAndPaint(benchmark::State& state)
{
    Tab tab;
    int row = 0;
    for (auto _ : state) {
        tab.page->selectRow(++row % Contacts);
        tab.page->drawCardNow();
        benchmark::DoNotOptimize(tab.page->grab());
    }
}

} // namespace

BENCHMARK(contactsRefresh)->Unit(benchmark::kMillisecond);
BENCHMARK(contactsSearch)->Unit(benchmark::kMillisecond);
BENCHMARK(cardMove)->Unit(benchmark::kMillisecond);
BENCHMARK(cardMoveAndPaint)->Unit(benchmark::kMillisecond);

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

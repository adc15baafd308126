// The Notes tab on an archive of 10,000 notes (a few lines each, in 12
// groups) and one note of a megabyte: reloading the list as a search or a
// group change does, and loading the large note into the editor.
#include "calendar/tasktexts.h"
#include "notes/notelist.h"
#include "notes/ui/noteeditor.h"
#include "notes/ui/notestab.h"
#include "platform/testing/manualclock.h"
#include "platform/testing/recordingdesktop.h"
#include "platform/testing/scriptedprompter.h"
#include "shared/appstate.h"
#include "shared/sectioncounter.h"
#include "store/database.h"
#include "store/query.h"
#include "store/settings.h"
#include "store/transaction.h"
#include "taskgenerator.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int Notes = 10000;
constexpr qsizetype LargeNote = 1024 * 1024;

QString words(QRandomGenerator& random, int count)
{
    QString out;
    for (int w = 0; w < count; ++w) {
        const int letters = 2 + random.bounded(8);
        for (int i = 0; i < letters; ++i)
            out += QChar(u'a' + random.bounded(26));
        out += w % 12 == 11 ? QStringLiteral("\r\n") : QStringLiteral(" ");
    }
    return out;
}

// Lines of some 70 characters, as prose is typed.
QString largeText(QRandomGenerator& random)
{
    QString out;
    out.reserve(LargeNote + 100);
    while (out.size() < LargeNote)
        out += words(random, 12);
    out.truncate(LargeNote);
    return out;
}

void addNotes(const QString& path)
{
    store::Database db;
    db.open(path);
    store::Transaction transaction(db);
    QRandomGenerator random(4711);
    store::Query insert(db);
    insert.setSql({QStringLiteral("INSERT INTO CRnot80 (id, note, gruppo) VALUES (:id, :note, "
                                  ":gruppo)")});
    for (int i = 0; i < Notes; ++i) {
        insert.setText(QStringLiteral("id"), words(random, 3).trimmed());
        insert.setText(QStringLiteral("note"), words(random, 20 + random.bounded(100)));
        insert.setText(QStringLiteral("gruppo"),
                       i % 13 ? QStringLiteral("Group %1").arg(i % 12) : QString());
        insert.execSql();
    }
    insert.setText(QStringLiteral("id"), QStringLiteral("Large"));
    insert.setText(QStringLiteral("note"), largeText(random));
    insert.setText(QStringLiteral("gruppo"), QString());
    insert.execSql();
    transaction.commit();
}

const QString& archive()
{
    static QTemporaryDir folder;
    static const QString path = [] {
        const QString p = folder.filePath(QStringLiteral("coarc.abs"));
        bench::writeArchive(p, 100, 4711, calendar::taskLocale());
        addNotes(p);
        return p;
    }();
    return path;
}

struct Tab
{
    store::Database db;
    store::Settings settings{db};
    platform::ScriptedPrompter prompter;
    platform::ManualClock clock;
    platform::RecordingDesktop desktop;
    shared::Services services{prompter, clock, desktop};
    shared::AppState state;
    std::unique_ptr<notes::ui::NotesTab> tab;
    Tab()
    {
        db.open(archive());
        settings.load();
        tab = std::make_unique<notes::ui::NotesTab>(db, settings, services, state);
        tab->resize(1000, 600);
        tab->show();
        QApplication::processEvents();
    }
    int largeRow() const
    {
        const store::ResultSet& rows = tab->list().rows();
        const int id = rows.columnIndex(QStringLiteral("id"));
        for (int row = 0; row < rows.rowCount(); ++row) {
            if (rows.text(row, id) == QLatin1String("Large"))
                return row;
        }
        return -1;
    }
};

void notesRefresh(benchmark::State& state)
{
    Tab t;
    for (auto _ : state)
        t.tab->refreshNoteList();
    state.counters["notes listed"] = t.tab->list().recordCount();
}

// The parts of a refresh: the list statement, and the total of the counter.
void notesListStatement(benchmark::State& state)
{
    Tab t;
    store::Query list(t.db);
    for (auto _ : state)
        notes::openNoteList(list, {});
}

void notesCounter(benchmark::State& state)
{
    Tab t;
    store::Query general(t.db);
    for (auto _ : state)
        benchmark::DoNotOptimize(shared::updateSectionCounter(general, u'N', 1));
}

// A typed search through titles and texts: every key runs the statement.
void notesSearch(benchmark::State& state)
{
    Tab t;
    auto* find = t.tab->findChild<QLineEdit*>(QStringLiteral("Edit_Filtrafile"));
    int i = 0;
    for (auto _ : state) {
        find->setText(i++ % 2 ? QStringLiteral("ab") : QStringLiteral("ac"));
        t.tab->refreshNoteList();
    }
    state.counters["notes listed"] = t.tab->list().recordCount();
}

// Moving onto the megabyte note: its text goes into the editor, which
// draws its first screen.
void loadLargeNote(benchmark::State& state)
{
    Tab t;
    const int large = t.largeRow();
    for (auto _ : state) {
        t.tab->selectRow(large == 0 ? 1 : 0);
        t.tab->selectRow(large);
        benchmark::DoNotOptimize(t.tab->editor()->editor()->viewport()->grab());
    }
    state.counters["characters"] = double(t.tab->editor()->plainText().size());
}

// One key typed into the megabyte note: the comparison with the stored
// text that decides "Update file".
void typeInLargeNote(benchmark::State& state)
{
    Tab t;
    t.tab->selectRow(t.largeRow());
    QPlainTextEdit* editor = t.tab->editor()->editor();
    editor->moveCursor(QTextCursor::End);
    for (auto _ : state)
        editor->insertPlainText(QStringLiteral("x"));
}

} // namespace

BENCHMARK(notesRefresh)->Unit(benchmark::kMillisecond);
BENCHMARK(notesListStatement)->Unit(benchmark::kMillisecond);
BENCHMARK(notesCounter)->Unit(benchmark::kMillisecond);
BENCHMARK(notesSearch)->Unit(benchmark::kMillisecond);
BENCHMARK(loadLargeNote)->Unit(benchmark::kMillisecond);
BENCHMARK(typeInLargeNote)->Unit(benchmark::kMillisecond);

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

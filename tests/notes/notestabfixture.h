#pragma once

#include "notes/ui/noteeditor.h"
#include "notes/ui/notestab.h"
#include "notesarchive.h"
#include "platform/testing/manualclock.h"
#include "platform/testing/recordingdesktop.h"
#include "platform/testing/scriptedprompter.h"
#include "shared/appstate.h"
#include "store/settings.h"

#include <QPlainTextEdit>
#include <QTableView>
#include <QToolButton>

// The real Notes tab on a real archive, with the desktop's services
// answered by doubles. Notes are written before the tab is made.
struct NotesTabFixture
{
    NotesArchive archive;
    platform::ScriptedPrompter prompter;
    platform::ManualClock clock{QDateTime(QDate(2026, 12, 9), QTime(8, 5, 3))};
    platform::RecordingDesktop desktop;
    shared::Services services{prompter, clock, desktop};
    shared::AppState state;
    store::Settings settings{archive.db};
    std::unique_ptr<notes::ui::NotesTab> tab;

    notes::ui::NotesTab& make()
    {
        settings.load();
        tab = std::make_unique<notes::ui::NotesTab>(archive.db, settings, services, state);
        tab->resize(900, 500);
        tab->show();
        [&] { QVERIFY(QTest::qWaitForWindowExposed(tab.get())); }();
        return *tab;
    }

    template <typename T> T* child(const char* name) const
    {
        T* found = tab->findChild<T*>(QLatin1String(name));
        [&] { QVERIFY2(found, name); }();
        return found;
    }
    QTableView* grid() const { return child<QTableView>("DBGrid_Note"); }
    QPlainTextEdit* editor() const { return child<QPlainTextEdit>("Editor"); }
    QToolButton* button(const char* name) const { return child<QToolButton>(name); }
    bool updateEnabled() const { return button("SpeedButtonUpdate")->isEnabled(); }
    QString titleBar() const;

    // The stored text of a note, by title.
    QString stored(const QString& title)
    {
        store::Query q(archive.db);
        q.setSql({QStringLiteral("SELECT * FROM CRnot80 WHERE id = :id")});
        q.setText(QStringLiteral("id"), title);
        q.open();
        return q.eof() ? QString() : q.fieldByName(QStringLiteral("note")).asString();
    }
    QStringList titles()
    {
        return archive.column(QStringLiteral("SELECT * FROM CRnot80 ORDER BY codnot"));
    }
    QStringList listed() const
    {
        QStringList out;
        for (int row = 0; row < grid()->model()->rowCount(); ++row)
            out << grid()->model()->index(row, 0).data().toString();
        return out;
    }
};

#pragma once

#include "app/mainwindow.h"
#include "platform/testing/fakeworkarea.h"
#include "platform/testing/manualclock.h"
#include "platform/testing/recordingdesktop.h"
#include "platform/testing/recordingprinter.h"
#include "platform/testing/recordingdesktopentries.h"
#include "platform/testing/recordingsoundplayer.h"
#include "platform/testing/scriptedprompter.h"
#include "shared/appstate.h"
#include "store/database.h"
#include "store/query.h"

#include <QTemporaryDir>
#include <QtTest>
#include <memory>

// The real main window on an archive of its own in a temporary program
// folder, with the desktop services answered by doubles.
struct MainWindowRig
{
    QTemporaryDir dir;
    platform::ScriptedPrompter prompter;
    platform::ManualClock clock;
    platform::RecordingDesktop desktop;
    platform::RecordingSoundPlayer sound;
    platform::FakeWorkArea workArea;
    platform::RecordingPrinter printer;
    // The session's autostart, the launcher, the tools and the drive: never
    // the user's own.
    platform::FakeAutostart autostart;
    platform::FakeDesktopLauncher launcher;
    platform::RecordingDesktopTools tools;
    platform::FakeProgramDrive drive;
    shared::AppState state;
    store::Database db;
    std::unique_ptr<app::TMainForm> window;

    MainWindowRig() { state.programFolder = dir.path(); }
    ~MainWindowRig() { window.reset(); }

    app::TMainForm& make()
    {
        window = std::make_unique<app::TMainForm>(
            state, shared::Services{prompter, clock, desktop, &sound, &workArea, nullptr, &printer},
            db);
        window->setDesktopEntries({&autostart, &launcher, &tools, &drive});
        return *window;
    }

    // Builds the archive once, runs `sql` on it, and leaves the rig as before
    // the first start.
    void preset(const QStringList& sql)
    {
        QVERIFY(!make().formCreate({}));
        for (const QString& statement : sql) {
            store::Query q(db);
            q.setSql({statement});
            q.execSql();
        }
        window.reset();
        db.close();
        prompter = platform::ScriptedPrompter();
        state = shared::AppState();
        state.programFolder = dir.path();
    }

    // A started window, shown, with the settings row changed by `assignments`
    // and, when `task` is given, a one-shot task of today with that
    // description and search key.
    app::TMainForm& shown(const QString& assignments = QStringLiteral("minimized = \"N\""),
                          const QString& task = QString(), const QString& searchKey = QString())
    {
        preset({QStringLiteral("UPDATE CRset63 SET ") + assignments});
        if (!task.isEmpty()) {
            db.open(dir.filePath(QStringLiteral("myarcs/coarc.abs")));
            store::Query q(db);
            q.setSql({QStringLiteral("INSERT INTO CRarc66 (id, ricerca, flag, datefull, orario, "
                                     "sospeso, flagscad, flagfatto, fatto) values (:id, :key, "
                                     "\"O\", :d, \"10:00\", \"N\", \"N\", \"N\", :never)")});
            q.setText(QStringLiteral("id"), task);
            q.setText(QStringLiteral("key"), searchKey);
            q.setDate(QStringLiteral("d"), clock.today());
            q.setDate(QStringLiteral("never"), clock.today().addDays(-150000));
            q.execSql();
            db.close();
        }
        app::TMainForm& w = make();
        [&] { QVERIFY(!w.formCreate({})); }();
        [&] { QTRY_VERIFY(w.isVisible()); }();
        return w;
    }
};

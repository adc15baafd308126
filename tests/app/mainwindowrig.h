#pragma once

#include "app/mainwindow.h"
#include "platform/testing/fakeworkarea.h"
#include "platform/testing/manualclock.h"
#include "platform/testing/recordingdesktop.h"
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
    shared::AppState state;
    store::Database db;
    std::unique_ptr<app::TMainForm> window;

    MainWindowRig() { state.programFolder = dir.path(); }
    ~MainWindowRig() { window.reset(); }

    app::TMainForm& make()
    {
        window = std::make_unique<app::TMainForm>(
            state, shared::Services{prompter, clock, desktop, &sound, &workArea}, db);
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

    // A started window, shown, with the settings row changed by `assignments`.
    app::TMainForm& shown(const QString& assignments = QStringLiteral("minimized = \"N\""),
                          const QStringList& more = {})
    {
        preset(QStringList{QStringLiteral("UPDATE CRset63 SET ") + assignments} + more);
        app::TMainForm& w = make();
        [&] { QVERIFY(!w.formCreate({})); }();
        [&] { QTRY_VERIFY(w.isVisible()); }();
        return w;
    }
};

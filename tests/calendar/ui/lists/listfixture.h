#pragma once

#include "archivefixture.h"

#include "app/appstate.h"
#include "calendar/tasktexts.h"
#include "calendar/ui/lists/tasklisttab.h"
#include "platform/testing/manualclock.h"
#include "platform/testing/recordingdesktop.h"
#include "platform/testing/scriptedprompter.h"
#include "store/settings.h"

#include <QRandomGenerator>
#include <QTableView>

// A real archive with the services a section tab needs: a clock standing on
// Wednesday 20 May 2026 and a prompter whose answers the test queues. Tasks
// are written in the locale the tabs search with, as the dialogs write them.
struct ListFixture
{
    static QDate day() { return QDate(2026, 5, 20); }

    ArchiveFixture archive;
    store::Settings settings{archive.db};
    platform::ScriptedPrompter prompter;
    platform::ManualClock clock{QDateTime(day(), QTime(9, 0))};
    platform::RecordingDesktop desktop;
    app::Services services{prompter, clock, desktop};
    app::AppState state;
    QRandomGenerator generator{42};

    ListFixture() { settings.load(); }

    std::unique_ptr<calendar::ui::TaskListTab> tab(QChar kind)
    {
        auto t = std::make_unique<calendar::ui::TaskListTab>(archive.db, settings, services, state,
                                                             kind);
        t->setSuffixGenerator(&generator);
        t->resize(670, 560);
        return t;
    }

    qint64 add(const QString& kind, const QDate& date, const QString& description,
               const QString& note = QString())
    {
        calendar::TaskDraft d = draftOn(date, description);
        d.note = note;
        calendar::TaskWriter(*archive.general, calendar::taskLocale()).insert(kind, d, day());
        return archive.lastKey();
    }

    template <typename T>
    static T* find(const QWidget& parent, const char* name)
    {
        T* child = parent.findChild<T*>(QString::fromLatin1(name));
        if (!child)
            qFatal("no child %s", name);
        return child;
    }

    // The descriptions as the tab's grid lists them.
    static QStringList listed(const QWidget& tab)
    {
        const auto* grid = tab.findChild<QTableView*>();
        QStringList out;
        for (int row = 0; row < grid->model()->rowCount(); ++row)
            out << grid->model()->index(row, 3).data().toString();
        return out;
    }
};

#pragma once

#include "archivefixture.h"

#include "shared/appstate.h"
#include "calendar/tasktexts.h"
#include "platform/testing/manualclock.h"
#include "platform/testing/recordingdesktop.h"
#include "platform/testing/scriptedprompter.h"
#include "store/settings.h"

// A real archive with what the task calendar's widgets need around them: a
// clock standing on Wednesday 20 May 2026, a prompter whose answers the test
// queues, and the settings row read. Tasks are written in the locale the
// widgets select with, as the dialogs write them.
struct WindowFixture
{
    static QDate day() { return QDate(2026, 5, 20); }

    ArchiveFixture archive;
    store::Settings settings{archive.db};
    platform::ScriptedPrompter prompter;
    platform::ManualClock clock{QDateTime(day(), QTime(9, 0))};
    platform::RecordingDesktop desktop;
    shared::Services services;
    shared::AppState state;

    explicit WindowFixture(platform::Prompter* otherPrompter = nullptr)
        : services{otherPrompter ? *otherPrompter : prompter, clock, desktop}
    {
        settings.load();
    }

    // Writes a task and returns its key.
    qint64 write(const QString& kind, const calendar::TaskDraft& draft)
    {
        calendar::TaskWriter(*archive.general, calendar::taskLocale()).insert(kind, draft, day());
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
};

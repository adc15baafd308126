#pragma once

#include "archivefixture.h"

#include "app/appstate.h"
#include "calendar/tasktexts.h"
#include "calendar/ui/today/todayview.h"
#include "platform/testing/manualclock.h"
#include "platform/testing/recordingdesktop.h"
#include "platform/testing/scriptedprompter.h"
#include "store/settings.h"

#include <QRandomGenerator>
#include <QTableView>

// The Today tab on a real archive, with a clock standing on Wednesday
// 20 May 2026 and a prompter whose answers the test queues. Tasks are
// written in the locale the view selects with, as the dialogs write them.
struct TodayFixture
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
    std::unique_ptr<calendar::ui::TodayView> view;

    explicit TodayFixture(platform::Prompter* otherPrompter = nullptr)
        : services{otherPrompter ? *otherPrompter : prompter, clock, desktop}
    {
        settings.load();
        view = std::make_unique<calendar::ui::TodayView>(archive.db, settings, services, state);
        view->setSuffixGenerator(&generator);
        view->resize(670, 592);
    }

    qint64 add(const QString& kind, const QDate& date, const QString& description,
               const QString& from = QStringLiteral("  :  "))
    {
        calendar::TaskDraft d = draftOn(date, description);
        d.from = from;
        calendar::TaskWriter(*archive.general, calendar::taskLocale()).insert(kind, d, day());
        return archive.lastKey();
    }

    template <typename T>
    T* find(const char* name) const
    {
        T* child = view->findChild<T*>(QString::fromLatin1(name));
        if (!child)
            qFatal("no child %s", name);
        return child;
    }

    // The descriptions as the grid lists them.
    QStringList listed() const
    {
        auto* grid = find<QTableView>("DBGrid_Today");
        QStringList out;
        for (int row = 0; row < grid->model()->rowCount(); ++row)
            out << grid->model()->index(row, 2).data().toString();
        return out;
    }
};

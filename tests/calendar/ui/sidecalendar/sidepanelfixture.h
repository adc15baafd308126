#pragma once

#include "archivefixture.h"

#include "app/appstate.h"
#include "calendar/tasktexts.h"
#include "calendar/ui/sidecalendar/sidepanel.h"
#include "calendar/ui/sidecalendar/tcalendarlighted.h"
#include "platform/testing/manualclock.h"
#include "platform/testing/recordingdesktop.h"
#include "platform/testing/scriptedprompter.h"
#include "store/settings.h"

#include <QSignalSpy>

// The side panel on a real archive, with a clock standing on Wednesday
// 20 May 2026. Tasks are written in the locale the panel marks with.
struct SidePanelFixture
{
    static QDate day() { return QDate(2026, 5, 20); }

    ArchiveFixture archive;
    store::Settings settings{archive.db};
    platform::ScriptedPrompter prompter;
    platform::ManualClock clock{QDateTime(day(), QTime(9, 0))};
    platform::RecordingDesktop desktop;
    app::Services services{prompter, clock, desktop};
    std::unique_ptr<calendar::ui::SidePanel> panel;

    SidePanelFixture()
    {
        settings.load();
        panel = std::make_unique<calendar::ui::SidePanel>(archive.db, settings, services);
        panel->resize(230, 460);
    }

    void add(const QString& kind, const QDate& date, bool suspended = false,
             calendar::OneShotOption option = calendar::OneShotOption::Plain)
    {
        calendar::TaskDraft d = draftOn(date);
        d.suspended = suspended;
        d.oneShotOption = option;
        calendar::TaskWriter(*archive.general, calendar::taskLocale()).insert(kind, d, day());
    }

    calendar::ui::TCalendarLighted& calendar() const { return panel->calendar(); }

    // Starts a marking and waits until its marks are on the calendar.
    bool refreshAndWait()
    {
        QSignalSpy marked(panel.get(), &calendar::ui::SidePanel::marked);
        panel->refresh();
        return marked.wait(5000);
    }

    // The lighted days of the shown month, by day number.
    QList<int> litDays() const
    {
        QList<int> days;
        const QDate shown = calendar().date();
        for (const QDate& d : calendar().marks().lighted.dates()) {
            if (d.month() == shown.month() && d.year() == shown.year())
                days.append(d.day());
        }
        return days;
    }

    template <typename T>
    T* find(const char* name) const
    {
        T* child = panel->findChild<T*>(QString::fromLatin1(name));
        if (!child)
            qFatal("no child %s", name);
        return child;
    }
};

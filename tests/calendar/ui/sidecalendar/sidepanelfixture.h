#pragma once

#include "../windowfixture.h"

#include "calendar/ui/sidecalendar/sidepanel.h"
#include "calendar/ui/sidecalendar/tcalendarlighted.h"

#include <QSignalSpy>

// The side panel on a real archive.
struct SidePanelFixture : WindowFixture
{
    std::unique_ptr<calendar::ui::SidePanel> panel;

    SidePanelFixture()
    {
        panel = std::make_unique<calendar::ui::SidePanel>(archive.db, settings, services);
        panel->resize(230, 460);
    }

    void add(const QString& kind, const QDate& date, bool suspended = false,
             calendar::OneShotOption option = calendar::OneShotOption::Plain)
    {
        calendar::TaskDraft d = draftOn(date);
        d.suspended = suspended;
        d.oneShotOption = option;
        write(kind, d);
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

#pragma once

#include "../calendar/archivefixture.h"
#include "platform/testing/manualclock.h"
#include "platform/testing/recordingsoundplayer.h"
#include "recordingnotifier.h"
#include "reminders/alarmclock.h"
#include "reminders/alarmsound.h"
#include "reminders/lookahead.h"
#include "shared/appstate.h"
#include "store/settings.h"

#include <memory>

// A real archive with its settings row, a clock standing at 08:00 on
// Thursday 10 December 2026, and every way out of the reminders recorded:
// sounds, notifications and the main window's hooks (in `events`).
struct ReminderRig
{
    inline static const QDate Day{2026, 12, 10};

    ArchiveFixture archive;
    store::Settings settings{archive.db};
    shared::AppState state;
    platform::ManualClock clock{QDateTime(Day, QTime(8, 0))};
    platform::RecordingSoundPlayer player;
    reminders::AlarmSound sound{player, archive.folder.path()};
    RecordingNotifier notifier;
    reminders::LookAhead lookAhead{archive.db, settings, state, clock, notifier, archive.locale};
    std::unique_ptr<reminders::AlarmClock> alarm;
    QStringList events;
    QList<reminders::MessagePanelState> panels;

    ReminderRig() { settings.load(); }

    // Writes the options and reads them back, as the Options tab does.
    void setOptions(const std::function<void(store::OptionValues&)>& change)
    {
        store::OptionValues v = settings.currentOptions();
        change(v);
        settings.saveOptions(v);
        settings.load();
    }

    void startClock()
    {
        alarm = std::make_unique<reminders::AlarmClock>(archive.db, settings, state, clock, sound,
                                                        notifier, lookAhead, archive.locale);
        auto& h = alarm->hooks;
        const auto record = [this](const char* what) {
            return [this, what] { events.append(QString::fromLatin1(what)); };
        };
        h.showTodayTab = record("today tab");
        // Like the window's own command, "Open Corvandine Organizer" only
        // asks for the window: it comes up at the next turn of the event
        // loop, so the window-minimized flag stays as it was meanwhile.
        h.open1 = record("open");
        h.bringToFront = record("front");
        h.startTrayAnimation = record("tray on");
        h.stopTrayAnimation = record("tray off");
        h.purgeOldTasks = record("purge");
        h.refreshOneShotList = record("one-shot list");
        h.showTodayInDailyView = record("daily view today");
        h.terminate = record("terminate");
        h.showMessagePanel = [this](const reminders::MessagePanelState& p) { panels.append(p); };
        alarm->refreshAlarmList();
    }

    qint64 addTask(const QString& kind, const QDate& date, const QString& from,
                   const QString& description, bool warned = false)
    {
        calendar::TaskDraft d = draftOn(date, description);
        d.from = from;
        d.remindInAdvance = warned;
        return archive.add(kind, d, date);
    }

    void tickAt(const QDateTime& when)
    {
        clock.set(when);
        alarm->timerContolloOrarioTimer();
    }
    void tickAt(const QTime& time) { tickAt(QDateTime(Day, time)); }
};

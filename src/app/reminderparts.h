#pragma once

#include "shared/appstate.h"

#include <QStringList>

#include <memory>

class QLabel;
class QWidget;

namespace platform {
class SoundPlayer;
class WorkArea;
} // namespace platform

namespace store {
class Database;
class Settings;
} // namespace store

namespace reminders {
class AlarmClock;
class AlarmSound;
class LookAhead;
class SoundOptions;
namespace ui {
class LookAheadIndicator;
class MessagePanel;
class PopupNotifier;
class TMSNPopUp;
} // namespace ui
} // namespace reminders

namespace app {

// The reminders as the main window uses them: the alarm clock with its sound
// and notifications, the look-ahead of important tasks and the sound options.
// Made once the program folder is known; the window connects its timers and
// hooks to them.
class ReminderParts final
{
public:
    ReminderParts(store::Database& database, store::Settings& settings, shared::AppState& state,
                  shared::Services services, QWidget* window);
    ~ReminderParts();

    reminders::AlarmClock& clock() { return *m_clock; }
    reminders::LookAhead& lookAhead() { return *m_lookAhead; }
    reminders::SoundOptions& soundOptions() { return *m_soundOptions; }
    reminders::ui::TMSNPopUp& popup() { return *m_popup; }
    // The message panel and the clock line of the window's bottom strip.
    reminders::ui::MessagePanel* messagePanel() const { return m_messagePanel; }
    QLabel* clockLabel() const { return m_clockLabel; }
    // The daily view's sign of important tasks ahead.
    reminders::ui::LookAheadIndicator* lookAheadIndicator() const { return m_indicator; }

private:
    std::unique_ptr<platform::SoundPlayer> m_ownSound;
    std::unique_ptr<platform::WorkArea> m_ownWorkArea;
    std::unique_ptr<reminders::AlarmSound> m_sound;
    std::unique_ptr<reminders::SoundOptions> m_soundOptions;
    std::unique_ptr<reminders::ui::TMSNPopUp> m_popup;
    std::unique_ptr<reminders::ui::PopupNotifier> m_notifier;
    std::unique_ptr<reminders::LookAhead> m_lookAhead;
    std::unique_ptr<reminders::AlarmClock> m_clock;
    reminders::ui::MessagePanel* m_messagePanel = nullptr;
    QLabel* m_clockLabel = nullptr;
    reminders::ui::LookAheadIndicator* m_indicator = nullptr;
};

} // namespace app

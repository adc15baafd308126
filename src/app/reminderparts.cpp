#include "reminderparts.h"

#include "calendar/tasktexts.h"
#include "platform/qt/qtsoundplayer.h"
#include "platform/qt/qtworkarea.h"
#include "reminders/alarmclock.h"
#include "reminders/alarmsound.h"
#include "reminders/lookahead.h"
#include "reminders/ui/lookaheadindicator.h"
#include "reminders/ui/messagepanel.h"
#include "reminders/ui/msnpopup.h"
#include "reminders/ui/popupnotifier.h"

#include <QLabel>
#include <QStandardPaths>

namespace app {

ReminderParts::ReminderParts(store::Database& database, store::Settings& settings,
                             shared::AppState& state, shared::Services services, QWidget* window)
{
    platform::SoundPlayer* player = services.sound;
    if (!player) {
        m_ownSound = std::make_unique<platform::QtSoundPlayer>();
        player = m_ownSound.get();
    }
    platform::WorkArea* workArea = services.workArea;
    if (!workArea) {
        m_ownWorkArea = std::make_unique<platform::QtWorkArea>();
        workArea = m_ownWorkArea.get();
    }
    m_sound = std::make_unique<reminders::AlarmSound>(*player, state.programFolder);
    m_soundOptions = std::make_unique<reminders::SoundOptions>(
        settings, services.prompter, *m_sound,
        QStandardPaths::writableLocation(QStandardPaths::DesktopLocation));
    m_popup = std::make_unique<reminders::ui::TMSNPopUp>(*workArea);
    m_notifier = std::make_unique<reminders::ui::PopupNotifier>(*m_popup);
    m_lookAhead = std::make_unique<reminders::LookAhead>(database, settings, state, services.clock,
                                                         *m_notifier, calendar::taskLocale());
    m_clock = std::make_unique<reminders::AlarmClock>(database, settings, state, services.clock,
                                                      *m_sound, *m_notifier, *m_lookAhead,
                                                      calendar::taskLocale());

    m_messagePanel = new reminders::ui::MessagePanel(settings, window);
    m_clockLabel = new QLabel(window);
    m_clockLabel->setObjectName(QStringLiteral("panel_credit"));
    m_clockLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_indicator = new reminders::ui::LookAheadIndicator(*m_lookAhead, window);
}

ReminderParts::~ReminderParts() = default;

} // namespace app

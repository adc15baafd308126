#pragma once

#include "reminders/notifier.h"

namespace reminders::ui {

class TMSNPopUp;

// The reminders' notifications shown through the main window's component.
// The time-out is set for each show and goes back to 0 afterwards, so a
// show that does not set it stays until clicked.
class PopupNotifier final : public Notifier
{
public:
    explicit PopupNotifier(TMSNPopUp& popup) : m_popup(popup) {}

    bool show(const Notification& notification) override;
    void closeAll() override;

private:
    TMSNPopUp& m_popup;
};

} // namespace reminders::ui

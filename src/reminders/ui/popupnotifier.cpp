#include "popupnotifier.h"

#include "msnpopup.h"

namespace reminders::ui {

bool PopupNotifier::show(const Notification& n)
{
    MSNPopUpProperties& p = m_popup.properties();
    p.Title = n.title;
    p.Text = n.text;
    p.Height = n.height;
    p.TimeOut = n.timeOut;
    p.TextAlignment = n.leftAligned ? MSNPopUpProperties::Alignment::Left
                                    : MSNPopUpProperties::Alignment::Center;
    const bool shown = m_popup.showPopUp();
    p.TimeOut = 0;
    return shown;
}

void PopupNotifier::closeAll()
{
    m_popup.closeAll();
}

} // namespace reminders::ui

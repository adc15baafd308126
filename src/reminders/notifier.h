#pragma once

#include <QString>

namespace reminders {

// One notification window as the reminders ask for it.
struct Notification
{
    QString title;
    QString text;
    int height = 96;
    int timeOut = 0; // seconds; 0 stays until clicked
    bool leftAligned = true;
    friend bool operator==(const Notification&, const Notification&) = default;
};

// Shows notification windows beside the taskbar. The window layer implements
// it over TMSNPopUp; tests record what would have been shown.
class Notifier
{
public:
    virtual ~Notifier() = default;
    // False when no further window fits on the screen.
    virtual bool show(const Notification& notification) = 0;
    virtual void closeAll() = 0;
};

} // namespace reminders

#pragma once

#include "reminders/notifier.h"

#include <QList>

// Records the notifications that would have been shown, and how often all
// were closed before each.
class RecordingNotifier final : public reminders::Notifier
{
public:
    QList<reminders::Notification> shown;
    int closeAllCount = 0;

    bool show(const reminders::Notification& n) override
    {
        shown.append(n);
        return true;
    }
    void closeAll() override { ++closeAllCount; }

    QStringList titles() const
    {
        QStringList out;
        for (const auto& n : shown)
            out.append(n.title);
        return out;
    }
};

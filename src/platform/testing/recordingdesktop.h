#pragma once

#include "platform/desktop.h"

#include <QStringList>
#include <functional>

namespace platform {

// Records what would have been opened; `opens` decides whether it succeeds.
class RecordingDesktop final : public Desktop
{
public:
    QStringList opened;
    std::function<bool(const QString&)> opens = [](const QString&) { return true; };
    // Most desktops have a notification area; some window managers have none.
    bool trayAvailable = true;

    bool openPath(const QString& path) override
    {
        opened.append(path);
        return opens(path);
    }
    bool openUrl(const QString& url) override
    {
        opened.append(url);
        return opens(url);
    }
    bool hasSystemTray() const override { return trayAvailable; }
};

} // namespace platform

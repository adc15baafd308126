#pragma once

#include <QString>

namespace platform {

// Handing things to the desktop: files, folders and addresses are opened by
// whatever the user's desktop associates with them.
class Desktop
{
public:
    virtual ~Desktop() = default;
    // Opens a file or folder path. False when nothing could open it.
    virtual bool openPath(const QString& path) = 0;
    // Opens an address such as "http://...", "mailto:..." or "callto:...".
    virtual bool openUrl(const QString& url) = 0;
    // Whether the desktop shows a notification area the window can hide in.
    virtual bool hasSystemTray() const = 0;
};

} // namespace platform

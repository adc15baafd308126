#include "qtdesktop.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QSystemTrayIcon>
#include <QUrl>

namespace platform {

bool QtDesktop::openPath(const QString& path)
{
    if (!QFileInfo::exists(path))
        return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool QtDesktop::openUrl(const QString& url)
{
    const QUrl target(url, QUrl::TolerantMode);
    return target.isValid() && QDesktopServices::openUrl(target);
}

bool QtDesktop::hasSystemTray() const
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

} // namespace platform

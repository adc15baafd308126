#include "dialogowner.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QWidget>

namespace platform {

QWidget* dialogOwner(QWidget* fallback)
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    // An open menu is active while its command runs; it closes right after,
    // so it owns nothing.
    QWidget* active = QApplication::activeWindow();
    if (active && active->windowType() != Qt::Popup && active->windowType() != Qt::ToolTip)
        return active;
    return fallback;
}

void keepAboveOwner(QWidget& dialog)
{
    const QWidget* owner = dialog.parentWidget();
    if (owner && owner->window()->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
        dialog.setWindowFlag(Qt::WindowStaysOnTopHint, true);
}

QString startFolder(const QString& folder)
{
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QDir::homePath();
}

QString startPath(const QString& proposedPath)
{
    if (proposedPath.isEmpty())
        return QDir::homePath();
    const QFileInfo proposed(proposedPath);
    if (proposed.isDir() || proposed.dir().exists())
        return proposedPath;
    return QDir::home().filePath(proposed.fileName());
}

} // namespace platform

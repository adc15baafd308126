#pragma once

#include <QString>

class QWidget;

namespace platform {

// The window a message, file or print dialog belongs to: the dialog the user
// is working in when there is one, so that what it asks opens on top of it
// (a task dialog stays on top of everything and would hide it), else
// `fallback`, the main window.
QWidget* dialogOwner(QWidget* fallback);

// Lets `dialog` stay on top when its owner does; without this the window
// manager may put it behind the owner, and the owner looks frozen.
void keepAboveOwner(QWidget& dialog);

// Where a file dialog starts. The folder asked for when it exists, else the
// home folder; a missing folder would land in the file-name field and
// disable the dialog's Open button.
QString startFolder(const QString& folder);
// The same for a proposed file: kept when its folder exists, else its name
// in the home folder.
QString startPath(const QString& proposedPath);

} // namespace platform

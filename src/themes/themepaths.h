#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace themes {

inline const QString DefaultThemeName = QStringLiteral("default");

// A theme name comes from the archive (possibly on a shared folder) and from
// folder listings, so it is trusted only as one folder name inside the themes
// folder: not empty, not "." or "..", no separator, and, when the folder
// exists, its real path (links followed) directly inside the themes folder.
// The path of that folder, or nothing; writing, deleting and importing go
// only through this.
std::optional<QString> themeFolder(const QString& themesFolder, const QString& name);
// The name when its folder is a theme folder that exists, otherwise "default".
QString usableThemeName(const QString& themesFolder, const QString& name);
// The real theme folders, sorted by name.
QStringList listThemes(const QString& themesFolder);

} // namespace themes

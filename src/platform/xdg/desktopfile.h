#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

namespace platform::xdg {

// An "Exec=" value that starts `program` with `arguments`: every argument
// quoted, the characters the launcher would read as its own escaped, then
// the whole written as a desktop file's string value (so a backslash in a
// path arrives as one backslash).
QString execValue(const QString& program, const QStringList& arguments = {});

// A desktop file's string value: backslash, line breaks and tabs escaped.
QString stringValue(const QString& text);

// The keys of the "[Desktop Entry]" group of a desktop file, with their
// values as written (no unescaping); empty when the file cannot be read.
QMap<QString, QString> readDesktopEntry(const QString& path);

// Writes `lines` as the file at `path` in one piece, creating its folder.
// Empty on success, otherwise why not.
QString writeDesktopFile(const QString& path, const QStringList& lines, bool executable = false);

} // namespace platform::xdg

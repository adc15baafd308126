#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace themes {

// Theme folders are copied between machines and edited by hand: their text is
// UTF-8 when it is valid UTF-8 and Windows-1252 otherwise, with CRLF, LF or CR
// line ends. A last line end does not open another line.
QStringList readTextLines(const QByteArray& bytes);
// UTF-8 with CRLF after every line.
QByteArray textFileBytes(const QStringList& lines);

// The line numbered from 0, empty when the file is shorter.
QString lineAt(const QStringList& lines, int index);

// The path of the entry of the folder whose name matches regardless of
// letter case (an exact match first), empty when there is none.
QString findInFolder(const QString& folder, const QString& fileName);

} // namespace themes

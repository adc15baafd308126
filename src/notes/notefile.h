#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace notes {

// The code page behind an editor character-set number (0 "ANSI", 204
// "Cyrillic", ...): imported files that are not UTF-8 are read with it.
// A number without a code page of its own reads as Windows-1252.
int codePageOf(int charset);

// Told when a file holds bytes that no text file holds.
QString notTextMessage();

// The text of an imported note file, or nullopt when the file is refused.
// Only a tab, line feed, carriage return, the end-of-file byte 26 and bytes
// from 32 up may occur. A single 26 at the very end, as old editors wrote
// it, is not part of the text. A UTF-8 file (with or without its byte-order
// mark) is read as UTF-8, any other with the character set's code page.
// Every line ends with CRLF, as the archive keeps note texts.
std::optional<QString> decodeNoteFile(const QByteArray& bytes, int charset);

// The bytes an exported note is written as: UTF-8, every line of the
// editor's text followed by CRLF.
QByteArray encodeNoteFile(const QString& text);

// Writes the export through a temporary file that replaces `path` only once
// it is complete, so a failed write leaves any old file whole. Returns an
// empty text on success, else what went wrong.
QString writeNoteFile(const QString& path, const QString& text);

// The file name without its folder, as titles and questions show it.
QString fileNameOnly(const QString& path);

} // namespace notes

#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

namespace documents {

// A comma-separated file as spreadsheet programs read it: a header line, then
// one line per row, every line ended by a carriage return and a line feed.
struct CsvTable
{
    QStringList header;
    std::vector<QStringList> rows;
};

// One field as it stands in the file. Line breaks become blanks, one per
// character, so that every row keeps to one line; a field holding a comma or
// a double quote is put between double quotes with its quotes doubled, so
// that it cannot shift the later columns. Any other field is written bare.
QString csvField(const QString& value);

// The whole file: UTF-8 without a byte-order mark, so that no character is
// lost and the first header name reads as itself.
QByteArray csvBytes(const CsvTable& table);

// Writes the file in one piece through a temporary file that replaces the
// target only once it is complete: when writing fails, an earlier file of
// that name stays as it was. Returns an empty text on success, otherwise the
// reason for the user.
QString writeCsvFile(const QString& path, const CsvTable& table);

} // namespace documents

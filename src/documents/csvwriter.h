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

// How a file separates its fields and whether a field keeps its line breaks.
// Kept, they stand inside the field's double quotes, so a row may span lines:
// for files that are read back whole by a CSV reader (the contact export),
// where an address must come back as it was.
struct CsvFormat
{
    QChar delimiter = u',';
    bool keepLineBreaks = false;
};

// One field as it stands in the file. Line breaks become blanks, one per
// character, so that every row keeps to one line; a field holding the
// delimiter or a double quote (or a kept line break) is put between double
// quotes with its quotes doubled, so that it cannot shift the later columns.
// Any other field is written bare.
QString csvField(const QString& value, const CsvFormat& format = {});

// The whole file: UTF-8 without a byte-order mark, so that no character is
// lost and the first header name reads as itself.
QByteArray csvBytes(const CsvTable& table, const CsvFormat& format = {});

// Writes the file in one piece through a temporary file that replaces the
// target only once it is complete: when writing fails, an earlier file of
// that name stays as it was. Returns an empty text on success, otherwise the
// reason for the user.
QString writeCsvFile(const QString& path, const CsvTable& table, const CsvFormat& format = {});

} // namespace documents

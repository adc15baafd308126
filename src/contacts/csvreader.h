#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace contacts {

// One record of a delimited text file and the line of the file it starts
// on, counted from 1, so that messages can point the user at it.
struct CsvRecord
{
    int line = 0;
    QStringList fields;

    friend bool operator==(const CsvRecord&, const CsvRecord&) = default;
};

// The records of a file, or why it could not be read. A file that cannot be
// read whole gives no records at all, so that nothing is imported from half
// of it.
struct CsvDocument
{
    QList<CsvRecord> records;
    QString error;

    bool ok() const { return error.isEmpty(); }
};

// The text of a file as address books and spreadsheets write it: a
// byte-order mark is dropped; the bytes are read as UTF-8 when they are valid
// UTF-8 and as Windows-1252 otherwise (the code page older programs write).
QString decodeCsvText(const QByteArray& bytes);

// Splits `text` into records the way spreadsheet programs write them: fields
// end at `delimiter`, records at a line break (CR LF, LF or CR alone); a field
// that begins with a double quote runs to the matching quote and may hold the
// delimiter, line breaks, and quotes written twice. A quote inside a field
// that does not begin with one is an ordinary character. Lines holding
// nothing but blanks are no records. A quoted field left open at the end of
// the text is an error naming the line where it began.
CsvDocument parseCsv(const QString& text, QChar delimiter);

// Reads and parses a whole file.
CsvDocument readCsvFile(const QString& path, QChar delimiter);

} // namespace contacts

#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <vector>

namespace store {
class ResultSet;
}

namespace contacts {

// The two layouts of a contact export. Complete has one column per field and
// reads back through the import without any mapping; chopped splits the name
// and the fields that hold several values into up to three columns each, for
// programs that want one number or address per column.
enum class ExportLayout
{
    Complete,
    Chopped
};

QStringList exportHeader(ExportLayout layout);

// One contact's fields in the layout's columns, read from row `row` of a
// contact list's rows (which need not be the list's current row).
QStringList exportRow(const store::ResultSet& rows, int row, ExportLayout layout);

// Every row of `rows`, in their order.
std::vector<QStringList> exportRows(const store::ResultSet& rows, ExportLayout layout);

// The file name the save dialog proposes: the group filter, or "Contacts"
// without one, then "-chopped" for that layout, then the moment as
// "yyyy-MM-dd-hh-mm-ss". Characters that cannot stand in a file name (a "/"
// in a group would make a folder) become "-".
QString proposedExportName(ExportLayout layout, const QString& groupFilter, const QDateTime& now);

// Writes the file: ";" between fields, a field holding ";", a double quote
// or a line break put between double quotes, lines ended by CR LF, UTF-8.
// An existing file is replaced only once the new one is complete. Returns an
// empty text on success, else the reason for the user.
QString writeContactExport(const QString& path, const QStringList& header,
                           const std::vector<QStringList>& rows);

} // namespace contacts

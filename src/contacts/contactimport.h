#pragma once

#include "csvreader.h"

#include <QString>
#include <QStringList>
#include <array>
#include <functional>

namespace store {
class Database;
}

namespace contacts {

// The contact fields a file's columns can be mapped to, in the order the
// import dialog lists them and the complete export writes them.
enum class ImportField
{
    Name,
    Company,
    Phone,
    Mobile,
    Skype,
    Fax,
    Email,
    Site,
    Address,
    Note,
    Group
};
inline constexpr int ImportFieldCount = 11;

// The column of CRcon63 a field is written to.
QString importColumn(ImportField field);

// Which file columns build each field: up to three per field, joined by one
// blank. A column is a position in the file's lines; NotMapped takes nothing.
struct ImportMapping
{
    static constexpr int NotMapped = -1;
    std::array<std::array<int, 3>, ImportFieldCount> columns;

    ImportMapping();
    int& at(ImportField field, int part = 0) { return columns[size_t(field)][size_t(part)]; }
    int at(ImportField field, int part = 0) const { return columns[size_t(field)][size_t(part)]; }
    bool maps(ImportField field) const;

    friend bool operator==(const ImportMapping&, const ImportMapping&) = default;
};

// The first line of a complete export, which maps itself.
QStringList completeExportHeader();
bool isCompleteExportHeader(const QStringList& fields);
// Each field from the column of the same position.
ImportMapping completeExportMapping();
// Each field from the first column named as the complete export names it,
// letter case and surrounding blanks aside; fields without one not mapped.
ImportMapping headerMapping(const QStringList& header);

enum class ImportMode
{
    SkipDuplicates,
    UpdateExisting,
    CreateNew,
    DataIntegration
};

struct ImportOptions
{
    ImportMode mode = ImportMode::SkipDuplicates;
    bool skipFirstLine = false; // the first line names the columns
    bool deleteAll = false;     // empty the address book first
    bool addGroup = false;      // give every contact the assigned group too
    QString assignedGroup;
};

using ImportValues = std::array<QString, ImportFieldCount>;

// The values one line gives each field (BuildImportValues): the non-empty
// parts its columns hold on this line, joined by one blank; a column past the
// line's end gives nothing. With "Add group" the group also gets the assigned
// group unless it already names it.
ImportValues buildImportValues(const QStringList& fields, const ImportMapping& mapping,
                               const ImportOptions& options);

// `groups` with `group` after one blank, unless `groups` already holds it as
// a whole name; `group` alone when `groups` is empty.
QString withGroup(const QString& groups, const QString& group);

struct ImportResult
{
    int written = 0;      // contacts inserted or changed
    bool stopped = false; // the caller stopped it part-way
};

// Called before each record with its number among all records (counted from
// 1) and the contacts written so far; returning false stops the import, and
// what was written until then stays.
using ImportProgress = std::function<bool(int record, int written)>;

// Writes the records into the address book in one transaction: an engine
// error undoes all of it, the emptying of "Delete all" included, and reaches
// the caller. Records whose name is blank are skipped in every mode. With
// "Add group" the assigned group is added to the contact groups.
ImportResult importContacts(store::Database& db, const QList<CsvRecord>& records,
                            const ImportMapping& mapping, const ImportOptions& options,
                            const ImportProgress& progress = {});

} // namespace contacts

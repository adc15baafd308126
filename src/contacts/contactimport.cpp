#include "contactimport.h"

#include "shared/groups.h"
#include "store/query.h"
#include "store/transaction.h"

#include <QHash>
#include <algorithm>
#include <optional>

namespace contacts {
namespace {

constexpr std::array<const char*, ImportFieldCount> Columns = {
    "ragsoc", "company", "tel",       "mobile", "skype", "fax",
    "email",  "site",    "indirizzo", "note",   "gruppo"};
constexpr std::array<const char*, ImportFieldCount> HeaderNames = {
    "Name",   "Company", "Phone",   "Mobile", "Skype", "Fax",
    "E-mail", "Web",     "Address", "Note",   "Group"};
// The order in which the update statement sets the columns.
constexpr std::array<ImportField, ImportFieldCount> UpdateOrder = {
    ImportField::Name,    ImportField::Address, ImportField::Phone, ImportField::Fax,
    ImportField::Email,   ImportField::Note,    ImportField::Group, ImportField::Site,
    ImportField::Company, ImportField::Mobile,  ImportField::Skype};
// The fields whose empty stored value an integration fills, in the order it looks.
constexpr std::array<ImportField, 10> IntegratedFields = {
    ImportField::Address, ImportField::Phone, ImportField::Fax,  ImportField::Email,
    ImportField::Note,    ImportField::Group, ImportField::Site, ImportField::Company,
    ImportField::Mobile,  ImportField::Skype};

QString column(ImportField field)
{
    return QString::fromLatin1(Columns[size_t(field)]);
}

QStringList insertStatement()
{
    return {
        QStringLiteral("INSERT INTO CRcon63"),
        QStringLiteral("(ragsoc,indirizzo,tel,fax,email,note,gruppo,site,company,mobile,skype)"),
        QStringLiteral("values (:ragsoc,:indirizzo,:tel,:fax,:email,:note,:gruppo,:site,"
                       ":company,:mobile,:skype)")};
}

// Sets the chosen columns only. The contact is named by a parameter rather
// than by its number in the text, so that one prepared statement serves a
// whole import instead of one per line.
QStringList updateStatement(const QList<ImportField>& fields)
{
    QStringList lines{QStringLiteral("UPDATE CRcon63")};
    for (qsizetype i = 0; i < fields.size(); ++i) {
        const QString name = column(fields[i]);
        lines << (i == 0 ? QStringLiteral("SET ") : QStringLiteral("    ")) + name + u" = :" +
                     name + (i + 1 < fields.size() ? QStringLiteral(",") : QString());
    }
    lines << QStringLiteral("WHERE codcon = :codcon");
    return lines;
}

// The contacts by name, case-blind as the engine's UPPER compares. Reading
// the names once spares each line a scan of the whole address book, which
// made a large import take minutes.
class NameIndex
{
public:
    explicit NameIndex(store::Database& db)
    {
        store::Query q(db);
        q.setSql({QStringLiteral("SELECT codcon,ragsoc"), QStringLiteral("FROM CRcon63")});
        q.open();
        const store::ResultSet& rows = q.rows();
        const int code = rows.columnIndex(QStringLiteral("codcon"));
        const int name = rows.columnIndex(QStringLiteral("ragsoc"));
        m_codes.reserve(rows.rowCount());
        for (int row = 0; row < rows.rowCount(); ++row)
            add(rows.text(row, name), rows.integer(row, code));
    }
    QList<qint64> find(const QString& name) const { return m_codes.value(name.toUpper()); }
    void add(const QString& name, qint64 codcon) { m_codes[name.toUpper()].append(codcon); }

private:
    QHash<QString, QList<qint64>> m_codes;
};

class Importer
{
public:
    Importer(store::Database& db, const ImportMapping& mapping, const ImportOptions& options)
        : m_db(db), m_mapping(mapping), m_options(options), m_insert(db), m_update(db), m_row(db)
    {
        m_insert.setSql(insertStatement());
        m_row.setSql({QStringLiteral("SELECT *"), QStringLiteral("FROM CRcon63"),
                      QStringLiteral("WHERE codcon = :codcon")});
        // An integration rewrites every column with what it decided to keep;
        // an update writes only what the file carries, so that a field the
        // file has no column for keeps its stored value.
        for (ImportField field : UpdateOrder) {
            if (options.mode == ImportMode::DataIntegration || mapping.maps(field) ||
                field == ImportField::Name || (field == ImportField::Group && options.addGroup))
                m_updated << field;
        }
        m_update.setSql(updateStatement(m_updated));
    }

    // Applies the mode to one line; true when a contact was written.
    bool apply(const QStringList& line)
    {
        ImportValues values = buildImportValues(line, m_mapping, m_options);
        const QString& name = values[size_t(ImportField::Name)];
        if (name.trimmed().isEmpty())
            return false;
        if (m_options.mode == ImportMode::CreateNew)
            return insert(values);
        if (!m_names)
            m_names.emplace(m_db);
        const QList<qint64> found = m_names->find(name);
        switch (m_options.mode) {
        case ImportMode::SkipDuplicates:
            return found.isEmpty() && insert(values);
        case ImportMode::UpdateExisting:
            return found.size() == 1 && update(found.front(), values);
        case ImportMode::DataIntegration:
            if (found.isEmpty())
                return insert(values);
            return found.size() == 1 && integrate(found.front(), values);
        case ImportMode::CreateNew:
            break;
        }
        return false;
    }

private:
    void bind(store::Query& q, const ImportValues& values)
    {
        for (int f = 0; f < ImportFieldCount; ++f)
            q.setText(QString::fromLatin1(Columns[size_t(f)]), values[size_t(f)]);
    }

    bool insert(const ImportValues& values)
    {
        bind(m_insert, values);
        m_insert.execSql();
        if (m_names)
            m_names->add(values[size_t(ImportField::Name)], m_insert.insertedKey());
        return true;
    }

    // The stored row of one contact; the query stays on it.
    store::Query& stored(qint64 codcon)
    {
        m_row.setInteger(QStringLiteral("codcon"), codcon);
        m_row.open();
        return m_row;
    }

    bool update(qint64 codcon, ImportValues values)
    {
        if (m_options.addGroup && !m_mapping.maps(ImportField::Group)) {
            const QString group = stored(codcon).fieldByName(column(ImportField::Group)).asString();
            values[size_t(ImportField::Group)] = withGroup(group, m_options.assignedGroup);
        }
        return run(codcon, values);
    }

    bool integrate(qint64 codcon, ImportValues values)
    {
        store::Query& row = stored(codcon);
        bool counted = m_options.addGroup;
        for (ImportField field : IntegratedFields) {
            const QString kept = row.fieldByName(column(field)).asString();
            QString& value = values[size_t(field)];
            if (kept.isEmpty() && !value.isEmpty())
                counted = true;
            if (!kept.isEmpty())
                value = field == ImportField::Group && m_options.addGroup
                            ? withGroup(kept, m_options.assignedGroup)
                            : kept;
        }
        run(codcon, values);
        return counted;
    }

    bool run(qint64 codcon, const ImportValues& values)
    {
        for (ImportField field : m_updated)
            m_update.setText(column(field), values[size_t(field)]);
        m_update.setInteger(QStringLiteral("codcon"), codcon);
        m_update.execSql();
        return true;
    }

    store::Database& m_db;
    const ImportMapping& m_mapping;
    const ImportOptions& m_options;
    store::Query m_insert;
    store::Query m_update;
    store::Query m_row;
    QList<ImportField> m_updated;     // the columns the update sets
    std::optional<NameIndex> m_names; // after "Delete all", so it sees what is left
};

} // namespace

QString importColumn(ImportField field)
{
    return column(field);
}

ImportMapping::ImportMapping()
{
    for (auto& parts : columns)
        parts.fill(NotMapped);
}

bool ImportMapping::maps(ImportField field) const
{
    const auto& parts = columns[size_t(field)];
    return std::any_of(parts.begin(), parts.end(), [](int c) { return c != NotMapped; });
}

QStringList completeExportHeader()
{
    QStringList names;
    for (const char* name : HeaderNames)
        names << QString::fromLatin1(name);
    return names;
}

bool isCompleteExportHeader(const QStringList& fields)
{
    return fields == completeExportHeader();
}

ImportMapping completeExportMapping()
{
    ImportMapping mapping;
    for (int f = 0; f < ImportFieldCount; ++f)
        mapping.columns[size_t(f)][0] = f;
    return mapping;
}

ImportMapping headerMapping(const QStringList& header)
{
    ImportMapping mapping;
    for (int f = 0; f < ImportFieldCount; ++f) {
        const QString name = QString::fromLatin1(HeaderNames[size_t(f)]);
        for (qsizetype c = 0; c < header.size(); ++c) {
            if (header[c].trimmed().compare(name, Qt::CaseInsensitive) == 0) {
                mapping.columns[size_t(f)][0] = int(c);
                break;
            }
        }
    }
    return mapping;
}

QString withGroup(const QString& groups, const QString& group)
{
    if (groups.isEmpty())
        return group;
    if (group.isEmpty())
        return groups;
    for (qsizetype at = groups.indexOf(group); at >= 0; at = groups.indexOf(group, at + 1)) {
        const qsizetype end = at + group.size();
        if ((at == 0 || groups[at - 1] == u' ') && (end == groups.size() || groups[end] == u' '))
            return groups;
    }
    return groups + u' ' + group;
}

ImportValues buildImportValues(const QStringList& fields, const ImportMapping& mapping,
                               const ImportOptions& options)
{
    ImportValues values;
    for (int f = 0; f < ImportFieldCount; ++f) {
        QStringList parts;
        for (int position : mapping.columns[size_t(f)]) {
            if (position >= 0 && position < fields.size() && !fields[position].isEmpty())
                parts << fields[position];
        }
        values[size_t(f)] = parts.join(u' ');
    }
    if (options.addGroup) {
        QString& group = values[size_t(ImportField::Group)];
        group = withGroup(group, options.assignedGroup);
    }
    return values;
}

ImportResult importContacts(store::Database& db, const QList<CsvRecord>& records,
                            const ImportMapping& mapping, const ImportOptions& options,
                            const ImportProgress& progress)
{
    ImportResult result;
    store::Transaction transaction(db);
    if (options.deleteAll) {
        store::Query q(db);
        q.setSql({QStringLiteral("DELETE FROM CRcon63")});
        q.execSql();
    }
    Importer importer(db, mapping, options);
    for (qsizetype i = options.skipFirstLine ? 1 : 0; i < records.size(); ++i) {
        if (progress && !progress(int(i + 1), result.written)) {
            result.stopped = true;
            break;
        }
        if (importer.apply(records[i].fields))
            ++result.written;
    }
    if (options.addGroup && !options.assignedGroup.isEmpty())
        shared::groups::ensure(db, u'C', options.assignedGroup);
    transaction.commit();
    return result;
}

} // namespace contacts

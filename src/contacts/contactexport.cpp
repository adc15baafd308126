#include "contactexport.h"

#include "contactcardlinks.h"
#include "documents/csvwriter.h"
#include "store/query.h"

namespace contacts {
namespace {

struct Column
{
    const char* column; // of CRcon63
    int parts;          // 1: whole; 3: its first three values
};

constexpr Column Complete[] = {{"ragsoc", 1},    {"company", 1}, {"tel", 1},   {"mobile", 1},
                               {"skype", 1},     {"fax", 1},     {"email", 1}, {"site", 1},
                               {"indirizzo", 1}, {"note", 1},    {"gruppo", 1}};
constexpr Column Chopped[] = {{"ragsoc", 3},    {"company", 1}, {"tel", 3},   {"mobile", 3},
                              {"skype", 1},     {"fax", 3},     {"email", 3}, {"site", 3},
                              {"indirizzo", 1}, {"note", 1},    {"gruppo", 1}};

QStringList names(std::initializer_list<const char*> texts)
{
    QStringList out;
    for (const char* text : texts)
        out << QString::fromLatin1(text);
    return out;
}

} // namespace

QStringList exportHeader(ExportLayout layout)
{
    if (layout == ExportLayout::Complete)
        return names({"Name", "Company", "Phone", "Mobile", "Skype", "Fax", "E-mail", "Web",
                      "Address", "Note", "Group"});
    return names({"Name",   "Name2",  "Name3",   "Company", "Phone",   "Phone2",
                  "Phone3", "Mobile", "Mobile2", "Mobile3", "Skype",   "Fax",
                  "Fax2",   "Fax3",   "E-mail",  "E-mail2", "E-mail3", "Web",
                  "Web2",   "Web3",   "Address", "Note",    "Group"});
}

QStringList exportRow(const store::ResultSet& rows, int row, ExportLayout layout)
{
    QStringList fields;
    const auto add = [&](const Column& c) {
        const int column = rows.columnIndex(QString::fromLatin1(c.column));
        const QString value = column < 0 ? QString() : rows.text(row, column);
        if (c.parts == 1) {
            fields << value;
            return;
        }
        const QStringList values = splitValues(value);
        for (int i = 0; i < c.parts; ++i)
            fields << values.value(i);
    };
    if (layout == ExportLayout::Complete) {
        for (const Column& c : Complete)
            add(c);
    } else {
        for (const Column& c : Chopped)
            add(c);
    }
    return fields;
}

std::vector<QStringList> exportRows(const store::ResultSet& rows, ExportLayout layout)
{
    std::vector<QStringList> out;
    out.reserve(size_t(rows.rowCount()));
    for (int row = 0; row < rows.rowCount(); ++row)
        out.push_back(exportRow(rows, row, layout));
    return out;
}

QString proposedExportName(ExportLayout layout, const QString& groupFilter, const QDateTime& now)
{
    QString name = groupFilter.isEmpty() ? QStringLiteral("Contacts") : groupFilter;
    for (QChar& c : name) {
        if (c == u'/' || c == u'\\' || c == u':' || c == u'*' || c == u'?' || c == u'"' ||
            c == u'<' || c == u'>' || c == u'|' || c.unicode() < 32)
            c = u'-';
    }
    if (layout == ExportLayout::Chopped)
        name += QStringLiteral("-chopped");
    return name + u'-' + now.toString(QStringLiteral("yyyy-MM-dd-hh-mm-ss"));
}

QString writeContactExport(const QString& path, const QStringList& header,
                           const std::vector<QStringList>& rows)
{
    documents::CsvTable table{header, rows};
    documents::CsvFormat format;
    format.delimiter = u';';
    format.keepLineBreaks = true;
    return documents::writeCsvFile(path, table, format);
}

} // namespace contacts

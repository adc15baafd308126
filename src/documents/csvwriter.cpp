#include "csvwriter.h"

#include "savefile.h"
#include "shared/textutils.h"

namespace documents {
namespace {

const QByteArray LineEnd = QByteArrayLiteral("\r\n");

void appendLine(QByteArray& out, const QStringList& fields, const CsvFormat& format)
{
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out += QString(format.delimiter).toUtf8();
        out += csvField(fields.at(i), format).toUtf8();
    }
    out += LineEnd;
}

} // namespace

QString csvField(const QString& value, const CsvFormat& format)
{
    const QString flat = format.keepLineBreaks ? value : shared::flattenLineBreaks(value);
    const bool breaks = format.keepLineBreaks && (flat.contains(u'\n') || flat.contains(u'\r'));
    if (!breaks && !flat.contains(format.delimiter) && !flat.contains(u'"'))
        return flat;
    QString quoted = flat;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

QByteArray csvBytes(const CsvTable& table, const CsvFormat& format)
{
    QByteArray out;
    out.reserve(qsizetype(64 * (table.rows.size() + 1)));
    appendLine(out, table.header, format);
    for (const QStringList& row : table.rows)
        appendLine(out, row, format);
    return out;
}

QString writeCsvFile(const QString& path, const CsvTable& table, const CsvFormat& format)
{
    return writeWholeFile(path, csvBytes(table, format));
}

} // namespace documents

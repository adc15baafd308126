#include "csvreader.h"

#include <QFile>
#include <QStringDecoder>

// Neither Qt nor the standard library reads delimited text, and the one
// packaged parser would be a build dependency for about sixty lines of state
// machine that a table of cases pins down completely.

namespace contacts {
namespace {

// Windows-1252 differs from Latin-1 only in 0x80 to 0x9F; the five bytes it
// leaves undefined are kept as the control characters of the same number.
constexpr char16_t Cp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString fromWindows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        *out++ =
            (byte >= 0x80 && byte < 0xA0) ? QChar(Cp1252High[byte - 0x80]) : QChar(char16_t(byte));
    }
    return text;
}

bool isBlank(const QString& field)
{
    return field.trimmed().isEmpty();
}

} // namespace

QString decodeCsvText(const QByteArray& bytes)
{
    QByteArrayView view(bytes);
    if (view.startsWith("\xEF\xBB\xBF"))
        view = view.sliced(3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(view);
    if (!utf8.hasError())
        return text;
    return fromWindows1252(view);
}

CsvDocument parseCsv(const QString& text, QChar delimiter)
{
    CsvDocument doc;
    QStringList fields;
    QString field;
    int line = 1;             // line of the text being read
    int recordLine = 1;       // line where the current record began
    int quoteLine = 0;        // line where an open quoted field began
    bool quoted = false;      // inside a quoted field
    bool fieldQuoted = false; // the current field began with a quote
    bool wasQuoted = false;   // some field of the current record did

    const auto endField = [&] {
        fields.append(field);
        field.clear();
        fieldQuoted = false;
    };
    const auto endRecord = [&] {
        endField();
        if (wasQuoted || fields.size() > 1 || !isBlank(fields.front()))
            doc.records.append(CsvRecord{recordLine, fields});
        fields.clear();
        wasQuoted = false;
    };

    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == u'"') {
                if (i + 1 < size && text[i + 1] == u'"') {
                    field.append(u'"');
                    ++i;
                } else {
                    quoted = false;
                }
                continue;
            }
            if (c == u'\n' || (c == u'\r' && !(i + 1 < size && text[i + 1] == u'\n')))
                ++line;
            field.append(c);
            continue;
        }
        if (c == delimiter) {
            endField();
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < size && text[i + 1] == u'\n')
                ++i;
            endRecord();
            recordLine = ++line;
        } else if (c == u'"' && field.isEmpty() && !fieldQuoted) {
            quoted = true;
            fieldQuoted = true;
            wasQuoted = true;
            quoteLine = line;
        } else {
            field.append(c);
        }
    }
    if (quoted) {
        doc.error = QStringLiteral("Line %1: a value that begins with a double quote has no "
                                   "closing double quote.")
                        .arg(quoteLine);
        doc.records.clear();
        return doc;
    }
    if (!field.isEmpty() || !fields.isEmpty() || wasQuoted)
        endRecord();
    return doc;
}

CsvDocument readCsvFile(const QString& path, QChar delimiter)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        CsvDocument doc;
        doc.error = QStringLiteral("I cannot read \"%1\": %2").arg(path, file.errorString());
        return doc;
    }
    return parseCsv(decodeCsvText(file.readAll()), delimiter);
}

} // namespace contacts

#include "document.h"

#include <QRegularExpression>

namespace documents {

void DocumentBuilder::addLine(const QString& text)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    const QStringList parts = text.split(lineBreak);
    for (const QString& part : parts)
        m_lines.push_back({part, m_alignment, m_style});
}

DocumentFormat formatFor(const QString& chosenFilter, const QString& path)
{
    if (chosenFilter == PlainTextFilter)
        return DocumentFormat::PlainText;
    if (chosenFilter == RichTextFilter)
        return DocumentFormat::RichText;
    return path.endsWith(QStringLiteral(".txt"), Qt::CaseInsensitive) ? DocumentFormat::PlainText
                                                                      : DocumentFormat::RichText;
}

namespace {

void appendEscaped(QByteArray& out, const QString& text)
{
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'\\' || u == u'{' || u == u'}') {
            out += '\\';
            out += char(u);
        } else if (u == u'\t') {
            out += "\\tab ";
        } else if (u >= 0x20 && u < 0x80) {
            out += char(u);
        } else if (u < 0x20) {
            // Other control characters have no place in a paragraph.
            continue;
        } else {
            // Readers take N as a signed 16-bit number; a character beyond
            // the basic plane goes as its two surrogates, each so written.
            out += "\\u" + QByteArray::number(int(qint16(u))) + '?';
        }
    }
}

} // namespace

QByteArray rtfBytes(const std::vector<DocumentLine>& lines, const QString& fontFamily,
                    int pointSize)
{
    QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1{\\fonttbl{\\f0\\fnil ";
    appendEscaped(out, fontFamily.isEmpty() ? QStringLiteral("Arial") : fontFamily);
    out += ";}}\r\n";
    const QByteArray size = "\\fs" + QByteArray::number(qMax(1, pointSize) * 2);
    for (const DocumentLine& line : lines) {
        out += "\\pard";
        out += line.alignment == Alignment::Centre ? "\\qc" : "\\ql";
        out += "\\plain\\f0" + size;
        if (line.style == LineStyle::Bold)
            out += "\\b";
        else if (line.style == LineStyle::Italic)
            out += "\\i";
        out += ' ';
        appendEscaped(out, line.text);
        out += "\\par\r\n";
    }
    out += "}\r\n";
    return out;
}

QByteArray txtBytes(const std::vector<DocumentLine>& lines)
{
    QByteArray out;
    for (const DocumentLine& line : lines)
        out += line.text.toUtf8() + "\r\n";
    return out;
}

QByteArray documentBytes(const std::vector<DocumentLine>& lines, DocumentFormat format,
                         const QString& fontFamily, int pointSize)
{
    return format == DocumentFormat::RichText ? rtfBytes(lines, fontFamily, pointSize)
                                              : txtBytes(lines);
}

} // namespace documents

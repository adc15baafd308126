#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

namespace documents {

enum class Alignment
{
    Left,
    Centre
};

// A line's character style. Bold and italic exclude each other: setting
// italic after bold drops the bold, as the documents are meant to read.
enum class LineStyle
{
    Plain,
    Bold,
    Italic
};

struct DocumentLine
{
    QString text;
    Alignment alignment = Alignment::Left;
    LineStyle style = LineStyle::Plain;

    bool operator==(const DocumentLine&) const = default;
};

// Builds a document line by line. Alignment and style are states: a line
// takes those set last, until the next change, so the producers read like
// the document they write.
class DocumentBuilder final
{
public:
    void setAlignment(Alignment alignment) { m_alignment = alignment; }
    void setStyle(LineStyle style) { m_style = style; }
    // Adds `text` as one line, or as several when it holds line breaks (a
    // note keeps its own lines); an empty text adds one empty line.
    void addLine(const QString& text = QString());

    const std::vector<DocumentLine>& lines() const { return m_lines; }

private:
    std::vector<DocumentLine> m_lines;
    Alignment m_alignment = Alignment::Left;
    LineStyle m_style = LineStyle::Plain;
};

// The two file types a document can be written as.
enum class DocumentFormat
{
    RichText,
    PlainText
};

inline const QString RichTextFilter = QStringLiteral("Rich Text Format (RTF) (*.rtf)");
inline const QString PlainTextFilter = QStringLiteral("Text file (TXT) (*.txt)");
inline const QString DocumentFilters = RichTextFilter + QStringLiteral(";;") + PlainTextFilter;

// The format follows the file type chosen in the save dialog; a name ending
// in ".txt" chooses plain text when the dialog does not say.
DocumentFormat formatFor(const QString& chosenFilter, const QString& path);

// Rich text: every line a paragraph with its alignment and style, in
// `fontFamily` at `pointSize`. User text cannot break out of its paragraph:
// "\", "{" and "}" are escaped and every character past ASCII is written as
// a Unicode control word, so the file itself stays plain ASCII.
QByteArray rtfBytes(const std::vector<DocumentLine>& lines, const QString& fontFamily = {},
                    int pointSize = 10);
// Plain text: the lines alone, each ended by a carriage return and a line
// feed, in UTF-8 without a byte-order mark.
QByteArray txtBytes(const std::vector<DocumentLine>& lines);

QByteArray documentBytes(const std::vector<DocumentLine>& lines, DocumentFormat format,
                         const QString& fontFamily = {}, int pointSize = 10);

} // namespace documents

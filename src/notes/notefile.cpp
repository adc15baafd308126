#include "notefile.h"

#include "notestats.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <array>

namespace notes {
namespace {

struct CharsetPage
{
    int charset;
    int codePage;
};

// The platform's font character sets and the code pages they write with.
constexpr std::array<CharsetPage, 18> CodePages{{
    {0, 1252},
    {1, 1252},
    {2, 1252},
    {77, 10000},
    {128, 932},
    {129, 949},
    {130, 1361},
    {134, 936},
    {136, 950},
    {161, 1253},
    {162, 1254},
    {163, 1258},
    {177, 1255},
    {178, 1256},
    {186, 1257},
    {204, 1251},
    {222, 874},
    {238, 1250},
}};

bool isTextByte(uchar byte)
{
    return byte >= 32 || byte == 9 || byte == 10 || byte == 13 || byte == 26;
}

QString decodeWith(const QByteArray& bytes, int codePage)
{
    const QByteArray name = codePage == 437
                                ? QByteArrayLiteral("IBM437")
                                : QByteArrayLiteral("windows-") + QByteArray::number(codePage);
    QStringDecoder decoder(name.constData());
    // Johab has no converter here; its bytes read best as the common page.
    if (!decoder.isValid())
        decoder = QStringDecoder("windows-1252");
    return decoder.decode(bytes);
}

} // namespace

int codePageOf(int charset)
{
    if (charset == 255)
        return 437;
    for (const CharsetPage& entry : CodePages) {
        if (entry.charset == charset)
            return entry.codePage;
    }
    return 1252;
}

QString notTextMessage()
{
    return QStringLiteral("Spiacente, posso importare soltanto i file di tipo ascii!");
}

std::optional<QString> decodeNoteFile(const QByteArray& bytes, int charset)
{
    for (const char byte : bytes) {
        if (!isTextByte(uchar(byte)))
            return std::nullopt;
    }
    QByteArray body = bytes;
    if (body.endsWith('\x1a'))
        body.chop(1);
    QString text;
    if (body.startsWith("\xEF\xBB\xBF")) {
        text = QString::fromUtf8(body.constData() + 3, body.size() - 3);
    } else {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        text = utf8.decode(body);
        if (utf8.hasError())
            text = decodeWith(body, codePageOf(charset));
    }
    const QStringList lines = logicalLines(text);
    QString out;
    out.reserve(text.size() + lines.size());
    for (const QString& line : lines)
        out += line + QStringLiteral("\r\n");
    return out;
}

QByteArray encodeNoteFile(const QString& text)
{
    QString out;
    const QStringList lines = logicalLines(text);
    out.reserve(text.size() + lines.size());
    for (const QString& line : lines)
        out += line + QStringLiteral("\r\n");
    return out.toUtf8();
}

QString writeNoteFile(const QString& path, const QString& text)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    const QByteArray bytes = encodeNoteFile(text);
    if (file.write(bytes) != bytes.size()) {
        const QString error = file.errorString();
        file.cancelWriting();
        return error;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

QString fileNameOnly(const QString& path)
{
    return QFileInfo(path).fileName();
}

} // namespace notes

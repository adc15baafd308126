#include "attachment.h"

#include "platform/desktop.h"

#include <QDir>
#include <QRegularExpression>

namespace shared {
namespace {

// "mailto:", "http://", "callto:" and the like; a drive letter such as "C:"
// is a path, not a scheme.
bool isAddress(const QString& text)
{
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    return scheme.match(text).hasMatch();
}

// Stored paths may come from either kind of separator.
QString fileNamePart(const QString& text)
{
    const qsizetype cut = std::max(text.lastIndexOf(u'\\'), text.lastIndexOf(u'/'));
    return text.mid(cut + 1);
}

} // namespace

bool openAttachment(const QString& text, const QString& programFolder, platform::Desktop& desktop)
{
    if (text.isEmpty())
        return false;
    if (isAddress(text) ? desktop.openUrl(text) : desktop.openPath(text))
        return true;
    const QDir program(programFolder);
    // Inside the program's folders a stored Windows sub-path still leads to
    // its file.
    const QString relative = QString(text).replace(u'\\', u'/');
    for (const QString& part : {relative, fileNamePart(text)}) {
        for (const QLatin1String folder : {QLatin1String("allegati"), QLatin1String("attaches")}) {
            if (desktop.openPath(program.filePath(folder + u'/' + part)))
                return true;
        }
    }
    return false;
}

QString attachmentCaption(const QString& text)
{
    const auto isSeparator = [](QChar c) { return c == u'/' || c == u'\\' || c == u':'; };
    qsizetype end = text.size();
    while (end > 0 && (text.at(end - 1) == u'/' || text.at(end - 1) == u'\\'))
        --end;
    qsizetype start = end;
    while (start > 0 && !isSeparator(text.at(start - 1)))
        --start;
    const QString caption = text.mid(start, end - start);
    return caption.isEmpty() ? text : caption;
}

} // namespace shared

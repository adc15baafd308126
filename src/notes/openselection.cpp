#include "openselection.h"

#include "shared/textutils.h"

#include <QDir>
#include <array>

namespace notes {
namespace {

constexpr std::array<const char*, 5> Schemes{"HTTP://", "HTTPS://", "SKYPE:", "MAILTO:", "CALLTO:"};

constexpr std::array<const char*, 11> CommandWords{"format", "deltree", "delete", "del",
                                                   "copy",   "move",    "xcopy",  "make",
                                                   "dir",    "attrib",  "fdisk"};

bool startsWithScheme(const QString& text)
{
    for (const char* scheme : Schemes) {
        if (text.startsWith(QLatin1String(scheme), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

bool isWebName(const QString& text)
{
    return text.startsWith(QLatin1String("WWW"), Qt::CaseInsensitive);
}

bool isExistingPath(const QString& text, const PathExists& exists)
{
    return !text.isEmpty() && QDir::isAbsolutePath(text) && exists && exists(text);
}

bool isCommandWord(const QString& text)
{
    const QString word = text.trimmed();
    for (const char* command : CommandWords) {
        if (word.compare(QLatin1String(command), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

} // namespace

bool isOpenableSelection(const QString& selection, const PathExists& exists)
{
    return isWebName(selection) || startsWithScheme(selection) ||
           isExistingPath(selection, exists) || !shared::isNotEmailAddress(selection);
}

OpenTarget openTarget(const QString& selection, const PathExists& exists)
{
    if (selection.isEmpty() || isCommandWord(selection))
        return {};
    // An address that names its scheme is opened as written, "@" or not.
    if (startsWithScheme(selection))
        return {OpenTarget::Kind::Url, selection};
    if (selection.left(50).contains(u'@'))
        return {OpenTarget::Kind::Url, QStringLiteral("mailto:") + selection};
    if (isWebName(selection))
        return {OpenTarget::Kind::Url, QStringLiteral("http://") + selection};
    if (isExistingPath(selection, exists))
        return {OpenTarget::Kind::Path, selection};
    return {};
}

QString openSelectionHint()
{
    return QStringLiteral("Open selected e-mail/URL");
}

} // namespace notes

#include "themepaths.h"

#include <QDir>
#include <QFileInfo>

namespace themes {

std::optional<QString> themeFolder(const QString& themesFolder, const QString& name)
{
    if (name.isEmpty() || name == u'.' || name == QLatin1String("..") || name.contains(u'/') ||
        name.contains(u'\\') || name.contains(QChar(0)) || name.trimmed() != name ||
        themesFolder.isEmpty())
        return std::nullopt;
    const QString path = QDir(themesFolder).filePath(name);
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return path;
    const QString real = info.canonicalFilePath();
    const QString root = QFileInfo(themesFolder).canonicalFilePath();
    if (real.isEmpty() || root.isEmpty() || QFileInfo(real).path() != root)
        return std::nullopt;
    return path;
}

QString usableThemeName(const QString& themesFolder, const QString& name)
{
    const auto folder = themeFolder(themesFolder, name);
    return folder && QFileInfo(*folder).isDir() ? name : DefaultThemeName;
}

QStringList listThemes(const QString& themesFolder)
{
    QStringList names;
    const QStringList entries =
        QDir(themesFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& entry : entries) {
        if (const auto folder = themeFolder(themesFolder, entry);
            folder && QFileInfo(*folder).isDir())
            names.append(entry);
    }
    return names;
}

} // namespace themes

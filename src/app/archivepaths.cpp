#include "archivepaths.h"

#include "platform/executable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTextStream>

namespace app {

QString programFolder()
{
    return platform::executableFolder();
}

QString defaultArchiveFolderFor(const QString& programFolder)
{
    const QFileInfo folder(programFolder);
    if (folder.isDir() && folder.isWritable())
        return QDir(programFolder).filePath(QStringLiteral("myarcs"));
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return QDir(data).filePath(QStringLiteral("myarcs"));
}

QString redirectFilePath(const QString& defaultArchiveFolder)
{
    return QDir(defaultArchiveFolder).filePath(QStringLiteral("Net.txt"));
}

std::optional<QString> readRedirect(const QString& defaultArchiveFolder)
{
    QFile file(redirectFilePath(defaultArchiveFolder));
    if (!file.exists())
        return std::nullopt;
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();
    QTextStream in(&file);
    QString line = in.readLine();
    while (line.endsWith(u'\r'))
        line.chop(1);
    return line;
}

bool writeRedirect(const QString& defaultArchiveFolder, const QString& folder)
{
    QDir().mkpath(defaultArchiveFolder);
    QFile file(redirectFilePath(defaultArchiveFolder));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const QByteArray line = folder.toUtf8() + "\r\n";
    return file.write(line) == line.size();
}

QString currentArchiveFolder(const QString& defaultArchiveFolder)
{
    const auto redirect = readRedirect(defaultArchiveFolder);
    if (redirect && !redirect->isEmpty() && QFileInfo(*redirect).isDir())
        return *redirect;
    return defaultArchiveFolder;
}

QString databaseFilePath(const QString& archiveFolder)
{
    return QDir(archiveFolder).filePath(QStringLiteral("coarc.abs"));
}

QString pendingRestorePath(const QString& archiveFolder)
{
    return QDir(archiveFolder).filePath(QStringLiteral("restore.abs"));
}

QString datedCopyName(const QDateTime& when)
{
    return QStringLiteral("coarc-") + when.toString(QStringLiteral("yyyy-MM-dd-hh-mm-ss")) +
           QStringLiteral(".abs");
}

} // namespace app

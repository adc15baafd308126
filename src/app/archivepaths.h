#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

namespace app {

// Where the program and its archive live.
//
// By default the archive folder "myarcs" sits beside the program, so that the
// program and its data travel together (a removable drive). When the
// program's folder cannot be written (a system-wide install), the user's data
// folder for this program takes its place. A redirect file "Net.txt" in the
// default folder may point at another folder, typically a shared one.

// Folder of the executable.
QString programFolder();
// The default archive folder for a program folder, by the rule above.
QString defaultArchiveFolderFor(const QString& programFolder);
// Longest accepted default archive path (longer paths stop the program).
inline constexpr int MaxDefaultArchivePath = 127;
// Longest folder path the redirect file may name.
inline constexpr int MaxRedirectPath = 125;

QString redirectFilePath(const QString& defaultArchiveFolder);
// First line of the redirect file; nullopt when there is no redirect file.
std::optional<QString> readRedirect(const QString& defaultArchiveFolder);
// Writes the redirect file: the path followed by a carriage return and line feed.
bool writeRedirect(const QString& defaultArchiveFolder, const QString& folder);

// The archive folder as it stands, asking nobody: the redirect's folder when
// the file names one that exists, else the default folder.
QString currentArchiveFolder(const QString& defaultArchiveFolder);

QString databaseFilePath(const QString& archiveFolder);       // .../coarc.abs
QString pendingRestorePath(const QString& archiveFolder);     // .../restore.abs
// "coarc-yyyy-mm-dd-hh-nn-ss.abs" for a moment.
QString datedCopyName(const QDateTime& when);

} // namespace app

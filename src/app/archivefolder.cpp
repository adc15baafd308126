#include "archivefolder.h"

#include "archivepaths.h"
#include "platform/clock.h"
#include "platform/prompter.h"
#include "store/database.h"
#include "store/query.h"
#include "store/sqlerror.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <filesystem>

namespace app {

using Kind = platform::Prompter::Kind;

namespace {
const QString BackupFilter = QStringLiteral("Corvandine Organizer Archive Backup (*.abs)");

// Whether two names lead to one file, however spelt: through links, "..",
// doubled separators or another letter case where the file system ignores it.
// The backup replaces its target by a new file, which for the open archive
// would leave every later edit in a file no longer in the folder.
bool isSameFile(const QString& a, const QString& b)
{
    std::error_code error;
    return std::filesystem::equivalent(std::filesystem::path(QFile::encodeName(a).toStdString()),
                                       std::filesystem::path(QFile::encodeName(b).toStdString()),
                                       error) &&
           !error;
}
} // namespace

ArchiveFolder::ArchiveFolder(shared::AppState& state, shared::Services services)
    : m_state(state), m_services(services)
{
}

bool ArchiveFolder::isRedirected() const
{
    return !m_state.archiveNamed && QFile::exists(redirectFilePath(m_state.defaultArchiveFolder));
}

QString ArchiveFolder::desktopFolder() const
{
    return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
}

void ArchiveFolder::askPendingNote()
{
    if (confirmPendingNoteSave)
        confirmPendingNoteSave();
}

void ArchiveFolder::readNetFolder()
{
    if (m_state.archiveNamed)
        return;
    const auto redirect = readRedirect(m_state.defaultArchiveFolder);
    if (!redirect)
        return;
    if (!redirect->isEmpty() && QFileInfo(*redirect).isDir()) {
        m_state.archiveFolder = *redirect;
        return;
    }
    m_state.restoreBlocked = true;
    const bool lookAgain = m_services.prompter.ask(
        QStringLiteral("I have not found the archive folder (") + *redirect +
        QStringLiteral("), so I went back to default folder (") + m_state.defaultArchiveFolder +
        QStringLiteral("). Do I look for it at the next reboot?"));
    if (!lookAgain) {
        QFile::remove(redirectFilePath(m_state.defaultArchiveFolder));
        m_services.prompter.tell(QStringLiteral("Ok, from now I will work in the default folder!"),
                                 Kind::Information);
    }
    m_state.restoreBlocked = false;
}

void ArchiveFolder::openArchive(store::Database& database)
{
    const QString folder = m_state.archiveFolder;
    if (!QFileInfo(folder).isDir() && !QDir().mkpath(folder)) {
        m_services.prompter.tell(
            QStringLiteral("We have a problem! I can not create the folder: \"") + folder + u'"',
            Kind::Warning);
    }

    const QString archive = databaseFilePath(folder);
    const QString pending = pendingRestorePath(folder);
    if (QFile::exists(pending)) {
        // Keep the archive being replaced as a dated copy; try both renames
        // even when the first fails.
        if (QFile::exists(archive)) {
            const QString kept = QDir(folder).filePath(datedCopyName(m_services.clock.now()));
            if (!QFile::rename(archive, kept))
                m_services.prompter.tell(QStringLiteral("Non riesco ad importare il backup!"),
                                         Kind::Warning);
        }
        if (!QFile::rename(pending, archive))
            m_services.prompter.tell(QStringLiteral("Non riesco ad importare il backup!"),
                                     Kind::Warning);
    }

    if (store::Database::exists(archive))
        database.open(archive);
    else
        database.create(archive);
}

bool ArchiveFolder::backup(store::Database& database)
{
    askPendingNote();
    const QString proposed = QDir(desktopFolder()).filePath(datedCopyName(m_services.clock.now()));
    const QString target =
        m_services.prompter.saveFileName(QStringLiteral("Backup"), proposed, BackupFilter);
    if (target.isEmpty())
        return false;
    if (isSameFile(target, database.path())) {
        m_services.prompter.tell(
            QStringLiteral("I can not write the backup over the archive in use: \"") + target +
                QStringLiteral("\". Please choose another file."),
            Kind::Warning);
        return false;
    }
    if (QFileInfo::exists(target)) {
        if (!m_services.prompter.ask(QStringLiteral("Overwrite \"") + QFileInfo(target).fileName() +
                                     QStringLiteral("\"?")))
            return false;
    }
    // Write the copy beside the target first, so that a failure leaves an
    // older backup of the same name as it was.
    const QString temporary = target + QStringLiteral(".part");
    QFile::remove(temporary);
    try {
        database.compactCopyTo(temporary);
    } catch (const store::SqlError&) {
        QFile::remove(temporary);
        throw;
    }
    QFile::remove(target);
    if (!QFile::rename(temporary, target)) {
        QFile::remove(temporary);
        throw store::SqlError(store::errorclass::Database,
                              QStringLiteral("Cannot write the backup %1").arg(target));
    }
    return true;
}

ArchiveFolder::Outcome ArchiveFolder::restore(store::Database& database, bool autostartTicked)
{
    askPendingNote();
    m_services.prompter.tell(QStringLiteral("Restored archive overwrites the archive in use."),
                             Kind::Information);
    const QString source =
        m_services.prompter.openFileName(QStringLiteral("Restore"), desktopFolder(), BackupFilter);
    if (source.isEmpty())
        return Outcome::Stay;

    const QString folder = QFileInfo(database.path()).absolutePath();
    const QString pending = pendingRestorePath(folder);
    QFile::remove(pending);
    if (!QFile::copy(source, pending)) {
        m_services.prompter.tell(QStringLiteral("I can not import!"), Kind::Warning);
        return Outcome::Stay;
    }

    // The copy must be an archive: swapping a file that is none into place at
    // the next start would leave the program without its data.
    const QString inUse = database.path();
    database.close();
    try {
        database.open(pending);
        store::Query settings(database);
        settings.setSql({QStringLiteral("SELECT * FROM CRset63")});
        settings.open();
        if (settings.findField(QStringLiteral("autostart"))) {
            settings.setSql(
                {QStringLiteral("UPDATE CRset63"), QStringLiteral("SET autostart = :autostart")});
            settings.setText(QStringLiteral("autostart"),
                             autostartTicked ? QStringLiteral("Y") : QStringLiteral("N"));
            settings.execSql();
        }
        database.close();
    } catch (const store::SqlError& error) {
        database.close();
        QFile::remove(pending);
        database.open(inUse);
        m_services.prompter.tell(QStringLiteral("I can not import!\r") + error.message(),
                                 Kind::Warning);
        return Outcome::Stay;
    }
    m_services.prompter.tell(
        QStringLiteral(
            " The import procedure is complete!\r You will have to restart me manually!"),
        Kind::Information);
    return Outcome::EndProgram;
}

ArchiveFolder::Outcome ArchiveFolder::change()
{
    askPendingNote();
    m_services.prompter.tell(QStringLiteral("If the new folder you choose contain valid archive, I "
                                            "will use them.\nOtherwise I will create new ones."),
                             Kind::Information);
    const QString start =
        isRedirected() ? QFileInfo(m_state.archiveFolder).absolutePath() : desktopFolder();
    const QString chosen = m_services.prompter.folderName(QStringLiteral("Select Folder"), start);
    if (chosen.isEmpty())
        return Outcome::Stay;
    const QString path = QDir::toNativeSeparators(chosen);
    if (path.size() > MaxRedirectPath) {
        m_services.prompter.tell(
            QStringLiteral("The path you have chosen is too long:\r\n") + path +
                QStringLiteral("\r\n\r\n\r\nTry again with a shorter one at "
                               "least ") +
                QString::number(path.size() - MaxRedirectPath) + QStringLiteral(" characters."),
            Kind::Warning);
        return Outcome::Stay;
    }
    if (!writeRedirect(m_state.defaultArchiveFolder, path)) {
        m_services.prompter.tell(QStringLiteral("I can not write the file: ") +
                                     redirectFilePath(m_state.defaultArchiveFolder),
                                 Kind::Warning);
        return Outcome::Stay;
    }
    m_services.prompter.tell(QStringLiteral("You will have to restart me manually!"),
                             Kind::Information);
    return Outcome::EndProgram;
}

ArchiveFolder::Outcome ArchiveFolder::backToDefault()
{
    askPendingNote();
    if (!m_services.prompter.ask(QStringLiteral(
            "Do you want to go back to work in the default folder of your profile?")))
        return Outcome::Stay;
    QFile::remove(redirectFilePath(m_state.defaultArchiveFolder));
    m_services.prompter.tell(QStringLiteral("This requires a manual restart!"), Kind::Information);
    return Outcome::EndProgram;
}

} // namespace app

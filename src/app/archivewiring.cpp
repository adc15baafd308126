// The Options tab's commands on the archive folder and the window's size.
#include "app/archivefolder.h"
#include "app/ui/optionstab.h"
#include "mainwindow.h"
#include "platform/desktop.h"
#include "platform/prompter.h"
#include "store/database.h"
#include "store/query.h"
#include "store/settings.h"
#include "wiringparts.h"

namespace app {

void TMainForm::connectOptions()
{
    using ui::OptionsTab;
    connect(m_options, &OptionsTab::backupRequested, this, [this] {
        if (m_archive->backup(m_db))
            speedButtonAggiornaTuttoClick();
    });
    connect(m_options, &OptionsTab::restoreRequested, this, [this] {
        if (m_archive->restore(m_db, m_settings->autostart()) == ArchiveFolder::Outcome::EndProgram)
            endProgram(0);
    });
    connect(m_options, &OptionsTab::changeFolderRequested, this, [this] {
        if (m_archive->change() == ArchiveFolder::Outcome::EndProgram)
            endProgram(0);
    });
    connect(m_options, &OptionsTab::defaultFolderRequested, this, [this] {
        if (m_archive->backToDefault() == ArchiveFolder::Outcome::EndProgram)
            endProgram(0);
    });
    connect(m_options, &OptionsTab::openArchiveFolderRequested, this,
            [this] { m_services.desktop.openPath(m_state.archiveFolder); });
    connect(m_options, &OptionsTab::defaultSizeRequested, this,
            [this] { resize(DefaultWindowSize); });
    connect(m_options, &OptionsTab::fixSizeRequested, this, &TMainForm::fixSize);
}

void TMainForm::fixSize()
{
    if (!m_services.prompter.ask(
            QStringLiteral("Do you want to save my current size as a default size?")))
        return;
    store::Query q(m_db);
    if (isMaximized()) {
        q.setSql({QStringLiteral("UPDATE CRset63"), QStringLiteral("SET WinStato  = :WinStato")});
        q.setText(QStringLiteral("WinStato"), QStringLiteral("wsMaximized"));
    } else {
        q.setSql({QStringLiteral("UPDATE CRset63"), QStringLiteral("SET WinWidth  = :WinWidth,"),
                  QStringLiteral("    WinHeight = :WinHeight,"),
                  QStringLiteral("    WinStato  = :WinStato")});
        q.setInteger(QStringLiteral("WinWidth"), width());
        q.setInteger(QStringLiteral("WinHeight"), height());
        q.setText(QStringLiteral("WinStato"), QStringLiteral("wsNormal"));
    }
    q.execSql();
    m_settings->load();
}

} // namespace app

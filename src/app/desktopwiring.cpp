// The window and the desktop around it: the logon start, the launcher,
// "autorun.inf", the desktop's tools, the product's web pages, the choice of
// visible tabs and the migration notice.
#include "app/desktop/autorun.h"
#include "app/ui/migrationinfoform.h"
#include "app/ui/optionstab.h"
#include "app/ui/tabshowform.h"
#include "app/window/sectiontabbar.h"
#include "app/window/titlebar.h"
#include "mainwindow.h"
#include "notes/ui/noteeditor.h"
#include "notes/ui/notestab.h"
#include "platform/desktop.h"
#include "platform/desktopentries.h"
#include "platform/prompter.h"
#include "platform/xdg/xdgdesktop.h"
#include "store/settings.h"

#include <QCoreApplication>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

namespace app {

namespace {
const QString WebsiteQuestion =
    QStringLiteral("Do you want to visit Corvandine Organizer website?");
} // namespace

void TMainForm::connectDesktop()
{
    using ui::OptionsTab;
    connect(m_options, &OptionsTab::autostartChanged, this, &TMainForm::reconcileAutostart);
    connect(m_options, &OptionsTab::autorunRequested, this, [this] {
        desktop::toggleAutorun(m_state.programFolder, *m_entries.drive, m_services.prompter);
    });
    connect(m_options, &OptionsTab::desktopLinkRequested, this, &TMainForm::createDesktopLauncher);
    connect(m_options, &OptionsTab::visibleTabsRequested, this, &TMainForm::openVisibleTabs);
    connect(m_options, &OptionsTab::onlineHelpRequested, this,
            [this] { askToOpenPage(WebsiteQuestion, ui::helpPageAddress()); });
    connect(m_options, &OptionsTab::downloadAlarmsRequested, this,
            [this] { askToOpenPage(WebsiteQuestion, ui::downloadPageAddress()); });
    connect(m_options, &OptionsTab::socialPageRequested, this, [this] {
        askToOpenPage(QStringLiteral("Do you want to visit my official page on Facebook?"),
                      ui::socialPageAddress());
    });
    connect(m_titleBar, &TitleBar::messageClicked, this, &TMainForm::openMigrationNotice);

    // A desktop without the tool leaves the button silent.
    notes::ui::NoteEditor* editor = m_notes->editor();
    connect(editor, &notes::ui::NoteEditor::characterMapRequested, this,
            [this] { m_entries.tools->start(platform::DesktopTools::Tool::CharacterMap); });
    connect(editor, &notes::ui::NoteEditor::calculatorRequested, this,
            [this] { m_entries.tools->start(platform::DesktopTools::Tool::Calculator); });
    editor->setDesktopToolsAvailable(true);
}

void TMainForm::readAutostart()
{
    const QString program = QCoreApplication::applicationFilePath();
    if (!m_entries.autostart) {
        m_ownAutostart = std::make_unique<platform::xdg::XdgAutostart>(program);
        m_entries.autostart = m_ownAutostart.get();
    }
    if (!m_entries.launcher) {
        m_ownLauncher = std::make_unique<platform::xdg::XdgDesktopLauncher>(program);
        m_entries.launcher = m_ownLauncher.get();
    }
    if (!m_entries.tools) {
        m_ownTools = std::make_unique<platform::xdg::XdgDesktopTools>();
        m_entries.tools = m_ownTools.get();
    }
    if (!m_entries.drive) {
        m_ownDrive = std::make_unique<platform::xdg::MountedDrive>();
        m_entries.drive = m_ownDrive.get();
    }

    // The box shows what the session will do, whatever the archive last said.
    m_autostartOn = m_entries.autostart->isEnabled();
    if (m_settings->autostart() != m_autostartOn)
        m_options->setAutostartTicked(m_autostartOn);
}

void TMainForm::reconcileAutostart()
{
    const bool wanted = m_settings->autostart();
    if (wanted == m_autostartOn)
        return;
    const QString failure = m_entries.autostart->setEnabled(wanted);
    m_autostartOn = m_entries.autostart->isEnabled();
    if (failure.isEmpty())
        return;
    m_services.prompter.tell(
        (wanted ? QStringLiteral("I could not set myself to start with the desktop session:\r")
                : QStringLiteral("I could not stop starting with the desktop session:\r")) +
            failure,
        platform::Prompter::Kind::Warning);
    // The box tells the truth: never ticked with nothing written.
    m_options->setAutostartTicked(m_autostartOn);
}

void TMainForm::createDesktopLauncher()
{
    if (!m_services.prompter.ask(QStringLiteral("Create desktop shortcut?")))
        return;
    const QString failure = m_entries.launcher->create();
    if (!failure.isEmpty())
        m_services.prompter.tell(QStringLiteral("I could not create the desktop shortcut:\r") +
                                     failure,
                                 platform::Prompter::Kind::Warning);
}

QColor TMainForm::tabTextColour() const
{
    return m_pages->tabBar()->palette().color(QPalette::WindowText);
}

void TMainForm::openVisibleTabs()
{
    ui::TTabShowForm form(m_db, *m_settings, m_services.prompter, m_tabBar->tabData(Setup).toUInt(),
                          tabTextColour(), this);
    form.exec();
}

void TMainForm::openMigrationNotice()
{
    ui::TMigrationInfoForm form(m_services.prompter, m_services.desktop,
                                m_state.currentSectionColour, tabTextColour(), this);
    form.exec();
    m_state.migrationNoticePending = false;
    m_migrationNoticeClosed = true;
    m_settings->writeMigrationInfo(!form.doNotShowAgain());
    m_settings->load();
    m_titleBar->messageButton()->setVisible(!form.doNotShowAgain());
}

void TMainForm::askToOpenPage(const QString& question, const QString& address)
{
    if (m_services.prompter.ask(question))
        m_services.desktop.openUrl(address);
}

} // namespace app

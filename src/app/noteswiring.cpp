// The Notes tab inside the window: its page, and the points of the window's
// life where an unsaved note must be settled first.
#include "app/archivefolder.h"
#include "calendar/ui/sidecalendar/sidepanel.h"
#include "mainwindow.h"
#include "notes/ui/notestab.h"
#include "platform/prompter.h"
#include "shared/sectioncounter.h"
#include "window/listmenu.h"

#include <QAction>
#include <QTabWidget>
#include <QVBoxLayout>

namespace app {

QWidget* TMainForm::buildNotesPage()
{
    auto* page = new QWidget(m_pages);
    auto* box = new QVBoxLayout(page);
    box->setContentsMargins(0, 0, 0, 0);
    m_notes = new notes::ui::NotesTab(m_db, *m_settings, m_services, m_state, page);
    box->addWidget(m_notes);
    return page;
}

void TMainForm::connectNotes()
{
    using notes::ui::NotesTab;
    connect(m_notes, &NotesTab::sectionCounted, m_side,
            [this](const QString& labelName, const QString& labelText) {
                m_side->showSectionCount(shared::SectionCount{{}, {}, labelName, labelText});
            });
    connect(m_notes, &NotesTab::sectionChangeRequested, this, &TMainForm::pageControlMenuChange);
    m_notes->setPrinter(m_printer);
    connect(m_side, &calendar::ui::SidePanel::entryClicked, this, [this](QChar section) {
        if (section == u'N')
            m_notes->newNote();
    });
    connect(m_listMenu, &ListMenu::insertNoteRequested, m_notes, &notes::ui::NotesTab::newNote);
    if (auto* list = m_notes->findChild<QWidget*>(QStringLiteral("Panel_ListaNote")))
        m_listMenu->attachTo(list);
    // Every archive button ends the program or reloads everything.
    m_archive->confirmPendingNoteSave = [this] { m_notes->confirmPendingNoteSave(); };
}

void TMainForm::askNotesBeforeExit()
{
    if (!m_notes->hasPendingChanges())
        return;
    m_trayTerminate->setEnabled(false);
    m_pages->setCurrentIndex(Notes);
    if (m_services.prompter.ask(QStringLiteral("Update the file: \"") + m_notes->editedTitle() +
                                QStringLiteral("\" before saying hello?")))
        m_notes->updateNote();
}

} // namespace app

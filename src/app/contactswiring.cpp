// The Contacts tab inside the window: its page, and what it asks of the task
// lists, the daily view and the task dialogs.
#include "calendar/ui/dialogs/taskdialogdeps.h"
#include "calendar/ui/lists/tasklisttab.h"
#include "calendar/ui/sidecalendar/sidepanel.h"
#include "calendar/ui/today/todayview.h"
#include "contacts/ui/contactspage.h"
#include "mainwindow.h"
#include "shared/sectioncounter.h"
#include "window/listmenu.h"

#include <QTabWidget>
#include <QVBoxLayout>

namespace app {

QWidget* TMainForm::buildContactsPage()
{
    auto* page = new QWidget(m_pages);
    auto* box = new QVBoxLayout(page);
    box->setContentsMargins(0, 0, 0, 0);
    m_contacts = new contacts::ui::ContactsPage(m_db, *m_settings, m_services, m_state, page);
    box->addWidget(m_contacts);
    return page;
}

void TMainForm::connectContacts()
{
    using contacts::ui::ContactsPage;
    connect(m_contacts, &ContactsPage::sectionCounted, m_side,
            [this](const QString& labelName, const QString& labelText) {
                m_side->showSectionCount(shared::SectionCount{{}, {}, labelName, labelText});
            });
    connect(m_contacts, &ContactsPage::newTaskRequested, this, &TMainForm::newTask);
    // A contact went with its birthdays: the Yearly list and everything that
    // shows tasks follow.
    connect(m_contacts, &ContactsPage::yearlyChanged, this, [this] {
        m_lists[Year]->refreshList();
        tasksChanged();
    });
    // A yearly task may be a contact's birthday, which the card shows.
    connect(m_lists[Year], &calendar::ui::TaskListTab::listReloaded, m_contacts,
            &ContactsPage::redrawCard);
    connect(m_today, &calendar::ui::TodayView::findContactRequested, this,
            [this](const QString& key) {
                m_contacts->findForTask(key);
                m_pages->setCurrentIndex(Contacts);
            });
    // New tasks opened while the Contacts tab is in front are about its
    // selected contact.
    m_dialogDeps->activeContactName = [this] {
        if (m_pages->currentIndex() != Contacts || !m_contacts->hasSelection())
            return QString();
        return m_contacts->selectedContact().ragsoc;
    };
    m_listMenu->attachTo(m_contacts);
}

} // namespace app

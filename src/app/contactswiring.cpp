// The Contacts tab inside the window: its page, and what it asks of the task
// lists, the daily view and the task dialogs.
#include "calendar/ui/dialogs/taskdialogdeps.h"
#include "calendar/ui/lists/tasklisttab.h"
#include "calendar/ui/sidecalendar/sidepanel.h"
#include "calendar/ui/today/todayview.h"
#include "contacts/ui/contactdialogs.h"
#include "contacts/ui/contactspage.h"
#include "mainwindow.h"
#include "shared/sectioncounter.h"
#include "shared/ui/groupfilter.h"
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

    m_contactDialogs = new contacts::ui::ContactDialogs(*m_dialogDeps, this);
    m_contactDialogs->groupNames = [this] {
        const auto* groups = m_contacts->groupFilter();
        return groups ? groups->names() : QStringList();
    };
    m_contactDialogs->currentGroup = [this] {
        const auto* groups = m_contacts->groupFilter();
        const QString group = groups ? groups->text() : QString();
        return shared::ui::GroupFilter::isPseudoEntry(group) ? QString() : group;
    };
    using contacts::ui::ContactDialogs;
    connect(m_contactDialogs, &ContactDialogs::contactSaved, m_contacts,
            &ContactsPage::contactSaved);
    connect(m_contactDialogs, &ContactDialogs::yearlyTasksChanged, this, [this] {
        m_lists[Year]->refreshList();
        tasksChanged();
    });
    connect(m_contacts, &ContactsPage::insertRequested, this, &TMainForm::newContact);
    connect(m_contacts, &ContactsPage::modifyRequested, this,
            [this](qint64 codcon, bool enlargedNote) {
                m_contactDialogs->openModify(codcon, enlargedNote);
                pageControlMenuChange(); // the dialog took the Contacts colour
            });
    connect(m_listMenu, &ListMenu::insertContactRequested, this, &TMainForm::newContact);
    connect(m_side, &calendar::ui::SidePanel::entryClicked, this, [this](QChar section) {
        if (section == u'C')
            newContact();
    });
    if (auto* label = m_side->findChild<QWidget*>(QStringLiteral("Label_Conteggio_Contatti"))) {
        label->setEnabled(true);
        label->setCursor(Qt::PointingHandCursor);
    }
}

void TMainForm::newContact()
{
    m_contactDialogs->openNew();
    pageControlMenuChange();
}

} // namespace app

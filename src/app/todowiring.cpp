// The To Do tab inside the window, the Today tab's export, and the to-do
// link that looks a contact up in the Contacts tab.
#include "calendar/tasktexts.h"
#include "calendar/ui/sidecalendar/sidepanel.h"
#include "calendar/ui/today/todayview.h"
#include "contacts/ui/contactspage.h"
#include "documents/exports.h"
#include "documents/ui/csvexport.h"
#include "mainwindow.h"
#include "shared/sectioncounter.h"
#include "todo/ui/todotab.h"

#include <QAbstractButton>
#include <QTabWidget>

namespace app {

void TMainForm::connectToDo()
{
    m_toDo->setPrinter(m_printer);
    connect(m_toDo, &todo::ui::ToDoTab::sectionCounted, m_side,
            [this](const QString& labelName, const QString& labelText) {
                m_side->showSectionCount(shared::SectionCount{{}, {}, labelName, labelText});
            });
    connect(m_toDo, &todo::ui::ToDoTab::linkedContactRequested, this,
            &TMainForm::openLinkedContact);
    // The plan is read with a selection of its own: the Today tab keeps its
    // day, its rows and its "Show suspended" whatever the export meets.
    connect(m_today, &calendar::ui::TodayView::exportRequested, this, [this] {
        const QDate day = m_today->shownDate();
        const QLocale locale = calendar::taskLocale();
        documents::ui::exportCsv(m_services.prompter, documents::DailyPlanExportTitle,
                                 documents::dailyPlanFileName(day, locale), [this, day, locale] {
                                     return documents::dailyPlanTable(m_db, day, locale,
                                                                      m_today->showSuspended());
                                 });
        m_today->selectRow(0);
    });
}

void TMainForm::openLinkedContact(const QString& link)
{
    // The contacts whose name or company holds the link, else those of a
    // group that holds it. The Contacts tab comes forward in every case, so
    // that the user sees what the link found.
    const int found = m_contacts->findForTask(link);
    m_pages->setCurrentIndex(Contacts);
    if (found != 1)
        return;
    if (auto* modify =
            m_contacts->findChild<QAbstractButton*>(QStringLiteral("SpeedButtonModContact"));
        modify && modify->isEnabled()) {
        modify->click();
        m_contacts->refreshList();
    }
}

} // namespace app

// The document producers on the Options tab's documents page, reading what
// the section tabs show.
#include "app/ui/advancedpanel.h"
#include "app/ui/optionstab.h"
#include "calendar/sectionmodel.h"
#include "calendar/tasksection.h"
#include "calendar/ui/lists/tasklisttab.h"
#include "calendar/ui/today/todayview.h"
#include "contacts/ui/contactspage.h"
#include "documents/ui/documentspage.h"
#include "mainwindow.h"
#include "platform/clock.h"
#include "shared/ui/groupfilter.h"
#include "store/settings.h"
#include "todo/todomodel.h"
#include "todo/ui/todotab.h"
#include "wiringparts.h"

#include <QLayout>

namespace app {

void TMainForm::connectDocuments()
{
    auto* special = m_options->specialPanel();
    if (!special)
        return;
    QWidget* holder = special->documentPages();
    documents::ui::DocumentSources sources;
    sources.today = [this] { return m_services.clock.now().date(); };
    sources.shownDay = [this] { return m_today->shownDate(); };
    sources.patterns = [this] { return m_lists[Shot]->model().patterns(); };
    sources.sectionRows = [this](QChar kind) -> const store::ResultSet& {
        calendar::ui::TaskListTab* list = m_lists[size_t(qMax(0, sectionOfKind(kind)))];
        list->refreshList();
        return list->section().rows();
    };
    sources.contactRows = [this]() -> const store::ResultSet& { return m_contacts->list().rows(); };
    sources.contactGroup = [this] {
        return m_contacts->groupFilter() ? m_contacts->groupFilter()->text() : QString();
    };
    sources.toDoRows = [this]() -> const store::ResultSet& { return m_toDo->model().rows(); };
    sources.contactsToFirstRow = [this] { m_contacts->selectRow(0); };
    sources.toDoToFirstRow = [this] { m_toDo->selectRow(0); };
    auto* page =
        new documents::ui::DocumentsPage(m_db, m_services.prompter, std::move(sources), holder);
    holder->layout()->addWidget(page);
    const auto showHints = [this, page] { page->setHintsVisible(!m_settings->hideTips()); };
    connect(m_settings.get(), &store::Settings::loaded, page, showHints);
    showHints();
    holder->setEnabled(true);
}

} // namespace app

// The Print menus of the list tabs and of the context menu: each builds the
// banded report of its tab's list as it shows and previews or prints it.
#include "calendar/dailymodel.h"
#include "calendar/dailyview.h"
#include "calendar/sectionmodel.h"
#include "calendar/tasksection.h"
#include "calendar/tasktexts.h"
#include "calendar/ui/lists/tasklisttab.h"
#include "calendar/ui/today/todayview.h"
#include "contacts/contactlist.h"
#include "contacts/ui/contactspage.h"
#include "documents/reports.h"
#include "documents/ui/reportpainter.h"
#include "mainwindow.h"
#include "platform/clock.h"
#include "shared/ui/groupfilter.h"
#include "todo/todomodel.h"
#include "todo/ui/todotab.h"

#include <QAbstractButton>
#include <QTabWidget>

namespace app {

void TMainForm::connectPrinting()
{
    using documents::ReportKind;
    for (calendar::ui::TaskListTab* list : m_lists)
        connect(list, &calendar::ui::TaskListTab::printRequested, this,
                [this](QChar kind, bool preview) {
                    printReport(documents::sectionReportKind(kind), preview);
                });
    connect(m_today, &calendar::ui::TodayView::printRequested, this,
            [this](bool preview) { printReport(ReportKind::Today, preview); });
    connect(m_contacts, &contacts::ui::ContactsPage::printRequested, this,
            [this](bool preview) { printReport(ReportKind::Contacts, preview); });
    connect(m_toDo, &todo::ui::ToDoTab::printRequested, this,
            [this](bool preview) { printReport(ReportKind::ToDo, preview); });
}

documents::ReportContent TMainForm::reportOf(documents::ReportKind kind) const
{
    using documents::ReportKind;
    switch (kind) {
    case ReportKind::Today:
        return documents::todayReport(m_today->model().view().rows(), m_today->shownDate(),
                                      calendar::taskLocale());
    case ReportKind::Contacts:
        return documents::contactsReport(
            m_contacts->list().rows(),
            m_contacts->groupFilter() ? m_contacts->groupFilter()->text() : QString());
    case ReportKind::ToDo:
        return documents::toDoReport(m_toDo->model().rows());
    default: {
        calendar::ui::TaskListTab* list = m_lists.at(size_t(kind));
        return documents::sectionReport(kind, list->section().rows(), list->model().patterns());
    }
    }
}

void TMainForm::printReport(documents::ReportKind kind, bool preview)
{
    documents::ReportContent report = reportOf(kind);
    report.sectionColour = documents::reportSectionColour(*m_settings, kind);
    report.printedAt = m_services.clock.now();
    documents::ui::printReports(*m_printer, {report}, preview);
}

void TMainForm::printActiveSection(bool preview)
{
    using documents::ReportKind;
    static constexpr std::array<int, SectionCount> Reports{int(ReportKind::OneShot),
                                                           int(ReportKind::Yearly),
                                                           int(ReportKind::Monthly),
                                                           int(ReportKind::Weekly),
                                                           int(ReportKind::Today),
                                                           int(ReportKind::Contacts),
                                                           -1,
                                                           int(ReportKind::ToDo),
                                                           -1};
    const int index = m_pages->currentIndex();
    if (index == Notes) {
        // The note prints as text, without a preview.
        if (auto* print = m_sectionPages[Notes]->findChild<QAbstractButton*>(
                QStringLiteral("SpeedButtonPrintNote"));
            print && print->isEnabled() && !preview)
            print->click();
        return;
    }
    if (index >= 0 && index < SectionCount && Reports[index] >= 0)
        printReport(ReportKind(Reports[index]), preview);
}

} // namespace app

// The task tabs, the Today tab and the task dialogs inside the window: what
// a saved task makes the lists, the daily view and the alarms read again.
#include "app/reminderparts.h"
#include "app/ui/advancedpanel.h"
#include "app/ui/optionstab.h"
#include "calendar/taskrecord.h"
#include "calendar/ui/dialogs/taskdialogdeps.h"
#include "calendar/ui/dialogs/taskdialogs.h"
#include "calendar/ui/lists/tarcshotform.h"
#include "calendar/ui/lists/tasklisttab.h"
#include "calendar/ui/sidecalendar/sidepanel.h"
#include "calendar/ui/today/todayview.h"
#include "contacts/ui/contactspage.h"
#include "mainwindow.h"
#include "platform/qt/qtprinter.h"
#include "reminders/alarmclock.h"
#include "todo/ui/todotab.h"
#include "wiringparts.h"

#include <QTabWidget>

namespace app {

void TMainForm::connectTaskDialogs()
{
    if (!m_services.printer) {
        m_qtPrinter = std::make_unique<platform::QtPrinter>(this);
        m_services.printer = m_qtPrinter.get();
    }
    m_printer = m_services.printer;
    m_dialogState = std::make_unique<calendar::TaskDialogState>();
    m_dialogDeps = std::make_unique<calendar::ui::TaskDialogDeps>(
        m_db, *m_settings, m_services, m_state, *m_dialogState, *m_printer);
    m_dialogDeps->shownDate = [this] { return m_today->shownDate(); };
    m_dialogDeps->readOnly = [this] { return isReadOnly(); };

    using calendar::ui::TaskListTab;
    using calendar::ui::TodayView;
    connect(m_today, &TodayView::insertRequested, this, &TMainForm::newTask);
    // The dialog edits what its section list stands on: list every task of
    // the kind there and walk to this one before it opens.
    const auto modifyFromToday = [this](qint64 codimp, QChar kind, bool enlargedNote) {
        const int section = sectionOfKind(kind);
        if (section >= 0)
            m_lists[section]->showTask(codimp);
        modifyTask(codimp, enlargedNote);
    };
    connect(m_today, &TodayView::modifyRequested, this,
            [modifyFromToday](qint64 codimp, QChar kind) { modifyFromToday(codimp, kind, false); });
    connect(m_today, &TodayView::modifyNoteRequested, this,
            [modifyFromToday](qint64 codimp, QChar kind) { modifyFromToday(codimp, kind, true); });
    for (TaskListTab* list : m_lists) {
        connect(list, &TaskListTab::insertRequested, this, &TMainForm::newTask);
        connect(list, &TaskListTab::modifyRequested, this,
                [this](qint64 codimp, QChar) { modifyTask(codimp, false); });
        connect(list, &TaskListTab::modifyNoteRequested, this,
                [this](qint64 codimp, QChar) { modifyTask(codimp, true); });
    }
    // A day of the side calendar: the new task starts on that day.
    connect(m_side, &calendar::ui::SidePanel::newOneShotRequested, this, [this](const QDate& day) {
        m_today->setShownDate(day);
        newTask(u'O');
    });
    connect(m_side, &calendar::ui::SidePanel::newTaskRequested, this,
            [this](QChar kind, const QDate& day) {
                m_today->setShownDate(day);
                newTask(kind);
            });
}

void TMainForm::newTask(QChar kind)
{
    calendar::ui::openNewTaskDialog(
        QString(kind), *m_dialogDeps, this,
        [this](const QString& savedKind, qint64) { taskSaved(savedKind); });
    pageControlMenuChange(); // the dialog took its kind's colour
}

void TMainForm::modifyTask(qint64 codimp, bool enlargedNote)
{
    calendar::ui::openModifyTaskDialog(
        codimp, *m_dialogDeps, this,
        [this](const QString& savedKind, qint64) { taskSaved(savedKind); }, enlargedNote);
    pageControlMenuChange();
}

void TMainForm::taskSaved(const QString& kind)
{
    const int section = sectionOfKind(kind.isEmpty() ? QChar() : kind.at(0));
    if (section >= 0) {
        m_lists[section]->refreshList();
        m_lists[section]->fitGridColumns();
    }
    tasksChanged();
}

void TMainForm::connectLists()
{
    using calendar::ui::TaskListTab;
    for (TaskListTab* list : m_lists) {
        connect(list, &TaskListTab::tasksChanged, this, &TMainForm::tasksChanged);
        connect(list, &TaskListTab::listReloaded, m_today,
                &calendar::ui::TodayView::markSectionListReloaded);
        connect(list, &TaskListTab::attachmentRequested, m_today,
                &calendar::ui::TodayView::showTaskAttachment);
    }
    connect(m_today, &calendar::ui::TodayView::sectionListReloadRequested, this,
            [this](QChar kind) {
                const int section = sectionOfKind(kind);
                if (section >= 0)
                    m_lists[section]->refreshList();
            });
    if (auto* special = m_options->specialPanel())
        connect(special, &ui::SpecialPanel::repositoryRequested, this, &TMainForm::openRepository);
}

void TMainForm::tasksChanged()
{
    reloadDailyView();
    m_side->refresh();
    if (m_reminders)
        m_reminders->clock().refreshAlarmList();
}

void TMainForm::reloadDailyView()
{
    // A hidden daily view is read again when the Today tab is next entered.
    if (m_today->isVisible())
        m_today->refreshDailyView();
    else
        m_todayReloadPending = true;
}

void TMainForm::refreshTaskLists()
{
    // The order start-up has always loaded them in.
    for (Section section : {Month, Week, Year, Shot})
        m_lists[section]->refreshList();
    m_toDo->start();
    m_contacts->refreshList();
}

void TMainForm::openRepository()
{
    calendar::ui::TArcShotForm form(m_db, *m_settings, m_services, m_state,
                                    m_lists[Shot]->periodFilter(), this);
    form.setDefaultColours(m_lists[Shot]->gridTheme().defaultColours);
    connect(&form, &calendar::ui::TArcShotForm::tasksChanged, this, [this] {
        m_lists[Shot]->refreshList();
        m_lists[Shot]->fitGridColumns();
        tasksChanged();
    });
    form.exec();
}

void TMainForm::connectToday()
{
    using calendar::ui::TodayView;
    connect(m_today, &TodayView::originRequested, this, [this](QChar kind, qint64 codimp) {
        const int section = sectionOfKind(kind);
        if (section < 0 || !m_pages->isTabVisible(section))
            return;
        m_pages->setCurrentIndex(section);
        m_lists[section]->showTask(codimp);
    });
}

} // namespace app

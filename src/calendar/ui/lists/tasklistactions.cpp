// A section tab's commands: searching, selection, modify, delete, clone,
// order and the attachment.
#include "calendar/dailyview.h"
#include "calendar/deleteconfirmation.h"
#include "calendar/sectionmodel.h"
#include "calendar/taskrecord.h"
#include "calendar/tasksection.h"
#include "platform/clock.h"
#include "platform/prompter.h"
#include "sectiondelegate.h"
#include "shared/appstate.h"
#include "shared/sectioncounter.h"
#include "store/settings.h"
#include "tasklisttab.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QMetaMethod>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTableView>
#include <QToolButton>

namespace calendar::ui {

bool TaskListTab::rowHasNote(int row) const
{
    return m_section->hasNote(row);
}

SectionTask TaskListTab::selectedTask() const
{
    return m_section->task(selectedRow());
}

void TaskListTab::selectRow(int row)
{
    if (row < 0 || row >= m_model->rowCount()) {
        m_grid->setCurrentIndex(QModelIndex());
    } else {
        // The row's first cell: keeping it in sight scrolls a list of long
        // descriptions to their start, never to their end.
        m_grid->setCurrentIndex(m_model->index(row, SectionModel::Date));
        m_grid->scrollTo(m_grid->currentIndex());
    }
    updateForSelection();
}

void TaskListTab::selectTask(qint64 codimp)
{
    const int row = m_section->rowOf(codimp);
    selectRow(row >= 0 ? row : m_model->rowCount() - 1);
}

void TaskListTab::showTask(qint64 codimp)
{
    {
        const QSignalBlocker quietKind(m_findKind);
        m_findKind->setCurrentIndex(0);
        if (m_filterCombo) {
            const QSignalBlocker quietFilter(m_filterCombo);
            m_filterCombo->setCurrentIndex(m_filterCombo->count() - 1);
        }
        if (m_period) {
            const QSignalBlocker quietPeriod(m_period);
            m_period->setChecked(false);
            for (QWidget* w :
                 {static_cast<QWidget*>(m_periodFrom), static_cast<QWidget*>(m_periodTo),
                  static_cast<QWidget*>(m_periodFromLabel), static_cast<QWidget*>(m_periodToLabel)})
                w->setEnabled(false);
        }
    }
    clearSearch();
    selectTask(codimp);
}

std::optional<Period> TaskListTab::periodFilter() const
{
    if (!m_period || !m_period->isChecked())
        return std::nullopt;
    return Period::between(m_periodFrom->date(), m_periodTo->date());
}

void TaskListTab::readFilter()
{
    SectionFilter& f = m_section->filter();
    f.text = m_find->text();
    f.field = m_findKind->currentIndex() == 1 ? SearchField::Note : SearchField::Description;
    f.period = periodFilter();
    if (m_filterCombo) {
        const int index = m_filterCombo->currentIndex();
        const bool all = index < 0 || index == m_filterCombo->count() - 1;
        if (m_kind == QLatin1Char('Y'))
            f.month = all ? 0 : index + 1;
        else
            f.weekday = all ? QString() : m_filterCombo->currentText();
    }
}

void TaskListTab::refreshList()
{
    const int remembered = selectedRow();
    readFilter();
    m_model->refresh();
    const int rows = m_model->rowCount();
    for (const shared::SectionCount& count : m_section->counters()) {
        if (!count.panelName.isEmpty())
            m_counter->setText(count.panelCaption);
        emit sectionCounted(count.labelName, count.labelText);
    }
    const bool any = rows > 0;
    for (QToolButton* b : {m_modify, m_delete, m_clone, m_order})
        b->setEnabled(any);
    // The documents come with their own section: until then nothing prints.
    m_print->setEnabled(any &&
                        isSignalConnected(QMetaMethod::fromSignal(&TaskListTab::printRequested)));
    selectRow(rowAfterReload(remembered, rows));
    emit listReloaded(m_kind);
    if (m_settings.timeCheck() && m_state.startupComplete)
        emit alarmListRefreshRequested();
}

void TaskListTab::searchTyped()
{
    m_clear->setEnabled(!m_find->text().isEmpty());
    if (m_autoFind && !m_autoFind->isChecked())
        return;
    refreshList();
}

void TaskListTab::clearSearch()
{
    {
        const QSignalBlocker quiet(m_find);
        m_find->clear();
    }
    m_clear->setEnabled(false);
    if (m_autoFind) {
        const QSignalBlocker quiet(m_autoFind);
        m_autoFind->setChecked(true);
    }
    refreshList();
}

void TaskListTab::toggleOrder()
{
    m_section->filter().descending = !m_section->filter().descending;
    refreshList();
}

void TaskListTab::updateForSelection()
{
    const bool any = hasSelection();
    const SectionTask task = selectedTask();
    m_attach->setEnabled(any && (!task.ricerca.isEmpty() || !task.allegato.isEmpty()));
    std::optional<SelectedRow> row;
    if (any)
        row = SelectedRow{task.datefull, task.dayofmonth, task.dayofweek};
    const HeaderPanels panels =
        headerPanels(m_kind, row, m_model->patterns(), m_services.clock.today());
    m_datePanel->setText(panels.date);
    if (m_yearsPanel)
        m_yearsPanel->setText(panels.years);
    m_memo->setPlainText(task.note);
    m_memo->setVerticalScrollBarPolicy(task.note.isEmpty() ? Qt::ScrollBarAlwaysOff
                                                           : Qt::ScrollBarAsNeeded);
}

void TaskListTab::modifySelected()
{
    if (m_readOnly || !hasSelection())
        return;
    emit modifyRequested(selectedTask().codimp, m_kind);
}

void TaskListTab::modifyNote()
{
    if (m_readOnly || !hasSelection())
        return;
    emit modifyNoteRequested(selectedTask().codimp, m_kind);
}

void TaskListTab::deleteSelected()
{
    if (m_readOnly || !hasSelection())
        return;
    // Taken before asking: the list may be reloaded while the question is
    // open, and the answer must delete the task it was asked about.
    const SectionTask task = selectedTask();
    QRandomGenerator& generator = m_generator ? *m_generator : deleteConfirmationGenerator();
    if (!confirmDelete(m_services.prompter, task.description, generator))
        return;
    m_section->remove(task.codimp);
    refreshList(); // keeps the row number, or takes the one before at the end
    emit tasksChanged();
}

void TaskListTab::cloneSelected()
{
    if (m_readOnly || !hasSelection())
        return;
    if (!m_section->clone(selectedRow())) {
        m_services.prompter.tell(TaskWriter::CloneRefused, platform::Prompter::Kind::Warning);
        return;
    }
    refreshList();
    emit tasksChanged();
}

void TaskListTab::requestAttachment()
{
    if (!hasSelection())
        return;
    const SectionTask task = selectedTask();
    emit attachmentRequested(task.datefull, task.codimp, task.suspended,
                             m_attach->mapToGlobal(QPoint(0, m_attach->height())));
}

} // namespace calendar::ui

// The Today tab's commands: navigation, refresh, tick, modify, delete,
// origin and the attachment menu.
#include "calendar/dailymodel.h"
#include "calendar/dailyview.h"
#include "calendar/deleteconfirmation.h"
#include "platform/clock.h"
#include "shared/appstate.h"
#include "shared/attachment.h"
#include "store/settings.h"
#include "todaydelegate.h"
#include "todayview.h"

#include <QAction>
#include <QCheckBox>
#include <QDateEdit>
#include <QDir>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMetaMethod>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QStyle>
#include <QTableView>
#include <QToolButton>

namespace calendar::ui {

bool TodayView::showSuspended() const
{
    return m_suspended->isChecked();
}

void TodayView::setShowSuspended(bool show)
{
    m_suspended->setChecked(show);
}

bool TodayView::rowHasNote(int row) const
{
    return m_view->hasNote(row);
}

DailyTask TodayView::selectedTask() const
{
    return m_view->task(selectedRow());
}

void TodayView::selectRow(int row)
{
    if (row < 0 || row >= m_model->rowCount()) {
        m_grid->setCurrentIndex(QModelIndex());
        updateForSelection();
        return;
    }
    m_grid->setCurrentIndex(m_model->index(row, DailyModel::Description));
    m_grid->scrollTo(m_grid->currentIndex());
}

void TodayView::selectTask(qint64 codimp)
{
    const int row = m_view->rowOf(codimp);
    selectRow(row >= 0 ? row : m_model->rowCount() - 1);
}

void TodayView::refreshDailyView()
{
    const int remembered = selectedRow();
    m_model->refresh(m_shown, showSuspended());
    m_dayShown = true;
    const int rows = m_model->rowCount();
    m_count->setText(dailyCountCaption(rows));

    const QDate today = m_services.clock.today();
    QPalette p = m_picker->palette();
    p.setColor(QPalette::Base,
               m_shown == today ? QColor(Qt::white) : palette().color(QPalette::Button));
    m_picker->setPalette(p);
    m_sectionListReloaded = false;

    const bool any = rows > 0;
    for (QToolButton* b : {m_origin, m_modify, m_delete, m_check})
        b->setEnabled(any);
    // Printing, the export and the contact search come with their own
    // sections: until one is connected its command stays disabled.
    m_print->setEnabled(any &&
                        isSignalConnected(QMetaMethod::fromSignal(&TodayView::printRequested)));
    m_export->setEnabled(any &&
                         isSignalConnected(QMetaMethod::fromSignal(&TodayView::exportRequested)));
    m_today->setEnabled(m_shown != today);

    applyColours();
    selectRow(rowAfterReload(remembered, rows));
    updateForSelection();
    emit dailyViewRefreshed(m_shown);
}

void TodayView::setShownDate(const QDate& day)
{
    if (!day.isValid())
        return;
    m_shown = day;
    {
        const QSignalBlocker quiet(m_picker);
        m_picker->setDate(day);
    }
    refreshDailyView();
}

void TodayView::showToday()
{
    setShownDate(m_services.clock.today());
}

void TodayView::previousDay()
{
    setShownDate(m_shown.addDays(-1));
}

void TodayView::nextDay()
{
    setShownDate(m_shown.addDays(1));
}

void TodayView::updateForSelection()
{
    const DailyTask task = selectedTask();
    const bool any = hasSelection();
    const bool canFind =
        !task.ricerca.isEmpty() &&
        isSignalConnected(QMetaMethod::fromSignal(&TodayView::findContactRequested));
    m_attach->setEnabled(any && (canFind || !task.allegato.isEmpty()));
    m_attachItem->setText(fileNamePart(task.allegato));
    m_findItem->setText(fileNamePart(task.ricerca));
    m_findItem->setEnabled(canFind);
    m_memo->setPlainText(task.note);
    m_memo->setVerticalScrollBarPolicy(task.note.isEmpty() ? Qt::ScrollBarAlwaysOff
                                                           : Qt::ScrollBarAsNeeded);
}

void TodayView::toggleDone()
{
    if (m_readOnly || !hasSelection())
        return;
    const DailyTask task = selectedTask();
    m_view->toggleDone(task);
    refreshDailyView();
    emit sectionListReloadRequested(task.kind.at(0));
}

void TodayView::modifySelected()
{
    if (m_readOnly || !hasSelection())
        return;
    const int remembered = selectedRow();
    const DailyTask task = selectedTask();
    emit modifyRequested(task.codimp, task.kind.at(0));
    selectRow(rowAfterReload(remembered, m_model->rowCount()));
}

void TodayView::modifyNote()
{
    if (m_readOnly || !hasSelection())
        return;
    const int remembered = selectedRow();
    const DailyTask task = selectedTask();
    emit modifyNoteRequested(task.codimp, task.kind.at(0));
    selectRow(rowAfterReload(remembered, m_model->rowCount()));
}

void TodayView::deleteSelected()
{
    if (m_readOnly || !hasSelection())
        return;
    const int remembered = selectedRow();
    // The task is taken before asking: the list may be reloaded while the
    // question is open (a change of day, another window), and the answer
    // must delete the task it was asked about, not whatever then sits in
    // the same row.
    const DailyTask task = selectedTask();
    QRandomGenerator& generator = m_generator ? *m_generator : deleteConfirmationGenerator();
    if (confirmDelete(m_services.prompter, task.description, generator)) {
        m_view->remove(task.codimp);
        refreshDailyView();
        selectRow(rowAfterReload(remembered, m_model->rowCount()));
    }
    emit sectionListReloadRequested(task.kind.at(0));
    if (m_settings.timeCheck())
        emit alarmListRefreshRequested();
}

void TodayView::followSelected()
{
    if (!hasSelection())
        return;
    const DailyTask task = selectedTask();
    emit originRequested(task.kind.at(0), task.codimp);
}

void TodayView::insertKind(QChar kind)
{
    if (m_readOnly)
        return;
    emit insertRequested(kind);
    if (m_sectionListReloaded)
        refreshDailyView();
}

void TodayView::prepareAttachmentMenu()
{
    const DailyTask task = selectedTask();
    m_attachItem->setVisible(!task.allegato.isEmpty());
    m_findItem->setVisible(!task.ricerca.isEmpty());
    const QFileInfo target(QDir(m_state.programFolder), task.allegato);
    m_attachItem->setIcon(!task.allegato.isEmpty() && target.exists()
                              ? QFileIconProvider().icon(target)
                              : style()->standardIcon(QStyle::SP_FileLinkIcon));
}

void TodayView::openAttachmentMenu(const QPoint& globalPos)
{
    if (!hasSelection())
        return;
    prepareAttachmentMenu();
    const DailyTask task = selectedTask();
    QAction* chosen = m_attachMenu->exec(globalPos);
    if (chosen == m_attachItem)
        shared::openAttachment(task.allegato, m_state.programFolder, m_services.desktop);
    else if (chosen == m_findItem)
        emit findContactRequested(task.ricerca);
}

void TodayView::showTaskAttachment(const QDate& day, qint64 codimp, bool suspended,
                                   const QPoint& globalPos)
{
    // Ticked as a click would tick it, so that the side panel's twin, its
    // marked days and the alarm list follow.
    if (suspended)
        setShowSuspended(true);
    setShownDate(day);
    selectTask(codimp);
    openAttachmentMenu(globalPos);
}

} // namespace calendar::ui

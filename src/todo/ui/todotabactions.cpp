// The To Do tab's commands: the reload, the dialogs, Check, Clone, Delete,
// the attachment menu and the export.
#include "calendar/dailyview.h"
#include "calendar/deleteconfirmation.h"
#include "shared/ui/dialogframe.h"
#include "documents/exports.h"
#include "documents/ui/csvexport.h"
#include "platform/prompter.h"
#include "shared/appstate.h"
#include "shared/attachment.h"
#include "shared/sectioncounter.h"
#include "shared/ui/groupfilter.h"
#include "todo/todomodel.h"
#include "tododialog.h"
#include "todotab.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMetaMethod>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QScrollBar>
#include <QStyle>
#include <QTableView>
#include <QToolButton>

namespace todo::ui {

void ToDoTab::start()
{
    // The remembered group only at the first start: a later reload keeps
    // what the user has typed.
    if (!m_groups) {
        shared::ui::GroupFilter::Widgets widgets;
        widgets.combo = static_cast<QComboBox*>(m_groupWidgets[0]);
        widgets.insert = static_cast<QAbstractButton*>(m_groupWidgets[1]);
        widgets.remove = static_cast<QAbstractButton*>(m_groupWidgets[2]);
        widgets.clear = static_cast<QAbstractButton*>(m_groupWidgets[3]);
        m_groups =
            new shared::ui::GroupFilter(u'L', widgets, m_db, m_settings, m_services.prompter, this);
        m_groups->setReadOnly(m_readOnly);
        m_groups->restore();
        connect(m_groups, &shared::ui::GroupFilter::filterChanged, this, &ToDoTab::refreshToDoList);
    }
    m_started = true;
    m_groups->reload();
    refreshToDoList();
}

void ToDoTab::refreshToDoList()
{
    if (!m_started)
        return;
    const int remembered = selectedRow();
    m_model->refresh(filter());
    const int rows = m_model->rowCount();
    if (const auto count = shared::updateSectionCounter(*m_general, u'L', rows)) {
        m_counter->setText(count->panelCaption);
        emit sectionCounted(count->labelName, count->labelText);
    }
    const bool any = rows > 0;
    for (QToolButton* b : {m_delete, m_modify, m_clone, m_check, m_export, m_orderButton})
        b->setEnabled(any);
    m_print->setEnabled(any &&
                        isSignalConnected(QMetaMethod::fromSignal(&ToDoTab::printRequested)));
    m_gauge->setVisible(any);
    selectRow(calendar::rowAfterReload(remembered, rows));
    updateForSelection();
}

void ToDoTab::selectRow(int row)
{
    if (row < 0 || row >= m_model->rowCount()) {
        m_grid->clearSelection();
        m_grid->setCurrentIndex(QModelIndex());
        updateForSelection();
        return;
    }
    m_grid->selectRow(row);
    m_grid->setCurrentIndex(m_model->index(row, ToDoModel::Description));
}

void ToDoTab::updateForSelection()
{
    const int row = selectedRow();
    const ToDoEntry entry = m_model->entry(row);
    m_memo->setPlainText(entry.note);
    m_memo->setVerticalScrollBarPolicy(entry.note.isEmpty() ? Qt::ScrollBarAlwaysOff
                                                            : Qt::ScrollBarAlwaysOn);
    m_gauge->setValue(row < 0 ? 0 : entry.percento);
    m_attach->setEnabled(row >= 0 && (!entry.allegato.isEmpty() || !entry.ricerca.isEmpty()));
}

bool ToDoTab::rowHasNote(int row) const
{
    return m_model->hasNote(row);
}

bool ToDoTab::canChange() const
{
    return m_groups && !m_readOnly && !m_state.programLocked;
}

void ToDoTab::chooseOrder(Order order)
{
    m_order = order;
    refreshToDoList();
}

void ToDoTab::clearSearch()
{
    m_find->clear();
    m_clear->setEnabled(false);
    refreshToDoList();
}

void ToDoTab::insertEntry()
{
    if (!canChange())
        return;
    ToDoEntry fresh;
    fresh.gruppo = groupText();
    ToDoDialog dialog(ToDoDialog::Mode::New,
                      {m_db, m_settings, m_services, m_state, m_printer, m_groups->names()}, fresh,
                      false, window());
    connect(&dialog, &ToDoDialog::saved, this, [this](qint64, const QString& group) {
        refreshToDoList();
        if (!group.isEmpty())
            m_groups->reload();
    });
    shared::ui::placeOverParent(&dialog);
    dialog.exec();
}

void ToDoTab::openModify(bool enlargedNote)
{
    if (!canChange() || !hasSelection() || !m_modify->isEnabled())
        return;
    const int remembered = selectedRow();
    const ToDoEntry entry = m_model->entry(remembered);
    ToDoDialog dialog(ToDoDialog::Mode::Modify,
                      {m_db, m_settings, m_services, m_state, m_printer, m_groups->names()}, entry,
                      enlargedNote, window());
    connect(&dialog, &ToDoDialog::saved, this, [this, remembered](qint64, const QString& group) {
        refreshToDoList();
        selectRow(std::min(remembered, m_model->rowCount() - 1));
        if (!group.isEmpty())
            m_groups->reload();
    });
    shared::ui::placeOverParent(&dialog);
    dialog.exec();
}

void ToDoTab::modifySelected()
{
    openModify(false);
}

void ToDoTab::modifyNote()
{
    openModify(true);
}

void ToDoTab::deleteSelected()
{
    if (!canChange() || !hasSelection())
        return;
    const int remembered = selectedRow() + 1; // counted from 1
    const ToDoEntry entry = m_model->entry(selectedRow());
    QRandomGenerator& generator =
        m_generator ? *m_generator : calendar::deleteConfirmationGenerator();
    if (!calendar::confirmDelete(m_services.prompter, entry.id, generator))
        return;
    deleteEntry(*m_writes, entry.codtod);
    refreshToDoList();
    const int rows = m_model->rowCount();
    // Position 0 does not exist: the list then stays on its first row.
    const int position = std::max(remembered < rows ? remembered : remembered - 1, 1);
    selectRow(rows > 0 ? position - 1 : -1);
}

void ToDoTab::cloneSelected()
{
    if (!canChange() || !hasSelection())
        return;
    const int remembered = selectedRow();
    cloneEntry(*m_writes, m_model->entry(remembered));
    refreshToDoList();
    selectRow(calendar::rowAfterReload(remembered, m_model->rowCount()));
}

void ToDoTab::checkSelected()
{
    if (!canChange() || !hasSelection())
        return;
    const int remembered = selectedRow();
    const ToDoEntry entry = m_model->entry(remembered);
    setCompletion(*m_writes, entry.codtod, checked(entry.flag));
    refreshToDoList();
    selectRow(calendar::rowAfterReload(remembered, m_model->rowCount()));
}

void ToDoTab::openAttachmentMenu()
{
    if (!hasSelection())
        return;
    const ToDoEntry entry = m_model->entry(selectedRow());
    m_attachItem->setText(shared::attachmentCaption(entry.allegato));
    m_attachItem->setVisible(!entry.allegato.isEmpty());
    const int cut = std::max(entry.ricerca.lastIndexOf(u'\\'), entry.ricerca.lastIndexOf(u':'));
    m_linkItem->setText(entry.ricerca.mid(cut + 1));
    // The Contacts tab answers the link; until it listens the entry is not offered.
    m_linkItem->setVisible(!entry.ricerca.isEmpty() && isSignalConnected(QMetaMethod::fromSignal(
                                                           &ToDoTab::linkedContactRequested)));
    const QFileInfo target(QDir(m_state.programFolder), entry.allegato);
    m_attachItem->setIcon(target.exists() ? QFileIconProvider().icon(target)
                                          : style()->standardIcon(QStyle::SP_FileLinkIcon));
    QAction* chosen = m_attachMenu->exec(m_attach->mapToGlobal(QPoint(0, m_attach->height())));
    if (chosen == m_attachItem)
        shared::openAttachment(entry.allegato, m_state.programFolder, m_services.desktop);
    else if (chosen == m_linkItem)
        emit linkedContactRequested(entry.ricerca);
}

void ToDoTab::exportList()
{
    if (m_model->rowCount() == 0)
        return;
    documents::ui::exportCsv(m_services.prompter, documents::ToDoExportTitle,
                             documents::ToDoFileName,
                             [this] { return documents::toDoTable(m_model->rows()); });
    selectRow(0);
}

} // namespace todo::ui

// The Contacts tab's commands: searching, selection and the card, delete,
// order, the links that reach outside the program and the column layout.
#include "calendar/deleteconfirmation.h"
#include "calendar/tasktexts.h"
#include "contacts/birthdays.h"
#include "contacts/contactcardlinks.h"
#include "contacts/contactphoto.h"
#include "contactspage.h"
#include "contactspagemodel.h"
#include "platform/desktop.h"
#include "platform/prompter.h"
#include "shared/appstate.h"
#include "shared/attachment.h"
#include "shared/sectioncounter.h"
#include "shared/ui/groupfilter.h"
#include "store/settings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTableView>
#include <QToolButton>

namespace contacts::ui {

bool ContactsPage::rowHasNote(int row) const
{
    return m_list->hasNote(row);
}

ListedContact ContactsPage::selectedContact() const
{
    return m_list->contact(selectedRow());
}

void ContactsPage::selectRow(int row)
{
    if (row < 0 || row >= m_model->rowCount()) {
        m_grid->setCurrentIndex(QModelIndex());
    } else {
        m_grid->setCurrentIndex(m_model->index(row, ContactsModel::Name));
        m_grid->scrollTo(m_grid->currentIndex());
    }
    updateForSelection();
}

void ContactsPage::selectContact(qint64 codcon)
{
    const int row = m_list->rowOf(codcon);
    selectRow(row >= 0 ? row : m_model->rowCount() - 1);
}

void ContactsPage::readFilter()
{
    ContactFilter& f = m_list->filter();
    f.text = m_find->text();
    f.field = SearchField(std::max(0, m_findKind->currentIndex()));
    f.group = m_group->currentText();
}

void ContactsPage::refreshList()
{
    if (!m_started) {
        // The first load, once the archive is open: the groups, the
        // remembered group (which runs the list) and the column layout.
        m_started = true;
        loadColumnLayout();
        startGroups();
        return;
    }
    const int remembered = selectedRow();
    readFilter();
    m_model->refresh();
    const int rows = m_model->rowCount();
    if (const auto count = m_list->counter()) {
        m_counter->setText(count->panelCaption);
        emit sectionCounted(count->labelName, count->labelText);
    }
    const bool any = rows > 0;
    for (QToolButton* b : {m_delete, m_order, m_clone, m_export})
        b->setEnabled(any);
    m_insert->setEnabled(
        isSignalConnected(QMetaMethod::fromSignal(&ContactsPage::insertRequested)));
    m_modify->setEnabled(
        any && isSignalConnected(QMetaMethod::fromSignal(&ContactsPage::modifyRequested)));
    m_print->setEnabled(any &&
                        isSignalConnected(QMetaMethod::fromSignal(&ContactsPage::printRequested)));
    m_isNull->setEnabled(!isEmptyEntry(m_find->text()));
    selectRow(remembered < 0 ? (any ? 0 : -1) : std::min(remembered, rows - 1));
}

void ContactsPage::searchTyped()
{
    m_clear->setEnabled(!m_find->text().isEmpty());
    m_isNull->setEnabled(!isEmptyEntry(m_find->text()));
    if (m_autoFind->isChecked())
        refreshList();
}

void ContactsPage::clearSearch()
{
    {
        const QSignalBlocker quiet(m_find);
        m_find->clear();
    }
    {
        const QSignalBlocker quiet(m_autoFind);
        m_autoFind->setChecked(true);
    }
    m_clear->setEnabled(false);
    refreshList();
}

int ContactsPage::findForTask(const QString& key)
{
    if (!m_started)
        refreshList();
    {
        const QSignalBlocker quietKind(m_findKind);
        const QSignalBlocker quietGroup(m_groupFilter);
        const QSignalBlocker quietFind(m_find);
        m_findKind->setCurrentIndex(0);
        m_groupFilter->setFilterText(QString());
        m_find->setText(key);
    }
    refreshList();
    if (m_model->rowCount() == 0) {
        {
            const QSignalBlocker quietGroup(m_groupFilter);
            const QSignalBlocker quietFind(m_find);
            m_find->clear();
            m_groupFilter->setFilterText(key);
        }
        refreshList();
    }
    m_clear->setEnabled(!m_find->text().isEmpty());
    return m_model->rowCount();
}

void ContactsPage::setOrder(const QString& column, bool descending)
{
    m_list->filter().orderColumn = column;
    m_list->filter().descending = descending;
    refreshList();
}

void ContactsPage::updateForSelection()
{
    const ListedContact c = selectedContact();
    m_memo->setPlainText(c.note);
    m_memo->setVerticalScrollBarPolicy(c.note.isEmpty() ? Qt::ScrollBarAlwaysOff
                                                        : Qt::ScrollBarAsNeeded);
    m_drawTimer.start();
}

void ContactsPage::drawCardNow()
{
    m_drawTimer.stop();
    drawCard();
}

void ContactsPage::drawCard()
{
    ContactCard::Content content;
    content.any = hasSelection();
    if (content.any) {
        content.contact = selectedContact();
        // Looked up on a query of its own: the contact link the yearly
        // dialogs read stays untouched, and the Yearly tab's list stays put.
        const QList<LinkedTask> birthdays = linkedYearlyTasks(m_database, content.contact.codcon);
        if (!birthdays.isEmpty())
            content.birthday =
                birthdayButtonText(birthdays, m_settings.dataYear(), calendar::taskLocale());
        const QString photo = resolveContactPhoto(content.contact.foto, m_state.programFolder);
        if (!photo.isEmpty())
            content.picture = loadContactPhoto(photo);
    }
    const ListedContact& c = content.contact;
    m_mail->setEnabled(content.any && !c.email.isEmpty());
    m_dial->setEnabled(content.any &&
                       !(c.tel.isEmpty() && c.mobile.isEmpty() && c.skype.isEmpty()));
    m_map->setEnabled(content.any && !c.indirizzo.isEmpty());
    m_web->setEnabled(content.any && !c.site.isEmpty() && c.site != QStringLiteral("http://"));
    m_attach->setEnabled(content.any &&
                         !(c.allegato.isEmpty() && c.allegato2.isEmpty() && c.allegato3.isEmpty()));
    const QString* attachments[] = {&c.allegato, &c.allegato2, &c.allegato3};
    const QList<QAction*> entries = m_attachMenu->actions();
    for (int which = 0; which < 3; ++which)
        entries[which]->setText(QFileInfo(*attachments[which]).fileName());
    m_card->show(content);
}

void ContactsPage::modifySelected()
{
    if (m_readOnly || !hasSelection() || !m_modify->isEnabled())
        return;
    emit modifyRequested(selectedContact().codcon, false);
}

void ContactsPage::modifyNote()
{
    if (m_readOnly || !hasSelection() || !m_modify->isEnabled())
        return;
    emit modifyRequested(selectedContact().codcon, true);
}

void ContactsPage::deleteSelected()
{
    if (m_readOnly || !hasSelection())
        return;
    const int remembered = selectedRow() + 1;
    const ListedContact c = selectedContact();
    QRandomGenerator& generator =
        m_generator ? *m_generator : calendar::deleteConfirmationGenerator();
    if (!calendar::confirmDelete(m_services.prompter, c.ragsoc, generator))
        return;
    m_list->remove(c.codcon);
    refreshList();
    const int rows = m_model->rowCount();
    selectRow(remembered < rows ? remembered - 1 : remembered - 2);
    const QList<LinkedTask> birthdays = linkedYearlyTasks(m_database, c.codcon);
    if (!birthdays.isEmpty() &&
        m_services.prompter.ask(QStringLiteral(" Delete the linked task \"") +
                                birthdays.first().id + u'"')) {
        m_list->removeBirthdays(c.codcon);
    }
    emit yearlyChanged();
}

void ContactsPage::cloneSelected()
{
    if (m_readOnly || !hasSelection())
        return;
    const int remembered = selectedRow();
    m_list->clone(remembered);
    refreshList();
    selectRow(remembered);
}

void ContactsPage::contactSaved(qint64 codcon)
{
    const bool inserted = m_list->rowOf(codcon) < 0;
    if (m_groupFilter)
        m_groupFilter->reload();
    refreshList();
    if (inserted)
        selectContact(codcon);
}

void ContactsPage::openTarget(const QString& target)
{
    if (target.isEmpty())
        return;
    // Nothing is reported when the desktop cannot open it.
    if (QFileInfo::exists(target))
        m_services.desktop.openPath(target);
    else
        m_services.desktop.openUrl(target);
}

void ContactsPage::popupValues(QToolButton* button, const QStringList& values, bool mail)
{
    auto* menu = new QMenu(this);
    menu->setObjectName(mail ? QStringLiteral("PopupMenuMail") : QStringLiteral("PopupMenuWeb"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const QIcon icon =
        style()->standardIcon(mail ? QStyle::SP_FileDialogContentsView : QStyle::SP_DriveNetIcon);
    for (const QString& value : values) {
        menu->addAction(icon, value, this,
                        [this, value] { openTarget(contacts::openTarget(value)); });
    }
    menu->popup(button->mapToGlobal(QPoint(0, button->height())));
}

void ContactsPage::openMail()
{
    const QString email = selectedContact().email;
    const QStringList values = splitValues(email);
    if (values.size() == 1)
        openTarget(contacts::openTarget(email));
    else if (values.size() > 1)
        popupValues(m_mail, values, true);
}

void ContactsPage::openWeb()
{
    const QString site = selectedContact().site;
    const QStringList values = splitValues(site);
    if (values.size() == 1)
        openTarget(contacts::openTarget(site));
    else if (values.size() > 1)
        popupValues(m_web, values, false);
}

void ContactsPage::openMap()
{
    const QString url = mapSearchUrl(selectedContact().indirizzo);
    if (!url.isEmpty())
        m_services.desktop.openUrl(url);
}

void ContactsPage::openWebSearch()
{
    if (hasSelection())
        m_services.desktop.openUrl(webSearchUrl(selectedContact().ragsoc));
}

void ContactsPage::showAttachMenu()
{
    const ListedContact c = selectedContact();
    const QString* attachments[] = {&c.allegato, &c.allegato2, &c.allegato3};
    const QList<QAction*> entries = m_attachMenu->actions();
    QFileIconProvider icons;
    for (int which = 0; which < 3; ++which) {
        const QString& target = *attachments[which];
        entries[which]->setVisible(!target.isEmpty());
        const QFileInfo file(target);
        entries[which]->setIcon(file.exists() ? icons.icon(file)
                                              : style()->standardIcon(QStyle::SP_FileIcon));
    }
    m_attachMenu->popup(m_attach->mapToGlobal(QPoint(0, m_attach->height())));
}

bool ContactsPage::cardShown() const
{
    return !m_card->isHidden();
}

void ContactsPage::setCardShown(bool shown)
{
    if (shown == cardShown() && m_showCard->isHidden() == shown)
        return;
    m_card->setVisible(shown);
    m_showCard->setVisible(!shown);
    m_memo->setVisible(!shown);
    applyColours();
    if (m_settings.gridMode() != !shown)
        m_settings.writeGridMode(!shown);
}

QString ContactsPage::layoutPath(bool designed) const
{
    const QString name =
        designed ? QStringLiteral("sContactVertical.def") : QStringLiteral("sContactVertical");
    return QDir(m_state.archiveFolder).filePath(name);
}

void ContactsPage::loadColumnLayout()
{
    if (m_state.archiveFolder.isEmpty())
        return;
    QHeaderView* header = m_grid->horizontalHeader();
    QFile designed(layoutPath(true));
    if (designed.open(QIODevice::WriteOnly))
        designed.write(header->saveState());
    QFile saved(layoutPath(false));
    if (saved.open(QIODevice::ReadOnly))
        header->restoreState(saved.readAll());
}

void ContactsPage::saveColumnLayout()
{
    QFile saved(layoutPath(false));
    if (saved.open(QIODevice::WriteOnly))
        saved.write(m_grid->horizontalHeader()->saveState());
}

void ContactsPage::restoreDefaultLayout()
{
    QFile designed(layoutPath(true));
    if (designed.open(QIODevice::ReadOnly))
        m_grid->horizontalHeader()->restoreState(designed.readAll());
    QFile::remove(layoutPath(false));
    updateNarrow();
}

void ContactsPage::updateNarrow()
{
    const bool narrow = m_grid->width() < m_grid->columnWidth(ContactsModel::Name) + 30;
    if (narrow == m_narrow)
        return;
    m_narrow = narrow;
    for (int column = 0; column < ContactsModel::ColumnCount; ++column)
        m_grid->setColumnHidden(column, narrow && column != ContactsModel::Name);
    m_grid->horizontalHeader()->setVisible(!narrow);
    m_layout->setVisible(!narrow);
}

bool ContactsPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_grid && event->type() == QEvent::Resize)
        updateNarrow();
    if (watched == m_grid->viewport() && event->type() == QEvent::MouseButtonRelease)
        m_card->checkNoteSelection(true);
    return GridPage::eventFilter(watched, event);
}

} // namespace contacts::ui

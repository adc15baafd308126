// The password lock over the window and the read-only access it offers.
#include "app/lock/passwordlock.h"
#include "app/reminderparts.h"
#include "app/ui/advancedpanel.h"
#include "app/ui/lockpanel.h"
#include "app/ui/optionstab.h"
#include "calendar/ui/lists/tasklisttab.h"
#include "calendar/ui/sidecalendar/sidepanel.h"
#include "calendar/ui/today/todayview.h"
#include "contacts/ui/contactspage.h"
#include "mainwindow.h"
#include "notes/ui/notestab.h"
#include "reminders/lookahead.h"
#include "store/settings.h"
#include "todo/ui/todotab.h"

#include <QStackedWidget>
#include <QTabWidget>

namespace app {

void TMainForm::buildLockPanel()
{
    m_lock = std::make_unique<lock::PasswordLock>(*m_settings, m_state);
    m_lockPanel = new ui::LockPanel(m_body);
    m_body->addWidget(m_lockPanel);
    connect(m_lockPanel, &ui::LockPanel::typed, this, &TMainForm::editPSWChange);
    connect(m_lockPanel, &ui::LockPanel::readOnlyRequested, this,
            &TMainForm::speedButtonSolaLetturaClick);
    if (auto* special = m_options->specialPanel())
        connect(special, &ui::SpecialPanel::lockRequested, this, &TMainForm::speedButtonPSWClick);
}

bool TMainForm::isLocked() const
{
    return m_state.programLocked;
}

bool TMainForm::isReadOnly() const
{
    return m_lock && m_lock->isReadOnly();
}

void TMainForm::speedButtonPSWClick()
{
    // Read-only access would leave the notes editor unable to save.
    if (m_settings->readOnlyOffered())
        m_notes->confirmPendingNoteSave();
    // Closing the panel may confirm a password typed there just now.
    m_options->closeSpecialPanel();
    if (!m_lock->lock())
        return;
    showLockPanel();
    m_settings->load();
}

void TMainForm::showLockPanel()
{
    m_lockPanel->prepare(m_lock->readOnlyOffered());
    m_body->setCurrentWidget(m_lockPanel);
    m_lockPanel->focusField(m_state.currentSectionColour);
}

void TMainForm::editPSWChange(const QString& typed)
{
    if (!m_lock->tryUnlock(typed))
        return;
    lifted();
    applyReadOnly(false);
}

void TMainForm::speedButtonSolaLetturaClick()
{
    if (!m_lock->enterReadOnly())
        return;
    applyReadOnly(true);
    lifted();
}

void TMainForm::lifted()
{
    m_lockPanel->clearField();
    m_body->setCurrentWidget(m_content);
    pageControlMenuChange();
    focusActiveSection();
    // An automatic look-ahead found tasks while the window was locked: the
    // listing it held back comes now.
    if (m_reminders && m_reminders->lookAhead().pendingAfterUnlock())
        m_reminders->lookAhead().runAfterUnlock();
}

void TMainForm::applyReadOnly(bool readOnly)
{
    m_today->setReadOnly(readOnly);
    for (calendar::ui::TaskListTab* list : m_lists)
        list->setReadOnly(readOnly);
    m_side->setReadOnly(readOnly);
    m_contacts->setReadOnly(readOnly);
    m_notes->setReadOnly(readOnly);
    m_toDo->setReadOnly(readOnly);
    // Without the Options tab no option, password or archive can change.
    m_pages->setTabVisible(Setup, !readOnly);
}

} // namespace app

#include "calendar/deleteconfirmation.h"
#include "calendar/taskrecord.h"
#include "calendar/ui/dialogs/taskdialogs.h"
#include "contactdialog.h"
#include "platform/prompter.h"
#include "shared/appstate.h"
#include "store/query.h"
#include "store/settings.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>

// The Birthday button of the Modify dialog: the contact's link to a yearly
// task, made, followed, broken or deleted from here.

namespace contacts::ui {

void ContactDialog::refreshBirthday()
{
    m_linked = linkedYearlyTasks(m_deps.database, m_codcon);
    m_birthday->setText(birthdayButtonText(m_linked, m_deps.settings.dataYear(), m_deps.locale));
    if (!m_birthdayMenu)
        return;
    const bool linked = !m_linked.isEmpty();
    const auto entry = [this](const char* name) {
        return m_birthdayMenu->findChild<QAction*>(QString::fromLatin1(name));
    };
    entry("Modifica1")->setText(linked ? QStringLiteral("Modify") : QStringLiteral("Insert"));
    entry("Cerca1")->setEnabled(!linked);
    entry("Dissocia1")->setEnabled(linked);
    entry("Elimina2")->setEnabled(linked);
}

void ContactDialog::afterYearlyChange()
{
    emit yearlyTasksChanged();
    refreshBirthday();
}

void ContactDialog::birthdayButtonClicked()
{
    m_deps.services.prompter.tell(BirthdayNeedsContactMessage,
                                  platform::Prompter::Kind::Information);
}

void ContactDialog::birthdayInsertOrModify()
{
    const unsigned colour = m_deps.state.currentSectionColour;
    // The New Yearly dialog reads the link and this dialog's name and e-mail
    // as they stand, saved or not.
    if (m_linked.isEmpty())
        calendar::ui::openNewTaskDialog(calendar::kind::Yearly, m_deps, this);
    else
        calendar::ui::openModifyTaskDialog(m_linked.first().codimp, m_deps, this);
    m_deps.state.currentSectionColour = colour;
    afterYearlyChange();
}

void ContactDialog::birthdaySearch()
{
    const QString name = m_name->text();
    const QList<LinkedTask> found = birthdayCandidates(m_deps.database, name, m_codcon);
    if (found.isEmpty()) {
        m_deps.services.prompter.tell(noBirthdayFoundMessage(name),
                                      platform::Prompter::Kind::Information);
        return;
    }
    for (const LinkedTask& task : found) {
        if (m_deps.services.prompter.ask(linkQuestion(name, task.id))) {
            linkBirthday(m_deps.database, task.codimp, m_codcon);
            afterYearlyChange();
            return;
        }
    }
}

void ContactDialog::birthdayUnlink()
{
    if (m_linked.isEmpty())
        return;
    const LinkedTask first = m_linked.first();
    if (!m_deps.services.prompter.ask(unlinkQuestion(m_name->text(), first.id)))
        return;
    unlinkBirthday(m_deps.database, first.codimp);
    afterYearlyChange();
}

void ContactDialog::birthdayDelete()
{
    if (m_linked.isEmpty())
        return;
    const LinkedTask first = m_linked.first();
    if (!calendar::confirmDelete(m_deps.services.prompter, first.id,
                                 calendar::deleteConfirmationGenerator()))
        return;
    store::Query query(m_deps.database);
    calendar::TaskWriter(query, m_deps.locale).remove(first.codimp);
    afterYearlyChange();
}

} // namespace contacts::ui

#pragma once

#include "calendar/ui/dialogs/taskdialogdeps.h"

#include <QObject>
#include <QStringList>
#include <functional>

class QWidget;

namespace contacts::ui {

// What the Contacts tab calls to add and change contacts. Both dialogs run
// modally over `parent` and take the Contacts section colour; in read-only
// mode neither opens.
//
// While a Modify dialog is open, and only then, the task dialogs' linked
// contact is that contact: a New Yearly dialog opened meanwhile becomes its
// birthday, reading the name and e-mail the dialog shows. Closing it sets
// the link back to "nessuno".
class ContactDialogs final : public QObject
{
    Q_OBJECT
public:
    ContactDialogs(calendar::ui::TaskDialogDeps& deps, QWidget* parent);

    // The tab's group list and the group its filter shows. Unset, the
    // contact groups are read from the archive and no group is preset.
    std::function<QStringList()> groupNames;
    std::function<QString()> currentGroup;

    // True when anything was written.
    bool openNew();
    bool openModify(qint64 codcon, bool enlargedNote = false);

signals:
    // After each saved contact: reload the contact list and its groups.
    void contactSaved(qint64 codcon);
    // After a birthday was inserted, changed, linked, unlinked or deleted:
    // reload the Yearly list and what shows its tasks.
    void yearlyTasksChanged();

private:
    calendar::ui::TaskDialogDeps& m_deps;
    QWidget* m_parent;
};

} // namespace contacts::ui

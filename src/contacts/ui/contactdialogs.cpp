#include "contactdialogs.h"

#include "calendar/taskrecord.h"
#include "contactdialog.h"
#include "shared/appstate.h"
#include "shared/groups.h"
#include "shared/ui/dialogframe.h"

#include <QCollator>
#include <QLineEdit>

namespace contacts::ui {
namespace {

bool run(ContactDialog& dialog, ContactDialogs& owner, calendar::ui::TaskDialogDeps& deps)
{
    deps.state.currentSectionColour = dialog.palette().color(QPalette::Window).rgb() & 0xFFFFFF;
    QObject::connect(&dialog, &ContactDialog::contactSaved, &owner, &ContactDialogs::contactSaved);
    QObject::connect(&dialog, &ContactDialog::yearlyTasksChanged, &owner,
                     &ContactDialogs::yearlyTasksChanged);
    shared::ui::placeOverParent(&dialog);
    dialog.exec();
    return dialog.savedAny();
}

// Sets the link for as long as a Modify dialog is open, whatever way it ends.
class LinkedContact final
{
public:
    LinkedContact(calendar::ui::TaskDialogDeps& deps, qint64 codcon, ContactDialog*& dialog)
        : m_deps(deps), m_previousFields(deps.linkedContactFields)
    {
        m_deps.dialogState.linkedContactCode = QString::number(codcon);
        m_deps.linkedContactFields = [&dialog] {
            const ContactFields f = dialog ? dialog->fields() : ContactFields{};
            return calendar::ui::LinkedContactFields{f.name, f.email};
        };
    }
    ~LinkedContact()
    {
        m_deps.dialogState.linkedContactCode = calendar::TaskDialogState::NoContact;
        m_deps.linkedContactFields = m_previousFields;
    }
    LinkedContact(const LinkedContact&) = delete;
    LinkedContact& operator=(const LinkedContact&) = delete;

private:
    calendar::ui::TaskDialogDeps& m_deps;
    std::function<calendar::ui::LinkedContactFields()> m_previousFields;
};

} // namespace

ContactDialogs::ContactDialogs(calendar::ui::TaskDialogDeps& deps, QWidget* parent)
    : QObject(parent), m_deps(deps), m_parent(parent)
{
}

static ContactDialogStart startOf(const ContactDialogs& d, store::Database& db)
{
    ContactDialogStart start;
    if (d.groupNames) {
        start.groups = d.groupNames();
    } else {
        start.groups = shared::groups::load(db, u'C');
        QCollator collator;
        collator.setCaseSensitivity(Qt::CaseInsensitive);
        std::sort(start.groups.begin(), start.groups.end(), collator);
    }
    if (d.currentGroup)
        start.currentGroup = d.currentGroup();
    return start;
}

bool ContactDialogs::openNew()
{
    if (m_deps.readOnly && m_deps.readOnly())
        return false;
    TAggConForm dialog(m_deps, startOf(*this, m_deps.database), m_parent);
    return run(dialog, *this, m_deps);
}

bool ContactDialogs::openModify(qint64 codcon, bool enlargedNote)
{
    if (m_deps.readOnly && m_deps.readOnly())
        return false;
    const std::optional<ContactFields> stored = ContactWriter(m_deps.database).load(codcon);
    if (!stored)
        return false;
    ContactDialog* open = nullptr;
    const LinkedContact link(m_deps, codcon, open);
    TModConForm dialog(m_deps, startOf(*this, m_deps.database), codcon, *stored, enlargedNote,
                       m_parent);
    open = &dialog;
    const bool saved = run(dialog, *this, m_deps);
    open = nullptr;
    return saved;
}

} // namespace contacts::ui

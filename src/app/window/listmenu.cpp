#include "listmenu.h"

#include <QAbstractButton>

namespace app {

ListMenu::ListMenu(Hooks hooks, QWidget* parent) : QMenu(parent), m_hooks(std::move(hooks))
{
    setObjectName(QStringLiteral("PopupMenuTabelle"));

    QMenu* insert = addMenu(QStringLiteral("Insert"));
    m_insert = insert->menuAction();
    QMenu* task = insert->addMenu(QStringLiteral("Task"));
    for (const auto& [caption, kind] : {std::pair{"One Shot", 'O'}, std::pair{"Yearly", 'Y'},
                                        std::pair{"Monthly", 'M'}, std::pair{"Weekly", 'W'}}) {
        const QChar k = QLatin1Char(kind);
        task->addAction(QLatin1String(caption), this, [this, k] { emit insertTaskRequested(k); });
    }
    insert->addAction(QStringLiteral("Contact"), this, &ListMenu::insertContactRequested);
    insert->addAction(QStringLiteral("Note"), this, &ListMenu::insertNoteRequested);
    insert->addAction(QStringLiteral("To do"), this, &ListMenu::insertToDoRequested);

    m_delete = addAction(QStringLiteral("Delete"), this, [this] {
        if (QAbstractButton* button = m_hooks.deleteButton())
            button->click();
    });
    m_modify = addAction(QStringLiteral("Modify"), this, [this] {
        if (QAbstractButton* button = m_hooks.modifyButton())
            button->click();
    });
    QMenu* print = addMenu(QStringLiteral("Print"));
    m_print = print->menuAction();
    m_preview =
        print->addAction(QStringLiteral("Preview"), this, [this] { emit printRequested(true); });
    print->addAction(QStringLiteral("Print"), this, [this] { emit printRequested(false); });
    addSeparator();
    addAction(QStringLiteral("Cancel"));

    connect(this, &QMenu::aboutToShow, this, &ListMenu::prepare);
}

void ListMenu::attachTo(QWidget* widget)
{
    widget->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(widget, &QWidget::customContextMenuRequested, this,
            [this, widget](const QPoint& pos) { openAt(widget->mapToGlobal(pos)); });
}

void ListMenu::openAt(const QPoint& globalPos)
{
    if (m_hooks.readOnly())
        return;
    popup(globalPos);
}

void ListMenu::prepare()
{
    const bool locked = m_hooks.locked();
    const QAbstractButton* del = m_hooks.deleteButton();
    // Modify follows Delete: both need a record to work on.
    const bool onRecord = !locked && del && del->isEnabled();
    m_insert->setEnabled(!locked);
    m_delete->setEnabled(onRecord);
    m_modify->setEnabled(onRecord);
    // Print follows Delete, except on the Notes tab, where the note prints
    // as text (no preview) whenever its print button could.
    const QAbstractButton* notesPrint =
        m_hooks.notesPrintButton ? m_hooks.notesPrintButton() : nullptr;
    m_print->setEnabled(!locked && (notesPrint ? notesPrint->isEnabled() : onRecord));
    m_preview->setEnabled(!notesPrint);
}

} // namespace app

#pragma once

#include <QChar>
#include <QMenu>
#include <functional>

class QAbstractButton;

namespace app {

// The context menu of the lists and panels of the window: insert a record of
// any kind, press the active section's Delete or Modify, or preview or
// print the active section's list.
class ListMenu final : public QMenu
{
    Q_OBJECT
public:
    // What the menu reads from the window each time it is about to open.
    struct Hooks
    {
        // The active section's delete and modify buttons; null where the
        // section has none (and on the Options tab).
        std::function<QAbstractButton*()> deleteButton;
        std::function<QAbstractButton*()> modifyButton;
        std::function<bool()> locked;
        std::function<bool()> readOnly;
        // On the Notes tab its print button, which "Print" follows there;
        // null on every other tab.
        std::function<QAbstractButton*()> notesPrintButton;
    };

    ListMenu(Hooks hooks, QWidget* parent);

    // Right clicks on `widget`, or on any child without a menu of its own,
    // open this menu.
    void attachTo(QWidget* widget);
    // Opens at `globalPos`, unless the archive is read-only.
    void openAt(const QPoint& globalPos);
    // Gives every entry its state for the active section.
    void prepare();

signals:
    void insertTaskRequested(QChar kind);
    void insertToDoRequested();
    void insertContactRequested();
    void insertNoteRequested();
    void printRequested(bool preview);

private:
    Hooks m_hooks;
    QAction* m_insert = nullptr;
    QAction* m_delete = nullptr;
    QAction* m_modify = nullptr;
    QAction* m_print = nullptr;
    QAction* m_preview = nullptr;
};

} // namespace app

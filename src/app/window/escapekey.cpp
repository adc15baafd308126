#include "app/window/escapekey.h"

#include <QApplication>
#include <QKeyEvent>
#include <QShortcut>
#include <QTimer>
#include <QWidget>

namespace app {

EscapeKey::EscapeKey(QWidget* window) : QObject(window)
{
    auto* shortcut = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    shortcut->setContext(Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, this, &EscapeKey::activated);
    qApp->installEventFilter(this);
}

bool EscapeKey::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride && !m_closesPopup &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape &&
        QApplication::activePopupWidget()) {
        m_closesPopup = true;
        // One key press is dispatched without returning to the event loop:
        // the next turn belongs to the next key.
        QTimer::singleShot(0, this, [this] { m_closesPopup = false; });
    }
    return QObject::eventFilter(watched, event);
}

void EscapeKey::activated()
{
    if (m_closesPopup || QApplication::activePopupWidget()) {
        if (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
        return;
    }
    emit exitRequested();
}

} // namespace app

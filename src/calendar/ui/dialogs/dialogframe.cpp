#include "dialogframe.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace calendar::ui {

FrameDragger::FrameDragger(QWidget* window) : QObject(window), m_window(window)
{
    watch(window);
}

void FrameDragger::watch(QWidget* panel)
{
    panel->installEventFilter(this);
}

bool FrameDragger::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* press = static_cast<QMouseEvent*>(event);
        if (press->button() != Qt::LeftButton)
            break;
        // The window sees the presses its fields let through too; only those
        // on its bare border drag it.
        if (watched == m_window && m_window->childAt(press->position().toPoint()))
            break;
        // Where the window system moves windows itself (Wayland has no other
        // way), let it; elsewhere follow the mouse until the button is let go.
        if (QWindow* handle = m_window->windowHandle(); handle && handle->startSystemMove())
            return true;
        m_dragging = true;
        m_grab = press->globalPosition().toPoint() - m_window->frameGeometry().topLeft();
        return true;
    }
    case QEvent::MouseMove:
        if (m_dragging) {
            m_window->move(static_cast<QMouseEvent*>(event)->globalPosition().toPoint() - m_grab);
            return true;
        }
        break;
    case QEvent::MouseButtonRelease:
        if (m_dragging) {
            m_dragging = false;
            return true;
        }
        break;
    default:
        break;
    }
    return false;
}

void scaleDialog(QWidget* dialog, QSize designed, int percent)
{
    QFont font = dialog->font();
    font.setPointSizeF(font.pointSizeF() * percent / 100.0);
    dialog->setFont(font);
    dialog->resize(designed * (percent / 100.0));
}

void paintPanel(QWidget* panel, const QColor& background, const QColor& text)
{
    QPalette palette = panel->palette();
    if (background.isValid())
        palette.setColor(QPalette::Window, background);
    if (text.isValid()) {
        palette.setColor(QPalette::WindowText, text);
        palette.setColor(QPalette::ButtonText, text);
    }
    panel->setPalette(palette);
    panel->setAutoFillBackground(background.isValid());
}

} // namespace calendar::ui

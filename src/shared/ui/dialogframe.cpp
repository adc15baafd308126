#include "dialogframe.h"

#include <QMouseEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace shared::ui {

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

namespace {

// Shifts `rect` onto `area`; one larger than the area keeps its top-left
// corner, where the title and the first fields are, in sight.
QPoint keptOn(QRect rect, const QRect& area)
{
    rect.moveLeft(std::max(area.left(), std::min(rect.left(), area.right() - rect.width() + 1)));
    rect.moveTop(std::max(area.top(), std::min(rect.top(), area.bottom() - rect.height() + 1)));
    return rect.topLeft();
}

QRect availableAround(const QWidget* widget)
{
    const QScreen* screen = widget->screen();
    return screen ? screen->availableGeometry() : QRect();
}

} // namespace

void placeOverParent(QWidget* dialog)
{
    // The size the layout will settle on, so that nothing resizes the window
    // between this placement and its mapping.
    dialog->resize(dialog->size().expandedTo(dialog->minimumSizeHint()));
    const QWidget* opener = dialog->parentWidget() ? dialog->parentWidget()->window() : nullptr;
    const QRect area = availableAround(opener ? opener : dialog);
    QRect placed(QPoint(), dialog->size());
    placed.moveCenter(opener ? opener->frameGeometry().center() : area.center());
    dialog->move(area.isValid() ? keptOn(placed, area) : placed.topLeft());
}

void placeBelow(QWidget* popup, const QWidget* field)
{
    const QPoint fieldTop = field->mapToGlobal(QPoint(0, 0));
    const QRect area = availableAround(field);
    QRect placed(fieldTop + QPoint(0, field->height()), popup->size());
    if (area.isValid() && placed.bottom() > area.bottom() &&
        fieldTop.y() - placed.height() >= area.top())
        placed.moveBottom(fieldTop.y() - 1);
    popup->move(area.isValid() ? keptOn(placed, area) : placed.topLeft());
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

} // namespace shared::ui

#include "qtworkarea.h"

#include <QGuiApplication>
#include <QScreen>

namespace platform {

QRect QtWorkArea::workArea() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

TaskbarEdge QtWorkArea::taskbarEdge() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return TaskbarEdge::Undetermined;
    return taskbarEdgeBetween(screen->geometry(), screen->availableGeometry());
}

} // namespace platform

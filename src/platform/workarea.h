#pragma once

#include <QRect>

namespace platform {

// The side of the screen the taskbar (panel) sits on.
enum class TaskbarEdge { Left, Top, Right, Bottom, Undetermined };

// The screen minus the taskbar, and where the taskbar is. Notifications slide
// out of the taskbar's side into the work area.
class WorkArea
{
public:
    virtual ~WorkArea() = default;
    virtual QRect workArea() const = 0;
    virtual TaskbarEdge taskbarEdge() const = 0;
};

// The edge a panel takes away from the screen. A screen without a panel, or
// with panels on several sides at once, gives no single edge.
inline TaskbarEdge taskbarEdgeBetween(const QRect& screen, const QRect& available)
{
    const bool top = available.top() > screen.top();
    const bool bottom = available.bottom() < screen.bottom();
    const bool left = available.left() > screen.left();
    const bool right = available.right() < screen.right();
    if (int(top) + int(bottom) + int(left) + int(right) != 1)
        return TaskbarEdge::Undetermined;
    if (top)
        return TaskbarEdge::Top;
    if (bottom)
        return TaskbarEdge::Bottom;
    return left ? TaskbarEdge::Left : TaskbarEdge::Right;
}

} // namespace platform

#include "popupmotion.h"

#include <cmath>

namespace reminders {

using platform::TaskbarEdge;

TaskbarEdge effectiveEdge(TaskbarEdge edge)
{
    return edge == TaskbarEdge::Undetermined ? TaskbarEdge::Bottom : edge;
}

std::optional<QRect> PopupStack::place(TaskbarEdge seen, const QRect& area,
                                       const PopupLayout& layout)
{
    if (seen != m_lastEdge) {
        m_lastEdge = seen;
        m_open = 0;
    }
    const TaskbarEdge edge = effectiveEdge(seen);
    const int w = layout.width;
    const int h = layout.height;
    // QRect's right and bottom are the last pixel inside; the work area's
    // edges are one past them.
    const int areaRight = area.left() + area.width();
    const int areaBottom = area.top() + area.height();
    if (m_open == 0) {
        m_offset = 0;
    } else {
        bool fits = true;
        switch (edge) {
        case TaskbarEdge::Left:
            fits = areaRight >= m_offset + w + layout.startX;
            break;
        case TaskbarEdge::Top:
            fits = areaBottom >= m_offset + h + layout.startY;
            break;
        case TaskbarEdge::Right:
            fits = areaRight - m_offset - h - layout.startY >= 0;
            break;
        default:
            fits = areaBottom - m_offset - h - layout.startY >= 0;
            break;
        }
        if (!fits)
            return std::nullopt;
    }
    ++m_open;
    QRect rect;
    switch (edge) {
    case TaskbarEdge::Left:
        rect = QRect(area.left() + layout.startX, areaBottom - layout.startY - h - m_offset, w, h);
        break;
    case TaskbarEdge::Top:
        rect = QRect(areaRight - w - layout.startX, area.top() + layout.startY + m_offset, w, h);
        break;
    default:
        rect = QRect(areaRight - w - layout.startX, areaBottom - layout.startY - h - m_offset, w, h);
        break;
    }
    if (layout.cascade)
        m_offset += h + layout.marge;
    return rect;
}

void PopupStack::closed()
{
    if (m_open > 0)
        --m_open;
}

PopupMotion::PopupMotion(TaskbarEdge edge, const QRect& full, int speed, bool allowScroll,
                         int timeOutSeconds)
    : m_edge(effectiveEdge(edge)), m_full(full), m_speed(speed), m_timeOut(timeOutSeconds),
      m_extent(fullExtent()), m_phase(Phase::Shown)
{
    // Without a speed the window would never grow: it then appears at once.
    if (allowScroll && speed > 0 && fullExtent() > 1) {
        m_extent = 1;
        m_phase = Phase::SlidingIn;
    }
}

int PopupMotion::fullExtent() const
{
    const bool horizontal = m_edge == TaskbarEdge::Left || m_edge == TaskbarEdge::Right;
    return horizontal ? m_full.width() : m_full.height();
}

QRect PopupMotion::rect() const
{
    QRect r = m_full;
    switch (m_edge) {
    case TaskbarEdge::Left:
        r.setWidth(m_extent);
        break;
    case TaskbarEdge::Top:
        r.setHeight(m_extent);
        break;
    case TaskbarEdge::Right:
        r.setLeft(m_full.right() - m_extent + 1);
        break;
    default:
        r.setTop(m_full.bottom() - m_extent + 1);
        break;
    }
    return r;
}

std::optional<int> PopupMotion::nextDelay() const
{
    switch (m_phase) {
    case Phase::SlidingIn:
    case Phase::SlidingOut:
        return StepMs;
    case Phase::Shown:
        if (m_timeOut > 0)
            return m_timeOut * 1000;
        return std::nullopt;
    case Phase::Closed:
        break;
    }
    return std::nullopt;
}

void PopupMotion::step()
{
    switch (m_phase) {
    case Phase::SlidingIn:
        m_extent += m_speed;
        if (m_extent >= fullExtent()) {
            m_extent = fullExtent();
            m_phase = Phase::Shown;
        }
        break;
    case Phase::Shown:
        // The time-out is over: the first step back happens at once.
        if (m_timeOut <= 0)
            break;
        m_phase = Phase::SlidingOut;
        [[fallthrough]];
    case Phase::SlidingOut:
        if (m_speed <= 0 || m_extent - m_speed <= 0)
            m_phase = Phase::Closed;
        else
            m_extent -= m_speed;
        break;
    case Phase::Closed:
        break;
    }
}

int gradientChannel(int from, int to, int pos, int extent)
{
    if (extent <= 0)
        return from;
    return from + int(std::lround(double(to - from) * pos / extent));
}

} // namespace reminders

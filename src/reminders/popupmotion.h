#pragma once

#include "platform/workarea.h"

#include <QRect>

#include <optional>

namespace reminders {

// The sizes and distances of a notification window.
struct PopupLayout
{
    int width = 480;
    int height = 96;
    int startX = 16;  // PopupStartX: from the work area's side
    int startY = 2;   // PopupStartY: from the taskbar side
    int marge = 2;    // PopupMarge: gap between stacked windows
    bool cascade = false; // msnCascadePopups
};

// An undetermined taskbar edge places windows as a bottom taskbar does, in
// the bottom right corner of the work area.
platform::TaskbarEdge effectiveEdge(platform::TaskbarEdge edge);

// Where the windows of one notification component go. Without cascading
// every window opens at the same place, on top of the previous ones.
class PopupStack final
{
public:
    // The full-size rectangle of a new window, counted as open; nothing when
    // it does not fit between the stack and the work area's edge.
    std::optional<QRect> place(platform::TaskbarEdge edge, const QRect& workArea,
                               const PopupLayout& layout);
    void closed();
    int openCount() const { return m_open; }

private:
    int m_open = 0;
    int m_offset = 0;
    std::optional<platform::TaskbarEdge> m_lastEdge;
};

// A window's rectangle over its life: it slides out of the taskbar side by
// `speed` pixels a step, stays for its time-out, slides back and closes.
// The caller waits nextDelay() milliseconds, then calls step().
class PopupMotion final
{
public:
    enum class Phase { SlidingIn, Shown, SlidingOut, Closed };
    static constexpr int StepMs = 25;

    PopupMotion(platform::TaskbarEdge edge, const QRect& full, int speed, bool allowScroll,
                int timeOutSeconds);

    QRect rect() const;
    Phase phase() const { return m_phase; }
    // Milliseconds until the next step; nothing while shown without time-out
    // and once closed.
    std::optional<int> nextDelay() const;
    void step();

private:
    int fullExtent() const;

    platform::TaskbarEdge m_edge;
    QRect m_full;
    int m_speed;
    int m_timeOut;
    int m_extent; // along the sliding direction
    Phase m_phase;
};

// One channel of the background gradient at `pos` of `extent`.
int gradientChannel(int from, int to, int pos, int extent);

} // namespace reminders

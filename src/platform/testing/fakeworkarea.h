#pragma once

#include "platform/workarea.h"

namespace platform {

// A desktop of 1920 x 1080 with a 40-pixel taskbar at the bottom unless told
// otherwise.
class FakeWorkArea final : public WorkArea
{
public:
    QRect area{0, 0, 1920, 1040};
    TaskbarEdge edge = TaskbarEdge::Bottom;

    QRect workArea() const override { return area; }
    TaskbarEdge taskbarEdge() const override { return edge; }
};

} // namespace platform

#pragma once

#include "platform/workarea.h"

namespace platform {

// The primary screen's available geometry; the taskbar edge is the side the
// desktop's panels take away from the full geometry.
class QtWorkArea final : public WorkArea
{
public:
    QRect workArea() const override;
    TaskbarEdge taskbarEdge() const override;
};

} // namespace platform

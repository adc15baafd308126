#pragma once

#include "platform/desktop.h"

namespace platform {

class QtDesktop final : public Desktop
{
public:
    bool openPath(const QString& path) override;
    bool openUrl(const QString& url) override;
    bool hasSystemTray() const override;
};

} // namespace platform

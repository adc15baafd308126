#pragma once

#include <QDateTime>

namespace platform {

// The one source of "now". Reminders, the change of day and "today" read
// the time only from here, so tests can move it.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    QDate today() const { return now().date(); }
};

class SystemClock final : public Clock
{
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

} // namespace platform

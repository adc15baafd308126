#pragma once

#include "platform/clock.h"

namespace platform {

// A clock for tests that stands still until moved.
class ManualClock final : public Clock
{
public:
    explicit ManualClock(QDateTime start = QDateTime(QDate(2026, 12, 10), QTime(9, 0)))
        : m_now(std::move(start))
    {
    }
    QDateTime now() const override { return m_now; }
    void set(const QDateTime& when) { m_now = when; }
    void advance(qint64 msecs) { m_now = m_now.addMSecs(msecs); }

private:
    QDateTime m_now;
};

} // namespace platform

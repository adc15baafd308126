#pragma once

#include "platform/desktop.h"

#include <QString>

namespace platform {

// Placing a telephone call to a number.
class Telephony
{
public:
    virtual ~Telephony() = default;
    // Hands `number` to whatever places calls. False when nothing took it.
    virtual bool dial(const QString& number) = 0;
};

// Calls through the desktop: a "tel:" address goes to the program the user
// set up for calls (a softphone, a paired mobile), as a browser link would.
class DesktopTelephony final : public Telephony
{
public:
    explicit DesktopTelephony(Desktop& desktop) : m_desktop(desktop) {}
    bool dial(const QString& number) override { return m_desktop.openUrl(telAddress(number)); }

    // A "tel:" address may not hold blanks, which users type between the
    // groups of a number; they are dropped, every other character kept.
    static QString telAddress(const QString& number)
    {
        QString digits;
        for (const QChar c : number) {
            if (!c.isSpace())
                digits.append(c);
        }
        return QStringLiteral("tel:") + digits;
    }

private:
    Desktop& m_desktop;
};

} // namespace platform

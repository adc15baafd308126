#pragma once

#include "platform/telephony.h"

#include <QStringList>

namespace platform {

// Records the numbers dialled; `answers` decides whether a call is taken.
class RecordingTelephony final : public Telephony
{
public:
    QStringList dialled;
    bool answers = true;

    bool dial(const QString& number) override
    {
        dialled.append(number);
        return answers;
    }
};

} // namespace platform

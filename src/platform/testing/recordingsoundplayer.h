#pragma once

#include "platform/soundplayer.h"

#include <QStringList>

namespace platform {

// Records what would have been heard: a file's path, or "mailbeep" for the
// desktop's new-mail sound.
class RecordingSoundPlayer final : public SoundPlayer
{
public:
    QStringList played;

    void playFile(const QString& path) override { played.append(path); }
    void playMailSound() override { played.append(QStringLiteral("mailbeep")); }
};

} // namespace platform

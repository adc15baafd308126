#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace platform {

// Plays the alarm sounds. Both calls return at once: the sound goes on by
// itself, and a newer call cuts off a sound still playing. Nothing is ever
// reported; a sound that cannot be played is simply not heard, and a machine
// without an audio device stays silent without waiting for anything.
class SoundPlayer
{
public:
    virtual ~SoundPlayer() = default;
    // A sound file (wave, or whatever the desktop can decode).
    virtual void playFile(const QString& path) = 0;
    // The desktop's new-mail sound, which the settings call "mailbeep".
    virtual void playMailSound() = 0;
};

// The desktop's new-mail event sound in the freedesktop sound theme
// ("message-new-email"), looked for under each data folder's "sounds"; the
// "freedesktop" theme is preferred over any other. Empty when no theme has one.
QString desktopMailSound(const QStringList& dataFolders);

// The data folders of the desktop: $XDG_DATA_DIRS, or its usual default.
QStringList desktopDataFolders();

// A short two-note chime as a complete 16-bit mono wave file, for desktops
// without a new-mail sound of their own.
QByteArray builtInChime();

} // namespace platform

#pragma once

#include "platform/soundplayer.h"

#include <QObject>

#include <memory>

class QMediaPlayer;
class QSoundEffect;
class QTemporaryFile;

namespace platform {

// Plays through Qt Multimedia. Wave files, which alarm sounds are, go
// through QSoundEffect, which needs no media back end; other formats (a
// desktop's Ogg mail sound) through QMediaPlayer, and only when the back end
// says it decodes them: a back end without its decoders would not play them
// and may fail hard when a player is made. Everything is made on the first
// sound, and play() only queues it: on a machine without an audio device
// nothing waits for a sound to end.
class QtSoundPlayer final : public QObject, public SoundPlayer
{
    Q_OBJECT
public:
    explicit QtSoundPlayer(QObject* parent = nullptr);
    ~QtSoundPlayer() override;

    void playFile(const QString& path) override;
    void playMailSound() override;

    // The mail sound actually used: the desktop's when it can be played,
    // else the built-in chime written once to a temporary file.
    QString mailSoundPath();

private:
    static bool isWave(const QString& path);
    static bool backendDecodes(const QString& path);
    void stopAll();

    QSoundEffect* m_effect = nullptr;
    QMediaPlayer* m_player = nullptr;
    std::unique_ptr<QTemporaryFile> m_chime;
    QString m_mailSound;
};

} // namespace platform

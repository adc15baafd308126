#pragma once

#include "platform/soundplayer.h"

#include <QObject>

#include <memory>

class QAudioOutput;
class QMediaPlayer;
class QTemporaryFile;

namespace platform {

// Plays through Qt Multimedia. The player is made on the first sound, so a
// program that never rings does not start the media back end. play() only
// queues the sound and returns; on a machine without an audio device the
// back end reports an error that nobody waits for.
class QtSoundPlayer final : public QObject, public SoundPlayer
{
    Q_OBJECT
public:
    explicit QtSoundPlayer(QObject* parent = nullptr);
    ~QtSoundPlayer() override;

    void playFile(const QString& path) override;
    void playMailSound() override;

    // The mail sound actually used: the desktop's, else the built-in chime
    // written once to a temporary file.
    QString mailSoundPath();

private:
    QMediaPlayer* m_player = nullptr;
    QAudioOutput* m_output = nullptr;
    std::unique_ptr<QTemporaryFile> m_chime;
    QString m_mailSound;
};

} // namespace platform

#include "qtsoundplayer.h"

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QTemporaryFile>
#include <QUrl>

namespace platform {

QtSoundPlayer::QtSoundPlayer(QObject* parent) : QObject(parent) {}

QtSoundPlayer::~QtSoundPlayer() = default;

void QtSoundPlayer::playFile(const QString& path)
{
    if (!m_player) {
        m_player = new QMediaPlayer(this);
        m_output = new QAudioOutput(this);
        m_player->setAudioOutput(m_output);
    }
    // A newer alarm cuts off the one still ringing.
    m_player->stop();
    m_player->setSource(QUrl::fromLocalFile(path));
    m_player->play();
}

void QtSoundPlayer::playMailSound()
{
    const QString path = mailSoundPath();
    if (!path.isEmpty())
        playFile(path);
}

QString QtSoundPlayer::mailSoundPath()
{
    if (!m_mailSound.isEmpty())
        return m_mailSound;
    m_mailSound = desktopMailSound(desktopDataFolders());
    if (m_mailSound.isEmpty()) {
        m_chime = std::make_unique<QTemporaryFile>(QStringLiteral("corvandine-chime-XXXXXX.wav"));
        if (m_chime->open()) {
            m_chime->write(builtInChime());
            m_chime->flush();
            m_mailSound = m_chime->fileName();
        }
    }
    return m_mailSound;
}

} // namespace platform

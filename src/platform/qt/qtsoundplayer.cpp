#include "qtsoundplayer.h"

#include <QAudioOutput>
#include <QFile>
#include <QMediaFormat>
#include <QMediaPlayer>
#include <QMimeDatabase>
#include <QSoundEffect>
#include <QDir>
#include <QTemporaryFile>
#include <QUrl>

namespace platform {

QtSoundPlayer::QtSoundPlayer(QObject* parent) : QObject(parent) {}

QtSoundPlayer::~QtSoundPlayer() = default;

bool QtSoundPlayer::isWave(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(12);
    return head.size() == 12 && head.startsWith("RIFF") && head.mid(8, 4) == "WAVE";
}

bool QtSoundPlayer::backendDecodes(const QString& path)
{
    const QMimeType mime = QMimeDatabase().mimeTypeForFile(path);
    const QList<QMediaFormat::FileFormat> formats =
        QMediaFormat().supportedFileFormats(QMediaFormat::Decode);
    for (QMediaFormat::FileFormat format : formats) {
        const QMimeType decoded = QMediaFormat(format).mimeType();
        if (decoded.isValid() && (mime == decoded || mime.inherits(decoded.name())))
            return true;
    }
    return false;
}

void QtSoundPlayer::stopAll()
{
    // A newer alarm cuts off the one still ringing.
    if (m_effect)
        m_effect->stop();
    if (m_player)
        m_player->stop();
}

void QtSoundPlayer::playFile(const QString& path)
{
    stopAll();
    if (isWave(path)) {
        if (!m_effect)
            m_effect = new QSoundEffect(this);
        m_effect->setSource(QUrl::fromLocalFile(path));
        m_effect->play();
        return;
    }
    if (!backendDecodes(path))
        return;
    if (!m_player) {
        m_player = new QMediaPlayer(this);
        m_player->setAudioOutput(new QAudioOutput(m_player));
    }
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
    const QString desktop = desktopMailSound(desktopDataFolders());
    if (!desktop.isEmpty() && (isWave(desktop) || backendDecodes(desktop))) {
        m_mailSound = desktop;
        return m_mailSound;
    }
    // A relative template would land in whatever folder the program was
    // started from.
    m_chime = std::make_unique<QTemporaryFile>(
        QDir::temp().filePath(QStringLiteral("corvandine-chime-XXXXXX.wav")));
    if (m_chime->open()) {
        m_chime->write(builtInChime());
        m_chime->flush();
        m_mailSound = m_chime->fileName();
    }
    return m_mailSound;
}

} // namespace platform

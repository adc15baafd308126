#include "soundplayer.h"

#include <QDir>
#include <QFileInfo>
#include <QtEndian>

#include <cmath>
#include <numbers>

namespace platform {

QString desktopMailSound(const QStringList& dataFolders)
{
    static const QStringList suffixes = {QStringLiteral("oga"), QStringLiteral("ogg"),
                                         QStringLiteral("wav")};
    const auto inTheme = [](const QDir& theme) -> QString {
        for (const QString& suffix : suffixes) {
            const QString path =
                theme.filePath(QStringLiteral("stereo/message-new-email.") + suffix);
            if (QFileInfo(path).isFile())
                return path;
        }
        return {};
    };
    for (const QString& folder : dataFolders) {
        const QString found = inTheme(QDir(folder + QStringLiteral("/sounds/freedesktop")));
        if (!found.isEmpty())
            return found;
    }
    for (const QString& folder : dataFolders) {
        const QDir sounds(folder + QStringLiteral("/sounds"));
        const QStringList themes = sounds.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
        for (const QString& theme : themes) {
            const QString found = inTheme(QDir(sounds.filePath(theme)));
            if (!found.isEmpty())
                return found;
        }
    }
    return {};
}

QStringList desktopDataFolders()
{
    const QString dirs = qEnvironmentVariable("XDG_DATA_DIRS");
    if (dirs.isEmpty())
        return {QStringLiteral("/usr/local/share"), QStringLiteral("/usr/share")};
    return dirs.split(u':', Qt::SkipEmptyParts);
}

QByteArray builtInChime()
{
    constexpr int rate = 22050;
    constexpr int noteSamples = rate / 5; // two notes of 0.2 s
    constexpr double notes[] = {880.0, 1318.5};
    const int samples = noteSamples * 2;
    const quint32 dataBytes = quint32(samples) * 2;

    QByteArray wave;
    wave.reserve(44 + int(dataBytes));
    const auto u32 = [&wave](quint32 v) {
        char b[4];
        qToLittleEndian(v, b);
        wave.append(b, 4);
    };
    const auto u16 = [&wave](quint16 v) {
        char b[2];
        qToLittleEndian(v, b);
        wave.append(b, 2);
    };
    wave.append("RIFF", 4);
    u32(36 + dataBytes);
    wave.append("WAVEfmt ", 8);
    u32(16);
    u16(1);        // PCM
    u16(1);        // mono
    u32(rate);
    u32(rate * 2); // bytes per second
    u16(2);        // bytes per frame
    u16(16);       // bits per sample
    wave.append("data", 4);
    u32(dataBytes);
    for (int i = 0; i < samples; ++i) {
        const int inNote = i % noteSamples;
        const double t = double(inNote) / rate;
        // A quick decay keeps the notes apart and avoids a click at the end.
        const double envelope = std::exp(-6.0 * t) * (1.0 - double(inNote) / noteSamples);
        const double v = std::sin(2.0 * std::numbers::pi * notes[i / noteSamples] * t);
        u16(quint16(qint16(std::lround(v * envelope * 12000.0))));
    }
    return wave;
}

} // namespace platform

#include "alarmsound.h"

#include "platform/prompter.h"
#include "platform/soundplayer.h"
#include "store/settings.h"

#include <QDir>
#include <QFileInfo>

namespace reminders {
namespace {

bool isFile(const QString& path)
{
    return !path.isEmpty() && QFileInfo(path).isFile();
}

} // namespace

QString soundFileName(const QString& stored)
{
    const qsizetype cut = std::max(stored.lastIndexOf(u'/'), stored.lastIndexOf(u'\\'));
    return stored.mid(cut + 1);
}

QString replacementSound(const QString& stored, const QString& programFolder)
{
    const QString name = soundFileName(stored);
    if (name.isEmpty())
        return {};
    return QDir(programFolder).filePath(QStringLiteral("alarms/") + name);
}

SoundChoice chooseAlarmSound(const QString& stored, const QString& programFolder)
{
    // "mailbeep" names the alias, never a file that happens to carry the name.
    if (stored == MailBeep)
        return {};
    if (isFile(stored))
        return {SoundChoice::Source::StoredFile, stored};
    const QString replacement = replacementSound(stored, programFolder);
    if (isFile(replacement))
        return {SoundChoice::Source::Replacement, replacement};
    return {};
}

SoundLabel soundLabelFor(const QString& stored, const QString& programFolder)
{
    const bool usable = stored == MailBeep
        || chooseAlarmSound(stored, programFolder).source != SoundChoice::Source::MailSound;
    if (usable)
        return {soundFileName(stored), false, QStringLiteral("Allarme in uso")};
    return {MailBeep, true, QStringLiteral("Sostituto del file allarme non trovato: ") + stored};
}

AlarmSound::AlarmSound(platform::SoundPlayer& player, QString programFolder)
    : m_player(player), m_programFolder(std::move(programFolder))
{
}

void AlarmSound::play(const QString& stored)
{
    const SoundChoice choice = chooseAlarmSound(stored, m_programFolder);
    if (choice.source == SoundChoice::Source::MailSound)
        m_player.playMailSound();
    else
        m_player.playFile(choice.path);
}

SoundOptions::SoundOptions(store::Settings& settings, platform::Prompter& prompter,
                           AlarmSound& sound, QString desktopFolder)
    : m_settings(settings), m_prompter(prompter), m_sound(sound),
      m_desktopFolder(std::move(desktopFolder))
{
}

SoundLabel SoundOptions::label() const
{
    return soundLabelFor(m_settings.waveSound(), m_sound.programFolder());
}

QString SoundOptions::chooseFolder() const
{
    const QString stored = m_settings.waveSound();
    if (isFile(stored))
        return QFileInfo(stored).absolutePath();
    const QString alarms = QDir(m_sound.programFolder()).filePath(QStringLiteral("alarms"));
    return QFileInfo(alarms).isDir() ? alarms : m_desktopFolder;
}

void SoundOptions::choose()
{
    const QString chosen = m_prompter.openFileName(
        QStringLiteral("Open alarm"), chooseFolder(), QStringLiteral("Wave file (*.wav)"));
    if (chosen.isEmpty())
        return;
    store(chosen);
}

void SoundOptions::useMailSound()
{
    if (!m_prompter.ask(QStringLiteral(
            "Do you want to set the same sound as an alarm system for incoming mail?")))
        return;
    store(MailBeep);
}

void SoundOptions::playSound()
{
    refreshLabel();
    m_sound.play(m_settings.waveSound());
}

void SoundOptions::store(const QString& value)
{
    store::OptionValues values = m_settings.currentOptions();
    values.waveSound = value;
    m_settings.saveOptions(values);
    m_settings.load();
    refreshLabel();
}

void SoundOptions::refreshLabel()
{
    if (showLabel)
        showLabel(label());
}

} // namespace reminders

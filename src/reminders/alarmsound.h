#pragma once

#include <QString>

#include <functional>

namespace platform {
class Prompter;
class SoundPlayer;
} // namespace platform
namespace store {
class Settings;
}

namespace reminders {

// The stored value that stands for the desktop's new-mail sound.
inline const QString MailBeep = QStringLiteral("mailbeep");

// Where the alarm sound comes from. The stored file wins; when it has gone,
// a file of the same name in the program's "alarms" folder stands in; when
// that is missing too, the desktop's new-mail sound rings.
struct SoundChoice
{
    enum class Source { StoredFile, Replacement, MailSound };
    Source source = Source::MailSound;
    QString path; // empty for the mail sound
};

// The file-name part of a stored path. Archives written on another system
// may hold backslashes, which count as separators too.
QString soundFileName(const QString& stored);
QString replacementSound(const QString& stored, const QString& programFolder);
SoundChoice chooseAlarmSound(const QString& stored, const QString& programFolder);

// What the sound name label shows: the file name while the alarm can ring
// as chosen (or "mailbeep" chosen on purpose), a red "mailbeep" once the
// chosen file and its replacement are both gone.
struct SoundLabel
{
    QString text;
    bool warning = false; // red instead of the window-text colour
    QString hint;
    friend bool operator==(const SoundLabel&, const SoundLabel&) = default;
};
SoundLabel soundLabelFor(const QString& stored, const QString& programFolder);

// Plays the alarm sound with its fall-backs.
class AlarmSound final
{
public:
    AlarmSound(platform::SoundPlayer& player, QString programFolder);

    void play(const QString& stored);
    const QString& programFolder() const { return m_programFolder; }

private:
    platform::SoundPlayer& m_player;
    QString m_programFolder;
};

// The sound buttons of the Options tab. Each writes the settings row at once
// and reads it back, then hands the new label to `showLabel`.
class SoundOptions final
{
public:
    SoundOptions(store::Settings& settings, platform::Prompter& prompter, AlarmSound& sound,
                  QString desktopFolder);

    std::function<void(const SoundLabel&)> showLabel;

    SoundLabel label() const;
    // "Choose": pick a wave file.
    void choose();
    // "Windows": go back to the desktop's new-mail sound, after asking.
    void useMailSound();
    // "Play sound": refresh the label, then ring.
    void playSound();
    // The folder the "Choose" dialog opens in.
    QString chooseFolder() const;

private:
    void store(const QString& value);
    void refreshLabel();

    store::Settings& m_settings;
    platform::Prompter& m_prompter;
    AlarmSound& m_sound;
    QString m_desktopFolder;
};

} // namespace reminders

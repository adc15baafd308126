#pragma once

#include <QString>
#include <QStringList>

namespace platform {
class Prompter;
class ProgramDrive;
} // namespace platform

namespace app::desktop {

// The seven lines of "autorun.inf" for a program in `folder`, given relative
// to the drive's root ("tools/org", or empty for the root itself). The
// executable is always named "cOrganizer.exe": the file serves the copy of
// the program that starts from a removable drive on Windows.
QStringList autorunLines(const QString& folder);

// The second line marks the file as the program's own.
bool isOwnAutorun(const QStringList& lines);

// What a foreign file shows of itself in the question: at most this many
// lines of at most this many characters.
inline constexpr int ShownAutorunLines = 20;
inline constexpr int ShownAutorunWidth = 100;
QString shownAutorunText(const QString& content);

// "Autorun.inf" of the Options tab: creates, replaces or deletes the file
// at the root of the drive the program runs from, asking first. A foreign
// file is kept as "autorun.old" before it is replaced. A file that cannot be
// written is told; one that cannot be deleted is left silently.
void toggleAutorun(const QString& programFolder, const platform::ProgramDrive& drive,
                   platform::Prompter& prompter);

} // namespace app::desktop

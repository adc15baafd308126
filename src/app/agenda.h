#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QTextStream;

namespace platform {
class Clock;
}

namespace app {

// The command line of the program besides the window:
//
//   corvandine --agenda [DATE] [--days N] [--archive DIR]
//   corvandine --export todo FILE [--archive DIR]
//   corvandine --export plan FILE [--date DATE] [--archive DIR]
//   corvandine --almanac [DATE] [--days N]          (almanaccommand.h)
//   corvandine --help | --version
//
// "--agenda" prints the tasks of the daily view (suspended tasks hidden) for
// N days from DATE (ISO yyyy-mm-dd, default today), one line per task: date,
// start time, end time, kind letter and description, separated by tabs. It
// runs on its own and reads only: it never talks to a running program, opens
// no window and changes nothing in the archive.
//
// "--export" writes the comma-separated file of the To Do tab's or the
// Today tab's Export button, with the buttons' code (exportcommand.h); it
// reads the archive as the agenda does and writes nothing but FILE, and that
// only whole.
//
// "--archive DIR" takes DIR as the archive folder, for the agenda and for the
// window alike; without it the archive is found as the program finds it.
//
// An archive the window would open locked is read only when its password
// comes as one line on standard input; without it, or with a wrong one, the
// command ends with exit code 2 and one line on the error stream.

// What the command line needs from around it; empty members take the
// program's own (system clock, program folder, task locale).
struct CommandLineEnvironment
{
    const platform::Clock* clock = nullptr;
    QString programFolder;
    std::optional<QLocale> locale;
    // The password of a locked archive: one line of standard input when empty.
    std::function<std::optional<QString>()> password;
};

// Exit codes.
inline constexpr int ExitOk = 0;
// bad option or date, archive missing or unreadable, export file not written
inline constexpr int ExitUsage = 2;

// Handles the arguments (without the program name) when they ask for
// something other than the window, writing to `out` and `err`; returns the
// exit code then, or nullopt when the window is to start.
std::optional<int> runCommandLine(const QStringList& arguments, QTextStream& out, QTextStream& err,
                                  const CommandLineEnvironment& env = {});

// The same for main(), before any application object exists; it creates
// none (the answer needs no event loop), only the standard streams.
std::optional<int> runCommandLine(int argc, char* argv[]);

// The folder given with "--archive", if any.
std::optional<QString> archiveOverride(const QStringList& arguments);

// The arguments that are the program's own ("CONTROL" and the like), with
// our options and their values taken out, in their order.
QStringList programArguments(const QStringList& arguments);

} // namespace app

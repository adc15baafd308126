#pragma once

#include <QStringList>
#include <optional>

class QTextStream;

namespace app {

struct CommandLineEnvironment;

// The moon, the zodiac sign and the season on the command line:
//
//   corvandine --almanac [DATE] [--days N]
//
// One line per day from DATE (yyyy-mm-dd, at 12:00, or yyyy-mm-ddThh:mm at
// that time; default today at 12:00) for N days (default 1): the date, the
// sign, the season, the Moon's phase angle in degrees (0.0 full, 180.0 new)
// and the lit part of its disc in percent, separated by tabs. The moment is
// taken as it is, with no time-zone correction, as the moon picture takes
// it. No archive is read. A bad date or option gives one line on the error
// stream and exit code 2.

bool isAlmanacCommand(const QStringList& arguments);

// Runs it when the arguments ask for it; nullopt otherwise.
std::optional<int> runAlmanacCommand(const QStringList& arguments, QTextStream& out,
                                     QTextStream& err, const CommandLineEnvironment& env);

} // namespace app

#pragma once

#include <QString>
#include <functional>
#include <optional>

namespace store {
class Database;
}

namespace app::lock {

// Where a command gets the password of a locked archive: one line, nullopt
// when none came.
using PasswordLine = std::function<std::optional<QString>()>;

// The password line of the program's own command line: standard input
// (never an argument, which other users could read), unechoed on a terminal.
PasswordLine standardInputPassword();

// Whether a command of the command line may read the archive `database`
// holds open: empty when it may, otherwise the one-line reason. An archive
// the window would open locked (a password stored, "Lock on startup" on) is
// read only with its password, which `password` is asked for in that case
// alone. Nothing is written: an old plain-text password stays as it is
// until the window replaces it.
QString lockedArchiveRefusal(store::Database& database, const PasswordLine& password);

} // namespace app::lock

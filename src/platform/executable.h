#pragma once

#include <QString>

namespace platform {

// The folder of the running program's executable, with links resolved.
// Unlike Qt's own answer it needs no application object, so the command
// line can find the archive without paying for one.
QString executableFolder();

} // namespace platform

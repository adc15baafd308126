#include "platform/executable.h"

#include <QFileInfo>

namespace platform {

QString executableFolder()
{
    // The kernel keeps the path the program was started from.
    return QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath())
        .absolutePath();
}

} // namespace platform

#include "platform/windowlibrary.h"

#include "platform/executable.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <cstdio>

namespace platform {

int runWindowLibrary(int argc, char* argv[])
{
    // Named by its full path: the loader then searches nowhere else, and
    // the program never picks up a window library of another install.
    const QString path =
        QDir(executableFolder()).filePath(QStringLiteral(CORVANDINE_WINDOW_LIBRARY));
    if (!QFileInfo::exists(path)) {
        std::fprintf(stderr, "corvandine: cannot start the window: %s is missing\n",
                     qPrintable(QDir::toNativeSeparators(path)));
        return 1;
    }
    QLibrary library(path);
    const auto entry = reinterpret_cast<WindowEntry>(library.resolve(WindowEntryName));
    if (!entry) {
        std::fprintf(stderr, "corvandine: cannot start the window: %s\n",
                     qPrintable(library.errorString()));
        return 1;
    }
    // The library stays loaded until the process ends: the window's objects
    // are torn down by the entry itself, its static ones at exit.
    return entry(argc, argv);
}

} // namespace platform

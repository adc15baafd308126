#include "platform/secretline.h"

#include <cstdio>
#include <string>
#include <termios.h>
#include <unistd.h>

namespace platform {

std::optional<QString> readSecretLine(const QString& prompt)
{
    const bool terminal = isatty(STDIN_FILENO) == 1;
    termios saved{};
    const bool quiet = terminal && tcgetattr(STDIN_FILENO, &saved) == 0;
    if (terminal) {
        std::fputs(prompt.toLocal8Bit().constData(), stderr);
        std::fflush(stderr);
    }
    if (quiet) {
        termios silent = saved;
        silent.c_lflag &= ~tcflag_t(ECHO);
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &silent);
    }
    std::string line;
    bool any = false;
    for (int c = std::getchar(); c != EOF; c = std::getchar()) {
        any = true;
        if (c == '\n')
            break;
        line.push_back(char(c));
    }
    if (quiet) {
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved);
        std::fputc('\n', stderr);
    }
    if (!any)
        return std::nullopt;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return QString::fromLocal8Bit(line.data(), qsizetype(line.size()));
}

} // namespace platform

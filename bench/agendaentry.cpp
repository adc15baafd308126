// The program's entry as it runs the command line: the agenda is handled
// before any window object exists, in a binary that loads the same window
// libraries as corvandine. compare_remind.sh times it as a whole process.
#include "app/agenda.h"

#include <QApplication>
#include <QLocalSocket>

int main(int argc, char* argv[])
{
    if (const auto code = app::runCommandLine(argc, argv))
        return *code;
    QApplication application(argc, argv);
    QLocalSocket instance; // the single-instance channel, as the window starts it
    return QApplication::platformName().isEmpty() ? 1 : 0;
}

// The program's entry. What the command line answers on the terminal (the
// agenda, --help, --version) runs here on Qt's core alone; everything else is
// the window, whose widget, print and sound libraries are loaded only now.
#include "app/agenda.h"
#include "platform/windowlibrary.h"

int main(int argc, char* argv[])
{
    if (const auto code = app::runCommandLine(argc, argv))
        return *code;
    return platform::runWindowLibrary(argc, argv);
}

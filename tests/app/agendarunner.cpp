// The command line as the program's entry runs it, for tests that need a
// real process (exit codes, standard streams). 99: the window would start.
#include "app/agenda.h"

int main(int argc, char* argv[])
{
    if (const auto code = app::runCommandLine(argc, argv))
        return *code;
    return 99;
}

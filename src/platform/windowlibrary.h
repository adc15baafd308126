#pragma once

namespace platform {

// The window (widgets, printing, sound) is a library beside the program,
// loaded only when a window is to start: loading its libraries costs several
// times what a terminal answer does.
//
// The entry the window library exports, under this unmangled name; it takes
// the program's arguments and returns the exit code.
inline constexpr char WindowEntryName[] = "corvandine_window_main";
using WindowEntry = int (*)(int argc, char* argv[]);

// Loads the window library from the program's folder and runs its entry.
// When the library cannot be loaded or lacks the entry, says why on stderr
// and returns 1.
int runWindowLibrary(int argc, char* argv[]);

} // namespace platform

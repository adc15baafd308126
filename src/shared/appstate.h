#pragma once

#include <QString>

namespace platform {
class Prompter;
class Clock;
class Desktop;
class SoundPlayer;
class Telephony;
class Printer;
class WorkArea;
} // namespace platform

namespace shared {

// Run-time state of the main window that several sections read. It is not
// stored: the start-up sequence sets it and the window's life changes it.
struct AppState
{
    QString programFolder;        // folder of the executable
    QString defaultArchiveFolder; // program folder + "myarcs" (or the user's data folder)
    QString archiveFolder;        // holds coarc.abs; a redirect may replace the default
    bool archiveNamed = false;    // named with "--archive": no redirect replaces it
    QString archiveReport;        // tables created at this start, shown once
    bool windowMinimized = true;  // hidden in the tray or minimized to the taskbar
    bool restoreBlocked = false;  // a start-up dialog runs: show requests are ignored
    bool ready = true;            // false only while the first appearance is laid out
    bool firstShowPending = true;
    bool firstLookAheadPending = true;
    bool startupComplete = false;
    bool programLocked = false;
    bool migrationNoticePending = true;
    unsigned currentSectionColour = 0xFFFFFF; // 0xRRGGBB of the active tab's section
};

// The desktop services every section may need, owned by the program's entry.
struct Services
{
    platform::Prompter& prompter;
    platform::Clock& clock;
    platform::Desktop& desktop;
    // Sound and the desktop's work area: the window makes the desktop's own
    // when none is given (tests give doubles).
    platform::SoundPlayer* sound = nullptr;
    platform::WorkArea* workArea = nullptr;
    // Placing calls: through the desktop's "tel:" handler when none is given.
    platform::Telephony* telephony = nullptr;
    // Printing and print preview: Qt's print dialogs when none is given.
    platform::Printer* printer = nullptr;
};

} // namespace shared

#pragma once

#include <QString>

namespace platform {

// The program's entry among the programs the desktop session starts at
// logon. Only the user's own entries are written: a machine-wide entry is
// switched off for this user by a user entry that hides it.
class Autostart
{
public:
    virtual ~Autostart() = default;
    // Whether the session starts the program: the user's entry, or failing
    // one, a machine-wide entry the user has not hidden.
    virtual bool isEnabled() const = 0;
    // Makes isEnabled() answer `on`. Empty on success; otherwise why not,
    // in one line for the user, and nothing is left half written.
    virtual QString setEnabled(bool on) = 0;
};

// A launcher of the program in the user's desktop folder.
class DesktopLauncher
{
public:
    virtual ~DesktopLauncher() = default;
    // Writes the launcher, creating the desktop folder when missing and
    // replacing a launcher of the same name. Empty on success, otherwise why not.
    virtual QString create() = 0;
};

// The desktop's small tools the notes editor offers.
class DesktopTools
{
public:
    enum class Tool
    {
        CharacterMap,
        Calculator,
    };
    virtual ~DesktopTools() = default;
    // Starts the tool on its own, not as a child that ends with the program.
    // False when the desktop has none.
    virtual bool start(Tool tool) = 0;
};

// The removable drive the program runs from, for its "autorun.inf".
class ProgramDrive
{
public:
    virtual ~ProgramDrive() = default;
    // The root folder of the drive (file system) holding `folder`.
    virtual QString rootOf(const QString& folder) const = 0;
    // Whether that root is the system's own, where no autorun file belongs.
    virtual bool isSystemRoot(const QString& root) const = 0;
};

// The four, as the window is given them; an empty one is the desktop's own.
struct DesktopEntries
{
    Autostart* autostart = nullptr;
    DesktopLauncher* launcher = nullptr;
    DesktopTools* tools = nullptr;
    ProgramDrive* drive = nullptr;
};

} // namespace platform

#pragma once

#include "platform/desktopentries.h"

#include <QStringList>

namespace platform::xdg {

// The name of the program's desktop entries, the same in every folder: a
// user entry of this name overrides (or hides) a machine-wide one.
inline QString entryFileName()
{
    return QStringLiteral("corvandine-organizer.desktop");
}

// The logon start as the freedesktop autostart convention has it: entries
// in "autostart" below the user's configuration folder ($XDG_CONFIG_HOME,
// written) and below each of the machine's ($XDG_CONFIG_DIRS, only read).
class XdgAutostart final : public Autostart
{
public:
    // `program`: the executable the entry starts.
    explicit XdgAutostart(QString program);

    bool isEnabled() const override;
    QString setEnabled(bool on) override;

    QString userEntryPath() const;
    // The machine-wide entries of the program that exist.
    QStringList machineEntryPaths() const;

private:
    QStringList entryLines(bool hidden) const;
    QString m_program;
};

// "Corvandine Organizer.desktop" in the user's desktop folder ($XDG_DESKTOP_DIR).
class XdgDesktopLauncher final : public DesktopLauncher
{
public:
    explicit XdgDesktopLauncher(QString program);
    QString create() override;
    QString launcherPath() const;

private:
    QString m_program;
};

// The character map and the calculator: the first of the usual programs of
// the running desktop, then of the others, found on the PATH.
class XdgDesktopTools final : public DesktopTools
{
public:
    bool start(Tool tool) override;
    // The programs tried for `tool`, in order, for a desktop named as in
    // $XDG_CURRENT_DESKTOP.
    static QStringList candidates(Tool tool, const QString& currentDesktop);
    // The full path of the program that would start, or empty.
    static QString locate(Tool tool);
};

// The file system a folder lies on, by its mount point.
class MountedDrive final : public ProgramDrive
{
public:
    QString rootOf(const QString& folder) const override;
    bool isSystemRoot(const QString& root) const override;
};

} // namespace platform::xdg

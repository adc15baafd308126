#pragma once

#include "platform/desktopentries.h"

#include <QList>

namespace platform {

// An autostart entry held in memory; `failure`, when set, is what the next
// changes answer, and they change nothing.
class FakeAutostart final : public Autostart
{
public:
    bool enabled = false;
    QString failure;
    QList<bool> requests;

    bool isEnabled() const override { return enabled; }
    QString setEnabled(bool on) override
    {
        requests.append(on);
        if (failure.isEmpty())
            enabled = on;
        return failure;
    }
};

class FakeDesktopLauncher final : public DesktopLauncher
{
public:
    int created = 0;
    QString failure;
    QString create() override
    {
        if (failure.isEmpty())
            ++created;
        return failure;
    }
};

// Records the tools started; only those in `available` exist.
class RecordingDesktopTools final : public DesktopTools
{
public:
    QList<Tool> available{Tool::CharacterMap, Tool::Calculator};
    QList<Tool> started;
    bool start(Tool tool) override
    {
        if (!available.contains(tool))
            return false;
        started.append(tool);
        return true;
    }
};

// A drive whose root is a given folder.
class FakeProgramDrive final : public ProgramDrive
{
public:
    QString root;
    bool system = false;
    QString rootOf(const QString&) const override { return root; }
    bool isSystemRoot(const QString&) const override { return system; }
};

} // namespace platform

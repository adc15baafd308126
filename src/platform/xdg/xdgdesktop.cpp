#include "platform/xdg/xdgdesktop.h"

#include "platform/xdg/desktopfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QStorageInfo>

namespace platform::xdg {

namespace {

const QString AutostartFolder = QStringLiteral("autostart");

// An entry the session skips: removed by its "Hidden" key or switched off.
bool switchedOff(const QMap<QString, QString>& keys)
{
    return keys.value(QStringLiteral("Hidden")) == QLatin1String("true") ||
           keys.value(QStringLiteral("X-GNOME-Autostart-enabled")) == QLatin1String("false");
}

QString folderOf(const QString& program)
{
    return QFileInfo(program).absolutePath();
}

} // namespace

// ---- Autostart -------------------------------------------------------------------------

XdgAutostart::XdgAutostart(QString program) : m_program(std::move(program)) {}

QString XdgAutostart::userEntryPath() const
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(AutostartFolder + u'/' + entryFileName());
}

QStringList XdgAutostart::machineEntryPaths() const
{
    QStringList found;
    const QString user = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    for (const QString& folder :
         QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation)) {
        if (QDir(folder) == QDir(user))
            continue;
        const QString path = QDir(folder).filePath(AutostartFolder + u'/' + entryFileName());
        if (QFileInfo::exists(path))
            found.append(path);
    }
    return found;
}

bool XdgAutostart::isEnabled() const
{
    // The user's entry decides, whatever the machine has.
    if (QFileInfo::exists(userEntryPath()))
        return !switchedOff(readDesktopEntry(userEntryPath()));
    const QStringList machine = machineEntryPaths();
    return !machine.isEmpty() && !switchedOff(readDesktopEntry(machine.first()));
}

QStringList XdgAutostart::entryLines(bool hidden) const
{
    QStringList lines{
        QStringLiteral("[Desktop Entry]"),
        QStringLiteral("Type=Application"),
        QStringLiteral("Name=Corvandine Organizer"),
        QStringLiteral("Comment=Tasks, reminders, contacts, notes and a to-do list"),
        QStringLiteral("Exec=") + execValue(m_program),
        QStringLiteral("Path=") + stringValue(folderOf(m_program)),
        QStringLiteral("Terminal=false"),
    };
    if (hidden)
        lines.append(QStringLiteral("Hidden=true"));
    return lines;
}

QString XdgAutostart::setEnabled(bool on)
{
    const QString user = userEntryPath();
    QString failure;
    if (on) {
        failure = writeDesktopFile(user, entryLines(false));
    } else if (!machineEntryPaths().isEmpty()) {
        // The machine's entry cannot be removed by the user: hide it for him.
        failure = writeDesktopFile(user, entryLines(true));
    } else if (QFileInfo::exists(user) && !QFile::remove(user)) {
        failure = QStringLiteral("cannot remove the file");
    }
    if (failure.isEmpty() && isEnabled() != on)
        failure = QStringLiteral("the desktop still reads the entry as it was");
    if (failure.isEmpty())
        return failure;
    return QDir::toNativeSeparators(user) + QStringLiteral(": ") + failure;
}

// ---- Desktop launcher ------------------------------------------------------------------

XdgDesktopLauncher::XdgDesktopLauncher(QString program) : m_program(std::move(program)) {}

QString XdgDesktopLauncher::launcherPath() const
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::DesktopLocation))
        .filePath(QStringLiteral("Corvandine Organizer.desktop"));
}

QString XdgDesktopLauncher::create()
{
    const QString path = launcherPath();
    const QStringList lines{
        QStringLiteral("[Desktop Entry]"),
        QStringLiteral("Type=Application"),
        QStringLiteral("Name=Corvandine Organizer"),
        QStringLiteral("Comment=Tasks, reminders, contacts, notes and a to-do list"),
        QStringLiteral("Exec=") + execValue(m_program),
        QStringLiteral("Path=") + stringValue(folderOf(m_program)),
        QStringLiteral("Terminal=false"),
        QStringLiteral("Categories=Office;Calendar;ContactManagement;"),
    };
    const QString failure = writeDesktopFile(path, lines, true);
    return failure.isEmpty() ? failure
                             : QDir::toNativeSeparators(path) + QStringLiteral(": ") + failure;
}

// ---- Tools -----------------------------------------------------------------------------

QStringList XdgDesktopTools::candidates(Tool tool, const QString& currentDesktop)
{
    struct Family
    {
        const char* desktop;
        QStringList characterMaps;
        QStringList calculators;
    };
    static const QList<Family> families = {
        {"GNOME",
         {QStringLiteral("gnome-characters"), QStringLiteral("gucharmap")},
         {QStringLiteral("gnome-calculator")}},
        {"KDE", {QStringLiteral("kcharselect")}, {QStringLiteral("kcalc")}},
        {"XFCE", {QStringLiteral("gucharmap")}, {QStringLiteral("galculator")}},
        {"MATE", {QStringLiteral("gucharmap")}, {QStringLiteral("mate-calc")}},
        {"LXQt", {QStringLiteral("kcharselect")}, {QStringLiteral("qalculate-qt")}},
        {"",
         {},
         {QStringLiteral("qalculate-gtk"), QStringLiteral("speedcrunch"), QStringLiteral("xcalc")}},
    };
    const QStringList running = currentDesktop.split(u':', Qt::SkipEmptyParts);
    QStringList first;
    QStringList rest;
    for (const Family& family : families) {
        const QStringList& names =
            tool == Tool::CharacterMap ? family.characterMaps : family.calculators;
        const bool ours = running.contains(QLatin1String(family.desktop), Qt::CaseInsensitive);
        for (const QString& name : names) {
            QStringList& list = ours ? first : rest;
            if (!first.contains(name) && !rest.contains(name))
                list.append(name);
        }
    }
    return first + rest;
}

QString XdgDesktopTools::locate(Tool tool)
{
    for (const QString& name : candidates(tool, qEnvironmentVariable("XDG_CURRENT_DESKTOP")))
        if (const QString path = QStandardPaths::findExecutable(name); !path.isEmpty())
            return path;
    return QString();
}

bool XdgDesktopTools::start(Tool tool)
{
    const QString path = locate(tool);
    return !path.isEmpty() && QProcess::startDetached(path, {});
}

// ---- Drive -----------------------------------------------------------------------------

QString MountedDrive::rootOf(const QString& folder) const
{
    return QStorageInfo(folder).rootPath();
}

bool MountedDrive::isSystemRoot(const QString& root) const
{
    return QDir(root) == QDir(QStorageInfo::root().rootPath());
}

} // namespace platform::xdg

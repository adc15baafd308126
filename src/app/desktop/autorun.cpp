#include "app/desktop/autorun.h"

#include "platform/desktopentries.h"
#include "platform/prompter.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace app::desktop {

namespace {

using Kind = platform::Prompter::Kind;

const QString Signature = QStringLiteral("action=Start Corvandine Organizer");
const QString Generated =
    QStringLiteral("The autorun.inf file was generated. Use this same option to delete it.");

QStringList splitLines(const QString& text)
{
    QString unified = text;
    unified.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(u'\r', u'\n');
    QStringList lines = unified.split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// The file is for Windows: its lines end with CR LF.
bool writeLines(const QString& path, const QStringList& lines, QString& error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = file.errorString();
        return false;
    }
    file.write((lines.join(QLatin1String("\r\n")) + QLatin1String("\r\n")).toUtf8());
    if (!file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}

} // namespace

QStringList autorunLines(const QString& folder)
{
    QString p = QDir::cleanPath(folder);
    if (p == QLatin1String("."))
        p.clear();
    p.replace(u'/', u'\\');
    while (p.startsWith(u'\\'))
        p.remove(0, 1);
    while (p.endsWith(u'\\'))
        p.chop(1);
    // In the root folder the program is "\cOrganizer.exe" on every line: the
    // icon line must not double the backslash.
    const QString program =
        p.isEmpty() ? QStringLiteral("\\cOrganizer.exe") : p + QStringLiteral("\\cOrganizer.exe");
    const QString icon = p.isEmpty() ? program : u'\\' + program;
    return {
        QStringLiteral("[autorun]"),
        Signature,
        QStringLiteral("icon=") + icon + QStringLiteral(",0"),
        QStringLiteral("open=") + program,
        QStringLiteral("label=Corvandine Organizer"),
        QStringLiteral("shell\\crorg=Start Corvandine Organizer"),
        QStringLiteral("shell\\crorg\\command=") + program,
    };
}

bool isOwnAutorun(const QStringList& lines)
{
    return lines.size() >= 2 && lines.at(1) == Signature;
}

QString shownAutorunText(const QString& content)
{
    const QStringList lines = splitLines(content);
    QStringList shown;
    for (const QString& line : lines.mid(0, ShownAutorunLines))
        shown.append(line.size() > ShownAutorunWidth
                         ? line.left(ShownAutorunWidth) + QStringLiteral("...")
                         : line);
    if (lines.size() > ShownAutorunLines)
        shown.append(QStringLiteral("... (%1 more lines)").arg(lines.size() - ShownAutorunLines));
    return shown.join(u'\n');
}

void toggleAutorun(const QString& programFolder, const platform::ProgramDrive& drive,
                   platform::Prompter& prompter)
{
    const QString root = drive.rootOf(programFolder);
    const QString shownRoot = QDir::toNativeSeparators(root);
    if (root.isEmpty() || drive.isSystemRoot(root)) {
        prompter.tell(QStringLiteral("I can not create the file \"autorun.inf\" in drive \"") +
                          shownRoot +
                          QStringLiteral("\"\nUse this option only to a removable disk!"),
                      Kind::Warning);
        return;
    }
    const QDir rootDir(root);
    const QString path = rootDir.filePath(QStringLiteral("autorun.inf"));
    const QString shownPath = QDir::toNativeSeparators(path);
    const QStringList lines = autorunLines(rootDir.relativeFilePath(programFolder));
    QString error;

    QFile existing(path);
    if (!existing.exists()) {
        if (!prompter.ask(QStringLiteral("Create \"") + shownPath + u'"'))
            return;
        if (!writeLines(path, lines, error)) {
            prompter.tell(QStringLiteral("I can not write ") + shownPath + QStringLiteral(":\r") +
                              error,
                          Kind::Warning);
            return;
        }
        prompter.tell(Generated, Kind::Information);
        return;
    }

    if (!existing.open(QIODevice::ReadOnly)) {
        prompter.tell(QStringLiteral("I can not read ") + shownPath + QStringLiteral(":\r") +
                          existing.errorString(),
                      Kind::Warning);
        return;
    }
    const QString content = QString::fromUtf8(existing.readAll());
    existing.close();
    const QStringList old = splitLines(content);

    if (isOwnAutorun(old)) {
        if (!prompter.ask(QStringLiteral("Delete \"") + shownPath + u'"'))
            return;
        if (QFile::remove(path))
            prompter.tell(QStringLiteral("The autorun.inf file was deleted Use this same option "
                                         "to recreate it."),
                          Kind::Information);
        return;
    }

    // A file of another program: its owner may want it back.
    if (!prompter.ask(shownAutorunText(content) +
                      QStringLiteral("\nAn autorun.inf file already exists.\nDo you want to "
                                     "overwrite it?")))
        return;
    const QString oldPath = rootDir.filePath(QStringLiteral("autorun.old"));
    if (!writeLines(oldPath, old + QStringList{QString(), QString(), QString()}, error) ||
        !writeLines(path, lines, error)) {
        prompter.tell(QStringLiteral("I can not write ") + shownPath + QStringLiteral(":\r") +
                          error,
                      Kind::Warning);
        return;
    }
    prompter.tell(Generated, Kind::Information);
}

} // namespace app::desktop

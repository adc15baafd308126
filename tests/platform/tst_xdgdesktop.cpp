// The freedesktop entries in a temporary home: the autostart entry as the
// session reads it (the user's entry over the machine's, "Hidden" and the
// switch of some desktops), the launcher in the desktop folder, both
// accepted by desktop-file-validate, the quoting of "Exec=" for paths with
// blanks and quotes, and the desktop tools found on the PATH.
#include "platform/xdg/desktopfile.h"
#include "platform/xdg/xdgdesktop.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace platform::xdg;
using Tool = platform::DesktopTools::Tool;

namespace {

void write(const QString& path, const QByteArray& content, bool executable = false)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(content);
    f.close();
    if (executable)
        f.setPermissions(f.permissions() | QFile::ExeOwner);
}

QString read(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// desktop-file-validate's verdict: empty when the file passes.
QString validate(const QString& path)
{
    QProcess p;
    p.start(QStringLiteral("desktop-file-validate"), {path});
    if (!p.waitForFinished(20000))
        return QStringLiteral("desktop-file-validate did not run");
    const QString report = QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError());
    return p.exitCode() == 0 && !report.contains(QLatin1String("error")) ? QString() : report;
}

} // namespace

class TestXdgDesktop final : public QObject
{
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_home;
    QByteArray m_path;

    QString home(const QString& relative) const { return m_home->filePath(relative); }
    QString program() const { return home("opt/My Organizer/corvandine"); }

private slots:
    void initTestCase()
    {
        m_path = qgetenv("PATH");
        if (QStandardPaths::findExecutable("desktop-file-validate").isEmpty())
            QSKIP("desktop-file-validate is missing: run scripts/setup.sh");
    }
    void init()
    {
        m_home = std::make_unique<QTemporaryDir>();
        qputenv("HOME", m_home->path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", home("config").toLocal8Bit());
        qputenv("XDG_CONFIG_DIRS", home("etc/xdg").toLocal8Bit());
        qunsetenv("XDG_CURRENT_DESKTOP");
        qputenv("PATH", m_path);
    }
    void cleanup() { qputenv("PATH", m_path); }

    void execQuoting_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("exec");
        QTest::newRow("plain") << "/usr/bin/corvandine"
                               << "\"/usr/bin/corvandine\"";
        QTest::newRow("blanks") << "/opt/My Organizer/corvandine"
                                << "\"/opt/My Organizer/corvandine\"";
        // A quote, a dollar and a backtick are escaped for the launcher; the
        // backslash that does it is itself escaped in the file.
        QTest::newRow("quote, dollar, backtick") << "/opt/a \"b\" $c `d`/x"
                                                 << "\"/opt/a \\\\\"b\\\\\" \\\\$c \\\\`d\\\\`/x\"";
        QTest::newRow("backslash") << "/opt/a\\b/x"
                                   << "\"/opt/a\\\\\\\\b/x\"";
        QTest::newRow("percent") << "/opt/100%/x"
                                 << "\"/opt/100%%/x\"";
    }
    void execQuoting()
    {
        QFETCH(QString, program);
        QFETCH(QString, exec);
        QCOMPARE(execValue(program), exec);
        // A desktop file holding it passes the validator.
        const QString path = home("check.desktop");
        write(path, ("[Desktop Entry]\nType=Application\nName=x\nExec=" + exec + "\n").toUtf8());
        QCOMPARE(validate(path), QString());
    }

    void autostart_data()
    {
        QTest::addColumn<QString>("machine"); // "": none, else the entry's extra line
        QTest::addColumn<QString>("user");    // "": none, else the entry's extra line
        QTest::addColumn<bool>("enabled");
        QTest::newRow("nothing") << ""
                                 << "" << false;
        QTest::newRow("machine only") << "Terminal=false"
                                      << "" << true;
        QTest::newRow("machine, hidden by the user") << "Terminal=false"
                                                     << "Hidden=true" << false;
        QTest::newRow("machine, switched off by the user")
            << "Terminal=false"
            << "X-GNOME-Autostart-enabled=false" << false;
        QTest::newRow("machine hidden itself") << "Hidden=true"
                                               << "" << false;
        QTest::newRow("user only") << ""
                                   << "Terminal=false" << true;
    }
    void autostart()
    {
        QFETCH(QString, machine);
        QFETCH(QString, user);
        QFETCH(bool, enabled);
        const QByteArray head = "[Desktop Entry]\nType=Application\nName=Corvandine Organizer\n"
                                "Exec=corvandine\n";
        const QString machineEntry = home("etc/xdg/autostart/" + entryFileName());
        if (!machine.isEmpty())
            write(machineEntry, head + machine.toUtf8() + '\n');
        if (!user.isEmpty())
            write(home("config/autostart/" + entryFileName()), head + user.toUtf8() + '\n');
        const QByteArray machineBefore = read(machineEntry).toUtf8();

        XdgAutostart entry(program());
        QCOMPARE(entry.userEntryPath(), home("config/autostart/" + entryFileName()));
        QCOMPARE(entry.isEnabled(), enabled);
        for (const bool on : {true, false, true, false}) {
            QCOMPARE(entry.setEnabled(on), QString());
            QCOMPARE(entry.isEnabled(), on);
            QCOMPARE(XdgAutostart(program()).isEnabled(), on);
            // The machine's entry is only ever read.
            QCOMPARE(read(machineEntry).toUtf8(), machineBefore);
            const QString written = read(entry.userEntryPath());
            if (on || !machine.isEmpty()) {
                QCOMPARE(validate(entry.userEntryPath()), QString());
                QVERIFY(written.contains("\nExec=\"" + program() + "\"\n"));
                QCOMPARE(written.contains("\nHidden=true\n"), !on);
            } else {
                QVERIFY(!QFileInfo::exists(entry.userEntryPath()));
            }
        }
    }

    void autostartFailureIsToldAndChangesNothing()
    {
        // Where the autostart folder should be there is a file.
        write(home("config/autostart"), "not a folder");
        XdgAutostart entry(program());
        const QString failure = entry.setEnabled(true);
        QVERIFY(!failure.isEmpty());
        QVERIFY(!failure.contains('\n'));
        QVERIFY(!entry.isEnabled());
    }

    void launcher()
    {
        // No desktop folder yet: it is made.
        XdgDesktopLauncher launcher(program());
        QCOMPARE(launcher.launcherPath(), home("Desktop/Corvandine Organizer.desktop"));
        QCOMPARE(launcher.create(), QString());
        const QString path = launcher.launcherPath();
        QVERIFY(QFileInfo(path).isExecutable());
        QCOMPARE(validate(path), QString());
        const QString content = read(path);
        QVERIFY(content.contains("\nExec=\"" + program() + "\"\n"));
        QVERIFY(content.contains("\nPath=" + home("opt/My Organizer") + "\n"));
        // A second one replaces the first.
        write(path, "old");
        QCOMPARE(launcher.create(), QString());
        QCOMPARE(read(path), content);

        // The desktop folder the user named.
        write(home("config/user-dirs.dirs"), "XDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n");
        QCOMPARE(XdgDesktopLauncher(program()).launcherPath(),
                 home("Schreibtisch/Corvandine Organizer.desktop"));
    }

    void toolCandidates()
    {
        const QStringList gnome = XdgDesktopTools::candidates(Tool::Calculator, "ubuntu:GNOME");
        const QStringList kde = XdgDesktopTools::candidates(Tool::Calculator, "KDE");
        QCOMPARE(gnome.first(), "gnome-calculator");
        QCOMPARE(kde.first(), "kcalc");
        QVERIFY(kde.contains("gnome-calculator")); // the others follow
        QCOMPARE(XdgDesktopTools::candidates(Tool::CharacterMap, "KDE").first(), "kcharselect");
        QCOMPARE(gnome.size(), QSet<QString>(gnome.begin(), gnome.end()).size());
    }

    void toolsOnThePath()
    {
        const QString bin = home("bin");
        const QString marker = home("started");
        write(bin + "/kcalc", ("#!/bin/sh\necho kcalc > '" + marker + "'\n").toUtf8(), true);
        qputenv("PATH", bin.toLocal8Bit());
        qputenv("XDG_CURRENT_DESKTOP", "GNOME");
        XdgDesktopTools tools;
        QCOMPARE(XdgDesktopTools::locate(Tool::Calculator), bin + "/kcalc");
        QVERIFY(tools.start(Tool::Calculator));
        QTRY_COMPARE(read(marker), "kcalc\n");
        // None of the character maps: nothing starts, nothing is said.
        QCOMPARE(XdgDesktopTools::locate(Tool::CharacterMap), QString());
        QVERIFY(!tools.start(Tool::CharacterMap));
    }
};

QTEST_GUILESS_MAIN(TestXdgDesktop)
#include "tst_xdgdesktop.moc"

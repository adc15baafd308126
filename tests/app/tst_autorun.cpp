// "autorun.inf" at the root of the program's drive: its seven lines for a
// program in a folder and in the root, and the button's ways through an
// absent, an own and a foreign file, the foreign one kept as "autorun.old".
#include "app/desktop/autorun.h"
#include "platform/testing/recordingdesktopentries.h"
#include "platform/testing/scriptedprompter.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace app::desktop;

namespace {

QByteArray read(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void write(const QString& path, const QByteArray& content)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(content);
}

} // namespace

class TestAutorun final : public QObject
{
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_root;
    platform::FakeProgramDrive m_drive;
    platform::ScriptedPrompter m_prompter;

    QString inf() const { return m_root->filePath("autorun.inf"); }
    QString old() const { return m_root->filePath("autorun.old"); }
    QString programFolder() const { return m_root->filePath("tools/org"); }
    QByteArray ownFile() const
    {
        return (autorunLines("tools/org").join("\r\n") + "\r\n").toUtf8();
    }

private slots:
    void init()
    {
        m_root = std::make_unique<QTemporaryDir>();
        QDir().mkpath(programFolder());
        m_drive = {};
        m_drive.root = m_root->path();
        m_prompter = {};
    }

    void lines_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("in a folder")
            << "tools/org"
            << QStringList{"[autorun]",
                           "action=Start Corvandine Organizer",
                           "icon=\\tools\\org\\cOrganizer.exe,0",
                           "open=tools\\org\\cOrganizer.exe",
                           "label=Corvandine Organizer",
                           "shell\\crorg=Start Corvandine Organizer",
                           "shell\\crorg\\command=tools\\org\\cOrganizer.exe"};
        // One backslash before the name in the icon line, as in the others.
        QTest::newRow("in the root") << ""
                                     << QStringList{"[autorun]",
                                                    "action=Start Corvandine Organizer",
                                                    "icon=\\cOrganizer.exe,0",
                                                    "open=\\cOrganizer.exe",
                                                    "label=Corvandine Organizer",
                                                    "shell\\crorg=Start Corvandine Organizer",
                                                    "shell\\crorg\\command=\\cOrganizer.exe"};
        QTest::newRow("root as a dot") << "." << autorunLines("");
    }
    void lines()
    {
        QFETCH(QString, folder);
        QFETCH(QStringList, lines);
        QCOMPARE(autorunLines(folder), lines);
        QVERIFY(isOwnAutorun(lines));
    }

    void createAndDelete_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("yes") << true;
        QTest::newRow("no") << false;
    }
    void createAndDelete()
    {
        QFETCH(bool, yes);
        m_prompter.answers.enqueue(yes);
        toggleAutorun(programFolder(), m_drive, m_prompter);
        QCOMPARE(m_prompter.shownTexts().value(0),
                 "Create \"" + QDir::toNativeSeparators(inf()) + "\"");
        if (!yes) {
            QVERIFY(!QFileInfo::exists(inf()));
            QCOMPARE(m_prompter.shown.size(), 1);
            return;
        }
        QCOMPARE(read(inf()), ownFile());
        QCOMPARE(m_prompter.shownTexts().value(1),
                 "The autorun.inf file was generated. Use this same option to delete it.");

        // The program's own file: the same button deletes it.
        m_prompter = {};
        m_prompter.answers.enqueue(true);
        toggleAutorun(programFolder(), m_drive, m_prompter);
        QCOMPARE(m_prompter.shownTexts(),
                 (QStringList{"Delete \"" + QDir::toNativeSeparators(inf()) + "\"",
                              "The autorun.inf file was deleted Use this same option to "
                              "recreate it."}));
        QVERIFY(!QFileInfo::exists(inf()));
        QVERIFY(!QFileInfo::exists(old()));
    }

    void foreignFile_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("kept") << false;
        QTest::newRow("replaced") << true;
    }
    void foreignFile()
    {
        QFETCH(bool, yes);
        const QByteArray foreign = "[autorun]\r\nopen=setup.exe\r\nicon=setup.ico\r\n";
        write(inf(), foreign);
        m_prompter.answers.enqueue(yes);
        toggleAutorun(programFolder(), m_drive, m_prompter);
        QCOMPARE(m_prompter.shownTexts().value(0),
                 "[autorun]\nopen=setup.exe\nicon=setup.ico\nAn autorun.inf file already "
                 "exists.\nDo you want to overwrite it?");
        if (!yes) {
            QCOMPARE(read(inf()), foreign);
            QVERIFY(!QFileInfo::exists(old()));
            return;
        }
        QCOMPARE(read(inf()), ownFile());
        // The old content, one empty line and the two that stood for the question.
        QCOMPARE(read(old()), foreign + "\r\n\r\n\r\n");
        QCOMPARE(m_prompter.shownTexts().value(1),
                 "The autorun.inf file was generated. Use this same option to delete it.");
    }

    void foreignFileIsShownCut()
    {
        QByteArray huge;
        for (int i = 0; i < 500; ++i)
            huge += "key" + QByteArray::number(i) + '=' + QByteArray(400, 'x') + "\r\n";
        write(inf(), huge);
        toggleAutorun(programFolder(), m_drive, m_prompter); // answered "No"
        const QString question = m_prompter.shownTexts().value(0);
        QVERIFY(question.size() < 3000);
        QCOMPARE(question.count('\n'), ShownAutorunLines + 2);
        QVERIFY(question.contains("(480 more lines)"));
        QVERIFY(question.endsWith("Do you want to overwrite it?"));
        QCOMPARE(read(inf()), huge);
    }

    void systemDriveIsRefused()
    {
        m_drive.system = true;
        m_drive.root = "/";
        toggleAutorun(programFolder(), m_drive, m_prompter);
        QCOMPARE(m_prompter.shownTexts(),
                 QStringList{"I can not create the file \"autorun.inf\" in drive \"/\"\nUse this "
                             "option only to a removable disk!"});
        QCOMPARE(m_prompter.shown.first().kind, platform::Prompter::Kind::Warning);
        QVERIFY(!QFileInfo::exists(inf()));
    }
};

QTEST_GUILESS_MAIN(TestAutorun)
#include "tst_autorun.moc"

#include "app/archivepaths.h"
#include "app/mainwindow.h"
#include "app/reminderparts.h"
#include "platform/testing/fakeworkarea.h"
#include "platform/testing/manualclock.h"
#include "platform/testing/recordingsoundplayer.h"
#include "calendar/ui/lists/tasklisttab.h"
#include "calendar/ui/today/todayview.h"
#include "reminders/alarmclock.h"
#include "reminders/ui/msnpopup.h"
#include "platform/testing/recordingdesktop.h"
#include "platform/testing/scriptedprompter.h"
#include "store/database.h"
#include "store/query.h"
#include "store/settings.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

using namespace app;

class TestMainWindow final : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<QTemporaryDir> m_dir;
    platform::ScriptedPrompter m_prompter;
    platform::ManualClock m_clock;
    platform::RecordingDesktop m_desktop;
    platform::RecordingSoundPlayer m_sound;
    platform::FakeWorkArea m_workArea;
    shared::AppState m_state;
    std::unique_ptr<store::Database> m_db;
    std::unique_ptr<TMainForm> m_window;

    TMainForm& makeWindow()
    {
        m_window = std::make_unique<TMainForm>(
            m_state, shared::Services{m_prompter, m_clock, m_desktop, &m_sound, &m_workArea}, *m_db);
        return *m_window;
    }

    // Prepares an archive in the default folder and changes its settings row.
    void presetSettings(const QString& assignments)
    {
        TMainForm& w = makeWindow();
        QVERIFY(!w.formCreate({}));
        store::Query q(*m_db);
        q.setSql({QStringLiteral("UPDATE CRset63 SET ") + assignments});
        q.execSql();
        m_window.reset();
        m_db->close();
        m_prompter = platform::ScriptedPrompter();
        m_state = shared::AppState();
        m_state.programFolder = m_dir->path();
    }

    static void saveScreenshot(QWidget& w, const char* name)
    {
        const QString folder = qEnvironmentVariable("CORVANDINE_SCREENSHOTS");
        if (!folder.isEmpty())
            w.grab().save(QDir(folder).filePath(QString::fromLatin1(name)));
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_prompter = platform::ScriptedPrompter();
        m_state = shared::AppState();
        m_state.programFolder = m_dir->path();
        m_db = std::make_unique<store::Database>();
    }

    void cleanup()
    {
        m_window.reset();
        m_db.reset();
    }

    void firstStartCreatesTheArchiveAndReportsIt()
    {
        TMainForm& w = makeWindow();
        QVERIFY(!w.formCreate({}));
        QVERIFY(QFile::exists(m_dir->filePath(QStringLiteral("myarcs/coarc.abs"))));
        QTRY_VERIFY(w.isVisible());
        QCOMPARE(m_prompter.shown.size(), 1);
        const auto& report = m_prompter.shown.first();
        QCOMPARE(report.caption, QStringLiteral("Corvandine Organizer - Archive report"));
        QCOMPARE(report.text.split(u'\r', Qt::SkipEmptyParts),
                 QStringList({"-> Archive GROUPS <<created>>", "-> Archive NOTE <<created>>",
                              "-> Archive TO-DO <<created>>", "-> Archive TASKS <<created>>",
                              "-> Archive REPOSITORY <<created>>",
                              "-> Archive CONTACTS <<created>>", "-> Archive OPTIONS <<created>>",
                              "All this happened in the folder:",
                              m_dir->filePath(QStringLiteral("myarcs"))}));
        QCOMPARE(w.size(), QSize(670, 592));
        QCOMPARE(w.pageControl()->currentWidget()->objectName(), QStringLiteral("TabSheetTODAY"));
        saveScreenshot(w, "mainwindow-today.png");
        w.pageControl()->setCurrentIndex(TMainForm::Setup);
        saveScreenshot(w, "mainwindow-options.png");
    }

    void secondStartReportsNothing()
    {
        presetSettings(QStringLiteral("minimized = \"N\""));
        TMainForm& w = makeWindow();
        QVERIFY(!w.formCreate({}));
        QTRY_VERIFY(w.isVisible());
        QVERIFY(m_prompter.shown.isEmpty());
    }

    void startMinimizedStaysHidden()
    {
        presetSettings(QStringLiteral("minimized = \"Y\""));
        TMainForm& w = makeWindow();
        QVERIFY(!w.formCreate({}));
        QTest::qWait(50);
        QVERIFY(!w.isVisible());
        w.trayClick();
        QTRY_VERIFY(w.isVisible());
    }

    void startTab_data()
    {
        QTest::addColumn<QString>("assignments");
        QTest::addColumn<QString>("page");
        QTest::newRow("weekly") << "startab = \"3\"" << "TabSheetWEEK";
        QTest::newRow("weekly hidden keeps Today") << "startab = \"3\", TabWeekVisible = false"
                                                   << "TabSheetTODAY";
        QTest::newRow("options") << "startab = \"8\"" << "TabSheetSetup";
    }

    void startTab()
    {
        QFETCH(QString, assignments);
        QFETCH(QString, page);
        presetSettings(assignments);
        TMainForm& w = makeWindow();
        QVERIFY(!w.formCreate({}));
        QCOMPARE(w.pageControl()->currentWidget()->objectName(), page);
    }

    void optionsButtonsReachTheArchive()
    {
        presetSettings(QStringLiteral("minimized = \"N\""));
        TMainForm& w = makeWindow();
        QVERIFY(!w.formCreate({}));
        QTRY_VERIFY(w.isVisible());
        w.pageControl()->setCurrentIndex(TMainForm::Setup);

        const QString target = m_dir->filePath(QStringLiteral("saved.abs"));
        m_prompter.files.enqueue(target);
        QTest::mouseClick(w.findChild<QPushButton*>(QStringLiteral("SpeedButtonExport")),
                          Qt::LeftButton);
        store::Database copy;
        copy.open(target);
        QVERIFY(copy.tableExists(QStringLiteral("CRarc66")));

        // "Auto" applies only to a redirected archive.
        QVERIFY(!w.findChild<QPushButton*>(QStringLiteral("SpeedButton_Multi"))->isEnabled());

        w.resize(700, 600);
        m_prompter.answers.enqueue(true);
        QTest::mouseClick(w.findChild<QPushButton*>(QStringLiteral("SpeedButtonFix")),
                          Qt::LeftButton);
        QCOMPARE(m_prompter.shown.last().text,
                 QStringLiteral("Do you want to save my current size as a default size?"));
        QCOMPARE(w.settings().winWidth(), 700);
        QCOMPARE(w.settings().winHeight(), 600);
    }

    void controlEndsOnADayWithoutTasks()
    {
        presetSettings(QStringLiteral("minimized = \"N\""));
        TMainForm& w = makeWindow();
        QCOMPARE(w.formCreate({QStringLiteral("control")}), std::optional<int>(0));
    }

    // "--archive DIR" names the folder for this run: a redirect in the
    // default folder does not replace it, and "CONTROL" after it is still the
    // first of the program's own arguments.
    void namedArchiveWinsOverRedirectAndKeepsControl()
    {
        presetSettings(QStringLiteral("minimized = \"N\""));
        const QString elsewhere = m_dir->filePath(QStringLiteral("elsewhere"));
        QVERIFY(QDir().mkpath(elsewhere));
        QVERIFY(writeRedirect(m_dir->filePath(QStringLiteral("myarcs")), elsewhere));
        const QString named = m_dir->filePath(QStringLiteral("named"));

        TMainForm& w = makeWindow();
        QCOMPARE(w.formCreate({QStringLiteral("--archive"), named, QStringLiteral("CONTROL")}),
                 std::optional<int>(0));
        QCOMPARE(m_state.archiveFolder, named);
        QVERIFY(QFile::exists(databaseFilePath(named)));
        QVERIFY(!QFile::exists(databaseFilePath(elsewhere)));
    }

    void controlStartsOnADayWithTasks()
    {
        presetSettings(QStringLiteral("minimized = \"N\""));
        m_db->open(m_dir->filePath(QStringLiteral("myarcs/coarc.abs")));
        store::Query q(*m_db);
        q.setSql({QStringLiteral("INSERT INTO CRarc66 (id, flag, datefull, sospeso, flagscad) "
                                 "values (\"Dentist\", \"O\", :d, \"N\", \"N\")")});
        q.setDate(QStringLiteral("d"), m_clock.today());
        q.execSql();
        m_db->close();
        TMainForm& w = makeWindow();
        QVERIFY(!w.formCreate({QStringLiteral("CONTROLLO")}));
    }

    void dueTaskRingsAndComesForward_data()
    {
        QTest::addColumn<bool>("minimized");
        QTest::newRow("window shown") << false;
        QTest::newRow("window in the tray") << true;
    }

    // A task added for 09:30 rings at 09:30: sound, the Today tab in front,
    // and, while the window is away, a notification and the tray animation.
    void dueTaskRingsAndComesForward()
    {
        QFETCH(bool, minimized);
        presetSettings(QStringLiteral("minimized = \"N\", soundon = \"2\""));
        m_db->open(m_dir->filePath(QStringLiteral("myarcs/coarc.abs")));
        store::Query q(*m_db);
        q.setSql({QStringLiteral("INSERT INTO CRarc66 (id, flag, datefull, orario, orario2, "
                                 "sospeso, flagscad, flagfatto, fatto) values (\"Call the "
                                 "plumber\", \"O\", :d, \"09:30\", \"10:00\", \"N\", "
                                 "\"N\", \"N\", :never)")});
        q.setDate(QStringLiteral("d"), m_clock.today());
        q.setDate(QStringLiteral("never"), m_clock.today().addDays(-150000));
        q.execSql();
        m_db->close();

        m_clock.set(QDateTime(m_clock.today(), QTime(9, 29, 58)));
        TMainForm& w = makeWindow();
        QVERIFY(!w.formCreate({}));
        QTRY_VERIFY(w.isVisible());
        w.pageControl()->setCurrentIndex(TMainForm::Setup);
        if (minimized)
            w.hide();
        m_state.windowMinimized = minimized;
        reminders::AlarmClock& clock = w.reminders()->clock();
        w.reminders()->popup().closeAll();
        m_sound.played.clear(); // the start of the day announced the task already
        clock.timerContolloOrarioTimer();
        QVERIFY(m_sound.played.isEmpty());

        m_clock.set(QDateTime(m_clock.today(), QTime(9, 30, 0)));
        clock.timerContolloOrarioTimer();
        clock.timerContolloOrarioTimer();
        QCOMPARE(m_sound.played, QStringList({"mailbeep"}));
        QCOMPARE(w.pageControl()->currentIndex(), int(TMainForm::Today));
        QCOMPARE(w.reminders()->popup().openCount(), minimized ? 1 : 0);
        QCOMPARE(w.isTrayAnimating(), minimized);
        w.reminders()->popup().closeAll();
    }

    // The path a user takes: Insert a one-shot task for today at 14:30, see
    // it in Today and in the One Shot list, tick it done.
    void addedTaskShowsInTodayAndTicks()
    {
        presetSettings(QStringLiteral("minimized = \"N\""));
        TMainForm& w = makeWindow();
        QVERIFY(!w.formCreate({}));
        QTRY_VERIFY(w.isVisible());
        QTimer::singleShot(0, this, [] {
            QWidget* dialog = QApplication::activeModalWidget();
            QVERIFY(dialog);
            QTest::keyClicks(dialog->findChild<QLineEdit*>(QStringLiteral("Edit_id")), "Dentist");
            auto* from = dialog->findChild<QLineEdit*>(QStringLiteral("MaskEdit_Hour"));
            from->setCursorPosition(0);
            QTest::keyClicks(from, "1430");
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("SpeedButtonAddClose")),
                              Qt::LeftButton);
        });
        emit w.today()->insertRequested(u'O');

        auto* grid = w.today()->findChild<QAbstractItemView*>(QStringLiteral("DBGrid_Today"));
        QCOMPARE(grid->model()->rowCount(), 1);
        QCOMPARE(grid->model()->index(0, 0).data().toString(), QStringLiteral("14:30"));
        QCOMPARE(w.taskList(TMainForm::Shot)
                     ->findChild<QAbstractItemView*>()
                     ->model()
                     ->rowCount(),
                 1);

        grid->setCurrentIndex(grid->model()->index(0, 0));
        w.today()->toggleDone();
        store::Query q(*m_db);
        q.setSql({QStringLiteral("SELECT * FROM CRarc66")});
        q.open();
        QCOMPARE(q.fieldByName(QStringLiteral("id")).asString(), QStringLiteral("Dentist"));
        QCOMPARE(q.fieldByName(QStringLiteral("flagfatto")).asString(), QStringLiteral("Y"));
        QCOMPARE(q.fieldByName(QStringLiteral("fatto")).asDate(), m_clock.today());
        saveScreenshot(w, "mainwindow-today-task.png");
    }

    void tooLongProgramFolderStops()
    {
        // 121 characters and the separator: the archive path is 128 long.
        m_state.programFolder = QStringLiteral("/") + QString(120, u'p');
        m_state.defaultArchiveFolder = m_state.programFolder + QStringLiteral("/myarcs");
        TMainForm& w = makeWindow();
        QCOMPARE(w.formCreate({}), std::optional<int>(0));
        QCOMPARE(m_prompter.shown.size(), 1);
        QVERIFY(m_prompter.shown.first().text.endsWith(
            QStringLiteral("You need to install me in another shorter by at least 1 characters.")));
        QVERIFY(!m_db->isOpen());
    }

    void corruptArchiveEndsTheStartAndStaysAsItWas()
    {
        const QString folder = m_dir->filePath(QStringLiteral("myarcs"));
        QDir().mkpath(folder);
        QFile file(QDir(folder).filePath(QStringLiteral("coarc.abs")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        const QByteArray junk = QByteArray("garbage ").repeated(600);
        file.write(junk);
        file.close();
        TMainForm& w = makeWindow();
        QCOMPARE(w.formCreate({}), std::optional<int>(2));
        QVERIFY(m_prompter.shown.first().text.contains(file.fileName()));
        QVERIFY(m_prompter.shown.first().text.contains(QStringLiteral("EDatabaseFileError")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), junk);
    }

    void exitAsksWhileTheTimeAlarmIsOn_data()
    {
        QTest::addColumn<QString>("timecheck");
        QTest::addColumn<QList<bool>>("answers");
        QTest::addColumn<int>("questions");
        QTest::addColumn<bool>("ends");
        QTest::newRow("alarm on, No") << "Y" << QList<bool>{false} << 1 << false;
        QTest::newRow("alarm on, Yes") << "Y" << QList<bool>{true} << 1 << true;
        QTest::newRow("alarm off") << "N" << QList<bool>{} << 0 << true;
    }

    void exitAsksWhileTheTimeAlarmIsOn()
    {
        QFETCH(QString, timecheck);
        QFETCH(QList<bool>, answers);
        QFETCH(int, questions);
        QFETCH(bool, ends);
        presetSettings(QStringLiteral("timecheck = \"%1\"").arg(timecheck));
        TMainForm& w = makeWindow();
        QVERIFY(!w.formCreate({}));
        QTRY_VERIFY(w.isVisible());
        // The key is the window's only while it is the active one.
        w.activateWindow();
        QTRY_VERIFY(w.isActiveWindow());
        QSignalSpy quit(&w, &TMainForm::quitRequested);
        for (bool a : answers)
            m_prompter.answers.enqueue(a);
        // Esc in a field of the window counts as well.
        QWidget* field = w.today()->findChild<QWidget*>(QStringLiteral("DateTimePickerTODAY"));
        QVERIFY(field);
        field->setFocus();
        QTest::keyClick(field, Qt::Key_Escape);
        QCOMPARE(m_prompter.shown.size(), questions);
        QCOMPARE(quit.size(), ends ? 1 : 0);
        if (questions)
            QCOMPARE(w.pageControl()->currentWidget()->objectName(), QStringLiteral("TabSheetSetup"));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"

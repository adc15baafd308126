// The Options tab's desktop buttons inside the window: the logon start read
// at start and changed after the options are saved (a failure told, the box
// unticked), the launcher, the desktop's tools in the notes toolbar, the web
// questions, the visible tabs across a restart and the migration notice.
#include "app/mainwindow.h"
#include "mainwindowrig.h"

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

using app::TMainForm;
using Tool = platform::DesktopTools::Tool;

namespace {

// Runs `act` on the next modal dialog that opens, then closes it the way
// the dialog's `button` does.
void onNextDialog(const std::function<void(QWidget*)>& act)
{
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, act] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            act(modal);
        }
    });
    timer->start();
}

} // namespace

class TestDesktopWiring final : public QObject
{
    Q_OBJECT
    std::unique_ptr<MainWindowRig> r;

    QString stored(const QString& column)
    {
        store::Query q(r->db);
        q.setSql({QStringLiteral("SELECT * FROM CRset63")});
        q.open();
        return q.fieldByName(column).asString();
    }
    template <typename W> W* find(TMainForm& w, const char* name)
    {
        W* widget = w.findChild<W*>(QLatin1String(name));
        if (!widget)
            qFatal("no widget %s", name);
        return widget;
    }

private slots:
    void init() { r = std::make_unique<MainWindowRig>(); }
    void cleanup() { r.reset(); }

    void autostartReadAtStart_data()
    {
        QTest::addColumn<QString>("column");
        QTest::addColumn<bool>("session");
        QTest::newRow("entry found, archive says no") << "N" << true;
        QTest::newRow("no entry, archive says yes") << "Y" << false;
        QTest::newRow("both yes") << "Y" << true;
    }
    void autostartReadAtStart()
    {
        QFETCH(QString, column);
        QFETCH(bool, session);
        r->autostart.enabled = session;
        TMainForm& w = r->shown("minimized = \"N\", autostart = \"" + column + "\"");
        QCOMPARE(find<QCheckBox>(w, "CheckBoxAutostart")->isChecked(), session);
        QCOMPARE(stored("autostart"), session ? "Y" : "N");
        QVERIFY(r->autostart.requests.isEmpty()); // reading changes nothing outside
    }

    void autostartFollowsTheBox_data()
    {
        QTest::addColumn<QString>("failure");
        QTest::newRow("written") << "";
        QTest::newRow("refused") << "/home/u/.config/autostart: No space left on device";
    }
    void autostartFollowsTheBox()
    {
        QFETCH(QString, failure);
        TMainForm& w = r->shown();
        w.pageControl()->setCurrentIndex(TMainForm::Setup);
        auto* box = find<QCheckBox>(w, "CheckBoxAutostart");
        QVERIFY(box->isEnabled());
        r->autostart.failure = failure;
        box->click();
        QCOMPARE(r->autostart.requests, QList<bool>{true});
        if (failure.isEmpty()) {
            QVERIFY(r->autostart.enabled);
            QVERIFY(box->isChecked());
            QCOMPARE(stored("autostart"), "Y");
            QVERIFY(r->prompter.shown.isEmpty());
            // Another option saved changes nothing outside.
            find<QCheckBox>(w, "CheckBoxMinimized")->click();
            QCOMPARE(r->autostart.requests, QList<bool>{true});
            box->click();
            QCOMPARE(r->autostart.requests, (QList<bool>{true, false}));
            QVERIFY(!r->autostart.enabled);
            return;
        }
        // Never ticked with nothing written.
        QVERIFY(!box->isChecked());
        QCOMPARE(stored("autostart"), "N");
        QCOMPARE(r->prompter.shown.size(), 1);
        QVERIFY(r->prompter.shown.first().text.contains(failure));
        QCOMPARE(r->prompter.shown.first().kind, platform::Prompter::Kind::Warning);
    }

    void desktopLauncher_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QString>("failure");
        QTest::addColumn<int>("created");
        QTest::addColumn<int>("messages");
        QTest::newRow("yes") << true << "" << 1 << 1;
        QTest::newRow("no") << false << "" << 0 << 1;
        QTest::newRow("refused") << true << "read-only file system" << 0 << 2;
    }
    void desktopLauncher()
    {
        QFETCH(bool, yes);
        QFETCH(QString, failure);
        QFETCH(int, created);
        QFETCH(int, messages);
        TMainForm& w = r->shown();
        r->launcher.failure = failure;
        r->prompter.answers.enqueue(yes);
        find<QPushButton>(w, "SpeedButtonDesktopLink")->click();
        QCOMPARE(r->prompter.shownTexts().value(0), "Create desktop shortcut?");
        QCOMPARE(r->launcher.created, created);
        QCOMPARE(r->prompter.shown.size(), messages);
        if (!failure.isEmpty())
            QVERIFY(r->prompter.shownTexts().value(1).contains(failure));
    }

    void autorunOnTheProgramsDrive()
    {
        TMainForm& w = r->shown();
        r->drive.root = r->dir.path();
        r->prompter.answers.enqueue(true);
        find<QPushButton>(w, "SpeedButtonAutorun")->click();
        QVERIFY(QFileInfo::exists(r->dir.filePath("autorun.inf")));
    }

    void desktopTools_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("available");
        QTest::newRow("character map") << "SpeedButton_CharMap" << true;
        QTest::newRow("calculator") << "SpeedButton_Calc" << true;
        QTest::newRow("no calculator") << "SpeedButton_Calc" << false;
    }
    void desktopTools()
    {
        QFETCH(QString, button);
        QFETCH(bool, available);
        TMainForm& w = r->shown();
        const Tool tool = button == "SpeedButton_Calc" ? Tool::Calculator : Tool::CharacterMap;
        if (!available)
            r->tools.available.removeAll(tool);
        w.pageControl()->setCurrentIndex(TMainForm::Notes);
        auto* b = find<QToolButton>(w, qPrintable(button));
        QVERIFY(b->isEnabled());
        b->click();
        QCOMPARE(r->tools.started, available ? QList<Tool>{tool} : QList<Tool>{});
        QVERIFY(r->prompter.shown.isEmpty()); // silent either way
    }

    void webQuestions_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("question");
        QTest::addColumn<bool>("yes");
        const QString site = "Do you want to visit Corvandine Organizer website?";
        QTest::newRow("help") << "SpeedButtonHelpOnLine" << site << true;
        QTest::newRow("help, no") << "SpeedButtonHelpOnLine" << site << false;
        QTest::newRow("alarms") << "SpeedButtonDownloadAlarms" << site << true;
        QTest::newRow("social page")
            << "SpeedButtonFacebook"
            << "Do you want to visit my official page on Facebook?" << true;
    }
    void webQuestions()
    {
        QFETCH(QString, button);
        QFETCH(QString, question);
        QFETCH(bool, yes);
        TMainForm& w = r->shown();
        w.pageControl()->setCurrentIndex(TMainForm::Setup);
        r->prompter.answers.enqueue(yes);
        find<QToolButton>(w, qPrintable(button))->click();
        QCOMPARE(r->prompter.shownTexts(), QStringList{question});
        QCOMPARE(r->prompter.shown.first().kind, platform::Prompter::Kind::Question);
        QCOMPARE(r->desktop.opened.size(), yes ? 1 : 0);
        if (yes)
            QVERIFY(r->desktop.opened.first().startsWith("https://"));
    }

    void visibleTabsAfterARestart_data()
    {
        QTest::addColumn<QList<int>>("hidden");
        QTest::newRow("two hidden") << QList<int>{TMainForm::Year, TMainForm::Contacts};
        QTest::newRow("all eight hidden") << QList<int>{0, 1, 2, 3, 4, 5, 6, 7};
        QTest::newRow("none hidden") << QList<int>{};
    }
    void visibleTabsAfterARestart()
    {
        QFETCH(QList<int>, hidden);
        TMainForm& w = r->shown();
        static const char* boxes[] = {"CheckBoxShot",  "CheckBoxYear",  "CheckBoxMonth",
                                      "CheckBoxWeek",  "CheckBoxToday", "CheckBoxContacts",
                                      "CheckBoxNotes", "CheckBoxToDo"};
        QStringList ticked;
        onNextDialog([&](QWidget* dialog) {
            QCOMPARE(dialog->objectName(), "TTabShowForm");
            for (int i = 0; i < 8; ++i) {
                auto* box = dialog->findChild<QCheckBox*>(QLatin1String(boxes[i]));
                if (box->isChecked())
                    ticked << box->text();
                box->setChecked(!hidden.contains(i));
            }
            QTest::keyClick(dialog, Qt::Key_Return); // Enter applies
        });
        find<QPushButton>(w, "SpeedButtonTabs")->click();
        QCOMPARE(ticked, (QStringList{"One Shot", "Yearly", "Monthly", "Weekly", "Today",
                                      "Contacts", "Note", "To-Do"}));
        QCOMPARE(r->prompter.shownTexts(),
                 QStringList{"The changes will take effect the next time you start the program."});
        static const char* columns[] = {"TabShotVisible",  "TabYearVisible",  "TabMonthVisible",
                                        "TabWeekVisible",  "TabTodayVisible", "TabContactsVisible",
                                        "TabNotesVisible", "TabToDoVisible"};
        for (int i = 0; i < 8; ++i)
            QCOMPARE(stored(QLatin1String(columns[i])),
                     QString::fromLatin1(hidden.contains(i) ? "False" : "True"));
        // Nothing changes in this run.
        for (int i = 0; i < 8; ++i)
            QVERIFY(w.pageControl()->isTabVisible(i));

        // The next start shows only the chosen tabs, and always Options.
        r->window.reset();
        r->db.close();
        r->state = shared::AppState();
        r->state.programFolder = r->dir.path();
        TMainForm& again = r->make();
        QVERIFY(!again.formCreate({}));
        for (int i = 0; i < 8; ++i)
            QCOMPARE(again.pageControl()->isTabVisible(i), !hidden.contains(i));
        QVERIFY(again.pageControl()->isTabVisible(TMainForm::Setup));
        QVERIFY(again.pageControl()->isTabVisible(again.pageControl()->currentIndex()));
    }

    void visibleTabsCloseWritesNothing()
    {
        TMainForm& w = r->shown();
        onNextDialog([](QWidget* dialog) {
            dialog->findChild<QCheckBox*>("CheckBoxShot")->setChecked(false);
            dialog->findChild<QPushButton*>("ButtonClose")->click();
        });
        find<QPushButton>(w, "SpeedButtonTabs")->click();
        QCOMPARE(stored("TabShotVisible"), "True");
        QVERIFY(r->prompter.shown.isEmpty());
    }

    void migrationNotice_data()
    {
        QTest::addColumn<bool>("dontShow");
        QTest::newRow("shown again") << false;
        QTest::newRow("not shown again") << true;
    }
    void migrationNotice()
    {
        QFETCH(bool, dontShow);
        QString text;
        onNextDialog([&](QWidget* dialog) {
            QCOMPARE(dialog->objectName(), "TMigrationInfoForm");
            QCOMPARE(dialog->windowTitle(), "Important information about this upgrade");
            text = dialog->findChild<QWidget*>("Memo_Info")->property("plainText").toString();
            r->prompter.answers.enqueue(true);
            dialog->findChild<QPushButton*>("ButtonDownload")->click();
            dialog->findChild<QCheckBox*>("CheckBoxNonMostrare")->setChecked(dontShow);
            dialog->findChild<QPushButton*>("ButtonClose")->click();
        });
        // The window's first appearance opens the notice by itself.
        TMainForm& w = r->shown("minimized = \"N\", migrationinfo = true");
        QTRY_VERIFY(!text.isEmpty());
        QVERIFY(text.startsWith("Beloved,"));
        QVERIFY(text.trimmed().endsWith("Good migration!"));
        QVERIFY(text.contains("Corvandine Migrator"));
        QCOMPARE(r->prompter.shownTexts(),
                 QStringList{"Vuoi visitare il sito di Corvandine Organizer?"});
        QCOMPARE(r->desktop.opened.size(), 1);
        QCOMPARE(stored("migrationinfo"), QString::fromLatin1(dontShow ? "False" : "True"));
        auto* message = find<QToolButton>(w, "SpeedButtonMessage");
        QCOMPARE(message->isVisible(), !dontShow);
        QVERIFY(!r->state.migrationNoticePending);
    }
};

QTEST_MAIN(TestDesktopWiring)
#include "tst_desktopwiring.moc"

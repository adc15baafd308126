#include "app/mainwindow.h"
#include "app/reminderparts.h"
#include "calendar/ui/today/todayview.h"
#include "mainwindowrig.h"
#include "reminders/alarmclock.h"
#include "reminders/ui/lookaheadindicator.h"
#include "reminders/ui/msnpopup.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>

using app::TMainForm;

class TestWindowReminders final : public QObject
{
    Q_OBJECT
    std::unique_ptr<MainWindowRig> r;

    // The window shown at 09:00 with one task due at 09:30 today.
    TMainForm& shownWithTaskAt0930(const QString& soundon)
    {
        TMainForm& w = r->shown(QStringLiteral("minimized = \"N\", soundon = \"%1\"").arg(soundon));
        store::Query q(r->db);
        q.setSql({QStringLiteral("INSERT INTO CRarc66 (id, flag, datefull, orario, orario2, "
                                 "sospeso, flagscad, flagfatto, fatto) values (\"Call the "
                                 "plumber\", \"O\", :d, \"09:30\", \"10:00\", \"N\", "
                                 "\"N\", \"N\", :never)")});
        q.setDate(QStringLiteral("d"), r->clock.today());
        q.setDate(QStringLiteral("never"), r->clock.today().addDays(-150000));
        q.execSql();
        w.reminders()->clock().refreshAlarmList();
        return w;
    }

    void ringAt0930(TMainForm& w)
    {
        r->clock.set(QDateTime(r->clock.today(), QTime(9, 30)));
        w.reminders()->clock().timerContolloOrarioTimer();
    }

private slots:
    void init() { r = std::make_unique<MainWindowRig>(); }
    void cleanup()
    {
        if (r->window)
            r->window->reminders()->popup().closeAll();
        r.reset();
    }

    // A due task while the window is visible asks the window to come up as a
    // second start does: the waiting tray animation stops, unless a look-ahead
    // or a start-up dialog blocks showing, or the window is pinned on top.
    void dueTaskWithTheWindowVisibleRunsTheRestoreStep_data()
    {
        QTest::addColumn<bool>("pinned");
        QTest::addColumn<bool>("blocked");
        QTest::addColumn<bool>("restored");
        QTest::newRow("plain") << false << false << true;
        QTest::newRow("pinned") << true << false << false;
        QTest::newRow("showing blocked") << false << true << false;
    }

    void dueTaskWithTheWindowVisibleRunsTheRestoreStep()
    {
        QFETCH(bool, pinned);
        QFETCH(bool, blocked);
        QFETCH(bool, restored);
        TMainForm& w = shownWithTaskAt0930(QStringLiteral("Y"));
        if (pinned)
            w.findChild<QToolButton*>(QStringLiteral("SpeedButtonPin"))->click();
        // An earlier announcement still waits, the Today tab already in front
        // (a change of tab to Today would stop the animation by itself).
        w.pageControl()->setCurrentIndex(TMainForm::Today);
        w.startTrayAnimation();
        QWidget other;
        other.show();
        other.activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), &other);
        r->state.restoreBlocked = blocked;

        ringAt0930(w);
        QTest::qWait(50); // the window's show timer
        QCOMPARE(w.pageControl()->currentIndex(), int(TMainForm::Today));
        QCOMPARE(w.reminders()->popup().openCount(), 0);
        QCOMPARE(w.isTrayAnimating(), !restored);
        QCOMPARE(QApplication::activeWindow(), restored ? static_cast<QWidget*>(&w) : &other);
        r->state.restoreBlocked = false;
    }

    // With "Pop-up!" on, a window away in the tray announces with a
    // notification and the tray, then comes up and stops the animation.
    void popUpBringsTheWindowUpAfterTheNotification()
    {
        TMainForm& w = shownWithTaskAt0930(QStringLiteral("2"));
        w.hide();
        r->state.windowMinimized = true;
        ringAt0930(w);
        QCOMPARE(w.reminders()->popup().openCount(), 1);
        QVERIFY(w.isTrayAnimating());
        QTRY_VERIFY(w.isVisible());
        QVERIFY(!w.isTrayAnimating());
        QVERIFY(!r->state.windowMinimized);
        QCOMPARE(w.pageControl()->currentIndex(), int(TMainForm::Today));
    }

    // The clock line shows the time while the program is the active
    // application, whichever of its windows has the focus.
    void clockLineFollowsTheApplication()
    {
        TMainForm& w = r->shown();
        QLabel* line = w.reminders()->clockLabel();
        const auto tick = [&] { w.reminders()->clock().timerOrologioTimer(); };
        QTRY_COMPARE(QApplication::activeWindow(), &w);
        tick();
        const QString time = QStringLiteral("Thursday 10 December 2026 - 09:00:00");
        QCOMPARE(line->text(), time);

        QDialog dialog(&w); // a task dialog, say
        dialog.show();
        dialog.activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), &dialog);
        tick();
        QCOMPARE(line->text(), time);
    }

    // The Today tab's sign of important tasks ahead follows the tasks, the
    // option and its day count, and a click lists them.
    void lookAheadIndicatorOnTheTodayTab()
    {
        TMainForm& w = r->shown();
        auto* indicator =
            w.today()->findChild<QToolButton*>(QStringLiteral("SpeedButtonAnticipoHome"));
        QVERIFY(indicator);
        auto* option = w.findChild<QCheckBox*>(QStringLiteral("CheckBoxFuturo"));
        option->click();
        QVERIFY(indicator->isHidden()); // nothing ahead yet

        store::Query q(r->db);
        q.setSql({QStringLiteral("INSERT INTO CRarc66 (id, flag, datefull, orario, sospeso, "
                                 "flagscad, flagfatto, fatto, anticipa) values (\"Exam\", \"O\", "
                                 ":d, \"10:00\", \"N\", \"N\", \"N\", :never, \"Y\")")});
        q.setDate(QStringLiteral("d"), r->clock.today().addDays(2));
        q.setDate(QStringLiteral("never"), r->clock.today().addDays(-150000));
        q.execSql();
        w.today()->refreshDailyView();
        QVERIFY(!indicator->isHidden());

        QTest::mouseMove(indicator);
        QTRY_COMPARE(indicator->toolTip(),
                     QStringLiteral("Check for important tasks in the next 5 days"));
        w.findChild<QSpinBox*>(QStringLiteral("SpinEditFuturo"))->setValue(2);
        QTest::mouseMove(indicator, QPoint(2, 2));
        QTRY_COMPARE(indicator->toolTip(),
                     QStringLiteral("Check for important tasks in the next 2 days"));

        indicator->click();
        QCOMPARE(w.reminders()->popup().openCount(), 1);

        option->click();
        QVERIFY(indicator->isHidden());
    }
};

QTEST_MAIN(TestWindowReminders)
#include "tst_windowreminders.moc"

#include "app/mainwindow.h"
#include "mainwindowrig.h"

#include <QToolButton>

using app::TMainForm;

// Where the window goes when it is put away, with and without a tray on the
// desktop.
class TestWindowMinimize final : public QObject
{
    Q_OBJECT
    std::unique_ptr<MainWindowRig> r;

    // What the window looks like once put away.
    enum class Away
    {
        Tray,
        Taskbar
    };

    static void minimizeBy(TMainForm& w, const QString& means)
    {
        if (means == QLatin1String("window manager"))
            w.setWindowState(w.windowState() | Qt::WindowMinimized);
        else
            w.findChild<QToolButton*>(means)->click();
    }

private slots:
    void init() { r = std::make_unique<MainWindowRig>(); }
    void cleanup() { r.reset(); }

    void minimizing_data()
    {
        QTest::addColumn<bool>("tray");
        QTest::addColumn<QString>("means");
        QTest::addColumn<int>("away");
        const auto tray = int(Away::Tray);
        const auto taskbar = int(Away::Taskbar);
        QTest::newRow("window manager, tray") << true << "window manager" << tray;
        QTest::newRow("Iconize, tray") << true << "SpeedButtonIconize" << tray;
        QTest::newRow("Minimize, tray") << true << "SpeedButtonMinimize" << taskbar;
        QTest::newRow("window manager, no tray") << false << "window manager" << taskbar;
        QTest::newRow("Iconize, no tray") << false << "SpeedButtonIconize" << taskbar;
        QTest::newRow("Minimize, no tray") << false << "SpeedButtonMinimize" << taskbar;
    }

    // Put away by any means, the window hides in the tray, except from the
    // Minimize button or on a desktop without a tray: there it stays on the
    // taskbar. Either way it comes back up from there.
    void minimizing()
    {
        QFETCH(bool, tray);
        QFETCH(QString, means);
        QFETCH(int, away);
        r->desktop.trayAvailable = tray;
        TMainForm& w = r->shown();
        QVERIFY(!r->state.windowMinimized);
        minimizeBy(w, means);
        if (Away(away) == Away::Tray) {
            QTRY_VERIFY(!w.isVisible());
        } else {
            QTest::qWait(20);
            QVERIFY(w.isVisible());
            QVERIFY(w.isMinimized());
        }
        QVERIFY(r->state.windowMinimized);
        QCOMPARE(w.trayIcon()->isVisible(), tray);

        if (Away(away) == Away::Tray)
            w.trayClick();
        else
            w.setWindowState(w.windowState() & ~Qt::WindowMinimized);
        QTRY_VERIFY(w.isVisible() && !w.isMinimized());
        QTRY_VERIFY(!r->state.windowMinimized);
    }

    // "Start minimized" without a tray would leave nothing to click: the
    // window starts on the taskbar, and coming up from there lays it out.
    void startMinimizedWithoutTrayStaysOnTheTaskbar()
    {
        r->preset({QStringLiteral("UPDATE CRset63 SET minimized = \"Y\"")});
        r->desktop.trayAvailable = false;
        TMainForm& w = r->make();
        QVERIFY(!w.formCreate({}));
        QTRY_VERIFY(w.isVisible());
        QVERIFY(w.isMinimized());
        QVERIFY(r->state.windowMinimized);
        QVERIFY(r->state.firstShowPending);

        w.setWindowState(w.windowState() & ~Qt::WindowMinimized);
        QTRY_VERIFY(!r->state.firstShowPending);
        QVERIFY(!r->state.windowMinimized);
        QVERIFY(w.isVisible());
    }

    void startMinimizedWithATrayStaysHidden()
    {
        r->preset({QStringLiteral("UPDATE CRset63 SET minimized = \"Y\"")});
        TMainForm& w = r->make();
        QVERIFY(!w.formCreate({}));
        QTest::qWait(50);
        QVERIFY(!w.isVisible());
        QVERIFY(w.trayIcon()->isVisible());
    }
};

QTEST_MAIN(TestWindowMinimize)
#include "tst_windowminimize.moc"

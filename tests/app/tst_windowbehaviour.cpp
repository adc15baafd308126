#include "app/mainwindow.h"
#include "calendar/ui/today/todayview.h"
#include "mainwindowrig.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QSignalSpy>
#include <QTabWidget>

using app::TMainForm;

class TestWindowBehaviour final : public QObject
{
    Q_OBJECT
    std::unique_ptr<MainWindowRig> r;

private slots:
    void init() { r = std::make_unique<MainWindowRig>(); }
    void cleanup() { r.reset(); }

    void escapeThatClosesAPopupOnlyClosesIt_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("field");
        QTest::newRow("drop-down list") << int(TMainForm::Setup) << "ComboBox_FormatoDataShot";
        QTest::newRow("date picker") << int(TMainForm::Today) << "DateTimePickerTODAY";
    }

    void escapeThatClosesAPopupOnlyClosesIt()
    {
        QFETCH(int, tab);
        QFETCH(QString, field);
        TMainForm& w = r->shown();
        QSignalSpy quit(&w, &TMainForm::quitRequested);
        w.pageControl()->setCurrentIndex(tab);
        QWidget* opener = w.findChild<QWidget*>(field);
        QVERIFY(opener);
        opener->setFocus();
        if (auto* combo = qobject_cast<QComboBox*>(opener))
            combo->showPopup();
        else
            QTest::mouseClick(opener, Qt::LeftButton, {},
                              QPoint(opener->width() - 6, opener->height() / 2));
        QTRY_VERIFY(QApplication::activePopupWidget());
        r->prompter.answers.enqueue(true);
        // Under X the key goes to the window that has the focus, not to the popup.
        QTest::keyClick(w.windowHandle(), Qt::Key_Escape);
        QCOMPARE(r->prompter.shownTexts(), QStringList());
        QCOMPARE(quit.size(), 0);
        QTRY_VERIFY(!QApplication::activePopupWidget());

        // The next Esc, with nothing open, asks again.
        w.activateWindow(); // the offscreen platform leaves the closed popup active
        QTRY_VERIFY(w.isActiveWindow());
        QTest::keyClick(w.windowHandle(), Qt::Key_Escape);
        QCOMPARE(quit.size(), 1);
    }

    void commandsOfSectionsNotBuiltAreDisabled_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("button");
        QTest::newRow("Today Print") << int(TMainForm::Today) << "SpeedButtonPrintToday";
        QTest::newRow("Today Export") << int(TMainForm::Today) << "SpeedButtonEportToday";
        QTest::newRow("Today Find") << int(TMainForm::Today) << "SpeedButtonAllegatoToday";
        QTest::newRow("One Shot Print") << int(TMainForm::Shot) << "SpeedButtonPrintShot";
    }

    // A task with a search key on today: every command that has something
    // to work on is enabled, except those whose work is not in the program.
    void commandsOfSectionsNotBuiltAreDisabled()
    {
        QFETCH(int, tab);
        QFETCH(QString, button);
        TMainForm& w = r->shown(QStringLiteral("minimized = \"N\""), QStringLiteral("Dentist"),
                                QStringLiteral("Anna"));
        w.pageControl()->setCurrentIndex(tab);
        QWidget* page = w.pageControl()->currentWidget();
        const QString modify =
            QLatin1String(tab == TMainForm::Today ? "SpeedButtonModToday" : "SpeedButtonModShot");
        QVERIFY(page->findChild<QWidget*>(modify)->isEnabled());
        QWidget* command = page->findChild<QWidget*>(button);
        QVERIFY(command);
        QVERIFY(!command->isEnabled());
    }
};

QTEST_MAIN(TestWindowBehaviour)
#include "tst_windowbehaviour.moc"

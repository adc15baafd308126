#include "app/mainwindow.h"
#include "calendar/ui/today/todayview.h"
#include "mainwindowrig.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QSignalSpy>
#include <QTabWidget>

using app::TMainForm;

class TestWindowInput final : public QObject
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
};

QTEST_MAIN(TestWindowInput)
#include "tst_windowinput.moc"

#include "app/mainwindow.h"
#include "calendar/dailymodel.h"
#include "calendar/ui/lists/tasklisttab.h"
#include "calendar/ui/sidecalendar/sidepanel.h"
#include "calendar/ui/today/todayview.h"
#include "mainwindowrig.h"
#include "store/settings.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

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

    void hideHintsHidesEveryHintButton_data()
    {
        QTest::addColumn<QString>("button");
        for (const char* name : {"SpeedButtonHelpShot", "SpeedButtonHelpYear",
                                 "SpeedButtonHelpMonth", "SpeedButtonHelpWeek", "SpeedButton_Help",
                                 "SpeedButtonHint", "SpeedButtonHintDocument"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void hideHintsHidesEveryHintButton()
    {
        QFETCH(QString, button);
        TMainForm& w = r->shown();
        QWidget* hint = w.findChild<QWidget*>(button);
        QVERIFY(hint);
        QVERIFY(!hint->isHidden());
        auto* hide = w.findChild<QCheckBox*>(QStringLiteral("CheckBoxHideTips"));
        hide->click();
        QVERIFY(hint->isHidden());
        hide->click();
        QVERIFY(!hint->isHidden());
    }

    // Another program added a task to the shared archive: reading the
    // settings again shows it in the daily view.
    void loadingTheSettingsReloadsTheDailyView()
    {
        TMainForm& w = r->shown();
        QCOMPARE(w.today()->model().rowCount(), 0);
        store::Query q(r->db);
        q.setSql({QStringLiteral("INSERT INTO CRarc66 (id, flag, datefull, orario, sospeso, "
                                 "flagscad, flagfatto, fatto) values (\"Dentist\", \"O\", :d, "
                                 "\"10:00\", \"N\", \"N\", \"N\", :never)")});
        q.setDate(QStringLiteral("d"), r->clock.today());
        q.setDate(QStringLiteral("never"), r->clock.today().addDays(-150000));
        q.execSql();
        w.settings().load();
        QCOMPARE(w.today()->model().rowCount(), 1);
    }

    void entryLabelOpensTheNewDialogOfItsKind_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("dialog");
        QTest::newRow("one-shot") << "Label_Conteggio_Giornalieri"
                                  << "AggShotForm";
        QTest::newRow("yearly") << "Label_Conteggio_Annuali"
                                << "AggYearForm";
        QTest::newRow("monthly") << "Label_Conteggio_Mensili"
                                 << "AggMeseForm";
        QTest::newRow("weekly") << "Label_Conteggio_Settimanali"
                                << "AggWeekForm";
        QTest::newRow("repository") << "Label_Conteggio_Deposito"
                                    << "TArcShotForm";
        QTest::newRow("note") << "Label_Conteggio_Note"
                              << "TAggNoteForm";
    }

    void entryLabelOpensTheNewDialogOfItsKind()
    {
        QFETCH(QString, label);
        QFETCH(QString, dialog);
        TMainForm& w = r->shown(QStringLiteral("minimized = \"N\", showcale = \"Y\""));
        QWidget* entry = w.sidePanel()->findChild<QWidget*>(label);
        QVERIFY(entry);
        QString opened;
        QTimer::singleShot(0, this, [&opened] {
            QWidget* modal = QApplication::activeModalWidget();
            opened = modal ? modal->objectName() : QStringLiteral("nothing");
            if (modal)
                modal->close();
        });
        QTest::mouseClick(entry, Qt::LeftButton);
        QTRY_COMPARE(opened, dialog);
    }

    // Until a theme says otherwise its default-colour flag is on: the
    // repository's "In use" counter wears the built-in one-shot colour with
    // black text, not the user's one-shot colour.
    void repositoryHonoursTheDefaultColourFlag()
    {
        TMainForm& w = r->shown(
            QStringLiteral("minimized = \"N\", showcale = \"Y\", ShotColor = \"$0000FF00\""));
        QPalette inUse;
        QTimer::singleShot(0, this, [&inUse] {
            QWidget* modal = QApplication::activeModalWidget();
            QVERIFY(modal);
            inUse = modal->findChild<QWidget*>(QStringLiteral("Label_giornalieri"))
                        ->parentWidget()
                        ->palette();
            modal->close();
        });
        QTest::mouseClick(
            w.sidePanel()->findChild<QWidget*>(QStringLiteral("Label_Conteggio_Deposito")),
            Qt::LeftButton);
        QTRY_COMPARE(inUse.color(QPalette::Window), QColor(0xD2, 0xA6, 0xA6));
        QCOMPARE(inUse.color(QPalette::WindowText), QColor(Qt::black));
    }

    // Every section has its New dialog: no counter is left disabled.
    void entryLabelsAreEnabled()
    {
        TMainForm& w = r->shown();
        for (const char* name :
             {"Label_Conteggio_Giornalieri", "Label_Conteggio_Annuali", "Label_Conteggio_Mensili",
              "Label_Conteggio_Settimanali", "Label_Conteggio_Lista", "Label_Conteggio_Note",
              "Label_Conteggio_Contatti", "Label_Conteggio_Deposito"})
            QVERIFY2(w.sidePanel()->findChild<QWidget*>(QLatin1String(name))->isEnabled(), name);
    }

    void sidePanelToggleIsStoredAndRestored()
    {
        TMainForm& w = r->shown(QStringLiteral("minimized = \"N\", showcale = \"Y\""));
        auto* toggle =
            w.today()->findChild<QToolButton*>(QStringLiteral("SpeedButtonClendarioLato"));
        QVERIFY(toggle->isChecked());
        QVERIFY(w.today()->leftPanel()->isVisible());
        toggle->click();
        QVERIFY(!w.today()->leftPanel()->isVisible());
        QVERIFY(!w.settings().showCalendar());

        // The next start shows the panel as it was left.
        r->window.reset();
        r->state = shared::AppState();
        r->state.programFolder = r->dir.path();
        r->db.close();
        TMainForm& again = r->make();
        QVERIFY(!again.formCreate({}));
        QTRY_VERIFY(again.isVisible());
        auto* restored =
            again.today()->findChild<QToolButton*>(QStringLiteral("SpeedButtonClendarioLato"));
        QVERIFY(!restored->isChecked());
        QVERIFY(!again.today()->leftPanel()->isVisible());
        restored->click();
        QVERIFY(again.today()->leftPanel()->isVisible());
        QVERIFY(again.settings().showCalendar());
    }

    void tabChangeFocusesTheSectionsSearch_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("field");
        QTest::newRow("One Shot") << int(TMainForm::Shot) << "Edit_Find_Shot";
        QTest::newRow("Yearly") << int(TMainForm::Year) << "Edit_Find_Anno";
        QTest::newRow("Monthly") << int(TMainForm::Month) << "Edit_Find_Mese";
        QTest::newRow("Weekly") << int(TMainForm::Week) << "Edit_Find_Week";
        QTest::newRow("Today") << int(TMainForm::Today) << "DBGrid_Today";
        QTest::newRow("Notes") << int(TMainForm::Notes) << "Edit_Filtrafile";
        QTest::newRow("Options") << int(TMainForm::Setup) << "CheckBoxMinimized";
    }

    void tabChangeFocusesTheSectionsSearch()
    {
        QFETCH(int, tab);
        QFETCH(QString, field);
        TMainForm& w = r->shown();
        w.pageControl()->setCurrentIndex(tab == TMainForm::Today ? TMainForm::Week
                                                                 : TMainForm::Today);
        w.pageControl()->setCurrentIndex(tab);
        QTRY_VERIFY(QApplication::focusWidget());
        QCOMPARE(QApplication::focusWidget()->objectName(), field);
    }

    // A list changed tasks while another tab was in front: the daily view
    // is read once, when the Today tab is entered.
    void dailyViewReloadWaitsForTheTodayTab()
    {
        TMainForm& w = r->shown();
        w.pageControl()->setCurrentIndex(TMainForm::Shot);
        store::Query q(r->db);
        q.setSql({QStringLiteral("INSERT INTO CRarc66 (id, flag, datefull, orario, sospeso, "
                                 "flagscad, flagfatto, fatto) values (\"Dentist\", \"O\", :d, "
                                 "\"10:00\", \"N\", \"N\", \"N\", :never)")});
        q.setDate(QStringLiteral("d"), r->clock.today());
        q.setDate(QStringLiteral("never"), r->clock.today().addDays(-150000));
        q.execSql();
        QSignalSpy refreshed(w.today(), &calendar::ui::TodayView::dailyViewRefreshed);
        emit w.taskList(TMainForm::Shot)->tasksChanged();
        emit w.taskList(TMainForm::Shot)->tasksChanged();
        QCOMPARE(refreshed.size(), 0);

        w.pageControl()->setCurrentIndex(TMainForm::Today);
        QCOMPARE(refreshed.size(), 1);
        QCOMPARE(w.today()->model().rowCount(), 1);
        // Nothing pending any more: entering again reads nothing.
        w.pageControl()->setCurrentIndex(TMainForm::Shot);
        w.pageControl()->setCurrentIndex(TMainForm::Today);
        QCOMPARE(refreshed.size(), 1);
    }
};

QTEST_MAIN(TestWindowBehaviour)
#include "tst_windowbehaviour.moc"

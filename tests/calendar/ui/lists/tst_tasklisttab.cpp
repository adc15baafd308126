#include "../readability.h"
#include "calendar/taskrecord.h"
#include "calendar/tasksection.h"
#include "listfixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

using calendar::ui::TaskListTab;

class TestTaskListTab final : public QObject
{
    Q_OBJECT
private slots:
    void countersFollowTheSearch()
    {
        ListFixture f;
        for (const char* d : {"Dentist", "Plumber", "Haircut"})
            f.add("O", ListFixture::day(), QString::fromLatin1(d));
        auto tab = f.tab(QChar('O'));
        QSignalSpy counted(tab.get(), &TaskListTab::sectionCounted);
        auto* counter = ListFixture::find<QLabel>(*tab, "Panel_Shot");
        QCOMPARE(counter->text(), QString("3   "));

        ListFixture::find<QLineEdit>(*tab, "Edit_Find_Shot")->setText("dent");
        QCOMPARE(ListFixture::listed(*tab), QStringList{"Dentist"});
        QCOMPARE(counter->text(), QString("1 / 3   "));
        QCOMPARE(counted.size(), 2);
        QCOMPARE(counted.at(0), (QVariantList{"Label_Conteggio_Giornalieri", "One Shot: 3"}));
        QCOMPARE(counted.at(1), (QVariantList{"Label_Conteggio_Deposito", "Repository: 0"}));
    }

    void searchTextWithDoubleQuotes()
    {
        ListFixture f;
        f.add("M", ListFixture::day(), "Say \"hi\" to the neighbours");
        f.add("M", ListFixture::day(), "Say goodbye");
        auto tab = f.tab(QChar('M'));
        ListFixture::find<QLineEdit>(*tab, "Edit_Find_Mese")->setText("say \"hi\"");
        QCOMPARE(ListFixture::listed(*tab), QStringList{"Say \"hi\" to the neighbours"});
    }

    void automaticSearchOffWaitsForEnter()
    {
        ListFixture f;
        f.add("O", ListFixture::day(), "Dentist");
        f.add("O", ListFixture::day(), "Plumber");
        auto tab = f.tab(QChar('O'));
        auto* automatic = ListFixture::find<QCheckBox>(*tab, "CheckBoxAutoFindShot");
        QVERIFY(automatic->isChecked());
        automatic->setChecked(false);
        QCOMPARE(f.prompter.shownTexts(),
                 QStringList{"You have disabled the automatic search as you type. \rTo start the "
                             "search, press the ENTER key in the search box."});

        auto* find = ListFixture::find<QLineEdit>(*tab, "Edit_Find_Shot");
        find->setText("plumb");
        QCOMPARE(ListFixture::listed(*tab).size(), 2);
        QTest::keyClick(find, Qt::Key_Return);
        QCOMPARE(ListFixture::listed(*tab), QStringList{"Plumber"});

        auto* clear = ListFixture::find<QToolButton>(*tab, "SpeedButtonClearShot");
        QVERIFY(clear->isEnabled());
        clear->click();
        QVERIFY(find->text().isEmpty());
        QVERIFY(!clear->isEnabled());
        QVERIFY(automatic->isChecked());
        QCOMPARE(ListFixture::listed(*tab).size(), 2);
    }

    void periodFilterLimitsTheOneShotList()
    {
        ListFixture f;
        const QDate day = ListFixture::day();
        f.add("O", day.addDays(-10), "Old");
        f.add("O", day, "Today");
        f.add("O", day.addDays(10), "Later");
        auto tab = f.tab(QChar('O'));
        auto* from = ListFixture::find<QDateEdit>(*tab, "DateTimePickerShot1");
        auto* to = ListFixture::find<QDateEdit>(*tab, "DateTimePickerShot2");
        QCOMPARE(from->date(), day);
        QVERIFY(!from->isEnabled() && !to->isEnabled());
        QVERIFY(!tab->periodFilter());

        // "To" before "From": the period still runs from the earlier date.
        from->setDate(day.addDays(10));
        to->setDate(day);
        QCOMPARE(ListFixture::listed(*tab).size(), 3);
        ListFixture::find<QCheckBox>(*tab, "CheckBoxPeriodShot")->setChecked(true);
        QVERIFY(from->isEnabled() && to->isEnabled());
        QCOMPARE(ListFixture::listed(*tab), (QStringList{"Later", "Today"}));
        QCOMPARE(ListFixture::find<QLabel>(*tab, "Panel_Shot")->text(), QString("2 / 3   "));
        QCOMPARE(tab->periodFilter()->first, day);

        to->setDate(day.addDays(11));
        QCOMPARE(ListFixture::listed(*tab), QStringList{"Later"});
    }

    void monthAndWeekdayFilters_data()
    {
        QTest::addColumn<QChar>("kind");
        QTest::addColumn<QString>("combo");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("March of any year") << QChar('Y') << "ComboBox_Month" << "March"
                                           << QStringList{"Anna", "Spring"};
        QTest::newRow("Wednesdays") << QChar('W') << "ComboBox_dayofweek" << "Wednesday"
                                    << QStringList{"Choir"};
    }
    void monthAndWeekdayFilters()
    {
        QFETCH(QChar, kind);
        QFETCH(QString, combo);
        QFETCH(QString, item);
        QFETCH(QStringList, expected);
        ListFixture f;
        f.add("Y", QDate(1990, 3, 12), "Anna");
        f.add("Y", QDate(2024, 3, 21), "Spring");
        f.add("Y", QDate(2020, 4, 15), "Taxes");
        f.add("W", QDate(2026, 5, 20), "Choir");
        f.add("W", QDate(2026, 5, 18), "Gym");
        auto tab = f.tab(kind);
        auto* filter = tab->findChild<QComboBox*>(combo);
        QCOMPARE(filter->currentText(), QString("All"));
        QCOMPARE(ListFixture::listed(*tab).size(), kind == QChar('Y') ? 3 : 2);
        filter->setCurrentText(item);
        QCOMPARE(ListFixture::listed(*tab), expected);
    }

    void orderSwitchesTheDirection()
    {
        ListFixture f;
        f.add("O", QDate(2026, 1, 1), "January");
        f.add("O", QDate(2026, 2, 1), "February");
        auto tab = f.tab(QChar('O'));
        QCOMPARE(ListFixture::listed(*tab), (QStringList{"February", "January"}));
        ListFixture::find<QToolButton>(*tab, "SpeedButtonOrderShot")->click();
        QCOMPARE(ListFixture::listed(*tab), (QStringList{"January", "February"}));
    }

    void deleteAsksFirst()
    {
        ListFixture f;
        f.add("W", QDate(2026, 5, 18), "Gym");
        auto tab = f.tab(QChar('W'));
        QSignalSpy changed(tab.get(), &TaskListTab::tasksChanged);
        auto* del = ListFixture::find<QToolButton>(*tab, "SpeedButtonDelWeek");
        QVERIFY(del->isEnabled());

        f.prompter.answers.enqueue(false);
        del->click();
        QCOMPARE(ListFixture::listed(*tab), QStringList{"Gym"});
        QVERIFY(f.prompter.shown.last().text.startsWith(" You are in order to eliminate \"Gym\","));
        QCOMPARE(f.prompter.shown.last().kind, platform::Prompter::Kind::Question);
        QCOMPARE(changed.size(), 0);

        f.prompter.answers.enqueue(true);
        del->click();
        QVERIFY(ListFixture::listed(*tab).isEmpty());
        QCOMPARE(changed.size(), 1);
        QCOMPARE(ListFixture::find<QLabel>(*tab, "Panel_week")->text(), QString("0   "));
        for (const char* name : {"SpeedButtonDelWeek", "SpeedButtonModWeek", "SpeedButtonCloneWeek",
                                 "SpeedButtonPrintWeek", "SpeedButtonOrderWeek"})
            QVERIFY2(!ListFixture::find<QToolButton>(*tab, name)->isEnabled(), name);
        QVERIFY(ListFixture::find<QToolButton>(*tab, "SpeedButtonAddWeek")->isEnabled());
    }

    void deletingTheLastRowSelectsTheOneBefore()
    {
        ListFixture f;
        for (const char* d : {"A", "B", "C"})
            f.add("M", ListFixture::day(), QString::fromLatin1(d));
        auto tab = f.tab(QChar('M'));
        tab->selectRow(2);
        f.prompter.answers.enqueue(true);
        tab->deleteSelected();
        QCOMPARE(ListFixture::listed(*tab), (QStringList{"A", "B"}));
        QCOMPARE(tab->selectedRow(), 1);
    }

    void cloneCopiesButNeverABirthday()
    {
        ListFixture f;
        const qint64 birthday = f.add("Y", QDate(1990, 3, 12), "Birthday of Anna");
        f.archive.general->setSql({"UPDATE CRarc66 SET dayindex = 4 WHERE codimp = "
                                   + QString::number(birthday)});
        f.archive.general->execSql();
        f.add("Y", QDate(2000, 12, 25), "Christmas");
        auto tab = f.tab(QChar('Y'));
        QSignalSpy changed(tab.get(), &TaskListTab::tasksChanged);
        auto* clone = ListFixture::find<QToolButton>(*tab, "SpeedButtonCloneYear");

        tab->selectTask(birthday);
        clone->click();
        QCOMPARE(f.prompter.shownTexts(),
                 QStringList{"Events related to the contacts can not be duplicated."});
        QCOMPARE(ListFixture::listed(*tab).size(), 2);
        QCOMPARE(changed.size(), 0);

        tab->selectRow(ListFixture::listed(*tab).indexOf("Christmas"));
        clone->click();
        QCOMPARE(ListFixture::listed(*tab).count("Christmas"), 2);
        QCOMPARE(changed.size(), 1);
    }

    void requestsLeaveAsSignals()
    {
        ListFixture f;
        calendar::TaskDraft d = draftOn(QDate(2026, 6, 2), "Dentist");
        d.note = "Bring the x-ray";
        d.attachment = "xray.pdf";
        d.suspended = true;
        calendar::TaskWriter(*f.archive.general, calendar::taskLocale()).insert("O", d, ListFixture::day());
        const qint64 key = f.archive.lastKey();
        auto tab = f.tab(QChar('O'));
        tab->show();
        QVERIFY(QTest::qWaitForWindowExposed(tab.get()));

        QSignalSpy attach(tab.get(), &TaskListTab::attachmentRequested);
        ListFixture::find<QToolButton>(*tab, "SpeedButtonAllegatoShot")->click();
        QCOMPARE(attach.size(), 1);
        QCOMPARE(attach.at(0).at(0).toDate(), QDate(2026, 6, 2));
        QCOMPARE(attach.at(0).at(1).toLongLong(), key);
        QCOMPARE(attach.at(0).at(2).toBool(), true);

        QSignalSpy note(tab.get(), &TaskListTab::modifyNoteRequested);
        auto* grid = ListFixture::find<QTableView>(*tab, "DBGrid_Shot");
        const QRect cell = grid->visualRect(grid->model()->index(0, 4));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(note.size(), 1);
        QCOMPARE(note.at(0).at(0).toLongLong(), key);

        QSignalSpy print(tab.get(), &TaskListTab::printRequested);
        auto* menu = ListFixture::find<QMenu>(*tab, "PopupMenu_STAMPA");
        QStringList captions;
        for (QAction* a : menu->actions())
            captions << a->text();
        QCOMPARE(captions, (QStringList{"Preview", "Print", "", "Cancel"}));
        menu->actions().at(0)->trigger();
        QCOMPARE(print.at(0), (QVariantList{QVariant::fromValue(QChar('O')), true}));

        QSignalSpy modify(tab.get(), &TaskListTab::modifyRequested);
        tab->setReadOnly(true);
        ListFixture::find<QToolButton>(*tab, "SpeedButtonModShot")->click();
        QCOMPARE(modify.size(), 0);
        tab->setReadOnly(false);
        ListFixture::find<QToolButton>(*tab, "SpeedButtonModShot")->click();
        QCOMPARE(modify.size(), 1);
    }

    // A list reloaded while hidden (as start-up and the window's reloads do)
    // has its columns fitted when it first comes to the screen, so no
    // description starts out cut.
    void firstShowFitsTheColumns()
    {
        ListFixture f;
        f.add("O", ListFixture::day(), "Dentist");
        auto tab = f.tab(QChar('O'));
        const QString longText = "Bring the car to the garage for its yearly service and the tyres";
        f.add("O", ListFixture::day(), longText);
        tab->refreshList();
        auto* grid = ListFixture::find<QTableView>(*tab, "DBGrid_Shot");
        const int needed = grid->fontMetrics().horizontalAdvance(longText);
        QVERIFY(grid->columnWidth(3) < needed);

        tab->show();
        QVERIFY(QTest::qWaitForWindowExposed(tab.get()));
        QVERIFY2(grid->columnWidth(3) >= needed, qPrintable(QString::number(grid->columnWidth(3))));
    }

    void datePanelFollowsAFormatChange_data()
    {
        QTest::addColumn<QChar>("kind");
        QTest::addColumn<QString>("assignment");
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QString>("expected");
        QTest::newRow("one shot") << QChar('O') << "DataShot = \"dd/mm/yyyy\""
                                  << "Panel_DataShot"
                                  << "12/03/1990   ";
        QTest::newRow("yearly") << QChar('Y') << "DataYear = \"mm/dd\""
                                << "Panel_DataYear"
                                << "03/12   ";
    }
    void datePanelFollowsAFormatChange()
    {
        QFETCH(QChar, kind);
        QFETCH(QString, assignment);
        QFETCH(QString, panel);
        QFETCH(QString, expected);
        ListFixture f;
        f.add(QString(kind), QDate(1990, 3, 12), "Anna");
        auto tab = f.tab(kind);
        auto* label = tab->findChild<QLabel*>(panel);
        QVERIFY(label && label->text() != expected);

        f.archive.general->setSql({"UPDATE CRset63 SET " + assignment});
        f.archive.general->execSql();
        f.settings.load();
        QCOMPARE(label->text(), expected);
    }

    void disabledTextStaysReadable_data()
    {
        QTest::addColumn<QColor>("colour");
        QTest::newRow("one shot's own") << QColor(210, 166, 166);
        QTest::newRow("yearly's own") << QColor(245, 227, 167);
        QTest::newRow("monthly's own") << QColor(84, 165, 88);
        QTest::newRow("weekly's own") << QColor(7, 143, 188);
        QTest::newRow("white") << QColor(255, 255, 255);
        QTest::newRow("middle grey") << QColor(128, 128, 128);
        QTest::newRow("deep blue") << QColor(0, 0, 128);
        QTest::newRow("black") << QColor(0, 0, 0);
    }
    void disabledTextStaysReadable()
    {
        QFETCH(QColor, colour);
        ListFixture f;
        f.add("O", ListFixture::day(), "Dentist");
        const QString text =
            QString::asprintf("$00%02X%02X%02X", colour.blue(), colour.green(), colour.red());
        f.archive.general->setSql({"UPDATE CRset63 SET ShotColor = \"" + text + "\""});
        f.archive.general->execSql();
        f.settings.load();
        auto tab = f.tab(QChar('O'));
        tab->show();
        QVERIFY(QTest::qWaitForWindowExposed(tab.get()));

        QList<QWidget*> disabled;
        for (QLabel* label : tab->findChildren<QLabel*>())
            if (label->text() == "From" || label->text() == "To")
                disabled << label;
        disabled << ListFixture::find<QToolButton>(*tab, "SpeedButtonClearShot")
                 << ListFixture::find<QToolButton>(*tab, "SpeedButtonAllegatoShot");
        QCOMPARE(disabled.size(), 4);
        for (QWidget* w : disabled) {
            QVERIFY(!w->isEnabled());
            const double ratio = readability::strongestContrast(*tab, *w, colour);
            QVERIFY2(ratio >= 4.5,
                     qPrintable(QString("%1 %2").arg(w->property("text").toString()).arg(ratio)));
        }
    }

    void showTaskDropsSearchAndFilters()
    {
        ListFixture f;
        f.add("Y", QDate(1990, 3, 12), "Anna");
        const qint64 taxes = f.add("Y", QDate(2020, 4, 15), "Taxes");
        auto tab = f.tab(QChar('Y'));
        ListFixture::find<QComboBox>(*tab, "ComboBox_Month")->setCurrentText("March");
        ListFixture::find<QComboBox>(*tab, "ComboBox_KindFindYear")->setCurrentIndex(1);
        ListFixture::find<QLineEdit>(*tab, "Edit_Find_Anno")->setText("x");
        QVERIFY(ListFixture::listed(*tab).isEmpty());

        tab->showTask(taxes);
        QCOMPARE(ListFixture::listed(*tab).size(), 2);
        QCOMPARE(tab->section().task(tab->selectedRow()).codimp, taxes);
        QCOMPARE(ListFixture::find<QComboBox>(*tab, "ComboBox_Month")->currentText(), QString("All"));
        QCOMPARE(ListFixture::find<QComboBox>(*tab, "ComboBox_KindFindYear")->currentIndex(), 0);
    }
};

QTEST_MAIN(TestTaskListTab)
#include "tst_tasklisttab.moc"

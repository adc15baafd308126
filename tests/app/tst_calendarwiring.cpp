// The task calendar's pieces as the window wires them: the section lists,
// the daily view and the side panel on one archive.
#include "app/mainwindow.h"
#include "app/reminderparts.h"
#include "calendar/dailymodel.h"
#include "calendar/dailyview.h"
#include "calendar/sectionmodel.h"
#include "calendar/taskrecord.h"
#include "calendar/tasksection.h"
#include "calendar/tasktexts.h"
#include "calendar/ui/lists/tasklisttab.h"
#include "calendar/ui/sidecalendar/sidepanel.h"
#include "calendar/ui/sidecalendar/tcalendarlighted.h"
#include "calendar/ui/today/todayview.h"
#include "mainwindowrig.h"
#include "reminders/alarmclock.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QLineEdit>
#include <QRegularExpression>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QToolButton>

using app::TMainForm;

namespace {

// Writes a task into the rig's archive, as the dialogs write it, and returns its key.
qint64 addTask(MainWindowRig& r, const QString& kind, const QDate& date, const QString& description,
               bool suspended = false)
{
    const bool wasOpen = r.db.isOpen();
    if (!wasOpen)
        r.db.open(r.dir.filePath(QStringLiteral("myarcs/coarc.abs")));
    store::Query q(r.db);
    calendar::TaskDraft draft;
    draft.description = description;
    draft.date = date;
    draft.from = QStringLiteral("  :  ");
    draft.to = QStringLiteral("  :  ");
    draft.expiry = date;
    draft.suspended = suspended;
    draft.attachment = QStringLiteral("plan.txt");
    calendar::TaskWriter(q, calendar::taskLocale()).insert(kind, draft, date);
    q.setSql({QStringLiteral("SELECT MAX(codimp) AS k FROM CRarc66")});
    q.open();
    const qint64 key = q.fieldByName(QStringLiteral("k")).asInteger();
    q.close();
    if (!wasOpen)
        r.db.close();
    return key;
}

// The one child of `parent` whose name starts with `prefix`.
template <typename T> T* child(QObject* parent, const QString& prefix)
{
    const auto found = parent->findChildren<T*>(QRegularExpression(QLatin1Char('^') + prefix));
    return found.size() == 1 ? found.first() : nullptr;
}

} // namespace

class TestCalendarWiring final : public QObject
{
    Q_OBJECT
    std::unique_ptr<MainWindowRig> r;

private slots:
    void init() { r = std::make_unique<MainWindowRig>(); }
    void cleanup() { r.reset(); }

    // Start-up fills the lists while they are hidden; their columns are
    // fitted then, not left at the grid's default width.
    void listsAreFittedAtStartUp()
    {
        r->preset({QStringLiteral("UPDATE CRset63 SET minimized = \"N\"")});
        const QString longText =
            QStringLiteral("Bring the car to the garage for its yearly service and the tyres");
        addTask(*r, QStringLiteral("O"), r->clock.today().addDays(3), longText);
        TMainForm& w = r->make();
        QVERIFY(!w.formCreate({}));
        auto* grid = w.taskList(TMainForm::Shot)->findChild<QTableView*>();
        QVERIFY(grid->columnWidth(3) >= grid->fontMetrics().horizontalAdvance(longText));

        // Shown, the list starts at its first column: the start of every
        // description is in sight, not scrolled away to the right.
        QTRY_VERIFY(w.isVisible());
        w.pageControl()->setCurrentIndex(TMainForm::Shot);
        QTRY_VERIFY(grid->isVisible());
        QCOMPARE(grid->columnViewportPosition(3), grid->columnWidth(0) + 2 * 42);
    }

    // Modify on the daily view first lists every task of the kind in its
    // section list (search by description, no filter, no period, search
    // cleared) and stands on the task there, then opens the dialog.
    void modifyFromTodayPreparesTheSectionList_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("section");
        QTest::newRow("one shot") << "O" << int(TMainForm::Shot);
        QTest::newRow("yearly") << "Y" << int(TMainForm::Year);
        QTest::newRow("monthly") << "M" << int(TMainForm::Month);
        QTest::newRow("weekly") << "W" << int(TMainForm::Week);
    }
    void modifyFromTodayPreparesTheSectionList()
    {
        QFETCH(QString, kind);
        QFETCH(int, section);
        r->preset({QStringLiteral("UPDATE CRset63 SET minimized = \"N\"")});
        const QDate today = r->clock.today();
        addTask(*r, kind, today, QStringLiteral("Anna"));
        const qint64 dentist = addTask(*r, kind, today, QStringLiteral("Dentist"));
        addTask(*r, kind, today, QStringLiteral("Zoo"));
        TMainForm& w = r->make();
        QVERIFY(!w.formCreate({}));
        QTRY_VERIFY(w.isVisible());

        calendar::ui::TaskListTab* list = w.taskList(TMainForm::Section(section));
        auto* findKind = child<QComboBox>(list, QStringLiteral("ComboBox_KindFind"));
        auto* find = child<QLineEdit>(list, QStringLiteral("Edit_Find"));
        auto* filter = child<QComboBox>(list, QStringLiteral("ComboBox_(Month|dayofweek)"));
        auto* period = list->findChild<QCheckBox*>(QStringLiteral("CheckBoxPeriodShot"));
        auto* autoFind = list->findChild<QCheckBox*>(QStringLiteral("CheckBoxAutoFindShot"));
        QVERIFY(findKind && find);
        // A search by note for a text no task holds, a filter that leaves
        // this task out, on One Shot a period and no automatic search.
        findKind->setCurrentIndex(1);
        find->setText(QStringLiteral("dent"));
        if (filter)
            filter->setCurrentIndex(kind == "Y" ? today.month() % 12 : today.dayOfWeek() % 7);
        if (period) {
            period->setChecked(true);
            autoFind->setChecked(false);
        }
        QCOMPARE(list->model().rowCount(), 0);

        QStringList seen;
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            const auto& task = list->section().task(list->selectedRow());
            seen << findKind->currentText() << find->text()
                 << (filter ? filter->currentText() : QStringLiteral("-"))
                 << (period && period->isChecked() ? QStringLiteral("period") : QStringLiteral("-"))
                 << (autoFind && !autoFind->isChecked() ? QStringLiteral("manual")
                                                        : QStringLiteral("-"))
                 << QString::number(list->model().rowCount()) << task.description;
            dialog->reject();
        });
        w.today()->selectTask(dentist);
        QTest::mouseClick(w.today()->findChild<QToolButton*>(QStringLiteral("SpeedButtonModToday")),
                          Qt::LeftButton);
        const QString all = filter ? QStringLiteral("All") : QStringLiteral("-");
        QCOMPARE(seen, QStringList({"Description", "", all, "-", "-", "3", "Dentist"}));
        QCOMPARE(w.today()->selectedRow(), 1);
    }

    // Attach on a suspended task shows suspended tasks wherever the box
    // reaches: the box the user sees and its twin, the day's list, the marked
    // days and the alarm list.
    void attachOnASuspendedTaskShowsSuspended_data()
    {
        QTest::addColumn<bool>("sidePanelShown");
        QTest::newRow("side panel shown") << true;
        QTest::newRow("side panel hidden") << false;
    }
    void attachOnASuspendedTaskShowsSuspended()
    {
        QFETCH(bool, sidePanelShown);
        r->preset({QStringLiteral("UPDATE CRset63 SET minimized = \"N\", timecheck = \"Y\", "
                                  "showcale = \"%1\"")
                       .arg(sidePanelShown ? "Y" : "N")});
        const QDate today = r->clock.today();
        const QDate day = today.addDays(3);
        const qint64 dentist =
            addTask(*r, QStringLiteral("O"), day, QStringLiteral("Dentist"), true);
        TMainForm& w = r->make();
        QVERIFY(!w.formCreate({}));
        QTRY_VERIFY(w.isVisible());
        auto* side = w.findChild<calendar::ui::SidePanel*>();
        auto* lighted = side->findChild<calendar::ui::TCalendarLighted*>();
        QTRY_VERIFY(!side->isMarking());
        QVERIFY(!lighted->isLighted(day));
        // Written behind the program's back: only a rebuilt alarm list has it.
        addTask(*r, QStringLiteral("O"), today, QStringLiteral("Call the garage"));
        const int alarms = w.reminders()->clock().alarmList().recordCount();

        w.pageControl()->setCurrentIndex(TMainForm::Shot);
        calendar::ui::TaskListTab* list = w.taskList(TMainForm::Shot);
        list->selectTask(dentist);
        auto* menuClosed = new QTimer(this);
        connect(menuClosed, &QTimer::timeout, this, [menuClosed] {
            if (QWidget* menu = QApplication::activePopupWidget()) {
                menu->close();
                menuClosed->deleteLater();
            }
        });
        menuClosed->start(10);
        QTest::mouseClick(list->findChild<QToolButton*>(QStringLiteral("SpeedButtonAllegatoShot")),
                          Qt::LeftButton);

        // The Today tab's box stands in for the side panel's while that is hidden.
        const auto boxes =
            w.findChildren<QCheckBox*>(QStringLiteral("CheckBox_Visualizza_Sospesi"));
        QCOMPARE(boxes.size(), 2);
        for (QCheckBox* box : boxes) {
            QVERIFY(box->isChecked());
            if (!side->isAncestorOf(box))
                QCOMPARE(box->isHidden(), sidePanelShown);
        }
        QCOMPARE(w.today()->shownDate(), day);
        QCOMPARE(w.today()->model().view().task(w.today()->selectedRow()).codimp, dentist);
        QCOMPARE(w.reminders()->clock().alarmList().recordCount(), alarms + 1);
        QTRY_VERIFY(lighted->isLighted(day));
    }

    // A time typed with a one-digit hour takes its place by the clock in
    // Today and in the One Shot list, and so does one an earlier build
    // stored as "9 :45", among times of two-digit hours.
    void oneDigitHoursListInTheirTimeOrder()
    {
        r->preset({QStringLiteral("UPDATE CRset63 SET minimized = \"N\"")});
        r->db.open(r->dir.filePath(QStringLiteral("myarcs/coarc.abs")));
        for (const char* from : {"23:59", "9 :45", "10:00"}) {
            store::Query q(r->db);
            q.setSql({QStringLiteral("INSERT INTO CRarc66 (id, flag, datefull, orario, orario2, "
                                     "sospeso, flagscad, flagfatto, fatto) values (:id, \"O\", "
                                     ":d, :id, \"  :  \", \"N\", \"N\", \"N\", :never)")});
            q.setText(QStringLiteral("id"), QString::fromLatin1(from));
            q.setDate(QStringLiteral("d"), r->clock.today());
            q.setDate(QStringLiteral("never"), r->clock.today().addDays(-150000));
            q.execSql();
        }
        r->db.close();
        TMainForm& w = r->make();
        QVERIFY(!w.formCreate({}));
        QTRY_VERIFY(w.isVisible());
        QTimer::singleShot(0, this, [] {
            QWidget* dialog = QApplication::activeModalWidget();
            QVERIFY(dialog);
            QTest::keyClicks(dialog->findChild<QLineEdit*>(QStringLiteral("Edit_id")), "typed");
            auto* from = dialog->findChild<QLineEdit*>(QStringLiteral("MaskEdit_Hour"));
            from->setCursorPosition(0);
            QTest::keyClicks(from, "9:30");
            QTest::mouseClick(
                dialog->findChild<QPushButton*>(QStringLiteral("SpeedButtonAddClose")),
                Qt::LeftButton);
        });
        emit w.today()->insertRequested(u'O');

        const auto listed = [](QAbstractItemView* grid, int fromColumn) {
            QStringList out;
            for (int row = 0; row < grid->model()->rowCount(); ++row)
                out << grid->model()->index(row, fromColumn).data().toString();
            return out;
        };
        const QStringList inOrder{"09:30", "09:45", "10:00", "23:59"};
        QCOMPARE(
            listed(w.today()->findChild<QAbstractItemView*>(QStringLiteral("DBGrid_Today")), 0),
            inOrder);
        QCOMPARE(listed(w.taskList(TMainForm::Shot)->findChild<QAbstractItemView*>(), 1), inOrder);
    }
};

QTEST_MAIN(TestCalendarWiring)
#include "tst_calendarwiring.moc"

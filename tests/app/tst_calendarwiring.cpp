// The task calendar's pieces as the window wires them: the section lists,
// the daily view and the side panel on one archive.
#include "app/mainwindow.h"
#include "app/reminderparts.h"
#include "calendar/dailymodel.h"
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
#include <QLineEdit>
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
};

QTEST_MAIN(TestCalendarWiring)
#include "tst_calendarwiring.moc"

// The Today tab's Export on the real window: the file holds the day's list
// as the tab shows it, and the tab keeps its day, its "Show suspended" and
// its rows; a file that cannot be written is told and nothing changes.
#include "app/mainwindow.h"
#include "calendar/dailymodel.h"
#include "calendar/ui/today/todayview.h"
#include "mainwindowrig.h"

#include <QAbstractButton>
#include <QFile>

using app::TMainForm;

class TestExportWiring final : public QObject
{
    Q_OBJECT

    static void addTask(store::Database& db, const QString& id, const QString& from,
                        const QString& sospeso, const QDate& day)
    {
        store::Query q(db);
        q.setSql({"INSERT INTO CRarc66 (id, note, flag, datefull, orario, orario2, sospeso, "
                  "flagscad, flagfatto, fatto) values (:id, :note, \"O\", :d, :from, \"  :  \", "
                  ":s, \"N\", \"N\", :never)"});
        q.setText("id", id);
        q.setText("note", "line one\r\nline two");
        q.setText("from", from);
        q.setText("s", sospeso);
        q.setDate("d", day);
        q.setDate("never", day.addDays(-150000));
        q.execSql();
    }

private slots:
    void exportsTheDayAsShownAndLeavesTheTabAlone_data()
    {
        QTest::addColumn<bool>("showSuspended");
        QTest::addColumn<QByteArray>("expected");
        const QByteArray head = "FROM,TO,DESCRIPTION,NOTE\r\n"
                                "09:15,  :  ,\"Call \"\"Bob\"\", then Ann\",line one  line two\r\n";
        // The rig writes no end time: the list shows none, and so does the file.
        const QByteArray dentist = "10:00,,Dentist,\r\n";
        QTest::newRow("suspended hidden") << false << head + dentist;
        QTest::newRow("suspended shown")
            << true << head + dentist + "11:00,  :  ,On hold,line one  line two\r\n";
    }

    void exportsTheDayAsShownAndLeavesTheTabAlone()
    {
        QFETCH(bool, showSuspended);
        QFETCH(QByteArray, expected);
        MainWindowRig r;
        TMainForm& w = r.shown(QStringLiteral("minimized = \"N\""), QStringLiteral("Dentist"));
        const QDate day = r.clock.today();
        addTask(r.db, "Call \"Bob\", then Ann", "09:15", "N", day);
        addTask(r.db, "On hold", "11:00", "Y", day);
        calendar::ui::TodayView& today = *w.today();
        today.setShowSuspended(showSuspended);
        today.refreshDailyView();
        const int rows = today.model().rowCount();
        today.selectRow(rows - 1);

        const QString path = r.dir.filePath("plan.csv");
        r.prompter.files.enqueue(path);
        auto* button = today.findChild<QAbstractButton*>("SpeedButtonEportToday");
        QVERIFY(button->isEnabled());
        button->click();

        QCOMPARE(r.prompter.saveDialogs.size(), 1);
        QCOMPARE(r.prompter.saveDialogs.first().title, "Export daily plan");
        QCOMPARE(QFileInfo(r.prompter.saveDialogs.first().proposedPath).fileName(),
                 "Daily plan - Thursday 10 December 2026.csv");
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), expected);
        QCOMPARE(today.shownDate(), day);
        QCOMPARE(today.showSuspended(), showSuspended);
        QCOMPARE(today.model().rowCount(), rows);
        QCOMPARE(today.selectedRow(), 0);
    }

    void aFailedWriteIsTold()
    {
        MainWindowRig r;
        TMainForm& w = r.shown(QStringLiteral("minimized = \"N\""), QStringLiteral("Dentist"));
        r.prompter.files.enqueue(r.dir.filePath("missing/plan.csv"));
        w.today()->findChild<QAbstractButton*>("SpeedButtonEportToday")->click();
        QCOMPARE(r.prompter.shown.size(), 1);
        QVERIFY(r.prompter.shown.first().text.startsWith("I could not write the file"));
        QCOMPARE(r.prompter.shown.first().kind, platform::Prompter::Kind::Warning);
        QVERIFY(!QFile::exists(r.dir.filePath("missing/plan.csv")));
    }
};

QTEST_MAIN(TestExportWiring)
#include "tst_exportwiring.moc"

#include "../readability.h"
#include "calendar/dailymodel.h"
#include "calendar/ui/today/todaydelegate.h"
#include "todayfixture.h"

#include <QAction>
#include <QDateEdit>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QToolButton>

using namespace calendar;

namespace {

// Answers like the scripted prompter but lets the test act while the
// question is open, as a timer or another window may.
class HookedPrompter final : public platform::Prompter
{
public:
    std::function<void()> whileAsking;
    void tell(const QString&, Kind, const QString&) override {}
    bool ask(const QString&, Kind, const QString&) override
    {
        whileAsking();
        return true;
    }
    std::optional<QString> inputText(const QString&, const QString&, const QString&, bool) override
    {
        return std::nullopt;
    }
    QString openFileName(const QString&, const QString&, const QString&) override { return {}; }
    QString saveFileName(const QString&, const QString&, const QString&) override { return {}; }
    QString folderName(const QString&, const QString&) override { return {}; }
    std::optional<unsigned> colour(unsigned) override { return std::nullopt; }
};

} // namespace

class TestTodayView final : public QObject
{
    Q_OBJECT
private slots:
    void listsTheFourKindsByTime()
    {
        TodayFixture f;
        const QDate day = TodayFixture::day();
        f.add("O", day, "Dentist", "14:30");
        f.add("W", day.addDays(-14), "Gym", "09:00");
        f.add("M", day.addMonths(-2), "Rent", "11:00");
        f.add("Y", QDate(1990, 5, 20), "Anna's birthday");
        f.add("O", day.addDays(1), "Tomorrow's task", "08:00");
        f.view->refreshDailyView();

        // An empty time sorts before every entered one.
        QCOMPARE(f.listed(), (QStringList{"Anna's birthday", "Gym", "Rent", "Dentist"}));
        QCOMPARE(f.find<QLabel>("panel_today")->text(), QString("4   "));
        auto* grid = f.find<QTableView>("DBGrid_Today");
        QCOMPARE(grid->model()->index(3, 0).data().toString(), QString("14:30"));
        QCOMPARE(grid->model()->headerData(3, Qt::Horizontal).toString(), QString("Note"));
    }

    void checkTicksAndUnticks()
    {
        TodayFixture f;
        const QDate day = TodayFixture::day();
        f.add("O", day, "Early", "08:00");
        const qint64 key = f.add("O", day, "Dentist", "14:30");
        f.view->refreshDailyView();
        f.view->selectRow(1);
        QSignalSpy reloads(f.view.get(), &ui::TodayView::sectionListReloadRequested);
        auto* check = f.find<QToolButton>("SpeedButtonSvoltoToday");
        const auto struck = [&f] {
            const QModelIndex index = f.view->model().index(1, 2);
            return f.view->delegate().lookAt(index, false).struckOut;
        };

        check->click();
        auto row = f.archive.row(key);
        QCOMPARE(row->fieldByName("fatto").asDate(), day);
        QCOMPARE(row->fieldByName("flagfatto").asString(), QString("Y"));
        QVERIFY(struck());
        QCOMPARE(f.view->selectedRow(), 1);
        QCOMPARE(reloads.size(), 1);
        QCOMPARE(reloads[0][0].value<QChar>(), QChar(u'O'));

        check->click();
        row = f.archive.row(key);
        QCOMPARE(row->fieldByName("fatto").asDate(), day.addDays(-150000));
        QCOMPARE(row->fieldByName("flagfatto").asString(), QString("N"));
        QVERIFY(!struck());
    }

    void deleteAsksFirst_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QStringList>("left");
        QTest::newRow("no keeps the task") << false << QStringList{"Dentist", "Lunch"};
        QTest::newRow("yes deletes it") << true << QStringList{"Lunch"};
    }
    void deleteAsksFirst()
    {
        QFETCH(bool, yes);
        QFETCH(QStringList, left);
        TodayFixture f;
        const QDate day = TodayFixture::day();
        f.add("O", day, "Dentist", "10:00");
        f.add("O", day, "Lunch", "12:00");
        f.view->refreshDailyView();
        f.view->selectRow(0);
        f.prompter.answers.enqueue(yes);
        QSignalSpy reloads(f.view.get(), &ui::TodayView::sectionListReloadRequested);

        f.find<QToolButton>("SpeedButtonDelToday")->click();

        QCOMPARE(f.prompter.shown.size(), 1);
        QCOMPARE(f.prompter.shown[0].kind, platform::Prompter::Kind::Question);
        QVERIFY(
            f.prompter.shown[0].text.startsWith(" You are in order to eliminate \"Dentist\", "));
        QCOMPARE(f.listed(), left);
        QCOMPARE(reloads.size(), 1);
        QCOMPARE(f.view->selectedRow(), 0);
    }

    // The list may be reloaded for another day while the question is open;
    // "Yes" still deletes the task the question named.
    void deleteRemovesTheTaskItAskedAbout()
    {
        HookedPrompter hooked;
        TodayFixture f(&hooked);
        const QDate day = TodayFixture::day();
        const qint64 asked = f.add("O", day, "Dentist", "10:00");
        const qint64 other = f.add("O", day.addDays(1), "Plumber", "10:00");
        f.view->refreshDailyView();
        hooked.whileAsking = [&f] { f.view->nextDay(); };

        f.find<QToolButton>("SpeedButtonDelToday")->click();

        QCOMPARE(f.archive.row(asked)->recordCount(), 0);
        QCOMPARE(f.archive.row(other)->recordCount(), 1);
        QCOMPARE(f.listed(), QStringList{"Plumber"});
    }

    void selectionKeptAfterReload_data()
    {
        QTest::addColumn<int>("selected");
        QTest::addColumn<int>("removedElsewhere"); // -1: none
        QTest::addColumn<int>("expected");
        QTest::newRow("same row") << 2 << -1 << 2;
        QTest::newRow("earlier row removed") << 2 << 0 << 2;
        QTest::newRow("last row removed") << 4 << 4 << 3;
    }
    void selectionKeptAfterReload()
    {
        QFETCH(int, selected);
        QFETCH(int, removedElsewhere);
        QFETCH(int, expected);
        TodayFixture f;
        QList<qint64> keys;
        for (int i = 0; i < 5; ++i)
            keys << f.add("O", TodayFixture::day(), QString("Task %1").arg(i),
                          QString("1%1:00").arg(i));
        f.view->refreshDailyView();
        f.view->selectRow(selected);
        if (removedElsewhere >= 0)
            f.archive.writer().remove(keys[removedElsewhere]);

        f.view->refreshDailyView();

        QCOMPARE(f.view->selectedRow(), expected);
    }

    void emptyDayDisablesTheTaskCommands()
    {
        TodayFixture f;
        QCOMPARE(f.find<QLabel>("panel_today")->text(), QString("0   "));
        for (const char* name :
             {"SpeedButtonSvoltoToday", "SpeedButtonModToday", "SpeedButtonDelToday",
              "SpeedButtonFollowToday", "SpeedButtonPrintToday", "SpeedButtonEportToday"})
            QVERIFY2(!f.find<QToolButton>(name)->isEnabled(), name);
        auto* today = f.find<QToolButton>("SpeedButtonToday");
        QVERIFY(!today->isEnabled());
        f.find<QToolButton>("SpeedButtonNextDay")->click();
        QCOMPARE(f.view->shownDate(), TodayFixture::day().addDays(1));
        QVERIFY(today->isEnabled());
        today->click();
        QCOMPARE(f.view->shownDate(), TodayFixture::day());
        QCOMPARE(f.find<QDateEdit>("DateTimePickerTODAY")->date(), TodayFixture::day());
    }

    void disabledCommandsStayReadable_data()
    {
        QTest::addColumn<QColor>("colour");
        QTest::newRow("today's own") << QColor(157, 157, 206);
        QTest::newRow("white") << QColor(255, 255, 255);
        QTest::newRow("middle grey") << QColor(128, 128, 128);
    }
    void disabledCommandsStayReadable()
    {
        QFETCH(QColor, colour);
        const QString text =
            QString::asprintf("$00%02X%02X%02X", colour.blue(), colour.green(), colour.red());
        TodayFixture f;
        f.archive.general->setSql({"UPDATE CRset63 SET TodayColor = \"" + text + "\""});
        f.archive.general->execSql();
        f.settings.load();
        f.view->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.view.get()));
        for (const char* name :
             {"SpeedButtonModToday", "SpeedButtonSvoltoToday", "SpeedButtonToday"}) {
            auto* button = f.find<QToolButton>(name);
            QVERIFY(!button->isEnabled());
            const double ratio = readability::strongestContrast(*f.view, *button, colour);
            QVERIFY2(ratio >= 4.5,
                     qPrintable(QString("%1 %2").arg(QLatin1String(name)).arg(ratio)));
        }
    }

    void commandsLeaveAsRequests()
    {
        TodayFixture f;
        const qint64 key = f.add("M", TodayFixture::day(), "Rent");
        f.view->refreshDailyView();
        QSignalSpy modify(f.view.get(), &ui::TodayView::modifyRequested);
        QSignalSpy origin(f.view.get(), &ui::TodayView::originRequested);
        QSignalSpy insert(f.view.get(), &ui::TodayView::insertRequested);

        QTest::keyClick(f.find<QTableView>("DBGrid_Today"), Qt::Key_Return);
        f.find<QToolButton>("SpeedButtonFollowToday")->click();
        const auto actions = f.find<QMenu>("PopupMenuToday")->actions();
        actions[3]->trigger();

        QCOMPARE(modify.size(), 1);
        QCOMPARE(modify[0][0].toLongLong(), key);
        QCOMPARE(modify[0][1].value<QChar>(), QChar(u'M'));
        QCOMPARE(origin.size(), 1);
        QCOMPARE(origin[0][1].toLongLong(), key);
        QCOMPARE(actions[3]->text(), QString("Weekly"));
        QCOMPARE(insert.size(), 1);
        QCOMPARE(insert[0][0].value<QChar>(), QChar(u'W'));
    }

    void attachFollowsTheSelectedTask_data()
    {
        QTest::addColumn<QString>("searchKey");
        QTest::addColumn<QString>("attachment");
        QTest::addColumn<bool>("contactSearch");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<QString>("attachCaption");
        QTest::newRow("neither") << ""
                                 << "" << true << false << "";
        QTest::newRow("search key only") << "Anna"
                                         << "" << true << true << "";
        // Until the contacts can be searched, "Find" would do nothing.
        QTest::newRow("search key, no contact search") << "Anna"
                                                       << "" << false << false << "";
        QTest::newRow("file in a folder") << ""
                                          << "C:\\docs\\plan.txt" << false << true << "plan.txt";
    }
    void attachFollowsTheSelectedTask()
    {
        QFETCH(QString, searchKey);
        QFETCH(QString, attachment);
        QFETCH(bool, contactSearch);
        TodayFixture f;
        if (contactSearch)
            connect(f.view.get(), &ui::TodayView::findContactRequested, this, [] {});
        calendar::TaskDraft d = draftOn(TodayFixture::day(), "Meeting");
        d.searchKey = searchKey;
        d.attachment = attachment;
        d.note = "Bring the plan";
        calendar::TaskWriter(*f.archive.general, calendar::taskLocale())
            .insert("O", d, TodayFixture::day());
        f.view->refreshDailyView();

        QFETCH(bool, enabled);
        QFETCH(QString, attachCaption);
        QCOMPARE(f.find<QToolButton>("SpeedButtonAllegatoToday")->isEnabled(), enabled);
        QCOMPARE(f.find<QMenu>("PopupMenuAllegatoToday")->actions()[0]->text(), attachCaption);
        QCOMPARE(f.find<QPlainTextEdit>("DBMemoToday")->toPlainText(), QString("Bring the plan"));
    }

    void readOnlyChangesNothing()
    {
        TodayFixture f;
        const qint64 key = f.add("O", TodayFixture::day(), "Dentist");
        f.view->refreshDailyView();
        f.view->setReadOnly(true);
        QSignalSpy modify(f.view.get(), &ui::TodayView::modifyRequested);
        QSignalSpy insert(f.view.get(), &ui::TodayView::insertRequested);
        f.prompter.answers.enqueue(true);

        f.find<QToolButton>("SpeedButtonSvoltoToday")->click();
        f.find<QToolButton>("SpeedButtonDelToday")->click();
        f.find<QToolButton>("SpeedButtonModToday")->click();
        f.find<QMenu>("PopupMenuToday")->actions()[0]->trigger();

        QCOMPARE(f.archive.row(key)->fieldByName("flagfatto").asString(), QString("N"));
        QVERIFY(f.prompter.shown.isEmpty());
        QCOMPARE(modify.size() + insert.size(), 0);
    }
};

QTEST_MAIN(TestTodayView)
#include "tst_todayview.moc"

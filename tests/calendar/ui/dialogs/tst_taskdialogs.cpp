#include "calendar/ui/dialogs/tselectform.h"
#include "dialogfixture.h"

#include <QCalendarWidget>
#include <QScreen>
#include <QSignalSpy>

using namespace calendar;
using namespace calendar::ui;

namespace {

QString cell(store::Query& q, const char* column)
{
    const auto f = q.fieldByName(QString::fromLatin1(column));
    return f.isNull() ? QStringLiteral("<null>") : f.asString();
}

// Chooses `date` in the date chooser the dialog opens, as a user clicking
// the day and "Usa" would.
void chooseDate(TaskDialog& dialog, const QDate& date)
{
    whenModalOpens("SelectForm", [date](QWidget* chooser) {
        child<QCalendarWidget>(chooser, "MonthCalendar")->setSelectedDate(date);
        QTest::mouseClick(child<QPushButton>(chooser, "SpeedButtonUsa"), Qt::LeftButton);
    });
    dialog.chooseDate();
}

void type(QWidget* field, const QString& text)
{
    QTest::keyClicks(field, text);
}

void click(QWidget* dialog, const char* button)
{
    QAbstractButton* b = child<QAbstractButton>(dialog, QString::fromLatin1(button));
    QVERIFY2(b->isEnabled(), button);
    QTest::mouseClick(b, Qt::LeftButton);
}

QStringList insertLines(const char* columns, const char* values)
{
    return {"INSERT INTO CRarc66", QString::fromLatin1(columns), QString::fromLatin1(values)};
}

} // namespace

class TestTaskDialogs final : public QObject
{
    Q_OBJECT

private slots:
    void oneShotForTodayAtHalfPastTwo()
    {
        DialogFixture f;
        auto d = f.newDialog("O");
        d->show();
        QSignalSpy saved(d.get(), &TaskDialog::taskSaved);
        QCOMPARE(d->windowTitle(), "-> New One Shot Task");
        QCOMPARE(child<QLabel>(d.get(), "LabelTitolo")->text(), "Insert One Shot");
        QVERIFY(d->windowFlags().testFlag(Qt::FramelessWindowHint));
        QVERIFY(d->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(d->isModal());
        // The date is the day the daily view shows, in the one-shot format.
        QCOMPARE(child<QLabel>(d.get(), "Label_datefull")->text(), "Thursday 10 December 2026");

        type(child<QLineEdit>(d.get(), "Edit_id"), "dentist");
        auto* from = child<QLineEdit>(d.get(), "MaskEdit_Hour");
        from->setCursorPosition(0);
        type(from, "1430");
        QCOMPARE(from->text(), "14:30");
        click(d.get(), "SpeedButtonAddClose");

        QCOMPARE(d->result(), int(QDialog::Accepted));
        QCOMPARE(saved.count(), 1);
        const qint64 key = saved.at(0).at(1).toLongLong();
        QCOMPARE(key, f.lastKey());
        QCOMPARE(d->lastStatement(),
                 insertLines("(id,note,datefull,orario,orario2,flag,dayofweek,ricerca,allegato,"
                             "fatto,flagfatto,anticipa,sospeso,flagscad,scadenza)",
                             "values (:id,:note,:datefull,:orario,:orario2,:flag,:dayofweek,"
                             ":ricerca,:allegato,:fatto,:flagfatto,:anticipa,:sospeso,:flagscad,"
                             ":scadenza)"));
        auto row = f.row(key);
        QCOMPARE(cell(*row, "id"), "Dentist");
        QCOMPARE(row->fieldByName("datefull").asDate(), QDate(2026, 12, 10));
        QCOMPARE(cell(*row, "orario"), "14:30");
        QCOMPARE(cell(*row, "orario2"), "  :  ");
        QCOMPARE(cell(*row, "flag"), "O");
        QCOMPARE(cell(*row, "dayofweek"), "");
        QCOMPARE(cell(*row, "dayofmonth"), "<null>");
        QCOMPARE(cell(*row, "dayindex"), "<null>");
        QCOMPARE(row->fieldByName("fatto").asDate(), QDate(2026, 12, 10).addDays(-150000));
        QCOMPARE(cell(*row, "flagfatto"), "N");
        QCOMPARE(cell(*row, "anticipa"), "N");
        QCOMPARE(cell(*row, "sospeso"), "N");
        QCOMPARE(cell(*row, "flagscad"), "N");
        QCOMPARE(row->fieldByName("scadenza").asDate(), QDate(2026, 12, 10));
    }

    // clang-format off
    void invalidTimeShowsTheMessageAndSavesNothing_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("message");
        QTest::newRow("hour 25") << "2500" << "" << "The value entered in the field \"From\" is not a valid time.";
        QTest::newRow("minutes half typed") << "143" << "" << "The value entered in the field \"From\" is not a valid time.";
        QTest::newRow("bad end") << "1430" << "0975" << "The value entered in the field \"To\" is not a valid time.";
    }
    // clang-format on
    void invalidTimeShowsTheMessageAndSavesNothing()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, message);
        DialogFixture f;
        auto d = f.newDialog("O");
        d->show();
        type(child<QLineEdit>(d.get(), "Edit_id"), "dentist");
        type(child<QLineEdit>(d.get(), "MaskEdit_Hour"), from);
        type(child<QLineEdit>(d.get(), "MaskEdit_hour2"), to);
        for (const char* button : {"SpeedButtonAdd", "SpeedButtonAddClose"}) {
            f.prompter.shown.clear();
            click(d.get(), button);
            QCOMPARE(f.prompter.shownTexts(), QStringList{message});
            QCOMPARE(f.prompter.shown.at(0).kind, platform::Prompter::Kind::Warning);
        }
        QCOMPARE(f.taskCount(), 0);
        QVERIFY(d->isVisible());
        QCOMPARE(child<QLineEdit>(d.get(), "Edit_id")->text(), "dentist");
    }

    void enterAppliesAndEscapeCloses()
    {
        DialogFixture f;
        auto d = f.newDialog("O");
        d->show();
        auto* description = child<QLineEdit>(d.get(), "Edit_id");
        // Enter with no description does nothing.
        QTest::keyClick(description, Qt::Key_Return);
        QVERIFY(d->isVisible());
        type(description, "call bob");
        QTest::keyClick(child<QLineEdit>(d.get(), "MaskEdit_hour2"), Qt::Key_Enter);
        QCOMPARE(d->result(), int(QDialog::Accepted));
        QCOMPARE(f.taskCount(), 1);

        auto e = f.newDialog("O");
        e->show();
        type(child<QLineEdit>(e.get(), "Edit_id"), "never saved");
        QTest::keyClick(child<QLineEdit>(e.get(), "Edit_id"), Qt::Key_Escape);
        QVERIFY(!e->isVisible());
        QCOMPARE(e->result(), int(QDialog::Rejected));
        QCOMPARE(f.taskCount(), 1);

        // A Modify dialog whose description was emptied saves nothing on Enter.
        auto m = f.modifyDialog(f.lastKey());
        m->show();
        child<QLineEdit>(m.get(), "Edit_id")->clear();
        QVERIFY(!child<QPushButton>(m.get(), "SpeedButtonMod")->isEnabled());
        QTest::keyClick(child<QLineEdit>(m.get(), "Edit_Ricerca"), Qt::Key_Return);
        QVERIFY(m->isVisible());
        QCOMPARE(cell(*f.row(f.lastKey()), "id"), "Call bob");
    }

    void insertKeepsTheDialogOpenForTheNextTask()
    {
        DialogFixture f;
        auto d = f.newDialog("O");
        d->show();
        QSignalSpy saved(d.get(), &TaskDialog::taskSaved);
        chooseDate(*d, QDate(2026, 12, 24));
        type(child<QLineEdit>(d.get(), "Edit_id"), "first");
        type(child<QLineEdit>(d.get(), "MaskEdit_Hour"), "0800");
        type(child<QPlainTextEdit>(d.get(), "Memo"), "a note");
        type(child<QLineEdit>(d.get(), "Edit_Ricerca"), "anna");
        child<QCheckBox>(d.get(), "CheckBox_Sospeso")->setChecked(true);
        click(d.get(), "SpeedButtonAdd");

        QVERIFY(d->isVisible());
        QCOMPARE(saved.count(), 1);
        QCOMPARE(child<QLineEdit>(d.get(), "Edit_id")->text(), "");
        QCOMPARE(child<QLineEdit>(d.get(), "MaskEdit_Hour")->text(), "  :  ");
        QCOMPARE(child<QPlainTextEdit>(d.get(), "Memo")->toPlainText(), "");
        QCOMPARE(child<QLineEdit>(d.get(), "Edit_Ricerca")->text(), "");
        // The date and the options stay.
        QCOMPARE(child<QLabel>(d.get(), "Label_datefull")->text(), "Thursday 24 December 2026");
        QVERIFY(child<QCheckBox>(d.get(), "CheckBox_Sospeso")->isChecked());

        type(child<QLineEdit>(d.get(), "Edit_id"), "second");
        click(d.get(), "SpeedButtonAdd");
        QCOMPARE(saved.count(), 2);
        QCOMPARE(f.taskCount(), 2);
        auto first = f.row(saved.at(0).at(1).toLongLong());
        QCOMPARE(cell(*first, "ricerca"), "Anna");
        QCOMPARE(cell(*first, "note"), "a note");
        auto second = f.row(saved.at(1).at(1).toLongLong());
        QCOMPARE(second->fieldByName("datefull").asDate(), QDate(2026, 12, 24));
        QCOMPARE(cell(*second, "sospeso"), "Y");
        QCOMPARE(cell(*second, "orario"), "  :  ");
    }

    void aContactChosenInTheContactsTabStartsTheTask()
    {
        DialogFixture f;
        f.activeContact = "anna rossi";
        auto d = f.newDialog("W");
        QCOMPARE(child<QLineEdit>(d.get(), "Edit_id")->text(), "anna rossi");
        QCOMPARE(child<QLineEdit>(d.get(), "Edit_Ricerca")->text(), "anna rossi");
        d->insertAndClose();
        // Both are stored with a capital, and the fields show it too.
        QCOMPARE(child<QLineEdit>(d.get(), "Edit_Ricerca")->text(), "Anna rossi");
        auto row = f.row(f.lastKey());
        QCOMPARE(cell(*row, "id"), "Anna rossi");
        QCOMPARE(cell(*row, "ricerca"), "Anna rossi");
    }

    void biWeeklyTaskKeepsTheParityOfItsWeek()
    {
        DialogFixture f;
        f.shown = QDate(2026, 1, 7); // a Wednesday of week 2
        auto d = f.newDialog("W");
        QCOMPARE(d->windowTitle(), "-> New Weekly Task");
        QCOMPARE(child<QLabel>(d.get(), "Label_dayweek")->text(), "Wednesday");
        type(child<QLineEdit>(d.get(), "Edit_id"), "gym");
        auto* biWeekly = child<QCheckBox>(d.get(), "CheckBox_Bisettimanale");
        QCOMPARE(biWeekly->text(), "Bi-Weekly ");
        biWeekly->setChecked(true);
        d->insertAndClose();
        auto row = f.row(f.lastKey());
        QCOMPARE(cell(*row, "flag"), "W");
        QCOMPARE(cell(*row, "dayofweek"), "Wednesday");
        QCOMPARE(cell(*row, "dayindex"), "4");
        QCOMPARE(cell(*row, "dayofmonth"), "PA");
        QCOMPARE(d->lastStatement(),
                 insertLines("(id,note,dayofweek,dayindex,dayofmonth,datefull,orario,orario2,flag,"
                             "ricerca,allegato,fatto,flagfatto,anticipa,sospeso,flagscad,scadenza)",
                             "values (:id,:note,:dayofweek,:dayindex,:dayofmonth,:datefull,:orario,"
                             ":orario2,:flag,:ricerca,:allegato,:fatto,:flagfatto,:anticipa,"
                             ":sospeso,:flagscad,:scadenza)"));

        // Moved into week 3 it keeps the odd weeks.
        auto m = f.modifyDialog(f.lastKey());
        QVERIFY(child<QCheckBox>(m.get(), "CheckBox_Bisettimanale")->isChecked());
        chooseDate(*m, QDate(2026, 1, 16));
        QCOMPARE(child<QLabel>(m.get(), "Label_dayweek")->text(), "Friday");
        m->modify();
        row = f.row(f.lastKey());
        QCOMPARE(cell(*row, "dayofmonth"), "DI");
        QCOMPARE(cell(*row, "dayofweek"), "Friday");
        QCOMPARE(cell(*row, "dayindex"), "6");
    }

    void weeklyChooserStartsTodayAndMonthlyAtTheTaskDate()
    {
        DialogFixture f;
        f.shown = QDate(2026, 3, 31);
        auto weekly = f.newDialog("W");
        QDate started;
        whenModalOpens("SelectForm", [&started](QWidget* chooser) {
            started = child<QCalendarWidget>(chooser, "MonthCalendar")->selectedDate();
            QCOMPARE(static_cast<TSelectForm*>(chooser)->mode(), ChooserMode::Weekday);
            QTest::keyClick(chooser, Qt::Key_Escape);
        });
        weekly->chooseDate();
        QCOMPARE(started, QDate(2026, 12, 10));
        // Closed without choosing: nothing changes.
        QCOMPARE(f.dialogState.taskDialogDate(), QDate(2026, 3, 31));

        auto monthly = f.newDialog("M");
        QCOMPARE(child<QLabel>(monthly.get(), "Label_DayMonth")->text(), "31");
        whenModalOpens("SelectForm", [&started](QWidget* chooser) {
            started = child<QCalendarWidget>(chooser, "MonthCalendar")->selectedDate();
            QTest::keyClick(chooser, Qt::Key_Escape);
        });
        monthly->chooseDate();
        QCOMPARE(started, QDate(2026, 3, 31));
    }

    void monthlyTaskStoresItsDayAndMarker()
    {
        DialogFixture f;
        f.shown = QDate(2026, 3, 5);
        auto d = f.newDialog("M");
        QCOMPARE(child<QLabel>(d.get(), "LabelTitolo")->text(), "Insert Monthly");
        type(child<QLineEdit>(d.get(), "Edit_id"), "rent");
        child<QCheckBox>(d.get(), "CheckBox_Bimestrale")->setChecked(true);
        d->insertAndClose();
        auto row = f.row(f.lastKey());
        QCOMPARE(cell(*row, "dayofmonth"), "05");
        QCOMPARE(cell(*row, "dayofweek"), "DI");

        // The Modify dialog shows the stored day until another is chosen.
        store::Query q(f.db);
        q.setSql({"UPDATE CRarc66 SET dayofmonth = '31' WHERE codimp = " +
                  QString::number(f.lastKey())});
        q.execSql();
        auto m = f.modifyDialog(f.lastKey());
        QCOMPARE(child<QLabel>(m.get(), "Label_DayMonth")->text(), "31");
        // Saved as shown, never recomputed from the date.
        m->modify();
        QCOMPARE(cell(*f.row(f.lastKey()), "dayofmonth"), "31");
        m = f.modifyDialog(f.lastKey());
        chooseDate(*m, QDate(2026, 4, 9));
        QCOMPARE(child<QLabel>(m.get(), "Label_DayMonth")->text(), "09");
        m->modify();
        row = f.row(f.lastKey());
        QCOMPARE(cell(*row, "dayofmonth"), "09");
        QCOMPARE(cell(*row, "dayofweek"), "PA");
    }

    void yearlyTaskCountsItsYears()
    {
        DialogFixture f;
        auto d = f.newDialog("Y");
        d->show();
        QCOMPARE(d->windowTitle(), "-> New Yearly Task");
        auto* count = child<QCheckBox>(d.get(), "CheckBox_Conteggio");
        auto* label = child<QLabel>(d.get(), "Label_Conteggio");
        QCOMPARE(label->text(), "The task starts from an year");
        chooseDate(*d, QDate(2000, 6, 15));
        QCOMPARE(f.dialogState.taskDialogMonthDay(), "06/15");
        QCOMPARE(child<QLabel>(d.get(), "Label_date")->text(), "15 June");
        QTest::mouseClick(count, Qt::LeftButton);
        QVERIFY(count->isChecked());
        QCOMPARE(label->text(), "Years count: 26 - Period: 15 Jun 2000 - 10 Dec 2026");
        // Another date counts again.
        chooseDate(*d, QDate(1990, 1, 2));
        QCOMPARE(label->text(), "Years count: 36 - Period: 02 Jan 1990 - 10 Dec 2026");
        QTest::mouseClick(count, Qt::LeftButton);
        QCOMPARE(label->text(), "The task starts from an year");
        QTest::mouseClick(count, Qt::LeftButton);

        type(child<QLineEdit>(d.get(), "Edit_id"), "wedding day");
        child<QCheckBox>(d.get(), "CheckBox_Biannuale")->setChecked(true);
        d->insertAndClose();
        auto row = f.row(f.lastKey());
        QCOMPARE(cell(*row, "flag"), "Y");
        QCOMPARE(row->fieldByName("datefull").asDate(), QDate(1990, 1, 2));
        QCOMPARE(cell(*row, "data"), "01/02");
        QCOMPARE(cell(*row, "dayofmonth"), "SI");
        // 1 January 1990 was a Monday: the 2nd lies in week 1 of 1990, an even year.
        QCOMPARE(cell(*row, "dayofweek"), "PA");
        QCOMPARE(cell(*row, "dayindex"), "<null>");

        auto m = f.modifyDialog(f.lastKey());
        QCOMPARE(child<QLabel>(m.get(), "Label_Conteggio")->text(),
                 "Years count: 36 - Period: 02 Jan 1990 - 10 Dec 2026");
        QVERIFY(child<QCheckBox>(m.get(), "CheckBox_Biannuale")->isChecked());
    }

    void birthdayOfAContact()
    {
        DialogFixture f;
        f.dialogState.linkedContactCode = "42";
        f.linked = {"Anna Rossi", "anna@example.com"};
        auto d = f.newDialog("Y");
        QCOMPARE(child<QLineEdit>(d.get(), "Edit_id")->text(), "Birthday of Anna Rossi");
        QCOMPARE(child<QLineEdit>(d.get(), "Edit_Ricerca")->text(), "Anna Rossi");
        QCOMPARE(child<QLineEdit>(d.get(), "Edit_Allegato")->text(), "mailto:anna@example.com");
        QVERIFY(child<QCheckBox>(d.get(), "CheckBox_Conteggio")->isChecked());
        QVERIFY(child<QPushButton>(d.get(), "SpeedButtonAdd")->isHidden());
        d->insertAndClose();
        QCOMPARE(d->lastStatement(),
                 insertLines("(id,note,dayindex,dayofmonth,dayofweek,datefull,data,orario,orario2,"
                             "flag,ricerca,allegato,fatto,flagfatto,anticipa,sospeso,flagscad,"
                             "scadenza)",
                             "values (:id,:note,:dayindex,:dayofmonth,:dayofweek,:datefull,:data,"
                             ":orario,:orario2,:flag,:ricerca,:allegato,:fatto,:flagfatto,"
                             ":anticipa,:sospeso,:flagscad,:scadenza)"));
        const qint64 key = f.lastKey();
        QCOMPARE(cell(*f.row(key), "dayindex"), "42");
        QCOMPARE(cell(*f.row(key), "dayofmonth"), "SI");

        // Without an e-mail address there is no attachment.
        f.linked = {"Bob", ""};
        QCOMPARE(child<QLineEdit>(f.newDialog("Y").get(), "Edit_Allegato")->text(), "");

        // Editing never touches the link.
        f.dialogState.linkedContactCode = calendar::TaskDialogState::NoContact;
        auto m = f.modifyDialog(key);
        child<QLineEdit>(m.get(), "Edit_id")->setText("Birthday of Anna");
        m->modify();
        QCOMPARE(cell(*f.row(key), "dayindex"), "42");
        QCOMPARE(cell(*f.row(key), "id"), "Birthday of Anna");
    }

    // clang-format off
    void statementsAreTheKindsOwn_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QStringList>("insert");
        QTest::addColumn<QStringList>("update");
        QTest::newRow("one-shot")
            << "O"
            << insertLines("(id,note,datefull,orario,orario2,flag,dayofweek,ricerca,allegato,fatto,flagfatto,anticipa,sospeso,flagscad,scadenza)",
                           "values (:id,:note,:datefull,:orario,:orario2,:flag,:dayofweek,:ricerca,:allegato,:fatto,:flagfatto,:anticipa,:sospeso,:flagscad,:scadenza)")
            << QStringList{"UPDATE CRarc66", "SET id         = :id,", "    note       = :note,", "    datefull   = :datefull,", "    orario     = :orario,", "    orario2    = :orario2,", "    dayofweek  = :dayofweek,", "    ricerca  = :ricerca,", "    allegato  = :allegato,", "    fatto     = :fatto,", "    flagfatto   = :flagfatto,", "    anticipa   = :anticipa,", "    sospeso   = :sospeso,", "    flagscad   = :flagscad,", "    scadenza   = :scadenza"};
        QTest::newRow("weekly")
            << "W"
            << insertLines("(id,note,dayofweek,dayindex,dayofmonth,datefull,orario,orario2,flag,ricerca,allegato,fatto,flagfatto,anticipa,sospeso,flagscad,scadenza)",
                           "values (:id,:note,:dayofweek,:dayindex,:dayofmonth,:datefull,:orario,:orario2,:flag,:ricerca,:allegato,:fatto,:flagfatto,:anticipa,:sospeso,:flagscad,:scadenza)")
            << QStringList{"UPDATE CRarc66", "SET id         = :id,", "    note       = :note,", "    dayofweek  = :dayofweek,", "    dayindex   = :dayindex,", "    dayofmonth   = :dayofmonth,", "    datefull   = :datefull,", "    orario     = :orario,", "    orario2    = :orario2,", "    ricerca  = :ricerca,", "    allegato  = :allegato,", "    fatto     = :fatto,", "    flagfatto   = :flagfatto,", "    anticipa   = :anticipa,", "    sospeso   = :sospeso,", "    flagscad   = :flagscad,", "    scadenza   = :scadenza"};
        QTest::newRow("monthly")
            << "M"
            << insertLines("(id,note,dayofmonth,dayofweek,datefull,orario,orario2,flag,ricerca,allegato,fatto,flagfatto,anticipa,sospeso,flagscad,scadenza)",
                           "values (:id,:note,:dayofmonth,:dayofweek,:datefull,:orario,:orario2,:flag,:ricerca,:allegato,:fatto,:flagfatto,:anticipa,:sospeso,:flagscad,:scadenza)")
            << QStringList{"UPDATE CRarc66", "SET id         = :id,", "    note       = :note,", "    dayofmonth = :dayofmonth,", "    dayofweek = :dayofweek,", "    datefull   = :datefull,", "    orario     = :orario,", "    orario2    = :orario2,", "    ricerca    = :ricerca,", "    allegato   = :allegato,", "    fatto      = :fatto,", "    flagfatto  = :flagfatto,", "    anticipa   = :anticipa,", "    sospeso   = :sospeso,", "    flagscad   = :flagscad,", "    scadenza   = :scadenza"};
        QTest::newRow("yearly")
            << "Y"
            << insertLines("(id,note,dayofmonth,dayofweek,datefull,data,orario,orario2,flag,ricerca,allegato,fatto,flagfatto,anticipa,sospeso,flagscad,scadenza)",
                           "values (:id,:note,:dayofmonth,:dayofweek,:datefull,:data,:orario,:orario2,:flag,:ricerca,:allegato,:fatto,:flagfatto,:anticipa,:sospeso,:flagscad,:scadenza)")
            << QStringList{"UPDATE CRarc66", "SET id         = :id,", "    note       = :note,", "    dayofmonth = :dayofmonth,", "    dayofweek = :dayofweek,", "    datefull   = :datefull,", "    data       = :data,", "    orario     = :orario,", "    orario2    = :orario2,", "    ricerca  = :ricerca,", "    allegato  = :allegato,", "    fatto     = :fatto,", "    flagfatto   = :flagfatto,", "    anticipa   = :anticipa,", "    sospeso   = :sospeso,", "    flagscad   = :flagscad,", "    scadenza   = :scadenza"};
    }
    // clang-format on
    void statementsAreTheKindsOwn()
    {
        QFETCH(QString, kind);
        QFETCH(QStringList, insert);
        QFETCH(QStringList, update);
        DialogFixture f;
        auto d = f.newDialog(kind);
        type(child<QLineEdit>(d.get(), "Edit_id"), "task");
        d->insertAndClose();
        QCOMPARE(d->lastStatement(), insert);
        const qint64 key = f.lastKey();
        auto m = f.modifyDialog(key);
        QCOMPARE(m->kind(), kind);
        m->modify();
        QCOMPARE(m->lastStatement(),
                 update + QStringList{"WHERE codimp = " + QString::number(key)});
    }

    void modifyingTheDateOfADoneTaskOpensItAgain()
    {
        DialogFixture f;
        const QDate day(2026, 12, 8);
        const qint64 key = f.add("O", draftOn(day, "Pay the bill"));
        f.writer().setDone(key, {day, "Y"});

        // Saved on the same date, the task stays done.
        auto same = f.modifyDialog(key);
        QCOMPARE(child<QLabel>(same.get(), "Label_Fatto")->text(), "Done: Tuesday 8 December 2026");
        same->modify();
        QCOMPARE(cell(*f.row(key), "flagfatto"), "Y");
        QCOMPARE(f.row(key)->fieldByName("fatto").asDate(), day);

        auto m = f.modifyDialog(key);
        QCOMPARE(m->windowTitle(), "-> Modify One Shot Task");
        chooseDate(*m, QDate(2026, 12, 15));
        QCOMPARE(child<QLabel>(m.get(), "Label_datefull")->text(), "Tuesday 15 December 2026");
        click(m.get(), "SpeedButtonMod");
        QCOMPARE(m->result(), int(QDialog::Accepted));
        auto row = f.row(key);
        QCOMPARE(row->fieldByName("datefull").asDate(), QDate(2026, 12, 15));
        QCOMPARE(cell(*row, "flagfatto"), "N");
        QCOMPARE(row->fieldByName("fatto").asDate(), f.shown.addDays(-150000));
        QCOMPARE(child<QLabel>(f.modifyDialog(key).get(), "Label_Fatto")->text(), "Done: not yet.");
    }

    void modifyLoadsEveryField()
    {
        DialogFixture f;
        TaskDraft draft = draftOn(QDate(2026, 12, 1), "Dentist");
        draft.from = " 9:05";
        draft.to = "10:30";
        draft.note = "bring the card";
        draft.searchKey = "Studio";
        draft.attachment = "card.pdf";
        draft.remindInAdvance = true;
        draft.expires = true;
        draft.expiry = QDate(2026, 12, 31);
        const qint64 key = f.add("O", draft);
        auto m = f.modifyDialog(key);
        QCOMPARE(child<QLineEdit>(m.get(), "MaskEdit_Hour")->text(), "09:05");
        QCOMPARE(child<QLineEdit>(m.get(), "MaskEdit_hour2")->text(), "10:30");
        QCOMPARE(child<QPlainTextEdit>(m.get(), "Memo")->toPlainText(), "bring the card");
        QCOMPARE(child<QLineEdit>(m.get(), "Edit_Ricerca")->text(), "Studio");
        QCOMPARE(child<QLineEdit>(m.get(), "Edit_Allegato")->text(), "card.pdf");
        QVERIFY(child<QCheckBox>(m.get(), "CheckBox_Anticipo")->isChecked());
        QVERIFY(child<QCheckBox>(m.get(), "CheckBox_scadenza")->isChecked());
        QVERIFY(child<QDateEdit>(m.get(), "DateTimePicker_scadenza")->isEnabled());
        QCOMPARE(child<QDateEdit>(m.get(), "DateTimePicker_scadenza")->date(), QDate(2026, 12, 31));
        // Expiration excludes the two one-shot options.
        QVERIFY(!child<QCheckBox>(m.get(), "CheckBox_DeleteAfter")->isEnabled());
        m->modify();
        auto row = f.row(key);
        QCOMPARE(cell(*row, "orario"), "09:05");
        QCOMPARE(row->fieldByName("scadenza").asDate(), QDate(2026, 12, 31));
        QCOMPARE(cell(*row, "flagscad"), "Y");
    }

    void expiryIsNeverEarlierThanTheTask()
    {
        DialogFixture f;
        auto d = f.newDialog("O");
        d->show();
        type(child<QLineEdit>(d.get(), "Edit_id"), "exam");
        auto* expiration = child<QCheckBox>(d.get(), "CheckBox_scadenza");
        auto* picker = child<QDateEdit>(d.get(), "DateTimePicker_scadenza");
        QVERIFY(!picker->isEnabled());
        expiration->setChecked(true);
        QVERIFY(picker->isEnabled());
        QCOMPARE(picker->date(), QDate(2026, 12, 10));
        QCOMPARE(picker->minimumDate(), QDate(2026, 12, 10));

        // Typed: a day before the task is refused.
        picker->setFocus();
        auto* text = picker->findChild<QLineEdit*>();
        text->selectAll();
        type(picker, picker->locale().toString(QDate(2026, 12, 1), picker->displayFormat()));
        QTest::keyClick(picker, Qt::Key_Tab);
        QVERIFY(picker->date() >= QDate(2026, 12, 10));
        // Written straight into the text, bypassing the keys: still refused.
        text->setText(picker->locale().toString(QDate(2026, 11, 2), picker->displayFormat()));
        picker->interpretText();
        QVERIFY(picker->date() >= QDate(2026, 12, 10));
        // Stepped down from the task date: it stays.
        picker->setDate(QDate(2026, 12, 10));
        picker->stepBy(-3);
        QCOMPARE(picker->date(), QDate(2026, 12, 10));

        // A later expiry is kept; moving the task past it raises it.
        picker->setDate(QDate(2026, 12, 20));
        chooseDate(*d, QDate(2026, 12, 28));
        QCOMPARE(picker->date(), QDate(2026, 12, 28));
        QCOMPARE(picker->minimumDate(), QDate(2026, 12, 28));
        d->insertAndClose();
        auto row = f.row(f.lastKey());
        QCOMPARE(row->fieldByName("datefull").asDate(), QDate(2026, 12, 28));
        QCOMPARE(row->fieldByName("scadenza").asDate(), QDate(2026, 12, 28));
        QCOMPARE(cell(*row, "flagscad"), "Y");

        // A row stored with an earlier expiry opens and saves at the floor.
        const qint64 key = f.lastKey();
        store::Query q(f.db);
        q.setSql({"UPDATE CRarc66 SET scadenza = :s WHERE codimp = " + QString::number(key)});
        q.setDate("s", QDate(2026, 1, 1));
        q.execSql();
        auto m = f.modifyDialog(key);
        QCOMPARE(child<QDateEdit>(m.get(), "DateTimePicker_scadenza")->date(), QDate(2026, 12, 28));
        m->modify();
        QCOMPARE(f.row(key)->fieldByName("scadenza").asDate(), QDate(2026, 12, 28));

        // Moving the task earlier lets the expiry go with it, but no further.
        auto e = f.modifyDialog(key);
        chooseDate(*e, QDate(2026, 12, 5));
        auto* later = child<QDateEdit>(e.get(), "DateTimePicker_scadenza");
        QCOMPARE(later->date(), QDate(2026, 12, 28));
        later->setDate(QDate(2026, 12, 1));
        QCOMPARE(later->date(), QDate(2026, 12, 5));
    }

    void oneShotOptionsExcludeEachOther()
    {
        DialogFixture f;
        auto d = f.newDialog("O");
        auto* deleteAfter = child<QCheckBox>(d.get(), "CheckBox_DeleteAfter");
        auto* torment = child<QCheckBox>(d.get(), "CheckBox_Torment");
        auto* expiration = child<QCheckBox>(d.get(), "CheckBox_scadenza");
        deleteAfter->setChecked(true);
        QVERIFY(!torment->isEnabled());
        QVERIFY(!expiration->isEnabled());
        deleteAfter->setChecked(false);
        torment->setChecked(true);
        QVERIFY(!deleteAfter->isEnabled());
        QVERIFY(!expiration->isEnabled());
        torment->setChecked(false);
        expiration->setChecked(true);
        QVERIFY(!deleteAfter->isEnabled());
        QVERIFY(!torment->isEnabled());
        expiration->setChecked(false);
        QVERIFY(deleteAfter->isEnabled() && torment->isEnabled() && expiration->isEnabled());

        torment->setChecked(true);
        type(child<QLineEdit>(d.get(), "Edit_id"), "water the plants");
        d->insertAndClose();
        QCOMPARE(cell(*f.row(f.lastKey()), "dayofweek"), "T");
        auto m = f.modifyDialog(f.lastKey());
        QVERIFY(child<QCheckBox>(m.get(), "CheckBox_Torment")->isChecked());
        QVERIFY(!child<QCheckBox>(m.get(), "CheckBox_scadenza")->isEnabled());
    }

    void rememberFollowsTheAdvanceWarningOption()
    {
        DialogFixture f;
        QVERIFY(!child<QCheckBox>(f.newDialog("O").get(), "CheckBox_Anticipo")->isEnabled());
        f.settings.writeFutureFlag(true);
        f.settings.writeFutureDays(7);
        f.settings.load();
        auto d = f.newDialog("M");
        auto* box = child<QCheckBox>(d.get(), "CheckBox_Anticipo");
        QVERIFY(box->isEnabled());
        QCOMPARE(box->text(), "Remember 7 days before");
    }

    void attachmentsInsideTheProgramFoldersAreRelative()
    {
        DialogFixture f;
        auto d = f.newDialog("O");
        d->show();
        auto* attachment = child<QLineEdit>(d.get(), "Edit_Allegato");
        auto* clear = child<QToolButton>(d.get(), "SpeedButtonClearAllegato");
        QVERIFY(!clear->isEnabled());
        attachment->setText(f.state.programFolder + "/allegati/bills/march.pdf");
        QCOMPARE(attachment->text(), "bills/march.pdf");
        QCOMPARE(attachment->toolTip(), "bills/march.pdf");
        QVERIFY(clear->isEnabled());
        QTest::mouseClick(clear, Qt::LeftButton);
        QCOMPARE(attachment->text(), "");
        QVERIFY(!clear->isEnabled());

        // Chosen through the file and folder dialogs.
        f.prompter.files.enqueue(f.state.programFolder + "/attaches/photo.jpg");
        const QPoint at = d->pos();
        d->attachFile();
        QCOMPARE(attachment->text(), "photo.jpg");
        QCOMPARE(d->pos(), at);
        f.prompter.files.enqueue(f.folder.path());
        d->attachFolder();
        QCOMPARE(attachment->text(), QDir::toNativeSeparators(f.folder.path()));
        // Cancelled: the text stays.
        d->attachFile();
        QCOMPARE(attachment->text(), QDir::toNativeSeparators(f.folder.path()));

        type(child<QLineEdit>(d.get(), "Edit_id"), "photo");
        attachment->setText("mailto:bob@example.com;anna@example.com");
        d->insertAndClose();
        QCOMPARE(cell(*f.row(f.lastKey()), "allegato"), "mailto:bob@example.com;anna@example.com");
    }

    void searchKeyClearButton()
    {
        DialogFixture f;
        auto d = f.newDialog("O");
        d->show();
        auto* clear = child<QToolButton>(d.get(), "SpeedButtonClearRicerca");
        QVERIFY(!clear->isEnabled());
        child<QLineEdit>(d.get(), "Edit_Ricerca")->setText("Studio");
        QVERIFY(clear->isEnabled());
        QTest::mouseClick(clear, Qt::LeftButton);
        QCOMPARE(child<QLineEdit>(d.get(), "Edit_Ricerca")->text(), "");
    }

    void clearEmptiesTheTimes()
    {
        DialogFixture f;
        auto d = f.newDialog("O");
        d->show();
        type(child<QLineEdit>(d.get(), "MaskEdit_Hour"), "1430");
        type(child<QLineEdit>(d.get(), "MaskEdit_hour2"), "1500");
        QTest::mouseClick(child<QToolButton>(d.get(), "SpeedButton4"), Qt::LeftButton);
        QCOMPARE(child<QLineEdit>(d.get(), "MaskEdit_Hour")->text(), "  :  ");
        QCOMPARE(child<QLineEdit>(d.get(), "MaskEdit_hour2")->text(), "  :  ");
    }

    void timeFieldTypesOverTheMask()
    {
        DialogFixture f;
        auto d = f.newDialog("O");
        auto* from = child<QLineEdit>(d.get(), "MaskEdit_Hour");
        type(from, "x9");
        QCOMPARE(from->text(), "9 :  ");
        from->setCursorPosition(0);
        type(from, " 9:05");
        QCOMPARE(from->text(), " 9:05");
        QTest::keyClick(from, Qt::Key_Backspace);
        QTest::keyClick(from, Qt::Key_Backspace);
        QCOMPARE(from->text(), " 9:  ");
        QTest::keyClick(from, Qt::Key_Backspace);
        QCOMPARE(from->text(), "  :  ");
    }

    // "|" moves the cursor to the minutes, as a click there would.
    // clang-format off
    void typedTimesKeepTwoHourDigits_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("stored"); // empty: refused
        QTest::newRow("hour, separator, minutes") << "9:30" << "09:30" << "09:30";
        QTest::newRow("leading blank") << " 930" << " 9:30" << "09:30";
        QTest::newRow("two digits") << "0930" << "09:30" << "09:30";
        QTest::newRow("afternoon") << "14:5" << "14:5 " << "";
        QTest::newRow("a blank after the hour is not typed") << "9 30" << "93:0 " << "";
        QTest::newRow("hour left with one digit") << "9|30" << "9 :30" << "";
    }
    // clang-format on
    void typedTimesKeepTwoHourDigits()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, stored);
        DialogFixture f;
        auto d = f.newDialog("O");
        d->show();
        type(child<QLineEdit>(d.get(), "Edit_id"), "dentist");
        auto* from = child<QLineEdit>(d.get(), "MaskEdit_Hour");
        from->setCursorPosition(0);
        const QStringList parts = typed.split(u'|');
        type(from, parts.at(0));
        if (parts.size() > 1) {
            from->setCursorPosition(3);
            type(from, parts.at(1));
        }
        QCOMPARE(from->text(), shown);
        click(d.get(), "SpeedButtonAddClose");
        if (stored.isEmpty()) {
            QCOMPARE(f.prompter.shownTexts(),
                     QStringList{"The value entered in the field \"From\" is not a valid time."});
            QCOMPARE(f.taskCount(), 0);
            return;
        }
        QVERIFY(f.prompter.shown.isEmpty());
        QCOMPARE(cell(*f.row(f.lastKey()), "orario"), stored);
    }

    void enlargedNoteArea()
    {
        DialogFixture f;
        auto d = f.newDialog("O");
        d->show();
        auto* note = child<QPlainTextEdit>(d.get(), "Memo");
        auto* big = child<QPlainTextEdit>(d.get(), "Memo_BIG");
        auto* button = child<QToolButton>(d.get(), "SpeedButtonNote");
        QCOMPARE(button->toolTip(), "Area note grande/normale");
        type(note, "first line");
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(d->noteAreaEnlarged());
        QVERIFY(big->isVisible());
        QVERIFY(!note->isVisible());
        QCOMPARE(button->text(), "-");
        QCOMPARE(big->toPlainText(), "first line");
        QCOMPARE(big->textCursor().position(), 10);
        type(big, " and more");
        QCOMPARE(note->toPlainText(), "first line and more");
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(!d->noteAreaEnlarged());
        QCOMPARE(button->text(), "+");
        QCOMPARE(note->textCursor().position(), 19);

        // "Insert" goes back to the normal area for the next task.
        type(child<QLineEdit>(d.get(), "Edit_id"), "x");
        d->toggleNoteArea();
        d->insert();
        QVERIFY(!d->noteAreaEnlarged());

        // A Modify dialog opens enlarged when asked to.
        auto m = makeModifyTaskDialog(f.lastKey(), f.deps, true);
        QVERIFY(m->noteAreaEnlarged());
    }

    void hintTellsTheKindsPurpose()
    {
        DialogFixture f;
        f.newDialog("O")->showHint();
        QCOMPARE(f.prompter.shownTexts().value(0),
                 calendar::descriptionMessage("Insert occasional tasks or one-time appointments."));
        f.prompter.shown.clear();
        f.newDialog("W")->showHint();
        QVERIFY(f.prompter.shownTexts().value(0).startsWith(
            "DESCRIPTION:\r\rEvents to include in this area are those that happen on a weekly "
            "basis.\rCould include"));
    }

    void printSendsAnImageOfTheDialog()
    {
        DialogFixture f;
        const qint64 key = f.add("O", draftOn(QDate(2026, 12, 1), "Dentist"));
        auto m = f.modifyDialog(key);
        m->show();
        QVERIFY(!m->findChild<QPushButton*>("SpeedButtonAdd"));
        click(m.get(), "SpeedButtonPrintContact");
        QCOMPARE(f.printer.jobs.size(), 1);
        QCOMPARE(f.printer.jobs.at(0).documentName, "-> Modify One Shot Task");
        QCOMPARE(f.printer.jobs.at(0).image.size() / f.printer.jobs.at(0).image.devicePixelRatio(),
                 m->size());
        // Printing changes nothing and keeps the dialog open.
        QVERIFY(m->isVisible());
        QCOMPARE(f.taskCount(), 1);
    }

    void colouredByKind()
    {
        DialogFixture f;
        // The default one-shot colour $00A6A6D2 is red D2, green A6, blue A6.
        auto d = f.newDialog("O");
        QCOMPARE(d->sectionColour(), QColor(0xD2, 0xA6, 0xA6));
        auto* title = child<QWidget>(d.get(), "PanelTitolo");
        QCOMPARE(title->palette().color(QPalette::Window), QColor(0xD2, 0xA6, 0xA6));
        QCOMPARE(title->palette().color(QPalette::WindowText), QColor(Qt::black));
        QCOMPARE(child<QWidget>(d.get(), "PanelBottoni")->palette().color(QPalette::Window),
                 QColor(0xD2, 0xA6, 0xA6));
        QCOMPARE(child<QCheckBox>(d.get(), "CheckBox_DeleteAfter")
                     ->palette()
                     .color(QPalette::WindowText),
                 QColor(Qt::red));
        QCOMPARE(
            child<QCheckBox>(d.get(), "CheckBox_Torment")->palette().color(QPalette::WindowText),
            QColor(Qt::blue));
        QVERIFY(!child<QCheckBox>(d.get(), "CheckBox_Torment")->autoFillBackground());

        f.deps.theme.style = GridStyle::Coloratissime;
        f.deps.theme.suspended = 0x4F4F4F;
        auto strong = f.newDialog("W");
        // The weekly default $00BC8F07.
        QCOMPARE(strong->sectionColour(), QColor(0x07, 0x8F, 0xBC));
        auto* suspend = child<QCheckBox>(strong.get(), "CheckBox_Sospeso");
        QVERIFY(suspend->autoFillBackground());
        QCOMPARE(suspend->palette().color(QPalette::Window), QColor(0x07, 0x8F, 0xBC));
        QCOMPARE(suspend->palette().color(QPalette::WindowText), QColor(0x4F, 0x4F, 0x4F));

        // Opening through the factory makes it the current section colour.
        whenModalOpens("AggYearForm",
                       [](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
        QVERIFY(!openNewTaskDialog("Y", f.deps, nullptr));
        QCOMPARE(f.state.currentSectionColour, 0xF5E3A7u);
    }

    void factoryReportsWhatWasSaved()
    {
        DialogFixture f;
        QList<qint64> saved;
        whenModalOpens("AggShotForm", [](QWidget* dialog) {
            QTest::keyClicks(child<QLineEdit>(dialog, "Edit_id"), "one");
            QTest::mouseClick(child<QPushButton>(dialog, "SpeedButtonAdd"), Qt::LeftButton);
            QTest::keyClicks(child<QLineEdit>(dialog, "Edit_id"), "two");
            QTest::mouseClick(child<QPushButton>(dialog, "SpeedButtonAddClose"), Qt::LeftButton);
        });
        QVERIFY(
            openNewTaskDialog("O", f.deps, nullptr, [&saved](const QString& kind, qint64 codimp) {
                QCOMPARE(kind, "O");
                saved.append(codimp);
            }));
        QCOMPARE(saved.size(), 2);
        QCOMPARE(saved.last(), f.lastKey());

        whenModalOpens("ModShotForm", [](QWidget* dialog) {
            QTest::mouseClick(child<QPushButton>(dialog, "SpeedButtonMod"), Qt::LeftButton);
        });
        QVERIFY(openModifyTaskDialog(saved.last(), f.deps, nullptr));
        // A task deleted meanwhile opens nothing.
        QVERIFY(!openModifyTaskDialog(saved.last() + 100, f.deps, nullptr));
        // Read-only mode opens nothing.
        f.deps.readOnly = [] { return true; };
        QVERIFY(!openNewTaskDialog("O", f.deps, nullptr));
        QCOMPARE(f.taskCount(), 2);
    }

    void dragsByItsTitle()
    {
        DialogFixture f;
        auto d = f.newDialog("O");
        d->move(100, 100);
        d->show();
        auto* title = child<QWidget>(d.get(), "PanelTitolo");
        const QPoint grab(5, 5);
        QTest::mousePress(title, Qt::LeftButton, {}, grab);
        QMouseEvent move(QEvent::MouseMove, QPointF(grab + QPoint(40, 30)),
                         QPointF(title->mapToGlobal(grab + QPoint(40, 30))), Qt::NoButton,
                         Qt::LeftButton, {});
        QApplication::sendEvent(title, &move);
        QTest::mouseRelease(title, Qt::LeftButton, {}, grab + QPoint(40, 30));
        QCOMPARE(d->pos(), QPoint(140, 130));

        // A press on the fields' own background does not drag.
        auto* fields = child<QWidget>(d.get(), "PanelCampi");
        QTest::mousePress(fields, Qt::LeftButton, {}, QPoint(2, 2));
        QMouseEvent away(QEvent::MouseMove, QPointF(50, 50),
                         QPointF(fields->mapToGlobal(QPoint(50, 50))), Qt::NoButton, Qt::LeftButton,
                         {});
        QApplication::sendEvent(fields, &away);
        QTest::mouseRelease(fields, Qt::LeftButton, {}, QPoint(50, 50));
        QCOMPARE(d->pos(), QPoint(140, 130));
        // The bare border does.
        QTest::mousePress(d.get(), Qt::LeftButton, {}, QPoint(1, 200));
        QMouseEvent border(QEvent::MouseMove, QPointF(11, 200),
                           QPointF(d->mapToGlobal(QPoint(11, 200))), Qt::NoButton, Qt::LeftButton,
                           {});
        QApplication::sendEvent(d.get(), &border);
        QTest::mouseRelease(d.get(), Qt::LeftButton, {}, QPoint(11, 200));
        QCOMPARE(d->pos(), QPoint(150, 130));
    }

    // The chooser is the task dialog's pop-up calendar: it opens just below the
    // date that opened it, wherever the dialog has been moved to, also when the
    // dialog stands on another frameless dialog, is scaled, or sits so low
    // that the chooser has to open above the date.
    void chooserOpensByTheDate_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<bool>("onAnotherDialog");
        QTest::addColumn<int>("scaleIndex");
        QTest::newRow("moved") << QPoint(430, 260) << false << 0;
        QTest::newRow("on another frameless dialog") << QPoint(300, 120) << true << 0;
        QTest::newRow("scaled to 150") << QPoint(200, 40) << false << 5;
        QTest::newRow("near the screen's foot") << QPoint(600, 99999) << false << 0;
    }
    void chooserOpensByTheDate()
    {
        QFETCH(QPoint, at);
        QFETCH(bool, onAnotherDialog);
        QFETCH(int, scaleIndex);
        DialogFixture f;
        f.settings.writeScaleIndex(scaleIndex);
        QDialog opener(nullptr, Qt::Dialog | Qt::FramelessWindowHint);
        opener.setGeometry(150, 90, 700, 600);
        if (onAnotherDialog)
            opener.show();
        auto d = f.newDialog("O");
        if (onAnotherDialog)
            d->setParent(&opener, d->windowFlags());
        const QRect area = d->screen()->availableGeometry();
        d->move(std::min(at.x(), area.right() - d->width()),
                std::min(at.y(), area.bottom() - d->height()));
        d->show();
        QVERIFY(QTest::qWaitForWindowExposed(d.get()));
        QLabel* date = nullptr;
        for (QLabel* label : d->findChildren<QLabel*>())
            if (label->toolTip() == "Show calendar")
                date = label;
        QVERIFY(date);
        const QPoint fieldTop = date->mapToGlobal(QPoint(0, 0));
        QRect placed;
        whenModalOpens("SelectForm", [&placed](QWidget* chooser) {
            placed = chooser->frameGeometry();
            QTest::keyClick(chooser, Qt::Key_Escape);
        });
        d->chooseDate();
        QVERIFY(area.contains(placed));
        QCOMPARE(placed.left(), fieldTop.x());
        if (fieldTop.y() + date->height() + placed.height() <= area.bottom() + 1)
            QCOMPARE(placed.top(), fieldTop.y() + date->height());
        else
            QCOMPARE(placed.bottom(), fieldTop.y() - 1);
        d->setParent(nullptr);
    }

    void scaledByTheWindowScale()
    {
        DialogFixture f;
        auto normal = f.newDialog("O");
        const QSize designed = normal->size();
        const qreal font = normal->font().pointSizeF();
        f.settings.writeScaleIndex(5); // "150"
        auto large = f.newDialog("O");
        QCOMPARE(large->size(), designed * 1.5);
        QCOMPARE(large->font().pointSizeF(), font * 1.5);

        const QString shots = qEnvironmentVariable("CORVANDINE_SCREENSHOTS");
        if (shots.isEmpty())
            return;
        // On request, pictures of the one-shot dialog and its chooser at both scales.
        for (int index : {0, 5}) {
            f.settings.writeScaleIndex(index);
            auto d = f.newDialog("O");
            d->show();
            type(child<QLineEdit>(d.get(), "Edit_id"), "Dentist");
            type(child<QLineEdit>(d.get(), "MaskEdit_Hour"), "1430");
            type(child<QPlainTextEdit>(d.get(), "Memo"), "Bring the insurance card");
            const QString scale = scaleText(index);
            d->grab().save(shots + "/oneshot-new-" + scale + ".png");
            whenModalOpens("SelectForm", [shots, scale](QWidget* chooser) {
                chooser->grab().save(shots + "/chooser-" + scale + ".png");
                QTest::keyClick(chooser, Qt::Key_Escape);
            });
            d->chooseDate();
        }
        f.settings.writeScaleIndex(0);
        auto yearly = f.newDialog("Y");
        yearly->show();
        type(child<QLineEdit>(yearly.get(), "Edit_id"), "Wedding day");
        QTest::mouseClick(child<QCheckBox>(yearly.get(), "CheckBox_Conteggio"), Qt::LeftButton);
        yearly->grab().save(shots + "/yearly-new-100.png");
        TaskDraft done = draftOn(QDate(2026, 12, 8), "Pay the bill");
        done.from = "09:00";
        const qint64 key = f.add("O", done);
        f.writer().setDone(key, {QDate(2026, 12, 8), "Y"});
        auto modify = f.modifyDialog(key);
        modify->show();
        modify->grab().save(shots + "/oneshot-modify-100.png");
    }

private:
    static QString scaleText(int index) { return store::Settings::scaleEntries().at(index); }
};

QTEST_MAIN(TestTaskDialogs)
#include "tst_taskdialogs.moc"

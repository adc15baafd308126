#include "../../archivefixture.h"
#include "calendar/taskdialoglogic.h"

using namespace calendar;

class TestTaskDialogLogic final : public QObject
{
    Q_OBJECT
    const QLocale english{QLocale::English, QLocale::UnitedStates};

private slots:
    // clang-format off
    void timeTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::newRow("empty time") << "  :  " << true;
        QTest::newRow("half past two") << "14:30" << true;
        QTest::newRow("midnight") << "00:00" << true;
        QTest::newRow("last minute") << "23:59" << true;
        QTest::newRow("hour with a leading blank") << " 9:30" << true;
        QTest::newRow("hour with a trailing blank") << "9 :30" << false;
        QTest::newRow("hour 24") << "24:00" << false;
        QTest::newRow("minute 60") << "12:60" << false;
        QTest::newRow("minutes missing") << "14:  " << false;
        QTest::newRow("one minute digit") << "14:3 " << false;
        QTest::newRow("hour missing") << "  :30" << false;
        QTest::newRow("other separator") << "14.30" << false;
        QTest::newRow("short") << "1430" << false;
        QTest::newRow("nothing") << "" << false;
    }
    // clang-format on
    void timeTexts()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QCOMPARE(isValidTimeText(text, english), valid);
    }

    void theFirstBadFieldIsNamed()
    {
        QCOMPARE(timeProblem("  :  ", "  :  ", english), std::nullopt);
        QCOMPARE(timeProblem("25:00", "26:00", english).value(),
                 "The value entered in the field \"From\" is not a valid time.");
        QCOMPARE(timeProblem("10:00", "1 :6 ", english).value(),
                 "The value entered in the field \"To\" is not a valid time.");
    }

    // clang-format off
    void attachmentFolders_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("stored");
        QTest::newRow("file in allegati") << "/opt/corv/allegati/bills/march.pdf" << "bills/march.pdf";
        QTest::newRow("file in attaches") << "/opt/corv/attaches/a.txt" << "a.txt";
        QTest::newRow("windows separators") << "\\opt\\corv\\allegati\\a.txt" << "a.txt";
        QTest::newRow("elsewhere untouched") << "/home/me/allegati/a.txt" << "/home/me/allegati/a.txt";
        QTest::newRow("cut wherever it stands") << "see /opt/corv/allegati/a.txt" << "see a.txt";
        QTest::newRow("letter case counts") << "/opt/corv/Allegati/a.txt" << "/opt/corv/Allegati/a.txt";
        QTest::newRow("web address") << "http://www.example.com" << "http://www.example.com";
    }
    // clang-format on
    void attachmentFolders()
    {
        QFETCH(QString, text);
        QFETCH(QString, stored);
        QCOMPARE(withoutAttachmentFolders(text, "/opt/corv"), stored);
        QCOMPARE(withoutAttachmentFolders(text, "/opt/corv/"), stored);
    }

    // clang-format off
    void oneShotOptionsExcludeEachOther_data()
    {
        QTest::addColumn<bool>("deleteAfter");
        QTest::addColumn<bool>("torment");
        QTest::addColumn<bool>("expiration");
        QTest::addColumn<QList<bool>>("enabled");
        QTest::newRow("none ticked") << false << false << false << QList<bool>{true, true, true};
        QTest::newRow("delete after") << true << false << false << QList<bool>{true, false, false};
        QTest::newRow("torment") << false << true << false << QList<bool>{false, true, false};
        QTest::newRow("expiration") << false << false << true << QList<bool>{false, false, true};
    }
    // clang-format on
    void oneShotOptionsExcludeEachOther()
    {
        QFETCH(bool, deleteAfter);
        QFETCH(bool, torment);
        QFETCH(bool, expiration);
        QFETCH(QList<bool>, enabled);
        const OneShotOptionsEnabled e = oneShotOptionsEnabled(deleteAfter, torment, expiration);
        QCOMPARE((QList<bool>{e.deleteAfter, e.torment, e.expiration}), enabled);
    }

    void expiryNeverBeforeTheTask()
    {
        const QDate task(2026, 5, 10);
        QCOMPARE(raisedExpiry(QDate(2026, 5, 1), task), task);
        QCOMPARE(raisedExpiry(QDate(2026, 6, 1), task), QDate(2026, 6, 1));
        QCOMPARE(raisedExpiry(QDate(), task), task);
        // A Modify dialog: no stored expiry starts at today, then the floor.
        QCOMPARE(loadedExpiry(std::nullopt, QDate(2026, 7, 1), task), QDate(2026, 7, 1));
        QCOMPARE(loadedExpiry(std::nullopt, QDate(2026, 1, 1), task), task);
        QCOMPARE(loadedExpiry(QDate(2026, 4, 1), QDate(2026, 7, 1), task), task);
    }

    // clang-format off
    void chooserShowsTheModesForm_data()
    {
        QTest::addColumn<char>("mode");
        QTest::addColumn<QString>("text");
        QTest::newRow("G") << 'G' << "7 March 2026";
        QTest::newRow("A") << 'A' << "7 March";
        QTest::newRow("M") << 'M' << "07";
        QTest::newRow("S") << 'S' << "Saturday";
    }
    // clang-format on
    void chooserShowsTheModesForm()
    {
        QFETCH(char, mode);
        QFETCH(QString, text);
        QCOMPARE(chooserDateText(ChooserMode(mode), QDate(2026, 3, 7), english), text);
    }

    // clang-format off
    void yearsCount_data()
    {
        QTest::addColumn<QDate>("start");
        QTest::addColumn<QString>("label");
        QTest::newRow("26 years") << QDate(2000, 6, 15) << "Years count: 26 - Period: 15 Jun 2000 - 10 Dec 2026";
        QTest::newRow("the day itself") << QDate(2026, 12, 10) << "Years count: 0 - Period: 10 Dec 2026 - 10 Dec 2026";
        QTest::newRow("a day short") << QDate(2025, 12, 11) << "Years count: 0 - Period: 11 Dec 2025 - 10 Dec 2026";
        QTest::newRow("later year") << QDate(2028, 1, 1) << "Years count: -2 - Period: 01 Jan 2028 - 10 Dec 2026";
    }
    // clang-format on
    void yearsCount()
    {
        QFETCH(QDate, start);
        QFETCH(QString, label);
        QCOMPARE(yearsCountLabel(true, start, QDate(2026, 12, 10), english), label);
        QCOMPARE(yearsCountLabel(false, start, QDate(2026, 12, 10), english),
                 "The task starts from an year");
    }

    void doneLine()
    {
        QCOMPARE(calendar::doneLine({QDate(2026, 4, 3), "Y"}, english),
                 "Done: Friday 3 April 2026");
        QCOMPARE(calendar::doneLine({QDate(2026, 4, 3), "N"}, english), "Done: not yet.");
    }

    void descriptionMessageLayout()
    {
        const QString text =
            descriptionMessage("Insert occasional tasks or one-time appointments.");
        QVERIFY(text.startsWith("DESCRIPTION:\r\rInsert occasional tasks or one-time "
                                "appointments.\r\rATTACH:\r\r- If you share"));
        QVERIFY(text.contains("\"mailto:\""));
        QVERIFY(
            text.contains("\r   The characters \",\" and \";\" separate the email address.\r\r"));
        QVERIFY(text.contains("\"http://\""));
        QVERIFY(!text.contains(u'\n'));
    }

    void kindsTexts()
    {
        QCOMPARE(taskDialogTexts("O", DialogMode::New).titleBar, "Insert One Shot");
        QCOMPARE(taskDialogTexts("O", DialogMode::Modify).windowCaption, "-> Modify One Shot Task");
        QCOMPARE(taskDialogTexts("M", DialogMode::New).windowCaption, "-> New Montly Task");
        QCOMPARE(taskDialogTexts("M", DialogMode::Modify).kindSentence,
                 "Modify events that will happen once a every month, like the house payment.");
        QCOMPARE(taskDialogTexts("W", DialogMode::New).chooserMode, ChooserMode::Weekday);
        QCOMPARE(taskDialogTexts("Y", DialogMode::New).chooserTitle, "Chose the day and the month");
    }

    void readsAStoredTask()
    {
        ArchiveFixture a;
        TaskDraft d = draftOn(QDate(2026, 3, 10), "Dentist");
        d.from = "09:30";
        d.oneShotOption = OneShotOption::Torment;
        d.suspended = true;
        const qint64 key = a.add("O", d);
        const auto t = readStoredTask(a.db, key);
        QVERIFY(t);
        QCOMPARE(t->kind, "O");
        QCOMPARE(t->draft.description, "Dentist");
        QCOMPARE(t->draft.from, "09:30");
        QCOMPARE(t->draft.date, QDate(2026, 3, 10));
        QCOMPARE(t->draft.oneShotOption, OneShotOption::Torment);
        QVERIFY(t->draft.suspended);
        QCOMPARE(t->storedExpiry, QDate(2026, 3, 10));
        QVERIFY(!t->done.marked());
        QVERIFY(!readStoredTask(a.db, key + 1));

        // An expiry that was never written reads as none.
        store::Query q(a.db);
        q.setSql({"UPDATE CRarc66 SET scadenza = NULL WHERE codimp = " + QString::number(key)});
        q.execSql();
        QCOMPARE(readStoredTask(a.db, key)->storedExpiry, std::nullopt);
    }

    void everyOtherIsReadFromTheKindsColumn()
    {
        ArchiveFixture a;
        TaskDraft d = draftOn(QDate(2026, 1, 5));
        d.everyOther = true;
        QVERIFY(readStoredTask(a.db, a.add("W", d))->draft.everyOther);
        QVERIFY(readStoredTask(a.db, a.add("M", d))->draft.everyOther);
        d.countYears = true;
        const auto yearly = readStoredTask(a.db, a.add("Y", d));
        QVERIFY(yearly->draft.everyOther);
        QVERIFY(yearly->draft.countYears);
        d.everyOther = false;
        QVERIFY(!readStoredTask(a.db, a.add("W", d))->draft.everyOther);
    }
};

QTEST_GUILESS_MAIN(TestTaskDialogLogic)
#include "tst_taskdialoglogic.moc"

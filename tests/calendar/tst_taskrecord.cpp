#include "archivefixture.h"

#include "calendar/taskrecord.h"

using namespace calendar;

namespace {
QString cell(store::Query& q, const char* column)
{
    const auto f = q.fieldByName(QString::fromLatin1(column));
    return f.isNull() ? QStringLiteral("<null>") : f.asString();
}
} // namespace

class TestTaskRecord final : public QObject
{
    Q_OBJECT
private slots:
    void insertWritesTheKindsCodes_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<int>("option"); // one-shot option, or 1 for every other period
        QTest::addColumn<bool>("countYears");
        QTest::addColumn<qint64>("contact"); // 0: none
        QTest::addColumn<QString>("dayofweek");
        QTest::addColumn<QString>("dayofmonth");
        QTest::addColumn<QString>("dayindex");
        QTest::addColumn<QString>("data");

        QTest::newRow("one-shot plain") << "O" << QDate(2026, 3, 10) << 0 << false << qint64(0) << "" << "<null>" << "<null>" << "<null>";
        QTest::newRow("one-shot delete after") << "O" << QDate(2026, 3, 10) << int(OneShotOption::DeleteAfter) << false << qint64(0) << "X" << "<null>" << "<null>" << "<null>";
        QTest::newRow("one-shot torment") << "O" << QDate(2026, 3, 10) << int(OneShotOption::Torment) << false << qint64(0) << "T" << "<null>" << "<null>" << "<null>";
        QTest::newRow("weekly every week") << "W" << QDate(2026, 1, 5) << 0 << false << qint64(0) << "Monday" << "" << "2" << "<null>";
        QTest::newRow("bi-weekly from week 2") << "W" << QDate(2026, 1, 5) << 1 << false << qint64(0) << "Monday" << "PA" << "2" << "<null>";
        QTest::newRow("bi-weekly from week 3") << "W" << QDate(2026, 1, 17) << 1 << false << qint64(0) << "Saturday" << "DI" << "7" << "<null>";
        QTest::newRow("weekly on a sunday") << "W" << QDate(2026, 1, 18) << 0 << false << qint64(0) << "Sunday" << "" << "1" << "<null>";
        QTest::newRow("monthly 31st") << "M" << QDate(2026, 3, 31) << 0 << false << qint64(0) << "" << "31" << "<null>" << "<null>";
        QTest::newRow("bi-monthly from march") << "M" << QDate(2026, 3, 5) << 1 << false << qint64(0) << "DI" << "05" << "<null>" << "<null>";
        QTest::newRow("bi-monthly from april") << "M" << QDate(2026, 4, 5) << 1 << false << qint64(0) << "PA" << "05" << "<null>" << "<null>";
        QTest::newRow("yearly every year") << "Y" << QDate(2024, 2, 29) << 0 << false << qint64(0) << "" << "NO" << "<null>" << "02/29";
        // 1 January 2021 lies in week 53 of 2020: the even year decides.
        QTest::newRow("bi-yearly early january") << "Y" << QDate(2021, 1, 1) << 1 << true << qint64(0) << "PA" << "SI" << "<null>" << "01/01";
        QTest::newRow("birthday of a contact") << "Y" << QDate(1980, 7, 14) << 0 << true << qint64(42) << "" << "SI" << "42" << "07/14";
    }
    void insertWritesTheKindsCodes()
    {
        QFETCH(QString, kind);
        QFETCH(QDate, date);
        QFETCH(int, option);
        QFETCH(bool, countYears);
        QFETCH(qint64, contact);
        ArchiveFixture a;
        TaskDraft d = draftOn(date, "meet anna");
        d.searchKey = "anna";
        d.from = "09:30";
        if (kind == "O")
            d.oneShotOption = OneShotOption(option);
        else
            d.everyOther = option == 1;
        d.countYears = countYears;
        if (contact)
            d.linkedContact = contact;
        const QDate shown(2026, 6, 1);
        auto row = a.row(a.add(kind, d, shown));

        QFETCH(QString, dayofweek);
        QFETCH(QString, dayofmonth);
        QFETCH(QString, dayindex);
        QFETCH(QString, data);
        QCOMPARE(cell(*row, "flag"), kind);
        QCOMPARE(cell(*row, "dayofweek"), dayofweek);
        QCOMPARE(cell(*row, "dayofmonth"), dayofmonth);
        QCOMPARE(cell(*row, "dayindex"), dayindex);
        QCOMPARE(cell(*row, "data"), data);
        // Common to every kind: the dialogs' text rules and an open done state.
        QCOMPARE(cell(*row, "id"), QString("Meet anna"));
        QCOMPARE(cell(*row, "ricerca"), QString("Anna"));
        QCOMPARE(cell(*row, "orario"), QString("09:30"));
        QCOMPARE(row->fieldByName("datefull").asDate(), date);
        QCOMPARE(row->fieldByName("fatto").asDate(), QDate(2026, 6, 1).addDays(-150000));
        QCOMPARE(cell(*row, "flagfatto"), QString("N"));
        QCOMPARE(cell(*row, "sospeso"), QString("N"));
    }

    void expiryIsNeverBeforeTheTaskDate()
    {
        ArchiveFixture a;
        TaskDraft d = draftOn(QDate(2026, 3, 10));
        d.expires = true;
        d.expiry = QDate(2026, 3, 1);
        auto row = a.row(a.add("O", d));
        QCOMPARE(row->fieldByName("scadenza").asDate(), QDate(2026, 3, 10));
        QCOMPARE(cell(*row, "flagscad"), QString("Y"));
    }

    void toggledDone_data()
    {
        QTest::addColumn<QDate>("fatto");
        QTest::addColumn<QString>("flag");
        QTest::addColumn<QDate>("shown");
        QTest::addColumn<QDate>("newFatto");
        QTest::addColumn<QString>("newFlag");
        const QDate d(2026, 5, 20);
        const QDate never = d.addDays(-150000);
        QTest::newRow("open task is checked") << never << "N" << d << d << "Y";
        QTest::newRow("checked on the day, checked again: opened") << d << "Y" << d << never << "N";
        QTest::newRow("checked last week, checked today") << d.addDays(-7) << "Y" << d << d << "Y";
        QTest::newRow("viewing a day before the done date: opened") << d.addDays(3) << "Y" << d << never << "N";
        QTest::newRow("done date without the mark counts as open") << d << "N" << d << d << "Y";
    }
    void toggledDone()
    {
        QFETCH(QDate, fatto);
        QFETCH(QString, flag);
        QFETCH(QDate, shown);
        QFETCH(QDate, newFatto);
        QFETCH(QString, newFlag);
        QCOMPARE(calendar::toggledDone({fatto, flag}, shown), (DoneState{newFatto, newFlag}));
    }

    void doneStateIsWrittenAndKeptByEdits()
    {
        ArchiveFixture a;
        TaskWriter w = a.writer();
        const QDate start(2026, 1, 5);
        const QDate shown(2026, 1, 19);
        const qint64 key = a.add("W", draftOn(start, "gym"));
        w.setDone(key, {shown, "Y"});
        QCOMPARE(a.row(key)->fieldByName("fatto").asDate(), shown);

        // Same date: the done state survives the edit.
        TaskDraft edited = draftOn(start, "gym and pool");
        QVERIFY(w.update("W", key, edited, start, {shown, "Y"}, shown));
        auto row = a.row(key);
        QCOMPARE(cell(*row, "id"), QString("Gym and pool"));
        QCOMPARE(row->fieldByName("fatto").asDate(), shown);
        QCOMPARE(cell(*row, "flagfatto"), QString("Y"));

        // Moved by a day: open again, and the weekday name follows the date.
        edited.date = start.addDays(1);
        QVERIFY(w.update("W", key, edited, start, {shown, "Y"}, shown));
        row = a.row(key);
        QCOMPARE(row->fieldByName("fatto").asDate(), shown.addDays(-150000));
        QCOMPARE(cell(*row, "flagfatto"), QString("N"));
        QCOMPARE(cell(*row, "dayofweek"), QString("Tuesday"));
        QCOMPARE(cell(*row, "dayindex"), QString("3"));

        w.remove(key);
        QCOMPARE(a.row(key)->recordCount(), 0);
    }

    void yearlyEditKeepsTheContactLink()
    {
        ArchiveFixture a;
        TaskDraft d = draftOn(QDate(1980, 7, 14), "birthday of Anna");
        d.countYears = true;
        d.linkedContact = 42;
        const qint64 key = a.add("Y", d);
        d.date = QDate(1980, 7, 15);
        d.linkedContact.reset();
        QVERIFY(a.writer().update("Y", key, d, QDate(1980, 7, 14), {QDate(1900, 1, 1), "N"},
                                  QDate(2026, 1, 1)));
        auto row = a.row(key);
        QCOMPARE(cell(*row, "dayindex"), QString("42"));
        QCOMPARE(cell(*row, "data"), QString("07/15"));
    }

    void clone_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("dayindex"); // set on the original; "" keeps it missing
        QTest::addColumn<bool>("copied");
        QTest::addColumn<QString>("copyDayindex");
        QTest::newRow("monthly: a missing dayindex becomes 0") << "M" << "" << true << "0";
        QTest::newRow("weekly keeps its weekday number") << "W" << "" << true << "2";
        QTest::newRow("yearly without a link") << "Y" << "" << true << "<null>";
        QTest::newRow("yearly linked to a contact") << "Y" << "42" << false << "";
        QTest::newRow("yearly once linked, now 0") << "Y" << "0" << false << "";
    }
    void clone()
    {
        QFETCH(QString, kind);
        QFETCH(QString, dayindex);
        QFETCH(bool, copied);
        QFETCH(QString, copyDayindex);
        ArchiveFixture a;
        TaskDraft d = draftOn(QDate(2026, 1, 5), "original");
        d.note = "line one\nline two";
        d.everyOther = true;
        const qint64 key = a.add(kind, d);
        if (!dayindex.isEmpty())
            a.general->setSql({"UPDATE CRarc66 SET dayindex = " + dayindex});
        if (!dayindex.isEmpty())
            a.general->execSql();
        a.writer().setDone(key, {QDate(2026, 1, 5), "Y"});

        auto original = a.row(key);
        QCOMPARE(a.writer().cloneCurrent(*original), copied);
        if (!copied) {
            QCOMPARE(a.lastKey(), key);
            return;
        }
        const qint64 copyKey = a.lastKey();
        QVERIFY(copyKey != key);
        auto copy = a.row(copyKey);
        // Text columns are copied as text: a missing one comes back empty.
        for (const char* column : {"id", "note", "dayofweek", "dayofmonth", "datefull", "data",
                                   "orario", "orario2", "flag", "ricerca", "allegato", "fatto",
                                   "flagfatto", "anticipa", "sospeso", "flagscad", "scadenza"})
            QCOMPARE(copy->fieldByName(QString::fromLatin1(column)).asString(),
                     original->fieldByName(QString::fromLatin1(column)).asString());
        QCOMPARE(cell(*copy, "dayindex"), copyDayindex);
    }

    void timesAreWrittenWithTwoHourDigits()
    {
        ArchiveFixture a;
        TaskDraft d = draftOn(QDate(2026, 5, 4));
        d.from = " 9:30";
        d.to = "  :  ";
        const qint64 key = a.add("O", d);
        QCOMPARE(cell(*a.row(key), "orario"), QString("09:30"));
        QCOMPARE(cell(*a.row(key), "orario2"), QString("  :  "));
        d.to = " 9:45";
        a.writer().update("O", key, d, d.date, {QDate(1900, 1, 1), "N"}, QDate(2026, 1, 1));
        QCOMPARE(cell(*a.row(key), "orario2"), QString("09:45"));
    }

    // An archive written by an earlier build sorts its one-digit hours last;
    // once repaired, the day's order is the clock's, in both tables.
    void oneDigitHoursOfEarlierBuildsAreRepaired()
    {
        ArchiveFixture a;
        const auto put = [&a](const char* table, const char* id, const char* from, const char* to) {
            a.general->setSql({QString("INSERT INTO %1 (id, flag, orario, orario2) values "
                                       "(\"%2\", \"O\", \"%3\", \"%4\")")
                                   .arg(QLatin1String(table), QLatin1String(id),
                                        QLatin1String(from), QLatin1String(to))});
            a.general->execSql();
        };
        put("CRarc66", "late", "23:59", "  :  ");
        put("CRarc66", "nine", "9 :30", "9 :45");
        put("CRarc66", "eight", " 8:15", "10:00");
        put("CRarc66", "open", "  :  ", "  :  ");
        put("CRshot80", "kept", "7 .05", " 7.10");
        const auto listed = [&a](const char* table) {
            store::Query q(a.db);
            q.setSql(
                {QString("SELECT * FROM %1 ORDER BY orario,orario2,id").arg(QLatin1String(table))});
            q.open();
            QStringList out;
            for (; !q.eof(); q.next())
                out << q.fieldByName("id").asString() + " " + q.fieldByName("orario").asString() +
                           "-" + q.fieldByName("orario2").asString();
            return out;
        };
        QVERIFY(repairOneDigitHours(*a.general));
        QCOMPARE(listed("CRarc66"), QStringList({"open   :  -  :  ", "eight 08:15-10:00",
                                                 "nine 09:30-09:45", "late 23:59-  :  "}));
        QCOMPARE(listed("CRshot80"), QStringList({"kept 07.05-07.10"}));

        // Read-only media: nothing to repair is only read; what cannot be
        // written is left alone without stopping anyone.
        a.general->setSql({"PRAGMA query_only = 1"});
        a.general->execSql();
        QVERIFY(repairOneDigitHours(*a.general));
        a.general->setSql({"PRAGMA query_only = 0"});
        a.general->execSql();
        put("CRarc66", "left", "9 :00", "  :  ");
        a.general->setSql({"PRAGMA query_only = 1"});
        a.general->execSql();
        QVERIFY(!repairOneDigitHours(*a.general));
        QCOMPARE(listed("CRarc66").last(), QString("left 9 :00-  :  "));
    }

    void dialogState()
    {
        TaskDialogState s;
        QCOMPARE(s.taskDialogMonthDay(), QString("__/__"));
        QCOMPARE(s.linkedContactCode, QString("nessuno"));
        QVERIFY(!s.linkedContact());
        s.setTaskDialogDate(QDate(2028, 2, 29), QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(s.taskDialogMonthDay(), QString("02/29"));
        s.linkedContactCode = "17";
        QCOMPARE(s.linkedContact(), std::optional<qint64>(17));
    }
};

QTEST_GUILESS_MAIN(TestTaskRecord)
#include "tst_taskrecord.moc"

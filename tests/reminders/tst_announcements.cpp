#include "reminders/announcements.h"

#include <QtTest>

using namespace reminders;

class TestAnnouncements final : public QObject
{
    Q_OBJECT
private slots:
    void taskTextIsCutAfter46_data();
    void taskTextIsCutAfter46();
    void dueTaskNotification();
    void listingShowsDottedBlankTimesAsUnderscores_data();
    void listingShowsDottedBlankTimesAsUnderscores();
    void clockText_data();
    void clockText();
};

void TestAnnouncements::taskTextIsCutAfter46_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("expected");
    const QString a44(44, u'a');
    QTest::newRow("44 characters fit") << 44 << " " + a44 + "!";
    QTest::newRow("45 characters are cut") << 45 << " " + QString(42, u'a') + "...";
    QTest::newRow("short") << 3 << " aaa!";
}

void TestAnnouncements::taskTextIsCutAfter46()
{
    QFETCH(int, length);
    QFETCH(QString, expected);
    const QString text = announcementTaskText(QString(length, u'a'));
    QCOMPARE(text, expected);
    QVERIFY(text.size() <= 46);
}

void TestAnnouncements::dueTaskNotification()
{
    const Notification n = reminders::dueTaskNotification(QStringLiteral(" Dentist!"));
    QCOMPARE(n, (Notification{"Hurry up! It is time to...", "               Dentist!", 96, 10, true}));
}

void TestAnnouncements::listingShowsDottedBlankTimesAsUnderscores_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("line");
    QTest::newRow("times") << "09:00" << "10:30" << "From 09:00 To 10:30 -> Visit\r";
    QTest::newRow("dotted blanks") << "  .  " << "  .  " << "From __.__ To __.__ -> Visit\r";
    QTest::newRow("colon blanks as stored") << "  :  " << "11:00" << "From   :   To 11:00 -> Visit\r";
}

void TestAnnouncements::listingShowsDottedBlankTimesAsUnderscores()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, line);
    QCOMPARE(listingLine(from, to, QStringLiteral("Visit")), QString(14, u' ') + line);
}

void TestAnnouncements::clockText_data()
{
    QTest::addColumn<QTime>("time");
    QTest::addColumn<bool>("ampm");
    QTest::addColumn<bool>("active");
    QTest::addColumn<QString>("expected");
    QTest::newRow("24 hours") << QTime(14, 5, 9) << false << true
                              << "Thursday 10 December 2026 - 14:05:09";
    QTest::newRow("12 hours, afternoon") << QTime(14, 5, 9) << true << true
                                         << "Thursday 10 December 2026 - 02:05:09 pm";
    QTest::newRow("12 hours, after midnight") << QTime(0, 30, 0) << true << true
                                              << "Thursday 10 December 2026 - 12:30:00 am";
    QTest::newRow("inactive") << QTime(14, 5, 9) << false << false << "Corvandine Organizer";
}

void TestAnnouncements::clockText()
{
    QFETCH(QTime, time);
    QFETCH(bool, ampm);
    QFETCH(bool, active);
    QFETCH(QString, expected);
    QCOMPARE(reminders::clockText(QDateTime(QDate(2026, 12, 10), time), ampm, active,
                                  QLocale(QLocale::English, QLocale::UnitedStates)),
             expected);
}

QTEST_GUILESS_MAIN(TestAnnouncements)
#include "tst_announcements.moc"

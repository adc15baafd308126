#include "../calendar/archivefixture.h"
#include "contacts/birthdays.h"
#include "contacts/contactrecord.h"

using namespace contacts;

class TestBirthdays final : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<ArchiveFixture> m_archive;

    qint64 yearly(const QString& description, std::optional<qint64> contact = std::nullopt,
                  const QDate& date = QDate(1990, 3, 7))
    {
        calendar::TaskDraft d = draftOn(date, description);
        d.linkedContact = contact;
        return m_archive->add(QStringLiteral("Y"), d);
    }
    static QList<qint64> keys(const QList<LinkedTask>& tasks)
    {
        QList<qint64> out;
        for (const LinkedTask& t : tasks)
            out << t.codimp;
        return out;
    }

private slots:
    void init() { m_archive = std::make_unique<ArchiveFixture>(); }
    void cleanup() { m_archive.reset(); }

    void statementTexts()
    {
        QCOMPARE(linkedYearlyTasksSql("12"),
                 QStringList{"SELECT * FROM CRarc66 WHERE flag =\"Y\" AND dayindex=\"12\""});
        QCOMPARE(dayIndexUpdateSql(40), QStringList({"UPDATE CRarc66", "SET dayindex   = :dayindex",
                                                     "WHERE codimp = 40"}));
    }

    // Search offers the yearly tasks named after the contact, except those
    // that are already someone else's birthday.
    void searchOffersOnlyUnlinkedTasks()
    {
        const qint64 anna = 5;
        const qint64 plain = yearly("Birthday of Anna");
        const qint64 unlinked = yearly("Anna's name day");
        unlinkBirthday(m_archive->db, unlinked); // once linked, now 0
        const qint64 own = yearly("Anna again", anna);
        yearly("Anna Rossi, the other Anna", 77);
        yearly("Bruno");
        m_archive->add("O", draftOn(QDate(2026, 3, 7), "Anna at the dentist"));
        QCOMPARE(keys(birthdayCandidates(m_archive->db, "Anna", anna)),
                 QList<qint64>({own, unlinked, plain}));
        QVERIFY(birthdayCandidates(m_archive->db, "Carla", anna).isEmpty());
    }

    void linkAndUnlinkBothWays()
    {
        ContactFields fields;
        fields.name = "Anna";
        const qint64 anna = ContactWriter(m_archive->db).insert(fields);
        const qint64 first = yearly("Birthday of Anna", std::nullopt, QDate(1990, 3, 7));
        const qint64 second = yearly("Anna's wedding", std::nullopt, QDate(2015, 6, 20));
        QVERIFY(linkedYearlyTasks(m_archive->db, anna).isEmpty());

        linkBirthday(m_archive->db, first, anna);
        linkBirthday(m_archive->db, second, anna);
        const QList<LinkedTask> linked = linkedYearlyTasks(m_archive->db, anna);
        QCOMPARE(keys(linked), QList<qint64>({first, second}));
        QCOMPARE(linked.first().id, "Birthday of Anna");
        QCOMPARE(linked.first().datefull, QDate(1990, 3, 7));
        QCOMPARE(birthdayButtonText(linked, "d mmmm", m_archive->locale), "7 March");
        QVERIFY(linkedYearlyTasks(m_archive->db, anna + 1).isEmpty());

        // Unlinking the first keeps the task and the other link.
        unlinkBirthday(m_archive->db, first);
        QCOMPARE(keys(linkedYearlyTasks(m_archive->db, anna)), QList<qint64>{second});
        QCOMPARE(m_archive->row(first)->recordCount(), 1);
        QCOMPARE(m_archive->row(first)->fieldByName("dayindex").asFloat(), 0.0);
    }

    void texts()
    {
        QCOMPARE(birthdayButtonText({}, "d mmmm", m_archive->locale), "Birthday");
        QCOMPARE(linkQuestion("Anna", "Birthday of Anna"),
                 " Link \"Anna\" with the task \"Birthday of Anna\"");
        QCOMPARE(unlinkQuestion("Anna", "Birthday of Anna"),
                 " Delete the link of \"Anna\" with the task \"Birthday of Anna\"");
        QCOMPARE(noBirthdayFoundMessage("Anna"),
                 "I have not find a yearly task to associate with \"Anna\"");
    }
};

QTEST_GUILESS_MAIN(TestBirthdays)
#include "tst_birthdays.moc"

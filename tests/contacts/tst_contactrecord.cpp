#include "../calendar/archivefixture.h"
#include "contacts/contactrecord.h"
#include "shared/groups.h"
#include "store/sqlerror.h"

#include <sqlite3.h>

using namespace contacts;

namespace {

ContactFields awkward()
{
    ContactFields f;
    f.name = "say \"hi\"; O'Brien";
    f.company = "Rossi & Figli \"srl\"";
    f.phone = "0612 345, \"333 44\"";
    f.mobile = "";
    f.skype = "anna.b";
    f.fax = "'); DROP TABLE CRcon63; --";
    f.email = "anna@example.com;bruno@example.com";
    f.site = "http://example.com/?a=1&b=\"2\"";
    f.address = "Via Roma 1\r\n00100 Roma";
    f.note = "first line\nsecond; line";
    f.group = "My \"VIP\"";
    f.attachment1 = "offer.pdf";
    f.attachment2 = "mailto:anna@example.com";
    f.attachment3 = "";
    f.photo = "C:\\Foto\\anna.jpg";
    return f;
}

ContactFields contact(const QString& name, const QString& group = QString())
{
    ContactFields f;
    f.name = name;
    f.group = group;
    return f;
}

} // namespace

class TestContactRecord final : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<ArchiveFixture> m_archive;

    int count(const QString& table)
    {
        store::Query q(m_archive->db);
        q.setSql({"SELECT COUNT(*) AS n FROM " + table});
        q.open();
        return int(q.fieldByName("n").asInteger());
    }
    void rawExec(const char* sql)
    {
        m_archive->db.close();
        sqlite3* raw = nullptr;
        QCOMPARE(sqlite3_open(m_archive->databasePath().toUtf8().constData(), &raw), SQLITE_OK);
        QCOMPARE(sqlite3_exec(raw, sql, nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(raw);
        m_archive->db.reopen();
    }

private slots:
    void init() { m_archive = std::make_unique<ArchiveFixture>(); }
    void cleanup() { m_archive.reset(); }

    // The texts other programs sharing the archive's format expect, blanks included.
    void statementTexts()
    {
        QCOMPARE(insertStatement(),
                 QStringList({"INSERT INTO CRcon63",
                              "(ragsoc,indirizzo,tel,fax,email,note,gruppo,site,company,mobile,"
                              "allegato,allegato2,allegato3,foto,skype)",
                              "values (:ragsoc,:indirizzo,:tel,:fax,:email,:note,:gruppo,:site,"
                              ":company,:mobile,:allegato,:allegato2,:allegato3,:foto,:skype)"}));
        QCOMPARE(updateStatement(1234),
                 QStringList({"UPDATE CRcon63", "SET ragsoc    = :ragsoc,",
                              "    indirizzo = :indirizzo,", "    tel       = :tel,",
                              "    fax       = :fax,", "    email     = :email,",
                              "    note      = :note,", "    gruppo    = :gruppo,",
                              "    site      = :site,", "    company   = :company,",
                              "    mobile    = :mobile,", "    allegato  = :allegato,",
                              "    allegato2  = :allegato2,", "    allegato3  = :allegato3,",
                              "    foto  = :foto,", "    skype  = :skype", "WHERE codcon = 1234"}));
    }

    void nameRules_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("stored");
        QTest::newRow("empty") << ""
                               << "Mr. X"
                               << "Mr. X";
        QTest::newRow("semicolons become blanks") << "anna; bella"
                                                  << "Anna; bella"
                                                  << "Anna  bella";
        QTest::newRow("leading semicolon") << ";x"
                                           << ";x"
                                           << " x";
        QTest::newRow("one letter") << "z"
                                    << "Z"
                                    << "Z";
        QTest::newRow("already capital") << "Bruno"
                                         << "Bruno"
                                         << "Bruno";
        QTest::newRow("accented first letter stays") << "élodie"
                                                     << "élodie"
                                                     << "élodie";
        QTest::newRow("digit first") << "3M italia"
                                     << "3M italia"
                                     << "3M italia";
        QTest::newRow("blank first") << " anna"
                                     << " anna"
                                     << " anna";
        QTest::newRow("only the first character") << "anna maria"
                                                  << "Anna maria"
                                                  << "Anna maria";
    }
    void nameRules()
    {
        QFETCH(QString, typed);
        QTEST(nameAsShown(typed), "shown");
        QTEST(nameAsStored(typed), "stored");

        ContactFields f;
        f.name = typed;
        const qint64 codcon = ContactWriter(m_archive->db).insert(f);
        QTEST(ContactWriter(m_archive->db).load(codcon)->name, "stored");
    }

    // Quotes, ";", line breaks and would-be SQL reach the row as typed;
    // values longer than the dialog lets one type are kept whole; empty
    // fields are empty texts, not nulls.
    void valuesKeptAsTyped_data()
    {
        QTest::addColumn<ContactFields>("fields");
        QTest::newRow("awkward") << awkward();
        ContactFields longer = awkward();
        longer.name = QString(limit::Name + 30, u'n');
        longer.company = QString(limit::Company + 1, u'c');
        longer.group = QString(limit::Group + 7, u'g');
        longer.phone = QString(limit::Text + 45, u'1');
        longer.email = QString(limit::Text * 2, u'e');
        longer.photo = QString(limit::Text + 100, u'p');
        QTest::newRow("over-long") << longer;
        ContactFields empty;
        empty.name = "Mr. X";
        QTest::newRow("all empty") << empty;
    }
    void valuesKeptAsTyped()
    {
        QFETCH(ContactFields, fields);
        ContactWriter writer(m_archive->db);
        const qint64 codcon = writer.insert(fields);
        QVERIFY(codcon > 0);
        ContactFields expected = fields;
        expected.name = nameAsStored(fields.name);
        QCOMPARE(*writer.load(codcon), expected);

        // Modify writes over another contact's values.
        const qint64 other = writer.insert(contact("Other", "Work"));
        QVERIFY(writer.update(other, fields));
        QCOMPARE(*writer.load(other), expected);

        store::Query q(m_archive->db);
        q.setSql({"SELECT * FROM CRcon63 WHERE codcon = " + QString::number(other)});
        q.open();
        for (const char* column : {"mobile", "allegato3", "ragsoc", "foto"})
            QVERIFY2(!q.fieldByName(QString::fromLatin1(column)).isNull(), column);
    }

    void updateTouchesOnlyItsContact()
    {
        ContactWriter writer(m_archive->db);
        const qint64 first = writer.insert(contact("First"));
        const qint64 second = writer.insert(contact("Second"));
        QVERIFY(writer.update(second, contact("changed")));
        QCOMPARE(writer.load(first)->name, "First");
        QCOMPARE(writer.load(second)->name, "Changed");
    }

    void groupJoinsTheContactGroups()
    {
        const QStringList seeded = shared::groups::load(m_archive->db, u'C');
        const QStringList notes = shared::groups::load(m_archive->db, u'N');
        ContactWriter writer(m_archive->db);
        writer.insert(contact("Anna", "My \"VIP\""));
        writer.insert(contact("Bruno", "My \"VIP\""));
        writer.insert(contact("Carla"));
        const qint64 dario = writer.insert(contact("Dario"));
        QVERIFY(writer.update(dario, contact("Dario", "Work")));
        QCOMPARE(shared::groups::load(m_archive->db, u'C'),
                 seeded + QStringList({"My \"VIP\"", "Work"}));
        QCOMPARE(shared::groups::load(m_archive->db, u'N'), notes);
    }

    // The contact and its group are one save: when the group cannot be
    // written the contact is not written either, so the user's second try
    // after the error report leaves one contact, not two.
    void failingGroupLeavesNothingHalfSaved()
    {
        rawExec("CREATE TRIGGER refuse BEFORE INSERT ON CRcat80 "
                "BEGIN SELECT RAISE(ABORT, 'no groups'); END");
        const int groups = count("CRcat80");
        ContactWriter writer(m_archive->db);
        const ContactFields anna = contact("Anna", "Friends of mine");
        QVERIFY_THROWS_EXCEPTION(store::SqlError, writer.insert(anna));
        QCOMPARE(count("CRcon63"), 0);

        const qint64 bruno = writer.insert(contact("Bruno"));
        QVERIFY_THROWS_EXCEPTION(store::SqlError, (void)writer.update(bruno, anna));
        QCOMPARE(writer.load(bruno)->name, "Bruno");
        QVERIFY(!m_archive->db.inTransaction());

        rawExec("DROP TRIGGER refuse");
        writer.insert(anna);
        QCOMPARE(count("CRcon63"), 2);
        QCOMPARE(count("CRcat80"), groups + 1);
    }

    void modifyOfAVanishedContactSavesNothing()
    {
        const int groups = count("CRcat80");
        ContactWriter writer(m_archive->db);
        QVERIFY(!writer.update(999, contact("Ghost", "Ghosts")));
        QCOMPARE(count("CRcon63"), 0);
        QCOMPARE(count("CRcat80"), groups);
        QVERIFY(!writer.load(999).has_value());
    }
};

QTEST_GUILESS_MAIN(TestContactRecord)
#include "tst_contactrecord.moc"

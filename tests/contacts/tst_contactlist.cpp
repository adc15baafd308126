// The contact list statement against a real archive: every search field,
// fields saved as empty text beside null ones, the group filter on and off,
// quotes in the texts, the wildcards users rely on, and the orders.
#include "contacts/contactlist.h"
#include "store/database.h"
#include "store/query.h"
#include "store/schema.h"

#include <QTemporaryDir>
#include <QtTest>
#include <optional>

using contacts::ContactFilter;
using contacts::SearchField;

namespace {

// A null cell is written as std::nullopt, an empty one as "".
using Cell = std::optional<QString>;

struct Person
{
    QString name;
    Cell company, gruppo, tel, mobile, email, site, note, indirizzo;
};

const Person People[] = {
    {"Anna Rossi", "Acme", "Friend", "111", std::nullopt, "anna@x.it", "www.a.it",
     "say \"hi\" there", "Via Roma 1"},
    {"bruno Bianchi", "", "", "", "", "", "", "", ""},
    {"Carla Verdi", std::nullopt, std::nullopt, std::nullopt, "333", std::nullopt, std::nullopt,
     std::nullopt, std::nullopt},
    {"dario 50%_off", "Beta", "My \"VIP\"", std::nullopt, std::nullopt, "d@x.it", std::nullopt,
     "plain", std::nullopt},
    {"Elena", "acme", "Friends", std::nullopt, std::nullopt, std::nullopt, "", std::nullopt,
     "Piazza"},
};

} // namespace

Q_DECLARE_METATYPE(SearchField)

class TestContactList : public QObject
{
    Q_OBJECT

    QTemporaryDir m_folder;
    store::Database m_db;

private slots:
    void initTestCase()
    {
        m_db.create(m_folder.filePath(QStringLiteral("coarc.abs")));
        store::Query general(m_db), settings(m_db);
        store::ArchiveEnvironment env;
        env.archiveFolder = env.programFolder = m_folder.path();
        store::ArchiveBuilder(m_db, general, settings, env).build();

        store::Query insert(m_db);
        insert.setSql({"INSERT INTO CRcon63 (ragsoc, company, gruppo, tel, mobile, email, site, "
                       "note, indirizzo) VALUES (:ragsoc, :company, :gruppo, :tel, :mobile, "
                       ":email, :site, :note, :indirizzo)"});
        for (const Person& p : People) {
            insert.setText("ragsoc", p.name);
            const std::pair<const char*, const Cell*> cells[] = {
                {"company", &p.company}, {"gruppo", &p.gruppo},      {"tel", &p.tel},
                {"mobile", &p.mobile},   {"email", &p.email},        {"site", &p.site},
                {"note", &p.note},       {"indirizzo", &p.indirizzo}};
            for (const auto& [name, cell] : cells) {
                if (*cell)
                    insert.setText(QLatin1String(name), **cell);
                else
                    insert.setNull(QLatin1String(name));
            }
            insert.execSql();
        }
    }

    void listed_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<SearchField>("field");
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("order");
        QTest::addColumn<bool>("descending");
        QTest::addColumn<QString>("expected");

        const QString all = "Anna Rossi,bruno Bianchi,Carla Verdi,dario 50%_off,Elena";
        const auto F = SearchField::NameCompany;
        QTest::newRow("everyone, case-blind") << "" << F << ""
                                              << "ragsoc" << false << all;
        QTest::newRow("descending")
            << "" << F << ""
            << "ragsoc" << true << "Elena,dario 50%_off,Carla Verdi,bruno Bianchi,Anna Rossi";
        QTest::newRow("creation") << "" << F << ""
                                  << "codcon" << false
                                  << "Anna Rossi,bruno Bianchi,Carla Verdi,dario 50%_off,Elena";
        QTest::newRow("creation desc")
            << "" << F << ""
            << "codcon" << true << "Elena,dario 50%_off,Carla Verdi,bruno Bianchi,Anna Rossi";
        QTest::newRow("name or company") << "ACME" << F << ""
                                         << "ragsoc" << false << "Anna Rossi,Elena";
        QTest::newRow("company") << "bet" << SearchField::Company << ""
                                 << "ragsoc" << false << "dario 50%_off";
        QTest::newRow("phone or mobile") << "3" << SearchField::PhoneMobile << ""
                                         << "ragsoc" << false << "Carla Verdi";
        QTest::newRow("address") << "roma" << SearchField::Address << ""
                                 << "ragsoc" << false << "Anna Rossi";
        QTest::newRow("quote in text") << "say \"hi\"" << SearchField::Note << ""
                                       << "ragsoc" << false << "Anna Rossi";
        QTest::newRow("percent wildcard")
            << "a%i" << SearchField::Name << ""
            << "ragsoc" << false << "Anna Rossi,bruno Bianchi,Carla Verdi,dario 50%_off";
        QTest::newRow("underscore wildcard") << "b_uno" << SearchField::Name << ""
                                             << "ragsoc" << false << "bruno Bianchi";
        QTest::newRow("group piece") << "" << F << "friend"
                                     << "ragsoc" << false << "Anna Rossi,Elena";
        QTest::newRow("group with quotes") << "" << F << "My \"VIP\""
                                           << "ragsoc" << false << "dario 50%_off";
        QTest::newRow("without group") << "" << F << "[ IS NULL ]"
                                       << "ragsoc" << false << "bruno Bianchi,Carla Verdi";
        QTest::newRow("without group, vuoto") << "" << F << "[ VUOTO ]"
                                              << "ragsoc" << true << "Carla Verdi,bruno Bianchi";
        QTest::newRow("empty e-mail") << "[ IS NULL ]" << SearchField::Email << ""
                                      << "ragsoc" << false << "bruno Bianchi,Carla Verdi,Elena";
        QTest::newRow("empty e-mail in a group") << "[ IS NULL ]" << SearchField::Email << "Friend"
                                                 << "ragsoc" << false << "Elena";
        QTest::newRow("empty e-mail without group")
            << "[ VUOTO ]" << SearchField::Email << "[ IS NULL ]"
            << "ragsoc" << false << "bruno Bianchi,Carla Verdi";
        QTest::newRow("empty company") << "[ IS NULL ]" << F << ""
                                       << "ragsoc" << false << "bruno Bianchi,Carla Verdi";
        QTest::newRow("empty phone and mobile")
            << "[ IS NULL ]" << SearchField::PhoneMobile << ""
            << "ragsoc" << false << "bruno Bianchi,dario 50%_off,Elena";
        QTest::newRow("empty web, by name whatever the order")
            << "[ IS NULL ]" << SearchField::Web << ""
            << "codcon" << true << "Elena,dario 50%_off,Carla Verdi,bruno Bianchi";
        QTest::newRow("empty note") << "[ IS NULL ]" << SearchField::Note << ""
                                    << "ragsoc" << false << "bruno Bianchi,Carla Verdi,Elena";
    }

    void listed()
    {
        QFETCH(QString, text);
        QFETCH(SearchField, field);
        QFETCH(QString, group);
        QFETCH(QString, order);
        QFETCH(bool, descending);
        QFETCH(QString, expected);

        ContactFilter filter;
        filter.text = text;
        filter.field = field;
        filter.group = group;
        filter.orderColumn = order;
        filter.descending = descending;
        store::Query list(m_db);
        contacts::openContactList(list, filter);
        QStringList names;
        for (list.first(); !list.eof(); list.next())
            names << list.fieldByName("ragsoc").asString();
        QCOMPARE(names.join(u','), expected);
    }

    void fieldCaptions()
    {
        QCOMPARE(contacts::searchFieldItems(),
                 QStringList({"Name/Company", "Name", "Company", "Phone/Mobile", "Phone", "Mobile",
                              "Skype", "Fax", "E-mail", "Web", "Address", "Note"}));
    }
};

QTEST_GUILESS_MAIN(TestContactList)
#include "tst_contactlist.moc"

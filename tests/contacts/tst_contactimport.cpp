#include "../calendar/archivefixture.h"
#include "contacts/contactimport.h"
#include "shared/groups.h"
#include "store/sqlerror.h"

#include <sqlite3.h>

using namespace contacts;

namespace {

using Row = QHash<QString, QString>; // column -> value; absent columns are empty
using Rows = QList<Row>;

const QStringList Compared = {"ragsoc", "company", "tel",       "mobile", "skype", "fax",
                              "email",  "site",    "indirizzo", "note",   "gruppo"};

// The file's columns: Name, Surname, Phone, Mobile, Address, Note, Group.
ImportMapping fixtureMapping()
{
    ImportMapping m;
    m.at(ImportField::Name, 0) = 0;
    m.at(ImportField::Name, 1) = 1;
    m.at(ImportField::Phone) = 2;
    m.at(ImportField::Mobile) = 3;
    m.at(ImportField::Address) = 4;
    m.at(ImportField::Note) = 5;
    m.at(ImportField::Group) = 6;
    return m;
}

const Row StoredAnna{{"ragsoc", "ANNA ROSSI"}, {"company", "ACME"},  {"mobile", "347 000"},
                     {"email", "anna@x.it"},   {"note", "old note"}, {"gruppo", "Family"}};
const Row StoredSmith{{"ragsoc", "Smith, John"}, {"tel", "111"}};
const Row StoredSmith2{{"ragsoc", "smith, john"}, {"tel", "222"}};
const Row FileAnna{{"ragsoc", "Anna Rossi"},
                   {"tel", "06 1234"},
                   {"indirizzo", "Via Roma 1\r\n00100 Roma"},
                   {"note", "say \"hi\""},
                   {"gruppo", "Work"}};
const Row FileSmith{{"ragsoc", "Smith, John"},
                    {"tel", "555 1000"},
                    {"mobile", "333 1"},
                    {"note", "long line"},
                    {"gruppo", "Friends"}};
const Row FileJurgen{{"ragsoc", "Jürgen Müller"}, {"indirizzo", "Straße 5"}};

Row merged(Row row, const Row& changes)
{
    for (auto it = changes.begin(); it != changes.end(); ++it) {
        if (it.value().isEmpty())
            row.remove(it.key());
        else
            row[it.key()] = it.value();
    }
    return row;
}

} // namespace

class TestContactImport final : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<ArchiveFixture> m_archive;

    void add(const Row& row)
    {
        QStringList params;
        for (const QString& c : Compared)
            params << ":" + c;
        store::Query q(m_archive->db);
        q.setSql(
            {"INSERT INTO CRcon63 (" + Compared.join(',') + ") VALUES (" + params.join(',') + ")"});
        for (const QString& c : Compared)
            q.setText(c, row.value(c));
        q.execSql();
    }

    Rows stored()
    {
        store::Query q(m_archive->db);
        q.setSql({"SELECT * FROM CRcon63 ORDER BY codcon"});
        q.open();
        Rows rows;
        for (; !q.eof(); q.next()) {
            Row row;
            for (const QString& c : Compared) {
                if (!q.fieldByName(c).asString().isEmpty())
                    row[c] = q.fieldByName(c).asString();
            }
            rows << row;
        }
        return rows;
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

    ImportResult import(const QString& file, const ImportMapping& mapping,
                        const ImportOptions& options, const ImportProgress& progress = {})
    {
        const CsvDocument doc = readCsvFile(file, u',');
        if (!doc.ok())
            qFatal("%s", qPrintable(doc.error));
        return importContacts(m_archive->db, doc.records, mapping, options, progress);
    }

private slots:
    void init()
    {
        m_archive = std::make_unique<ArchiveFixture>();
        add(StoredAnna);
        add(StoredSmith);
        add(StoredSmith2);
    }
    void cleanup() { m_archive.reset(); }

    // Both code pages of one file, each mode, compared field by field. The
    // stored names differ from the file's only in letter case; the Smith line
    // is longer than the header, Jürgen's shorter, one line has no name.
    void modes_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<ImportMode>("mode");
        QTest::addColumn<int>("written");
        QTest::addColumn<Rows>("expected");

        const Row stored[] = {StoredAnna, StoredSmith, StoredSmith2};
        const Rows before(std::begin(stored), std::end(stored));
        for (const char* file : {"contacts-utf8.csv", "contacts-cp1252.csv"}) {
            const QString path = QString(CORVANDINE_TEST_DATA "/") + file;
            QTest::addRow("%s, skip duplicates", file)
                << path << ImportMode::SkipDuplicates << 1 << before + Rows{FileJurgen};
            // Company and e-mail have no column in the file: they stay. A
            // mapped column the line leaves empty is written empty.
            QTest::addRow("%s, update existing", file)
                << path << ImportMode::UpdateExisting << 1
                << Rows{merged(StoredAnna, {{"ragsoc", "Anna Rossi"},
                                            {"tel", "06 1234"},
                                            {"mobile", ""},
                                            {"indirizzo", "Via Roma 1\r\n00100 Roma"},
                                            {"note", "say \"hi\""},
                                            {"gruppo", "Work"}}),
                        StoredSmith, StoredSmith2};
            QTest::addRow("%s, create new", file) << path << ImportMode::CreateNew << 3
                                                  << before + Rows{FileAnna, FileSmith, FileJurgen};
            // Only Anna's empty fields are filled; the two Smiths are left alone.
            QTest::addRow("%s, data integration", file)
                << path << ImportMode::DataIntegration << 2
                << Rows{merged(StoredAnna, {{"ragsoc", "Anna Rossi"},
                                            {"tel", "06 1234"},
                                            {"indirizzo", "Via Roma 1\r\n00100 Roma"}}),
                        StoredSmith, StoredSmith2, FileJurgen};
        }
    }

    void modes()
    {
        QFETCH(QString, file);
        QFETCH(ImportMode, mode);
        QFETCH(int, written);
        QFETCH(Rows, expected);
        ImportOptions options;
        options.mode = mode;
        options.skipFirstLine = true;
        const ImportResult result = import(file, fixtureMapping(), options);
        QCOMPARE(result.written, written);
        QVERIFY(!result.stopped);
        QCOMPARE(stored(), expected);
    }

    void buildValues_data()
    {
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<bool>("addGroup");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("group");

        // Name from columns 0, 1 and 3; group from column 2; the assigned
        // group is "Imported-2026-05-01".
        QTest::newRow("parts joined")
            << QStringList{"Anna", "Rossi", "Work", "Jr."} << false << "Anna Rossi Jr."
            << "Work";
        QTest::newRow("empty parts leave no blanks")
            << QStringList{"", "Rossi", "", ""} << false << "Rossi"
            << "";
        QTest::newRow("parts past the line's end give nothing")
            << QStringList{"Anna"} << false << "Anna"
            << "";
        QTest::newRow("unmapped columns of a long line give nothing")
            << QStringList{"Anna", "", "", "", "x", "y", "z"} << false << "Anna"
            << "";
        QTest::newRow("assigned group alone") << QStringList{"Anna", "", ""} << true << "Anna"
                                              << "Imported-2026-05-01";
        QTest::newRow("assigned group after the file's")
            << QStringList{"Anna", "", "Work"} << true << "Anna"
            << "Work Imported-2026-05-01";
        QTest::newRow("assigned group already there")
            << QStringList{"Anna", "", "Imported-2026-05-01 Work"} << true << "Anna"
            << "Imported-2026-05-01 Work";
        QTest::newRow("a longer name is another group")
            << QStringList{"Anna", "", "Imported-2026-05-01x"} << true << "Anna"
            << "Imported-2026-05-01x Imported-2026-05-01";
    }

    void buildValues()
    {
        QFETCH(QStringList, fields);
        QFETCH(bool, addGroup);
        QFETCH(QString, name);
        QFETCH(QString, group);
        ImportMapping m;
        m.at(ImportField::Name, 0) = 0;
        m.at(ImportField::Name, 1) = 1;
        m.at(ImportField::Name, 2) = 3;
        m.at(ImportField::Group) = 2;
        ImportOptions options;
        options.addGroup = addGroup;
        options.assignedGroup = "Imported-2026-05-01";
        const ImportValues values = buildImportValues(fields, m, options);
        QCOMPARE(values[size_t(ImportField::Name)], name);
        QCOMPARE(values[size_t(ImportField::Group)], group);
        QCOMPARE(values[size_t(ImportField::Phone)], QString());
    }

    // Importing the same file twice with "Add group" names the group once,
    // in the modes that keep the stored group too; the group is listed.
    void reimportAddsGroupOnce_data()
    {
        QTest::addColumn<ImportMode>("mode");
        QTest::addColumn<bool>("groupMapped");
        QTest::addColumn<QString>("annaGroup");
        QTest::newRow("integration") << ImportMode::DataIntegration << true << "Family Imp";
        QTest::newRow("update, group not in the file")
            << ImportMode::UpdateExisting << false << "Family Imp";
        QTest::newRow("update, group in the file")
            << ImportMode::UpdateExisting << true << "Work Imp";
    }

    void reimportAddsGroupOnce()
    {
        QFETCH(ImportMode, mode);
        QFETCH(bool, groupMapped);
        QFETCH(QString, annaGroup);
        ImportMapping mapping = fixtureMapping();
        if (!groupMapped)
            mapping.at(ImportField::Group) = ImportMapping::NotMapped;
        ImportOptions options;
        options.mode = mode;
        options.skipFirstLine = true;
        options.addGroup = true;
        options.assignedGroup = "Imp";
        for (int pass = 0; pass < 2; ++pass)
            import(CORVANDINE_TEST_DATA "/contacts-utf8.csv", mapping, options);
        QCOMPARE(stored().front().value("gruppo"), annaGroup);
        QVERIFY(shared::groups::load(m_archive->db, u'C').contains("Imp"));
    }

    // An engine error part-way undoes the whole import, the emptying of
    // "Delete all" included.
    void engineErrorUndoesEverything()
    {
        const Rows before = stored();
        rawExec("CREATE TRIGGER refuse BEFORE INSERT ON CRcon63 WHEN NEW.ragsoc LIKE 'J%rgen%' "
                "BEGIN SELECT RAISE(ABORT, 'no Juergen'); END");
        ImportOptions options;
        options.mode = ImportMode::CreateNew;
        options.skipFirstLine = true;
        options.deleteAll = true;
        options.addGroup = true;
        options.assignedGroup = "Imp";
        QVERIFY_THROWS_EXCEPTION(store::SqlError, import(CORVANDINE_TEST_DATA "/contacts-utf8.csv",
                                                         fixtureMapping(), options));
        QVERIFY(!m_archive->db.inTransaction());
        QCOMPARE(stored(), before);
        QVERIFY(!shared::groups::load(m_archive->db, u'C').contains("Imp"));
    }

    // Stopping keeps what was written before, "Delete all" included.
    void stopKeepsWrittenRows()
    {
        ImportOptions options;
        options.mode = ImportMode::CreateNew;
        options.skipFirstLine = true;
        options.deleteAll = true;
        QList<int> asked;
        const ImportResult result =
            import(CORVANDINE_TEST_DATA "/contacts-utf8.csv", fixtureMapping(), options,
                   [&asked](int record, int written) {
                       asked << record << written;
                       return record < 4;
                   });
        QVERIFY(result.stopped);
        QCOMPARE(result.written, 2);
        QCOMPARE(asked, QList<int>({2, 0, 3, 1, 4, 2}));
        QCOMPARE(stored(), Rows({FileAnna, FileSmith}));
    }

    // Values longer than the dialogs let anyone type are stored whole.
    void longValuesKeptWhole()
    {
        const QString name = "Anna " + QString(300, 'n');
        const QString note = QString(5000, 'x');
        ImportMapping m;
        m.at(ImportField::Name) = 0;
        m.at(ImportField::Note) = 1;
        ImportOptions options;
        options.mode = ImportMode::CreateNew;
        const CsvDocument doc = parseCsv(name + ";\"" + note + "\"", u';');
        QCOMPARE(importContacts(m_archive->db, doc.records, m, options).written, 1);
        QCOMPARE(stored().back(), Row({{"ragsoc", name}, {"note", note}}));
    }

    // A file the complete export wrote maps itself, column for column.
    void completeExportHeader()
    {
        const QStringList header = contacts::completeExportHeader();
        QCOMPARE(header.join(';') + ';', "Name;Company;Phone;Mobile;Skype;Fax;E-mail;Web;"
                                         "Address;Note;Group;");
        QVERIFY(isCompleteExportHeader(header));
        QVERIFY(!isCompleteExportHeader(header.mid(0, 10)));
        QVERIFY(!isCompleteExportHeader({header.join(';')}));
        const ImportMapping m = completeExportMapping();
        QCOMPARE(m.at(ImportField::Name), 0);
        QCOMPARE(m.at(ImportField::Address), 8);
        QCOMPARE(m.at(ImportField::Group), 10);
        QCOMPARE(m.at(ImportField::Group, 1), ImportMapping::NotMapped);
        QCOMPARE(headerMapping(header), m);

        // The command line maps other files by their columns' names.
        const ImportMapping named = headerMapping({" e-mail", "NAME", "x", "Name"});
        QCOMPARE(named.at(ImportField::Email), 0);
        QCOMPARE(named.at(ImportField::Name), 1);
        QVERIFY(!named.maps(ImportField::Phone));
    }
};

QTEST_GUILESS_MAIN(TestContactImport)
#include "tst_contactimport.moc"

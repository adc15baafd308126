#include "../calendar/archivefixture.h"
#include "contacts/contactexport.h"
#include "contacts/contactimport.h"
#include "contacts/contactlist.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>

using namespace contacts;

namespace {

using Row = QHash<QString, QString>;

const QStringList Columns = {"ragsoc", "company", "tel",       "mobile", "skype", "fax",
                             "email",  "site",    "indirizzo", "note",   "gruppo"};

// Values that a naive export would alter or split.
const QList<Row> Awkward = {
    {{"ragsoc", "Anna Maria Rossi"},
     {"company", "Rossi; Figli & \"Co\""},
     {"tel", "06 111, 06 222, 06 333, 06 444"},
     {"mobile", "347 1"},
     {"email", "anna@x.it;bruno@x.it"},
     {"indirizzo", "Via Roma 1\r\n00100 Roma"},
     {"note", "first line\nsecond, line\n\"third\""},
     {"gruppo", "Work/Home"}},
    {{"ragsoc", "bruno"}, {"skype", "bruno.b"}, {"fax", "=1+1"}, {"site", "www.x.it"}},
    {{"ragsoc", "Ünal Çelik"}, {"note", "  blanks kept  "}},
};

// The rows of a file as a real CSV reader reads them.
QList<QStringList> readWithPython(const QString& path)
{
    QProcess python;
    python.start("/usr/bin/python3",
                 {"-c",
                  "import csv, json, sys\n"
                  "with open(sys.argv[1], newline='', encoding='utf-8') as f:\n"
                  "    print(json.dumps(list(csv.reader(f, delimiter=';', strict=True))))\n",
                  path});
    if (!python.waitForFinished(20000) || python.exitCode() != 0)
        qFatal("python: %s", python.readAllStandardError().constData());
    QList<QStringList> rows;
    for (const QJsonValue& row : QJsonDocument::fromJson(python.readAllStandardOutput()).array()) {
        QStringList fields;
        for (const QJsonValue& field : row.toArray())
            fields << field.toString();
        rows << fields;
    }
    return rows;
}

} // namespace

class TestContactExport final : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_files;

    static void add(ArchiveFixture& archive, const Row& row)
    {
        QStringList params;
        for (const QString& c : Columns)
            params << ":" + c;
        store::Query q(archive.db);
        q.setSql(
            {"INSERT INTO CRcon63 (" + Columns.join(',') + ") VALUES (" + params.join(',') + ")"});
        for (const QString& c : Columns)
            q.setText(c, row.value(c));
        q.execSql();
    }
    static QList<Row> stored(ArchiveFixture& archive)
    {
        store::Query q(archive.db);
        q.setSql({"SELECT * FROM CRcon63 ORDER BY codcon"});
        q.open();
        QList<Row> rows;
        for (; !q.eof(); q.next()) {
            Row row;
            for (const QString& c : Columns) {
                if (!q.fieldByName(c).asString().isEmpty())
                    row[c] = q.fieldByName(c).asString();
            }
            rows << row;
        }
        return rows;
    }
    // Exports the archive's contacts in list order; returns the file.
    QString exportAll(ArchiveFixture& archive, ExportLayout layout, const QString& name)
    {
        store::Query list(archive.db);
        openContactList(list, ContactFilter{});
        const QString path = m_files.filePath(name);
        const QString error =
            writeContactExport(path, exportHeader(layout), exportRows(list.rows(), layout));
        if (!error.isEmpty())
            qFatal("%s", qPrintable(error));
        return path;
    }

private slots:
    // A complete export read into an empty archive gives every field back,
    // and imported again over its source with "Update existing" changes nothing.
    void completeRoundTrip()
    {
        ArchiveFixture source;
        for (const Row& row : Awkward)
            add(source, row);
        const QString path = exportAll(source, ExportLayout::Complete, "complete.csv");

        const QList<QStringList> read = readWithPython(path);
        QCOMPARE(read.size(), 4);
        QCOMPARE(read[0].join(';') + ';', "Name;Company;Phone;Mobile;Skype;Fax;E-mail;Web;"
                                          "Address;Note;Group;");
        QCOMPARE(read[1][1], "Rossi; Figli & \"Co\"");
        QCOMPARE(read[1][9], "first line\nsecond, line\n\"third\"");

        const CsvDocument doc = readCsvFile(path, u';');
        QVERIFY(doc.ok());
        QVERIFY(isCompleteExportHeader(doc.records.front().fields));
        ImportOptions options;
        options.skipFirstLine = true;
        ArchiveFixture empty;
        QCOMPARE(importContacts(empty.db, doc.records, completeExportMapping(), options).written,
                 3);
        QCOMPARE(stored(empty), stored(source));

        options.mode = ImportMode::UpdateExisting;
        const QList<Row> before = stored(source);
        QCOMPARE(importContacts(source.db, doc.records, completeExportMapping(), options).written,
                 3);
        QCOMPARE(stored(source), before);
    }

    // Every chopped row has the header's 23 fields; split fields keep their
    // first three values.
    void choppedRows()
    {
        ArchiveFixture source;
        for (const Row& row : Awkward)
            add(source, row);
        const QList<QStringList> read =
            readWithPython(exportAll(source, ExportLayout::Chopped, "chopped.csv"));
        QCOMPARE(read.size(), 4);
        QCOMPARE(read[0], exportHeader(ExportLayout::Chopped));
        for (const QStringList& row : read)
            QCOMPARE(row.size(), 23);
        const QStringList anna = read[1];
        QCOMPARE(anna.mid(0, 3), QStringList({"Anna", "Maria", "Rossi"}));
        QCOMPARE(anna.mid(4, 3), QStringList({"06", "111", "06"}));
        QCOMPARE(anna.mid(7, 3), QStringList({"347", "1", ""}));
        QCOMPARE(anna.mid(14, 3), QStringList({"anna@x.it;bruno@x.it", "", ""}));
        QCOMPARE(anna[20], "Via Roma 1\r\n00100 Roma");
        QCOMPARE(read[2].mid(0, 3), QStringList({"bruno", "", ""}));
    }

    void emptyList()
    {
        ArchiveFixture empty;
        QFile file(exportAll(empty, ExportLayout::Complete, "empty.csv"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), "Name;Company;Phone;Mobile;Skype;Fax;E-mail;Web;Address;Note;"
                                 "Group\r\n");
    }

    // A file that cannot be written is reported, never half-written.
    void failedWrite()
    {
        const QString error =
            writeContactExport(m_files.path(), exportHeader(ExportLayout::Complete), {});
        QVERIFY(!error.isEmpty());
        QVERIFY(QFileInfo(m_files.path()).isDir());
    }

    void proposedName_data()
    {
        QTest::addColumn<ExportLayout>("layout");
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("name");
        QTest::newRow("complete") << ExportLayout::Complete << ""
                                  << "Contacts-2026-05-20-09-05-07";
        QTest::newRow("chopped") << ExportLayout::Chopped << ""
                                 << "Contacts-chopped-2026-05-20-09-05-07";
        QTest::newRow("group") << ExportLayout::Complete << "Work"
                               << "Work-2026-05-20-09-05-07";
        QTest::newRow("group, chopped") << ExportLayout::Chopped << "Work"
                                        << "Work-chopped-2026-05-20-09-05-07";
        QTest::newRow("a slash makes no folder") << ExportLayout::Complete << "Work/Home\\x"
                                                 << "Work-Home-x-2026-05-20-09-05-07";
    }

    void proposedName()
    {
        QFETCH(ExportLayout, layout);
        QFETCH(QString, group);
        QFETCH(QString, name);
        QCOMPARE(proposedExportName(layout, group, QDateTime({2026, 5, 20}, {9, 5, 7})), name);
    }
};

QTEST_GUILESS_MAIN(TestContactExport)
#include "tst_contactexport.moc"

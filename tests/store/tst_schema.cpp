#include "store/database.h"
#include "store/query.h"
#include "store/schema.h"
#include "store/sqlerror.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace store;

namespace {
const QStringList allTables = {"CRcat80", "CRnot80", "CRtod63", "CRarc66",
                               "CRshot80", "CRcon63", "CRset63"};
}

class TestSchema final : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<QTemporaryDir> m_archive;
    std::unique_ptr<QTemporaryDir> m_program;
    std::unique_ptr<Database> m_db;
    QList<QChar> m_seeded;
    QChar m_failAt; // a section whose seeding fails

    QString build(bool migrationPending = true)
    {
        Query general(*m_db);
        Query settings(*m_db);
        ArchiveEnvironment env;
        env.archiveFolder = m_archive->path();
        env.programFolder = m_program->path();
        env.migrationNoticePending = migrationPending;
        env.groupsSeeded = [this](QChar section) {
            if (section == m_failAt)
                throw SqlError(errorclass::Database, QStringLiteral("disk full"));
            m_seeded.append(section);
        };
        return ArchiveBuilder(*m_db, general, settings, env).build();
    }

    void exec(const QStringList& lines)
    {
        Query q(*m_db);
        q.setSql(lines);
        q.execSql();
    }

    // Every table's columns and rows as text, to tell whether anything changed.
    QString dump()
    {
        QString out;
        Query q(*m_db);
        for (const QString& table : allTables) {
            q.setSql({QStringLiteral("SELECT * FROM ") + table});
            q.open();
            out += table + u':' + q.fieldNames().join(u',') + u'\n';
            for (; !q.eof(); q.next()) {
                for (const QString& name : q.fieldNames())
                    out += (q.fieldByName(name).isNull() ? QStringLiteral("<null>")
                                                         : q.fieldByName(name).asString())
                           + u'|';
                out += u'\n';
            }
        }
        return out;
    }

    QStringList groups(QChar section)
    {
        Query q(*m_db);
        q.setSql({QStringLiteral("SELECT id FROM CRcat80 WHERE sezione = :s ORDER BY codcat")});
        q.setText(QStringLiteral("s"), QString(section));
        q.open();
        QStringList names;
        for (; !q.eof(); q.next())
            names.append(q.fieldByName(QStringLiteral("id")).asString());
        return names;
    }

    Query settingsRow()
    {
        Query q(*m_db);
        q.setSql({QStringLiteral("SELECT * FROM CRset63")});
        q.open();
        return q;
    }

    void touch(const QString& path)
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
    }

private slots:
    void init()
    {
        m_archive = std::make_unique<QTemporaryDir>();
        m_program = std::make_unique<QTemporaryDir>();
        m_db = std::make_unique<Database>();
        m_db->create(m_archive->filePath(QStringLiteral("coarc.abs")));
        m_seeded.clear();
        m_failAt = QChar();
    }

    void emptyFolderGetsTheWholeLayout()
    {
        const QString report = build();
        QCOMPARE(report, QStringLiteral("-> Archive GROUPS <<created>>\r"
                                        "-> Archive NOTE <<created>>\r"
                                        "-> Archive TO-DO <<created>>\r"
                                        "-> Archive TASKS <<created>>\r"
                                        "-> Archive REPOSITORY <<created>>\r"
                                        "-> Archive CONTACTS <<created>>\r"
                                        "-> Archive OPTIONS <<created>>\r"));
        for (const QString& table : allTables)
            QVERIFY2(m_db->tableExists(table), qPrintable(table));
        QCOMPARE(groups(u'C'), contactSeedGroups());
        QCOMPARE(groups(u'N'), noteSeedGroups());
        QCOMPARE(groups(u'L'), todoSeedGroups());
        QCOMPARE(groups(u'C').size() + groups(u'N').size() + groups(u'L').size(), 20 + 15 + 8);
        QCOMPARE(m_seeded, QList<QChar>({u'C', u'N', u'L'}));
    }

    void aBuildThatFailsHalfWayLeavesTheArchiveAsItWas()
    {
        m_failAt = u'L';
        QVERIFY_THROWS_EXCEPTION(SqlError, build());
        QCOMPARE(m_seeded, QList<QChar>({u'C', u'N'}));
        for (const QString& table : allTables)
            QVERIFY2(!m_db->tableExists(table), qPrintable(table));
        // Nothing is left open: the next start builds the whole layout.
        m_failAt = QChar();
        build();
        for (const QString& table : allTables)
            QVERIFY2(m_db->tableExists(table), qPrintable(table));
    }

    void defaultSettingsRow_data()
    {
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("value");
        const char* rows[][2] = {
            {"autostart", "N"}, {"minimized", "N"}, {"soundon", "Y"}, {"wavesound", "mailbeep"},
            {"breakline", "Y"}, {"formatbar", "N"}, {"fontname", "Fixedsys"},
            {"fontcolor", "clBlack"}, {"fontsize", "8"}, {"backcolor", "clWhite"},
            {"timecheck", "Y"}, {"ShotColor", "$00A6A6D2"}, {"YearColor", "$00A7E3F5"},
            {"MonthColor", "$0058A554"}, {"WeekColor", "$00BC8F07"},
            {"TodayColor", "$00CE9D9D"}, {"ContactColor", "$009A9A4E"},
            {"NotesColor", "$00AEAEAE"}, {"TodoColor", "$00BADCF8"},
            {"UserColor", "$0053A9FF"}, {"DataShot", "dddd d mmmm yyyy"},
            {"DataYear", "d mmmm"}, {"DataShotIndex", "3"}, {"DataYearIndex", "0"},
            {"WinWidth", "670"}, {"WinHeight", "592"}, {"WinStato", "wsNormal"}, {"psw", ""},
            {"blocco", "Y"}, {"showcale", "Y"}, {"startab", "4"}, {"futuro_flag", "False"},
            {"futuro_days", "5"}, {"scala_index", "0"}, {"ampm", "False"},
            {"theme_name", "default"}, {"TabShotVisible", "True"}, {"TabYearVisible", "True"},
            {"TabMonthVisible", "True"}, {"TabWeekVisible", "True"},
            {"TabTodayVisible", "True"}, {"TabContactsVisible", "True"},
            {"TabNotesVisible", "True"}, {"TabToDoVisible", "True"}, {"centralino", "False"},
            {"charset", "0"}, {"gridmode", "False"}, {"hidetips", "False"},
            {"migrationinfo", "False"}, {"solalettura", "False"}, {"mem_group_contact", ""},
            {"mem_group_note", ""}, {"mem_group_list", ""},
        };
        for (const auto& row : rows)
            QTest::newRow(row[0]) << QString::fromUtf8(row[0]) << QString::fromUtf8(row[1]);
    }

    void defaultSettingsRow()
    {
        QFETCH(QString, column);
        QFETCH(QString, value);
        build();
        Query q = settingsRow();
        QCOMPARE(q.recordCount(), 1);
        QCOMPARE(q.fieldByName(column).asString(), value);
    }

    void secondRunChangesNothing()
    {
        build();
        const QString before = dump();
        QCOMPARE(build(), QString());
        QCOMPARE(dump(), before);
    }

    void oldLayoutIsUpgraded()
    {
        // An archive as the oldest program wrote it: every table in its first
        // layout, a settings row, and contacts filed under UNCATEGORIZED.
        exec(schema::createGroups());
        exec(schema::createNotes());
        exec(schema::createToDo());
        exec(schema::createTasks(QStringLiteral("CRarc66")));
        exec(schema::createTasks(QStringLiteral("CRshot80")));
        exec(schema::createContacts());
        exec(schema::createSettings());
        exec({QStringLiteral("INSERT INTO CRset63 (psw, blocco, soundon) values (\"pw\", \"N\", \"V\")")});
        exec({QStringLiteral("INSERT INTO CRcon63 (ragsoc, gruppo) values (\"Ann\", \"UNCATEGORIZED\");"
                             "INSERT INTO CRcon63 (ragsoc, gruppo) values (\"Bob\", \"Uncategorized\");"
                             "INSERT INTO CRcon63 (ragsoc, gruppo) values (\"Cid\", \"Friend\")")});
        exec({QStringLiteral("INSERT INTO CRnot80 (id, note) values (\"n\", \"kept\")")});

        QCOMPARE(build(), QString());

        Query q(*m_db);
        q.setSql({QStringLiteral("SELECT ragsoc, gruppo FROM CRcon63 ORDER BY ragsoc")});
        q.open();
        QStringList seen;
        for (; !q.eof(); q.next())
            seen << q.fieldByName(QStringLiteral("ragsoc")).asString() + u'='
                        + q.fieldByName(QStringLiteral("gruppo")).asString();
        QCOMPARE(seen, QStringList({"Ann=", "Bob=", "Cid=Friend"}));

        Query s = settingsRow();
        QCOMPARE(s.fieldByName(QStringLiteral("psw")).asString(), QStringLiteral("pw"));
        QCOMPARE(s.fieldByName(QStringLiteral("soundon")).asString(), QStringLiteral("V"));
        QCOMPARE(s.fieldByName(QStringLiteral("futuro_days")).asInteger(), 5);
        QCOMPARE(s.fieldByName(QStringLiteral("theme_name")).asString(), QStringLiteral("default"));
        QCOMPARE(s.fieldByName(QStringLiteral("TabToDoVisible")).asBoolean(), true);
        QVERIFY(s.findField(QStringLiteral("mem_group_list")).has_value());

        // The group table existed, so only notes and to-do groups are seeded.
        QCOMPARE(groups(u'C'), QStringList());
        QCOMPARE(groups(u'N'), noteSeedGroups());
        QCOMPARE(groups(u'L'), todoSeedGroups());

        q.setSql({QStringLiteral("SELECT * FROM CRnot80")});
        q.open();
        QCOMPARE(q.fieldByName(QStringLiteral("note")).asString(), QStringLiteral("kept"));
        QVERIFY(q.fieldByName(QStringLiteral("gruppo")).isNull());
    }

    void dropsetResetsOnlyTheSettings()
    {
        build();
        exec({QStringLiteral("UPDATE CRset63 SET psw = \"secret\", blocco = \"N\", futuro_days = 9")});
        exec({QStringLiteral("INSERT INTO CRarc66 (id, flag) values (\"task\", \"O\")")});
        const QString marker = m_archive->filePath(QStringLiteral("DROPSET"));
        touch(marker);

        QCOMPARE(build(), QStringLiteral("-> Archive OPTIONS <<created>>\r"));
        QVERIFY(!QFile::exists(marker));
        Query s = settingsRow();
        QCOMPARE(s.recordCount(), 1);
        QCOMPARE(s.fieldByName(QStringLiteral("psw")).asString(), QString());
        QCOMPARE(s.fieldByName(QStringLiteral("blocco")).asString(), QStringLiteral("Y"));
        QCOMPARE(s.fieldByName(QStringLiteral("futuro_days")).asInteger(), 5);
        Query t(*m_db);
        t.setSql({QStringLiteral("SELECT * FROM CRarc66")});
        t.open();
        QCOMPARE(t.recordCount(), 1);
        QCOMPARE(groups(u'C').size(), 20);
    }

    void migrationNotice_data()
    {
        QTest::addColumn<bool>("oldFiles");
        QTest::addColumn<bool>("bdeFolder");
        QTest::addColumn<bool>("pending");
        QTest::addColumn<bool>("expected");
        QTest::newRow("all present") << true << true << true << true;
        QTest::newRow("no old files") << false << true << true << false;
        QTest::newRow("no BDE folder") << true << false << true << false;
        QTest::newRow("notice already given") << true << true << false << false;
    }

    void migrationNotice()
    {
        QFETCH(bool, oldFiles);
        QFETCH(bool, bdeFolder);
        QFETCH(bool, pending);
        QFETCH(bool, expected);
        if (oldFiles) {
            for (const char* name : {"CRarc66.DB", "CRcon63.DB", "CRtod63.DB", "CRset63.DB"})
                touch(m_archive->filePath(QString::fromUtf8(name)));
        }
        if (bdeFolder)
            QVERIFY(QDir(m_program->path()).mkdir(QStringLiteral("BDE")));
        build(pending);
        QCOMPARE(settingsRow().fieldByName(QStringLiteral("migrationinfo")).asBoolean(), expected);
    }
};

QTEST_GUILESS_MAIN(TestSchema)
#include "tst_schema.moc"

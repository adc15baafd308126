#include "shared/groups.h"
#include "store/database.h"
#include "store/query.h"
#include "store/schema.h"

#include <QTemporaryDir>
#include <QtTest>
#include <memory>

using namespace shared;

namespace {

// A real archive, built and seeded as the program builds it.
struct Archive
{
    QTemporaryDir folder;
    store::Database db;

    Archive()
    {
        db.create(folder.filePath(QStringLiteral("coarc.abs")));
        store::Query general(db);
        store::Query settings(db);
        store::ArchiveEnvironment env;
        env.archiveFolder = folder.path();
        env.programFolder = folder.path();
        store::ArchiveBuilder(db, general, settings, env).build();
    }

    int rows(const QString& condition)
    {
        store::Query q(db);
        q.setSql({QStringLiteral("SELECT COUNT(*) AS n FROM CRcat80 WHERE ") + condition});
        q.open();
        return int(q.fieldByName(QStringLiteral("n")).asInteger());
    }
};

} // namespace

class TestGroups final : public QObject
{
    Q_OBJECT
private slots:
    void loadsTheSeedsInTheirOrder_data()
    {
        QTest::addColumn<QChar>("section");
        QTest::addColumn<QStringList>("seeds");
        QTest::newRow("contacts") << QChar(u'C') << store::contactSeedGroups();
        QTest::newRow("notes") << QChar(u'N') << store::noteSeedGroups();
        QTest::newRow("to-do, lower-case letter") << QChar(u'l') << store::todoSeedGroups();
    }
    void loadsTheSeedsInTheirOrder()
    {
        QFETCH(QChar, section);
        Archive a;
        QTEST(groups::load(a.db, section), "seeds");
    }

    // Each awkward name is stored once, listed as typed, and deleted again,
    // while the table and the other sections stay as they were.
    void namesGoInAndOutWhole_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("seeded"); // the to-do seeds already hold it
        QTest::newRow("quotes") << "My \"VIP\"" << false;
        QTest::newRow("only a quote") << "\"" << false;
        QTest::newRow("statement") << "x\"; DROP TABLE CRcat80; --" << false;
        QTest::newRow("apostrophe") << "it's" << false;
        QTest::newRow("parameter look-alike") << ":id" << false;
        QTest::newRow("accents") << "Ça va, Jürgen" << false;
        QTest::newRow("the empty name") << "" << true;
        QTest::newRow("a seed") << "Gifts" << true;
    }
    void namesGoInAndOutWhole()
    {
        QFETCH(QString, name);
        QFETCH(bool, seeded);
        Archive a;
        const QStringList before = groups::load(a.db, u'L');
        const QStringList otherSections = groups::load(a.db, u'C') + groups::load(a.db, u'N');

        groups::ensure(a.db, u'L', name);
        groups::ensure(a.db, u'l', name);
        const QStringList listed = groups::load(a.db, u'L');
        QCOMPARE(listed.count(name), 1);
        QCOMPARE(listed.size(), before.size() + (seeded ? 0 : 1));

        QCOMPARE(groups::removeExact(a.db, u'L', name), 1);
        QVERIFY(!groups::load(a.db, u'L').contains(name));
        QCOMPARE(groups::removeExact(a.db, u'L', name), 0);
        QCOMPARE(groups::load(a.db, u'C') + groups::load(a.db, u'N'), otherSections);
    }

    void storesTheSectionInUpperCase()
    {
        Archive a;
        groups::ensure(a.db, u'c', QStringLiteral("Golf"));
        QCOMPARE(a.rows(QStringLiteral("id = 'Golf' AND sezione = 'C'")), 1);
        QCOMPARE(a.rows(QStringLiteral("sezione NOT IN ('C', 'N', 'L')")), 0);
    }

    // "Work" is a notes seed: the same name is a separate row in each section.
    void sectionsKeepTheirOwnNames()
    {
        Archive a;
        groups::ensure(a.db, u'C', QStringLiteral("Work"));
        QCOMPARE(a.rows(QStringLiteral("id = 'Work'")), 2);
        QCOMPARE(groups::removeExact(a.db, u'C', QStringLiteral("Work")), 1);
        QVERIFY(groups::load(a.db, u'N').contains(QStringLiteral("Work")));
        QCOMPARE(groups::removeExact(a.db, u'L', QStringLiteral("Work")), 0);
        QVERIFY(groups::load(a.db, u'N').contains(QStringLiteral("Work")));
    }

    // An archive whose names compare case-blind, as some engines do: the
    // lookup finds "Work" for "work", and the delete must still spare it.
    void deletesOnlyTheExactCase_data()
    {
        QTest::addColumn<bool>("caseBlindEngine");
        QTest::newRow("case-sensitive comparison") << false;
        QTest::newRow("case-blind comparison") << true;
    }
    void deletesOnlyTheExactCase()
    {
        QFETCH(bool, caseBlindEngine);
        Archive a;
        if (caseBlindEngine) {
            store::Query q(a.db);
            q.setSql({QStringLiteral("DROP TABLE CRcat80;"),
                      QStringLiteral("CREATE TABLE CRcat80 (codcat INTEGER PRIMARY KEY,"),
                      QStringLiteral("id CHAR(255) COLLATE NOCASE, sezione CHAR(1))")});
            q.execSql();
        }
        groups::ensure(a.db, u'N', QStringLiteral("Travel"));
        groups::ensure(a.db, u'N', QStringLiteral("Work"));
        QCOMPARE(groups::removeExact(a.db, u'N', QStringLiteral("work")), 0);
        QCOMPARE(groups::removeExact(a.db, u'N', QStringLiteral("WORK")), 0);
        QCOMPARE(a.rows(QStringLiteral("id = 'Work' COLLATE BINARY AND sezione = 'N'")), 1);
        QCOMPARE(groups::removeExact(a.db, u'N', QStringLiteral("Work")), 1);
        QCOMPARE(a.rows(QStringLiteral("sezione = 'N' AND id = 'Work' COLLATE BINARY")), 0);
        QCOMPARE(groups::load(a.db, u'N').count(QStringLiteral("Travel")), 1);
    }
};

QTEST_GUILESS_MAIN(TestGroups)
#include "tst_groups.moc"

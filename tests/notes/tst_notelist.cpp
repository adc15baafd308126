#include "notes/notelist.h"
#include "notesarchive.h"

using namespace notes;

class TestNoteList final : public QObject
{
    Q_OBJECT
private slots:
    void statement_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("order");
        QTest::addColumn<bool>("descending");
        QTest::addColumn<QString>("sql");
        QTest::newRow("all, no group")
            << "ab" << int(SearchField::All) << ""
            << "id" << false
            << "SELECT * FROM CRnot80 WHERE (UPPER(id) LIKE UPPER(\"%ab%\") OR UPPER(note) LIKE "
               "UPPER(\"%ab%\"))  ORDER by id ,gruppo";
        QTest::newRow("title, group, creation desc")
            << "" << int(SearchField::Title) << "Work"
            << "codnot" << true
            << "SELECT * FROM CRnot80 WHERE (UPPER(id) LIKE UPPER(\"%%\")) AND UPPER(gruppo) LIKE "
               "UPPER(\"%Work%\") ORDER by codnot DESC,gruppo";
        QTest::newRow("text with quotes doubled")
            << "say \"hi\"" << int(SearchField::Text) << "a\"b"
            << "id" << false
            << "SELECT * FROM CRnot80 WHERE (UPPER(note) LIKE UPPER(\"%say \"\"hi\"\"%\")) AND "
               "UPPER(gruppo) LIKE UPPER(\"%a\"\"b%\") ORDER by id ,gruppo";
        QTest::newRow("all with quotes in both halves")
            << "\"" << int(SearchField::All) << ""
            << "id" << false
            << "SELECT * FROM CRnot80 WHERE (UPPER(id) LIKE UPPER(\"%\"\"%\") OR UPPER(note) LIKE "
               "UPPER(\"%\"\"%\"))  ORDER by id ,gruppo";
        QTest::newRow("[ VUOTO ]")
            << "" << int(SearchField::All) << "[ VUOTO ]"
            << "id" << false
            << "SELECT * FROM CRnot80 WHERE (UPPER(id) LIKE UPPER(\"%%\") OR UPPER(note) LIKE "
               "UPPER(\"%%\")) AND (gruppo IS NULL OR gruppo = \"\") ORDER by id ,gruppo";
        QTest::newRow("an unknown order column is not taken")
            << "" << int(SearchField::Title) << ""
            << "id; DROP TABLE CRnot80" << false
            << "SELECT * FROM CRnot80 WHERE (UPPER(id) LIKE UPPER(\"%%\"))  ORDER by id ,gruppo";
    }
    void statement()
    {
        QFETCH(QString, text);
        QFETCH(int, field);
        QFETCH(QString, group);
        QFETCH(QString, order);
        QFETCH(bool, descending);
        QTEST(noteListSql({text, SearchField(field), group, order, descending}), "sql");
    }

    void search_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("group");
        QTest::addColumn<QStringList>("titles");
        QTest::newRow("everything") << "" << int(SearchField::All) << ""
                                    << QStringList{"Alpha shop", "Beta", "Gamma", "Quote \"x\""};
        QTest::newRow("title or text, any case")
            << "SHOP" << int(SearchField::All) << "" << QStringList{"Alpha shop", "Beta"};
        QTest::newRow("title only")
            << "shop" << int(SearchField::Title) << "" << QStringList{"Alpha shop"};
        QTest::newRow("text only") << "shop" << int(SearchField::Text) << "" << QStringList{"Beta"};
        QTest::newRow("a double quote is searched, not an error")
            << "\"x\"" << int(SearchField::All) << "" << QStringList{"Quote \"x\""};
        QTest::newRow("group part, any case")
            << "" << int(SearchField::All) << "WOR" << QStringList{"Alpha shop"};
        QTest::newRow("[ VUOTO ]: null and empty group")
            << "" << int(SearchField::All) << "[ VUOTO ]" << QStringList{"Gamma", "Quote \"x\""};
        QTest::newRow("[ IS NULL ]: likewise")
            << "" << int(SearchField::All) << "[ IS NULL ]" << QStringList{"Gamma", "Quote \"x\""};
    }
    void search()
    {
        QFETCH(QString, text);
        QFETCH(int, field);
        QFETCH(QString, group);
        NotesArchive archive;
        archive.addRaw(QStringLiteral("Gamma"), QStringLiteral("nothing"), QStringLiteral(""));
        archive.addRaw(QStringLiteral("Alpha shop"), QStringLiteral("list"),
                       QStringLiteral("Work"));
        archive.addRaw(QStringLiteral("Beta"), QStringLiteral("went shopping"),
                       QStringLiteral("Home"));
        archive.addRaw(QStringLiteral("Quote \"x\""), QStringLiteral("q"));
        QTEST(archive.column(noteListSql({text, SearchField(field), group})), "titles");
    }

    void orders_data()
    {
        QTest::addColumn<QString>("order");
        QTest::addColumn<bool>("descending");
        QTest::addColumn<QStringList>("titles");
        QTest::newRow("Alphabetical ASC")
            << "id" << false << QStringList{"Apple", "Melon", "Zebra"};
        QTest::newRow("Alphabetical DESC")
            << "id" << true << QStringList{"Zebra", "Melon", "Apple"};
        QTest::newRow("Creation ASC")
            << "codnot" << false << QStringList{"Melon", "Zebra", "Apple"};
        QTest::newRow("Creation DESC: newest first")
            << "codnot" << true << QStringList{"Apple", "Zebra", "Melon"};
    }
    void orders()
    {
        QFETCH(QString, order);
        QFETCH(bool, descending);
        NotesArchive archive;
        for (const char* title : {"Melon", "Zebra", "Apple"})
            archive.addRaw(QLatin1String(title), QString(), QStringLiteral(""));
        NoteFilter filter;
        filter.orderColumn = order;
        filter.descending = descending;
        store::Query list(archive.db);
        openNoteList(list, filter);
        QStringList titles;
        for (; !list.eof(); list.next())
            titles << list.fieldByName(QStringLiteral("id")).asString();
        QTEST(titles, "titles");
    }
};

QTEST_GUILESS_MAIN(TestNoteList)
#include "tst_notelist.moc"

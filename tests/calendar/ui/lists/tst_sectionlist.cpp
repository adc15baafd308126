#include "sectionsample.h"

#include "shared/sectioncounter.h"
#include "calendar/sectionmodel.h"
#include "calendar/tasksection.h"

#include <QtTest>

using namespace calendar;

Q_DECLARE_METATYPE(calendar::SearchField)
Q_DECLARE_METATYPE(calendar::GridStyle)

namespace {

QStringList descriptions(const TaskSection& section)
{
    QStringList out;
    for (int row = 0; row < section.rowCount(); ++row)
        out << section.task(row).description;
    return out;
}

DatePatterns englishPatterns()
{
    return {QStringLiteral("dddd dd mmmm yyyy"), QStringLiteral("dd mmmm"),
            QLocale(QLocale::English, QLocale::UnitedStates)};
}

} // namespace

class TestSectionList final : public QObject
{
    Q_OBJECT
    // The sample is only read by the searches, so they share one archive.
    std::unique_ptr<ArchiveFixture> m_sample;

private slots:
    void initTestCase()
    {
        m_sample = std::make_unique<ArchiveFixture>();
        writeSectionSample(*m_sample, m_sample->locale);
    }

    void listsFindTheirRows_data()
    {
        QTest::addColumn<QChar>("kind");
        QTest::addColumn<SearchField>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("descending");
        QTest::addColumn<QDate>("from"); // period filter, one-shot only; invalid: off
        QTest::addColumn<QDate>("to");
        QTest::addColumn<int>("month");
        QTest::addColumn<QString>("weekday");
        QTest::addColumn<QStringList>("expected");

        const auto D = SearchField::Description;
        const auto N = SearchField::Note;
        const QChar O('O'), Y('Y'), M('M'), W('W');
        const QDate none;
        const QString say = "Say \"hi\" to Bob";

        QTest::newRow("one-shot newest first") << O << D << "" << true << none << none << 0 << ""
            << QStringList{"Plumber", "Dentist", say, "Renew passport"};
        QTest::newRow("one-shot oldest first") << O << D << "" << false << none << none << 0 << ""
            << QStringList{"Renew passport", say, "Dentist", "Plumber"};
        QTest::newRow("description, any letter case") << O << D << "dENT" << true << none << none << 0 << ""
            << QStringList{"Dentist"};
        QTest::newRow("underscore stays a wildcard") << O << D << "d_nt" << true << none << none << 0 << ""
            << QStringList{"Dentist"};
        QTest::newRow("percent stays a wildcard") << O << D << "re%port" << true << none << none << 0 << ""
            << QStringList{"Renew passport"};
        QTest::newRow("note, not description") << O << N << "SAY HI" << true << none << none << 0 << ""
            << QStringList{"Renew passport"};
        QTest::newRow("double quotes are searched for") << O << D << "say \"hi\"" << true << none << none << 0 << ""
            << QStringList{say};
        QTest::newRow("a lone double quote") << O << D << "\"" << true << none << none << 0 << ""
            << QStringList{say};
        QTest::newRow("period, both ends in") << O << D << "" << true << QDate(2026, 4, 1) << QDate(2026, 5, 20) << 0 << ""
            << QStringList{"Dentist", say};
        QTest::newRow("period, To before From") << O << D << "" << true << QDate(2026, 5, 20) << QDate(2026, 4, 1) << 0 << ""
            << QStringList{"Dentist", say};
        QTest::newRow("period of one day") << O << D << "" << false << QDate(2026, 5, 22) << QDate(2026, 5, 22) << 0 << ""
            << QStringList{"Plumber"};
        QTest::newRow("period and search") << O << D << "bob" << true << QDate(2026, 1, 1) << QDate(2026, 12, 31) << 0 << ""
            << QStringList{say};

        QTest::newRow("yearly by month and day") << Y << D << "" << false << none << none << 0 << ""
            << QStringList{"Anna's birthday", "Spring party", "Tax day", "Christmas"};
        QTest::newRow("yearly March, any year") << Y << D << "" << false << none << none << 3 << ""
            << QStringList{"Anna's birthday", "Spring party"};
        QTest::newRow("yearly March, descending") << Y << D << "" << true << none << none << 3 << ""
            << QStringList{"Spring party", "Anna's birthday"};
        QTest::newRow("yearly March and note") << Y << N << "cake" << false << none << none << 3 << ""
            << QStringList{"Spring party"};
        QTest::newRow("yearly month without tasks") << Y << D << "" << false << none << none << 7 << ""
            << QStringList{};

        QTest::newRow("monthly by day") << M << D << "" << false << none << none << 0 << ""
            << QStringList{"Rent", "Gas bill", "Water bill"};
        QTest::newRow("monthly descending, searched") << M << D << "BILL" << true << none << none << 0 << ""
            << QStringList{"Water bill", "Gas bill"};

        QTest::newRow("weekly from Sunday") << W << D << "" << false << none << none << 0 << ""
            << QStringList{"Brunch", "Gym", "Choir", "Market"};
        QTest::newRow("weekly Wednesday") << W << D << "" << false << none << none << 0 << "Wednesday"
            << QStringList{"Choir"};
        QTest::newRow("weekday piece, any case") << W << D << "" << false << none << none << 0 << "sUN"
            << QStringList{"Brunch"};
        QTest::newRow("weekday piece inside the name") << W << D << "" << true << none << none << 0 << "UR"
            << QStringList{"Market"};
        QTest::newRow("weekday piece and search") << W << D << "m" << false << none << none << 0 << "day"
            << QStringList{"Gym", "Market"};
    }
    void listsFindTheirRows()
    {
        QFETCH(QChar, kind);
        QFETCH(SearchField, field);
        QFETCH(QString, text);
        QFETCH(bool, descending);
        QFETCH(QDate, from);
        QFETCH(QDate, to);
        QFETCH(int, month);
        QFETCH(QString, weekday);
        QFETCH(QStringList, expected);

        TaskSection section(m_sample->db, kind, m_sample->locale);
        SectionFilter& f = section.filter();
        f.field = field;
        f.text = text;
        f.descending = descending;
        if (from.isValid())
            f.period = Period::between(from, to);
        f.month = month;
        f.weekday = weekday;
        section.refresh();
        QCOMPARE(descriptions(section), expected);
    }

    void statementsKeepTheirWording_data()
    {
        QTest::addColumn<QChar>("kind");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("one-shot with period") << QChar('O') << QStringList{
            "SELECT * FROM CRarc66 WHERE flag =\"O\" AND (UPPER(id) LIKE UPPER(\"%say \"\"hi\"\"%\")) ",
            "AND (datefull BETWEEN :a1 and :a2)",
            " ORDER BY datefull DESC,orario,orario2,id"};
        QTest::newRow("yearly in March") << QChar('Y') << QStringList{
            "SELECT * FROM CRarc66 WHERE flag =\"Y\"AND EXTRACT(MONTH FROM datefull) = 3 AND "
            "(UPPER(id) LIKE UPPER(\"%say \"\"hi\"\"%\")) ORDER BY data DESC,orario,orario2,id"};
        QTest::newRow("weekly on Mondays") << QChar('W') << QStringList{
            "SELECT * FROM CRarc66 WHERE flag =\"W\" AND UPPER(dayofweek) LIKE UPPER(\"%Monday%\") "
            "AND (UPPER(id) LIKE UPPER(\"%say \"\"hi\"\"%\")) ORDER BY dayindex "
            "DESC,dayofweek,orario,orario2,id"};
    }
    void statementsKeepTheirWording()
    {
        QFETCH(QChar, kind);
        QFETCH(QStringList, lines);
        SectionFilter f;
        f.kind = kind;
        f.text = "say \"hi\"";
        f.descending = true;
        f.period = Period::between(QDate(2026, 1, 1), QDate(2026, 2, 1));
        f.month = 3;
        f.weekday = "Monday";
        QCOMPARE(sectionListSql(f), lines);
    }

    void countersShowListedAgainstTotal()
    {
        ArchiveFixture archive;
        for (const char* d : {"Dentist", "Plumber", "Haircut"})
            archive.add("O", draftOn(QDate(2026, 5, 20), QString::fromLatin1(d)));
        archive.add("W", draftOn(QDate(2026, 5, 20), "Choir"));
        TaskSection section(archive.db, QChar('O'), archive.locale);
        section.refresh();
        auto counts = section.counters();
        QCOMPARE(counts.size(), size_t(2));
        QCOMPARE(counts[0].panelName, QString("Panel_Shot"));
        QCOMPARE(counts[0].panelCaption, QString("3   "));
        QCOMPARE(counts[0].labelText, QString("One Shot: 3"));
        QCOMPARE(counts[1].labelText, QString("Repository: 0"));

        section.filter().text = "dent";
        section.refresh();
        QCOMPARE(section.counters()[0].panelCaption, QString("1 / 3   "));

        calendar::deposit(*archive.general, Period::between(QDate(2026, 5, 1), QDate(2026, 5, 31)));
        section.filter().text.clear();
        section.refresh();
        counts = section.counters();
        QCOMPARE(counts[0].panelCaption, QString("0   "));
        QCOMPARE(counts[1].labelText, QString("Repository: 3"));
    }

    void cloneKeepsTheDoneState()
    {
        ArchiveFixture archive;
        const qint64 key = archive.add("M", draftOn(QDate(2026, 5, 20), "Rent"));
        const DoneState done{QDate(2026, 5, 20), Yes};
        archive.writer().setDone(key, done);
        TaskSection section(archive.db, QChar('M'), archive.locale);
        section.refresh();
        QVERIFY(section.clone(0));
        section.refresh();
        QCOMPARE(section.rowCount(), 2);
        const qint64 copy = section.task(0).codimp == key ? section.task(1).codimp
                                                          : section.task(0).codimp;
        QVERIFY(copy != key);
        auto row = archive.row(copy);
        QCOMPARE(row->fieldByName("fatto").asDate(), done.fatto);
        QCOMPARE(row->fieldByName("flagfatto").asString(), done.flagfatto);
        QCOMPARE(row->fieldByName("id").asString(), QString("Rent"));
        QCOMPARE(row->fieldByName("dayofmonth").asString(), QString("20"));
    }

    void birthdaysAreNotCloned_data()
    {
        QTest::addColumn<QString>("dayindex"); // empty: never linked
        QTest::addColumn<bool>("cloned");
        QTest::newRow("linked to a contact") << "7" << false;
        QTest::newRow("unlinked, kept at 0") << "0" << false;
        QTest::newRow("never linked") << "" << true;
    }
    void birthdaysAreNotCloned()
    {
        QFETCH(QString, dayindex);
        QFETCH(bool, cloned);
        ArchiveFixture archive;
        const qint64 key = archive.add("Y", draftOn(QDate(1990, 3, 12), "Birthday of Anna"));
        if (!dayindex.isEmpty()) {
            archive.general->setSql({"UPDATE CRarc66 SET dayindex = " + dayindex
                                     + " WHERE codimp = " + QString::number(key)});
            archive.general->execSql();
        }
        TaskSection section(archive.db, QChar('Y'), archive.locale);
        section.refresh();
        QCOMPARE(section.clone(0), cloned);
        section.refresh();
        QCOMPARE(section.rowCount(), cloned ? 2 : 1);
    }

    void filterItems()
    {
        const QLocale english(QLocale::English, QLocale::UnitedStates);
        QCOMPARE(weekdayFilterItems(english),
                 (QStringList{"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday",
                              "Sunday", "All"}));
        const QStringList months = monthFilterItems(english);
        QCOMPARE(months.size(), 13);
        QCOMPARE(months.first(), QString("January"));
        QCOMPARE(months.at(2), QString("March"));
        QCOMPARE(months.last(), QString("All"));
    }

    void headerPanels_data()
    {
        QTest::addColumn<QChar>("kind");
        QTest::addColumn<QString>("dayofmonth");
        QTest::addColumn<QString>("dayofweek");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("years");
        const QString b3(3, ' '), b26(26, ' ');
        QTest::newRow("one-shot") << QChar('O') << "" << "" << "Thursday 12 March 2026" + b3 << "";
        QTest::newRow("monthly") << QChar('M') << "12" << "" << "12" + b26 << "";
        QTest::newRow("weekly") << QChar('W') << "" << "Thursday" << "Thursday" + b3 << "";
        QTest::newRow("yearly, every year") << QChar('Y') << "NO" << "" << "12 March" + b3 << "";
        QTest::newRow("yearly, counting years")
            << QChar('Y') << "SI" << "" << "12 March 2026" + b3 << "0 years" + b26;
    }
    void headerPanels()
    {
        QFETCH(QChar, kind);
        QFETCH(QString, dayofmonth);
        QFETCH(QString, dayofweek);
        QFETCH(QString, date);
        QFETCH(QString, years);
        const SelectedRow row{QDate(2026, 3, 12), dayofmonth, dayofweek};
        const HeaderPanels panels =
            calendar::headerPanels(kind, row, englishPatterns(), QDate(2026, 5, 20));
        QCOMPARE(panels.date, date);
        QCOMPARE(panels.years, years);
        const HeaderPanels empty =
            calendar::headerPanels(kind, std::nullopt, englishPatterns(), QDate(2026, 5, 20));
        QVERIFY(empty.date.isEmpty() && empty.years.isEmpty());
    }

    void yearsCountFromTheFirstYear()
    {
        const SelectedRow row{QDate(1990, 5, 21), "SI", ""};
        QCOMPARE(calendar::headerPanels(QChar('Y'), row, englishPatterns(), QDate(2026, 5, 20)).years,
                 "35 years" + QString(26, ' '));
    }

    void modelCellsAndColumnWidths()
    {
        ArchiveFixture& archive = *m_sample;
        TaskSection section(archive.db, QChar('O'), archive.locale);
        SectionModel model(section);
        model.setPatterns(englishPatterns());
        model.refresh();
        QCOMPARE(model.rowCount(), 4);
        QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QString("Date"));
        QCOMPARE(model.index(0, SectionModel::Date).data().toString(),
                 QString("Friday 22 May 2026"));
        QCOMPARE(model.index(0, SectionModel::From).data().toString(), QString("09:00"));
        QCOMPARE(model.index(0, SectionModel::Presenza).data().toString(), QString());

        // One pixel per character keeps the arithmetic visible.
        const auto widths = fitColumnWidths(model, [](const QString& s) { return int(s.size()); });
        QCOMPARE(widths[SectionModel::Date], int(QString("Wednesday 31 December 2025").size()) + 10);
        QCOMPARE(widths[SectionModel::Description], int(QString("Say \"hi\" to Bob").size()) + 10);
        QCOMPARE(widths[SectionModel::From], 42);
        QCOMPARE(widths[SectionModel::To], 42);
        QCOMPARE(widths[SectionModel::Presenza], 42);

        TaskSection monthly(archive.db, QChar('M'), archive.locale);
        SectionModel monthModel(monthly);
        monthModel.refresh();
        QCOMPARE(monthModel.headerData(0, Qt::Horizontal).toString(), QString("Day"));
        QCOMPARE(fitColumnWidths(monthModel, [](const QString& s) { return int(s.size()); })[0], 50);
        // With an empty list the field names decide.
        monthly.filter().text = "nothing like this";
        monthModel.refresh();
        QCOMPARE(fitColumnWidths(monthModel, [](const QString& s) { return int(s.size()); })
                     [SectionModel::Description], 2 + 10);
    }

    void rowLook_data()
    {
        QTest::addColumn<GridStyle>("style");
        QTest::addColumn<QChar>("kind");
        QTest::addColumn<QString>("dayofweek");
        QTest::addColumn<bool>("suspended");
        QTest::addColumn<int>("recordNumber");
        QTest::addColumn<bool>("selected");
        QTest::addColumn<uint>("background");
        QTest::addColumn<uint>("text");
        const auto C = GridStyle::Colorate;
        const auto CC = GridStyle::Coloratissime;
        const auto I = GridStyle::Indicatori;
        const QChar O('O'), W('W');
        // Section colour 0x078FBC (the weekly default).
        QTest::newRow("colorate odd grey") << C << W << "" << false << 1 << false << 0xF4F4F4u << 0x111111u;
        QTest::newRow("indicatori even white") << I << W << "" << false << 2 << false << 0xFFFFFFu << 0x111111u;
        QTest::newRow("coloratissime odd 80") << CC << W << "" << false << 3 << false << 0xCDE8F1u << 0x111111u;
        QTest::newRow("coloratissime even 70") << CC << W << "" << false << 4 << false << 0xB4DDEAu << 0x111111u;
        QTest::newRow("selected takes the section") << I << W << "" << false << 2 << true << 0x078FBCu << 0x222222u;
        QTest::newRow("one-shot auto-delete") << C << O << "X" << false << 1 << false << 0xF4F4F4u << 0xFF0000u;
        QTest::newRow("one-shot daily repeat") << C << O << "T" << false << 1 << false << 0xF4F4F4u << 0x0000FFu;
        QTest::newRow("a weekday is no option") << C << W << "T" << false << 1 << false << 0xF4F4F4u << 0x111111u;
        QTest::newRow("suspended wins") << C << O << "X" << true << 1 << true << 0x078FBCu << 0x4F4F4Fu;
    }
    void rowLook()
    {
        QFETCH(GridStyle, style);
        QFETCH(QChar, kind);
        QFETCH(QString, dayofweek);
        QFETCH(bool, suspended);
        QFETCH(int, recordNumber);
        QFETCH(bool, selected);
        QFETCH(uint, background);
        QFETCH(uint, text);
        GridTheme theme;
        theme.gridText = 0x111111;
        theme.titleText = 0x222222;
        theme.style = style;
        const RowLook look = sectionRowLook(theme, GridColours{}, 0x078FBC, kind, dayofweek,
                                            suspended, recordNumber, selected);
        QCOMPARE(look.background, background);
        QCOMPARE(look.text, text);
        QVERIFY(!look.struckOut);
        QVERIFY(!look.indicator);
    }
};

QTEST_GUILESS_MAIN(TestSectionList)
#include "tst_sectionlist.moc"

// The five documents, written as plain text and compared byte for byte, so
// every line, blank and heading is checked. The plans read a real archive.
#include "../calendar/archivefixture.h"
#include "documents/producers.h"
#include "store/query.h"

#include <QTest>

using documents::ProducedDocument;
using documents::TasksDocumentOptions;

namespace {

const QDate Monday(2026, 12, 7);

QByteArray text(const ProducedDocument& doc)
{
    return documents::txtBytes(doc.lines);
}

// A result set as a list statement returns it: all columns as text.
store::ResultSet rowsOf(const QStringList& names, const QList<QStringList>& rows)
{
    store::ResultSet set;
    set.reset(names, std::vector<store::ResultSet::ColumnKind>(
                         size_t(names.size()), store::ResultSet::ColumnKind::Plain));
    for (const QStringList& row : rows) {
        for (const QString& value : row) {
            if (value.isNull()) {
                set.appendNull();
            } else {
                const QByteArray utf8 = value.toUtf8();
                set.appendText(utf8.constData(), int(utf8.size()));
            }
        }
    }
    return set;
}

} // namespace

class TestProducers final : public QObject
{
    Q_OBJECT

    ArchiveFixture m_archive;
    calendar::DatePatterns m_patterns{QStringLiteral("dddd d mmmm yyyy"), QStringLiteral("d mmmm"),
                                      QLocale(QLocale::English, QLocale::UnitedStates)};

private slots:
    void initTestCase()
    {
        calendar::TaskDraft dentist = draftOn(Monday.addDays(1), QStringLiteral("Dentist"));
        dentist.from = QStringLiteral("09:30");
        dentist.to = QStringLiteral("10:00");
        dentist.note = QStringLiteral("bring card\r\nfloor 2");
        m_archive.add(QStringLiteral("O"), dentist);
        const qint64 gym =
            m_archive.add(QStringLiteral("W"), draftOn(Monday, QStringLiteral("Gym")));
        // Done for the first Monday: gone from it, back on the next.
        m_archive.writer().setDone(gym, {Monday, QStringLiteral("Y")});
        calendar::TaskDraft resting = draftOn(Monday.addDays(2), QStringLiteral("Resting"));
        resting.suspended = true;
        m_archive.add(QStringLiteral("O"), resting);
    }

    void tasksOfARange_data()
    {
        QTest::addColumn<QDate>("to");
        QTest::addColumn<QString>("flags");
        QTest::addColumn<QString>("kinds");
        QTest::addColumn<QByteArray>("expected");

        const QByteArray dentist = "\r\nTuesday 8 December 2026\r\n09:30 - 10:00   Dentist\r\n";
        const QByteArray gym = "\r\nMonday 14 December 2026\r\n__:__ - __:__   Gym\r\n";
        QTest::newRow("notes, done left out until its day")
            << Monday.addDays(7) << "N"
            << "OYMW"
            << "TASKS FROM 7-12-2026 TO 14-12-2026\r\n\r\n" + dentist +
                   "bring card\r\nfloor 2\r\n" + gym;
        QTest::newRow("weekly only") << Monday.addDays(7) << ""
                                     << "W"
                                     << "TASKS FROM 7-12-2026 TO 14-12-2026\r\n\r\n" + gym;
        QTest::newRow("checked") << Monday << "C"
                                 << "OYMW"
                                 << QByteArray(
                                        "DAILY PLAN 7-12-2026\r\n\r\n\r\nMonday 7 December 2026\r\n"
                                        "__:__ - __:__   Gym\r\n");
        QTest::newRow("free days")
            << Monday.addDays(2) << "F"
            << "OYMW"
            << "TASKS FROM 7-12-2026 TO 9-12-2026\r\n\r\n\r\nMonday 7 December 2026\r\n" + dentist +
                   "\r\nWednesday 9 December 2026\r\n";
        QTest::newRow("suspended")
            << Monday.addDays(2) << "S"
            << "O"
            << "TASKS FROM 7-12-2026 TO 9-12-2026\r\n\r\n" + dentist +
                   "\r\nWednesday 9 December 2026\r\n__:__ - __:__   Resting\r\n";
        QTest::newRow("start after end: the start day alone")
            << Monday.addDays(-3) << "F"
            << "OYMW"
            << QByteArray(
                   "TASKS FROM 7-12-2026 TO 4-12-2026\r\n\r\n\r\nMonday 7 December 2026\r\n");
    }

    void tasksOfARange()
    {
        QFETCH(QDate, to);
        QFETCH(QString, flags);
        QFETCH(QString, kinds);
        QFETCH(QByteArray, expected);

        TasksDocumentOptions options;
        options.from = Monday;
        options.to = to;
        options.notes = flags.contains(u'N');
        options.checked = flags.contains(u'C');
        options.freeDays = flags.contains(u'F');
        options.suspended = flags.contains(u'S');
        options.kinds = kinds;
        const ProducedDocument doc = documents::tasksDocument(m_archive.db, options, m_patterns);
        QCOMPARE(text(doc), expected);
        QCOMPARE(doc.lines.front().alignment, documents::Alignment::Centre);
        QCOMPARE(doc.lines.front().style, documents::LineStyle::Bold);
    }

    void theTitleIsTheFileName()
    {
        TasksDocumentOptions options;
        options.from = options.to = Monday;
        QCOMPARE(documents::tasksDocument(m_archive.db, options, m_patterns).fileName,
                 QStringLiteral("Daily Plan 7-12-2026"));
    }

    void weekOfTheShownDay()
    {
        std::array<bool, 7> days{true, false, true, false, false, false, false};
        const ProducedDocument doc =
            documents::weekDocument(m_archive.db, Monday.addDays(2), days, true, m_patterns.locale);
        QCOMPARE(doc.fileName, QStringLiteral("Weekly tasks"));
        QCOMPARE(text(doc), QByteArray("WEEKLY TASKS\r\n"
                                       "MONDAY, 7 DECEMBER 2026 - SUNDAY, 13 DECEMBER 2026\r\n"
                                       "\r\n\r\n"
                                       "Monday\r\n__:__ - __:__   Gym\r\n\r\n"
                                       "Wednesday\r\n\r\n"));
    }

    void sectionRows()
    {
        const QStringList names{"datefull", "dayofweek", "orario",    "orario2",
                                "id",       "note",      "flagfatto", "sospeso"};
        const store::ResultSet rows =
            rowsOf(names, {{"", "Monday", "08:00", "09:00", "Gym", "shoes", "N", "N"},
                           {"", "Friday", "  :  ", "  :  ", "Done", "", "Y", "N"},
                           {"", "Sunday", "  :  ", "  :  ", "Paused", "", "N", "Y"}});
        documents::SectionDocumentOptions options;
        options.notes = true;
        const ProducedDocument doc = documents::sectionDocument(rows, u'W', options, m_patterns);
        QCOMPARE(doc.fileName, QStringLiteral("Weekly"));
        QCOMPARE(text(doc), QByteArray("WEEKLY\r\n\r\nMonday: 08:00 - 09:00   Gym\r\nshoes\r\n"));
        options.checked = options.suspended = true;
        QCOMPARE(documents::sectionDocument(rows, u'W', options, m_patterns).lines.size(), 6u);
    }

    void contactsUnderLetterHeadings()
    {
        const QStringList names{"ragsoc", "company", "tel", "indirizzo", "gruppo"};
        const store::ResultSet rows =
            rowsOf(names, {{"anna", "Acme", "", "1 Main St\r\nTown", "Friends/Work"},
                           {"Alba", "", "555", "", ""},
                           {"Bruno", "", "", "", ""},
                           {"Aldo", "", "", "", ""}});
        const QLocale english(QLocale::English, QLocale::UnitedStates);
        documents::ContactFields none;
        const QByteArray title = "ADDRESS BOOK FRIENDS/WORK UPDATED AT 9 DECEMBER 2026\r\n\r\n\r\n";
        ProducedDocument doc = documents::contactsDocument(rows, QStringLiteral("Friends/Work"),
                                                           none, Monday.addDays(2), english);
        QCOMPARE(text(doc), title + "\r\nA\r\nanna\r\nAlba\r\n\r\nB\r\nBruno\r\n\r\nA\r\nAldo\r\n");

        documents::ContactFields some;
        some.company = some.phone = some.address = true;
        doc = documents::contactsDocument(rows, QString(), some, Monday.addDays(2), english);
        QCOMPARE(doc.fileName, QStringLiteral("Contacts"));
        QCOMPARE(doc.lines.at(5).text,
                 QStringLiteral("anna - Company: Acme - Address: 1 Main St Town "));
        QCOMPARE(doc.lines.at(6).text, QStringLiteral("Alba - Phone: 555"));
    }

    void toDoEntries()
    {
        const QStringList names{"id", "priority", "percento", "note", "flag"};
        const store::ResultSet rows = rowsOf(
            names, {{"Buy", "5", "100", "", "Yes"}, {"Call", "12", "0", "at 5\nsharp", "No"}});
        const QLocale english(QLocale::English, QLocale::UnitedStates);
        documents::ToDoDocumentOptions options;
        options.percentage = options.checked = options.notes = true;
        ProducedDocument doc = documents::toDoDocument(rows, options, Monday.addDays(2), english);
        QCOMPARE(doc.fileName, QStringLiteral("To-Do list updated at 9-12-2026"));
        QCOMPARE(text(doc), QByteArray("TO-DO LIST UPDATED AT 9 DECEMBER 2026\r\n\r\n"
                                       "[ X ]  Buy - Done: 100%\r\n"
                                       "[   ]  Call - Done: 0% - Note: at 5 sharp \r\n"));
        options = {};
        options.priority = true;
        doc = documents::toDoDocument(rows, options, Monday.addDays(2), english);
        QCOMPARE(doc.lines.size(), 3u);
        QCOMPARE(doc.lines.back().text, QStringLiteral("[   ]  Call - Priority: 12"));
    }

    void aProposedNameNeverNamesAFolder_data()
    {
        QTest::addColumn<QString>("proposed");
        QTest::addColumn<QString>("name");
        QTest::newRow("slash") << "Friends/Work"
                               << "Friends-Work";
        QTest::newRow("backslash and colon") << "a\\b:c"
                                             << "a-b-c";
        QTest::newRow("dots") << ".."
                              << "--";
        QTest::newRow("plain") << "To-Do list updated at 9-12-2026"
                               << "To-Do list updated at 9-12-2026";
    }

    void aProposedNameNeverNamesAFolder()
    {
        QFETCH(QString, proposed);
        QFETCH(QString, name);
        QCOMPARE(documents::fileNameOf(proposed), name);
    }

    void documentTimes_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("full stop") << "  .  "
                                   << "__.__";
        QTest::newRow("colon") << "  :  "
                               << "__:__";
        QTest::newRow("time") << "09:30"
                              << "09:30";
    }

    void documentTimes()
    {
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        QCOMPARE(documents::documentTimeText(stored), shown);
    }
};

QTEST_GUILESS_MAIN(TestProducers)
#include "tst_producers.moc"

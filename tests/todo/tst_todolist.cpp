// The to-do list against a real archive: searches, the state filter and the
// group filter with quotes in the texts, every entry of the Order menu, the
// writes of the dialogs, Check and Clone, and the rules that keep the Done
// box and the completion bar in step.
#include "store/database.h"
#include "store/query.h"
#include "store/schema.h"
#include "todo/todolist.h"
#include "todo/todorecord.h"

#include <QTemporaryDir>
#include <QtTest>
#include <optional>

using todo::Order;
using todo::SearchField;
using todo::StateFilter;
using todo::ToDoFilter;

Q_DECLARE_METATYPE(SearchField)
Q_DECLARE_METATYPE(StateFilter)
Q_DECLARE_METATYPE(Order)

namespace {

struct Row
{
    const char* id;
    const char* note;
    double priority;
    const char* flag;
    double percento;
    std::optional<QString> gruppo; // nullopt: a null cell
};

// In creation order.
const Row Rows[] = {
    {"Paint the fence", "white, two coats", 5, "No", 50, "Home"},
    {"Call \"Big\" Joe", "about the \"deal\"", 12, "Yes", 100, "Work \"A\""},
    {"buy milk", "", 5, "No", 0, ""},
    {"Archive 2025", "line one\r\nline two", 1, "Yes", 100, std::nullopt},
    {"Zebra crossing", "50% off", 99, "No", 30, "[ IS NULL ] club"},
};

} // namespace

class TestToDoList : public QObject
{
    Q_OBJECT

    QTemporaryDir m_folder;
    store::Database m_db;

    QStringList listed(const ToDoFilter& filter)
    {
        store::Query list(m_db);
        todo::openToDoList(list, filter);
        QStringList ids;
        for (list.first(); !list.eof(); list.next())
            ids << list.fieldByName("id").asString();
        return ids;
    }

    todo::ToDoEntry entry(qint64 codtod)
    {
        store::Query q(m_db);
        q.setSql({"SELECT * FROM CRtod63 WHERE codtod = " + QString::number(codtod)});
        q.open();
        return todo::entryAt(q.rows(), 0);
    }

private slots:
    void initTestCase()
    {
        m_db.create(m_folder.filePath(QStringLiteral("coarc.abs")));
        store::Query general(m_db), settings(m_db);
        store::ArchiveEnvironment env;
        env.archiveFolder = env.programFolder = m_folder.path();
        store::ArchiveBuilder(m_db, general, settings, env).build();

        store::Query insert(m_db);
        insert.setSql({"INSERT INTO CRtod63 (id, note, priority, flag, percento, gruppo) "
                       "VALUES (:id, :note, :priority, :flag, :percento, :gruppo)"});
        for (const Row& r : Rows) {
            insert.setText("id", QString::fromUtf8(r.id));
            insert.setText("note", QString::fromUtf8(r.note));
            insert.setFloat("priority", r.priority);
            insert.setText("flag", QString::fromUtf8(r.flag));
            insert.setFloat("percento", r.percento);
            if (r.gruppo)
                insert.setText("gruppo", *r.gruppo);
            else
                insert.setNull("gruppo");
            insert.execSql();
        }
    }

    void listStatementAsWritten()
    {
        ToDoFilter filter;
        filter.text = "say \"hi\"";
        filter.state = StateFilter::Checked;
        filter.group = "a\"b";
        QCOMPARE(todo::toDoListSql(filter),
                 "SELECT * FROM CRtod63 WHERE (UPPER(id) LIKE UPPER(\"%say \"\"hi\"\"%\")) and "
                 "flag =\"Yes\" AND UPPER(gruppo) LIKE UPPER(\"%a\"\"b%\") "
                 " ORDER BY Priority DESC, id");
    }

    void searches_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<SearchField>("field");
        QTest::addColumn<StateFilter>("state");
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("expected");

        const auto D = SearchField::Description;
        const auto N = SearchField::Note;
        const auto All = StateFilter::All;
        QTest::newRow("everything, initial order")
            << "" << D << All << ""
            << "Zebra crossing|Call \"Big\" Joe|Paint the fence|buy milk|Archive 2025";
        QTest::newRow("description, case-blind") << "PAINT" << D << All << ""
                                                 << "Paint the fence";
        QTest::newRow("note") << "two" << N << All << ""
                              << "Paint the fence|Archive 2025";
        QTest::newRow("quote in the text") << "\"Big\"" << D << All << ""
                                           << "Call \"Big\" Joe";
        QTest::newRow("quote in the note") << "the \"deal\"" << N << All << ""
                                           << "Call \"Big\" Joe";
        QTest::newRow("a lone quote") << "\"" << D << All << ""
                                      << "Call \"Big\" Joe";
        QTest::newRow("percent is a wildcard") << "50%" << N << All << ""
                                               << "Zebra crossing";
        QTest::newRow("checked") << "" << D << StateFilter::Checked << ""
                                 << "Call \"Big\" Joe|Archive 2025";
        QTest::newRow("unchecked") << "" << D << StateFilter::Unchecked << ""
                                   << "Zebra crossing|Paint the fence|buy milk";
        QTest::newRow("text and state together") << "a" << D << StateFilter::Checked << ""
                                                 << "Call \"Big\" Joe|Archive 2025";
        QTest::newRow("text and open state") << "i" << D << StateFilter::Unchecked << ""
                                             << "Zebra crossing|Paint the fence|buy milk";
        QTest::newRow("group piece") << "" << D << All << "hom"
                                     << "Paint the fence";
        QTest::newRow("group with quotes") << "" << D << All << "work \"a\""
                                           << "Call \"Big\" Joe";
        QTest::newRow("group and state") << "" << D << StateFilter::Unchecked << "work"
                                         << "";
        QTest::newRow("without group, empty or null, and the literal name")
            << "" << D << All << "[ IS NULL ]"
            << "Zebra crossing|buy milk|Archive 2025";
        QTest::newRow("without group, open only")
            << "" << D << StateFilter::Unchecked << "[ IS NULL ]"
            << "Zebra crossing|buy milk";
        QTest::newRow("the other pseudo-entry is a name like any") << "" << D << All << "[ VUOTO ]"
                                                                   << "";
    }

    void searches()
    {
        QFETCH(QString, text);
        QFETCH(SearchField, field);
        QFETCH(StateFilter, state);
        QFETCH(QString, group);
        QFETCH(QString, expected);
        ToDoFilter filter;
        filter.text = text;
        filter.field = field;
        filter.state = state;
        filter.group = group;
        QCOMPARE(listed(filter).join(u'|'), expected);
    }

    void orders_data()
    {
        QTest::addColumn<Order>("order");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        const QString creation =
            "Paint the fence|Call \"Big\" Joe|buy milk|Archive 2025|Zebra crossing";
        QTest::newRow("priority asc") << Order::PriorityAsc << "Priority ASC"
                                      << " ORDER BY Priority , id"
                                      << "Archive 2025|Paint the fence|buy milk|Call \"Big\" "
                                         "Joe|Zebra crossing";
        QTest::newRow("priority desc") << Order::PriorityDesc << "Priority DESC"
                                       << " ORDER BY Priority DESC, id"
                                       << "Zebra crossing|Call \"Big\" Joe|Paint the fence|buy "
                                          "milk|Archive 2025";
        QTest::newRow("percentage asc") << Order::PercentageAsc << "Percentage ASC"
                                        << " ORDER BY Percento , id"
                                        << "buy milk|Zebra crossing|Paint the fence|Archive "
                                           "2025|Call \"Big\" Joe";
        QTest::newRow("percentage desc") << Order::PercentageDesc << "Percentage DESC"
                                         << " ORDER BY Percento DESC, id"
                                         << "Archive 2025|Call \"Big\" Joe|Paint the "
                                            "fence|Zebra crossing|buy milk";
        QTest::newRow("alphabetical asc") << Order::AlphabeticalAsc << "Alphabetical ASC"
                                          << " ORDER BY id , Priority"
                                          << "Archive 2025|Call \"Big\" Joe|Paint the "
                                             "fence|Zebra crossing|buy milk";
        QTest::newRow("alphabetical desc") << Order::AlphabeticalDesc << "Alphabetical DESC"
                                           << " ORDER BY id DESC, Priority"
                                           << "buy milk|Zebra crossing|Paint the fence|Call "
                                              "\"Big\" Joe|Archive 2025";
        QTest::newRow("creation asc") << Order::CreationAsc << "Creation ASC"
                                      << " ORDER BY codtod " << creation;
        QTest::newRow("creation desc, newest first")
            << Order::CreationDesc << "Creation DESC"
            << " ORDER BY codtod DESC"
            << "Zebra crossing|Archive 2025|buy milk|Call \"Big\" Joe|Paint the fence";
    }

    void orders()
    {
        QFETCH(Order, order);
        QFETCH(QString, caption);
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(todo::orderCaption(order), caption);
        QCOMPARE(todo::orderText(order), text);
        ToDoFilter filter;
        filter.order = order;
        QCOMPARE(listed(filter).join(u'|'), expected);
    }

    void completionRules_data()
    {
        // Steps: "bar N" moves the bar, "tick" / "untick" clicks Done.
        QTest::addColumn<int>("startPercent");
        QTest::addColumn<bool>("startDone");
        QTest::addColumn<QString>("step");
        QTest::addColumn<int>("percent");
        QTest::addColumn<bool>("done");
        QTest::newRow("bar to 100 ticks Done") << 40 << false << "bar 100" << 100 << true;
        QTest::newRow("bar to 99 unticks it") << 100 << true << "bar 99" << 99 << false;
        QTest::newRow("bar to 0") << 100 << true << "bar 0" << 0 << false;
        QTest::newRow("bar within open") << 10 << false << "bar 50" << 50 << false;
        QTest::newRow("ticking fills the bar") << 30 << false << "tick" << 100 << true;
        QTest::newRow("unticking empties the bar") << 100 << true << "untick" << 0 << false;
        QTest::newRow("unticking a done entry at 70") << 70 << true << "untick" << 0 << false;
    }

    void completionRules()
    {
        QFETCH(int, startPercent);
        QFETCH(bool, startDone);
        QFETCH(QString, step);
        QFETCH(int, percent);
        QFETCH(bool, done);
        todo::Completion c{startPercent, startDone};
        if (step.startsWith("bar "))
            c.moveBar(step.mid(4).toInt());
        else
            c.clickDone(step == "tick");
        QCOMPARE(c.percent, percent);
        QCOMPARE(c.done, done);
    }

    void check_data()
    {
        QTest::addColumn<QString>("flag");
        QTest::addColumn<double>("percento");
        QTest::addColumn<QString>("newFlag");
        QTest::addColumn<int>("newPercento");
        QTest::newRow("open becomes done") << "No" << 40.0 << "Yes" << 100;
        QTest::newRow("done opens again") << "Yes" << 100.0 << "No" << 0;
        QTest::newRow("an odd flag opens") << "" << 70.0 << "No" << 0;
    }

    void check()
    {
        QFETCH(QString, flag);
        QFETCH(double, percento);
        QFETCH(QString, newFlag);
        QFETCH(int, newPercento);
        store::Query q(m_db);
        todo::ToDoEntry e;
        e.id = "Check me";
        const qint64 key = todo::insertEntry(q, e);
        q.setSql({"UPDATE CRtod63 SET flag = :flag, percento = :p WHERE codtod = " +
                  QString::number(key)});
        q.setText("flag", flag);
        q.setFloat("p", percento);
        q.execSql();

        todo::setCompletion(q, key, todo::checked(entry(key).flag));
        const todo::ToDoEntry after = entry(key);
        QCOMPARE(after.flag, newFlag);
        QCOMPARE(after.percento, newPercento);
        todo::deleteEntry(q, key);
        QCOMPARE(entry(key).codtod, 0);
    }

    void insertUpdateAndClone()
    {
        store::Query q(m_db);
        todo::ToDoEntry e;
        e.id = todo::savedDescription("write \"it\", now");
        e.note = "n";
        e.priority = 12;
        e.done = true; // a new entry is open whatever it says
        e.percento = 70;
        e.allegato = "doc.txt";
        e.ricerca = "Anna";
        e.gruppo = "Work";
        const qint64 key = todo::insertEntry(q, e);
        todo::ToDoEntry saved = entry(key);
        QCOMPARE(saved.id, "Write \"it\", now");
        QCOMPARE(saved.flag, "No");
        QCOMPARE(saved.percento, 0);
        QCOMPARE(saved.priority, 12);
        QCOMPARE(saved.gruppo, "Work");

        saved.done = true;
        saved.percento = 100;
        saved.priority = 3;
        saved.note = "line\r\nline";
        todo::updateEntry(q, saved);
        const todo::ToDoEntry updated = entry(key);
        QCOMPARE(updated.flag, "Yes");
        QCOMPARE(updated.percento, 100);
        QCOMPARE(updated.priority, 3);
        QCOMPARE(updated.note, "line\r\nline");

        const todo::ToDoEntry clone = entry(todo::cloneEntry(q, updated));
        QVERIFY(clone.codtod != key);
        QCOMPARE(clone.flag, "Yes");
        QCOMPARE(clone.percento, 100);
        QCOMPARE(clone.gruppo, "Work");
        QCOMPARE(clone.note, updated.note);
        todo::deleteEntry(q, key);
        todo::deleteEntry(q, clone.codtod);
    }

    void wholeNumbersAndDescriptions_data()
    {
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("out");
        QTest::newRow("lower a-z") << "milk"
                                   << "Milk";
        QTest::newRow("already upper") << "Milk"
                                       << "Milk";
        QTest::newRow("accented stays") << "école"
                                        << "école";
        QTest::newRow("digit") << "2 eggs"
                               << "2 eggs";
        QTest::newRow("empty") << ""
                               << "";
    }

    void wholeNumbersAndDescriptions()
    {
        QFETCH(QString, in);
        QFETCH(QString, out);
        QCOMPARE(todo::savedDescription(in), out);
        QCOMPARE(todo::wholeNumber(12.0), "12");
        QCOMPARE(todo::wholeNumber(0.0), "0");
        QCOMPARE(todo::wholeNumber(99.6), "100");
    }
};

QTEST_GUILESS_MAIN(TestToDoList)
#include "tst_todolist.moc"

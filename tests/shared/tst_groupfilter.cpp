// The group filter of a section over a real archive: what the field offers,
// what typing, choosing, inserting, deleting and clearing do to the list, the
// questions and the remembered group, and what a restart brings back.
#include "platform/testing/scriptedprompter.h"
#include "shared/groups.h"
#include "shared/ui/groupfilter.h"
#include "store/database.h"
#include "store/query.h"
#include "store/schema.h"
#include "store/settings.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>
#include <memory>

using shared::ui::GroupFilter;
using Kind = platform::Prompter::Kind;

namespace {

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
};

// One run of the program's section: the page, its filter and a fresh read
// of the settings row, as a start would make them.
struct Run
{
    store::Settings settings;
    platform::ScriptedPrompter prompter;
    QWidget page;
    std::unique_ptr<GroupFilter> filter;
    std::unique_ptr<QSignalSpy> changes;

    Run(store::Database& db, QChar section) : settings(db)
    {
        settings.load();
        filter = std::make_unique<GroupFilter>(section, GroupFilter::buildWidgets(section, &page),
                                               db, settings, prompter);
        changes = std::make_unique<QSignalSpy>(filter.get(), &GroupFilter::filterChanged);
        filter->restore();
        page.show();
        page.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&page));
    }

    QComboBox* combo() const { return filter->widgets().combo; }

    void type(const QString& text)
    {
        combo()->setFocus();
        combo()->lineEdit()->selectAll();
        QTest::keyClick(combo()->lineEdit(), Qt::Key_Backspace);
        QTest::keyClicks(combo()->lineEdit(), text);
    }

    // Picks a name from the dropped-down list with the mouse.
    void choose(const QString& name)
    {
        const int row = combo()->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
        QVERIFY2(row >= 0, qPrintable(name));
        combo()->showPopup();
        QAbstractItemView* view = combo()->view();
        QTRY_VERIFY(view->isVisible());
        const QModelIndex index = view->model()->index(row, 0);
        view->scrollTo(index);
        const QRect item = view->visualRect(index);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                          QPoint(item.left() + 4, item.center().y()));
        QTRY_VERIFY(!view->isVisible());
    }

    void click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
};

// The remembered group of a section as the row now holds it.
QString remembered(store::Database& db, QChar section)
{
    store::Settings settings(db);
    settings.load();
    switch (section.unicode()) {
    case u'C':
        return settings.memGroupContact();
    case u'N':
        return settings.memGroupNote();
    default:
        return settings.memGroupList();
    }
}

QStringList caseBlindSorted(QStringList names)
{
    std::stable_sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    return names;
}

} // namespace

class TestGroupFilter final : public QObject
{
    Q_OBJECT
private slots:
    void theFieldOffersTheSectionsNames_data()
    {
        QTest::addColumn<QChar>("section");
        QTest::addColumn<QString>("comboName");
        QTest::addColumn<int>("maxLength");
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<QStringList>("seeds");
        QTest::newRow("contacts") << QChar(u'C') << "ComboBox_Contact_Group" << 50
                                  << QStringList{"SpeedButton_AddGroup", "SpeedButtonDelGroup",
                                                 "SpeedButtonClearGroup"}
                                  << store::contactSeedGroups();
        QTest::newRow("notes") << QChar(u'N') << "ComboBox_Note_Group" << 30
                               << QStringList{"SpeedButtonAddGroup_Note",
                                              "SpeedButtonDelGroup_Note",
                                              "SpeedButtonClearGroupNote"}
                               << store::noteSeedGroups();
        QTest::newRow("to-do") << QChar(u'L') << "ComboBox_List_Group" << 50
                               << QStringList{"SpeedButton11", "SpeedButtonDelGroup_Lista",
                                              "SpeedButtonClearGroupList"}
                               << store::todoSeedGroups();
    }
    void theFieldOffersTheSectionsNames()
    {
        QFETCH(QChar, section);
        QFETCH(QString, comboName);
        QFETCH(int, maxLength);
        QFETCH(QStringList, buttons);
        QFETCH(QStringList, seeds);
        Archive a;
        // Lower-case names sort among the others, not after them.
        for (const char* name : {"apple", "zebra", "Zoo", "ZEBRA"})
            shared::groups::ensure(a.db, section, QString::fromLatin1(name));
        Run run(a.db, section);
        const GroupFilter::Widgets& w = run.filter->widgets();

        QCOMPARE(w.combo->objectName(), comboName);
        QCOMPARE(
            QStringList({w.insert->objectName(), w.remove->objectName(), w.clear->objectName()}),
            buttons);
        QVERIFY(w.combo->isEditable());
        QCOMPARE(w.combo->insertPolicy(), QComboBox::NoInsert);
        QCOMPARE(w.combo->maxVisibleItems(), 9);
        QCOMPARE(w.combo->toolTip(), QString("Filter by group"));
        QCOMPARE(w.combo->lineEdit()->maxLength(), maxLength);
        QCOMPARE(run.filter->names(),
                 caseBlindSorted(seeds + QStringList{"apple", "zebra", "Zoo", "ZEBRA"}));
        QCOMPARE(run.filter->text(), QString());
        QVERIFY(w.remove->isEnabled());
        QVERIFY(!w.clear->isEnabled());
    }

    // Typed text filters at once; it is neither added to the list nor
    // remembered, and a restart brings back the group chosen before.
    void typedTextFiltersButIsNotKept()
    {
        Archive a;
        {
            Run run(a.db, u'C');
            run.choose("Friend");
            QCOMPARE(run.filter->text(), QString("Friend"));
            QCOMPARE(remembered(a.db, u'C'), QString("Friend"));
            const int names = run.combo()->count();

            run.changes->clear();
            run.type("Fri");
            QCOMPARE(run.changes->size(), 4); // emptied, then one letter at a time
            QCOMPARE(run.filter->text(), QString("Fri"));
            QVERIFY(run.filter->widgets().clear->isEnabled());
            QTest::keyClick(run.combo()->lineEdit(), Qt::Key_Return);
            QCOMPARE(run.combo()->count(), names);
            QVERIFY(!run.filter->names().contains("Fri"));
        }
        // Emptying the field on the way stored the empty group: typing only
        // ever keeps an empty field.
        QCOMPARE(remembered(a.db, u'C'), QString(""));
        QVERIFY(!remembered(a.db, u'C').isNull());
        {
            Run run(a.db, u'C');
            run.choose("Friend");
            run.filter->setFilterText("Fri");
        }
        Run restarted(a.db, u'C');
        QCOMPARE(restarted.filter->text(), QString("Friend"));
        QVERIFY(restarted.filter->widgets().clear->isEnabled());
        QCOMPARE(restarted.changes->size(), 1);
    }

    void aChosenGroupComesBackAfterARestart_data()
    {
        QTest::addColumn<QChar>("section");
        QTest::addColumn<QString>("name");
        QTest::newRow("contacts, quotes") << QChar(u'C') << "My \"VIP\"";
        QTest::newRow("notes, apostrophe") << QChar(u'N') << "Jo's";
        QTest::newRow("to-do, statement") << QChar(u'L') << "x\"; DROP TABLE CRset63; --";
        QTest::newRow("to-do, a seed") << QChar(u'L') << "Gifts";
    }
    void aChosenGroupComesBackAfterARestart()
    {
        QFETCH(QChar, section);
        QFETCH(QString, name);
        Archive a;
        shared::groups::ensure(a.db, section, name);
        {
            Run run(a.db, section);
            run.choose(name);
            QCOMPARE(run.filter->text(), name);
            QVERIFY(run.changes->size() >= 1);
            QVERIFY(run.filter->widgets().clear->isEnabled());
        }
        QCOMPARE(remembered(a.db, section), name);
        for (QChar other : {QChar(u'C'), QChar(u'N'), QChar(u'L')}) {
            if (other != section)
                QVERIFY(remembered(a.db, other).isNull());
        }
        Run restarted(a.db, section);
        QCOMPARE(restarted.filter->text(), name);
        QCOMPARE(restarted.changes->size(), 1);
    }

    void insertAsksAndAddsOnce_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<int>("added");
        QTest::addColumn<QString>("question");
        QTest::newRow("new name") << "Golf" << true << 1 << "Insert group \"Golf\"?";
        QTest::newRow("answered no") << "Golf" << false << 0 << "Insert group \"Golf\"?";
        QTest::newRow("quotes") << "My \"VIP\"" << true << 1 << "Insert group \"My \"VIP\"\"?";
        QTest::newRow("known name") << "Friend" << true << 0 << "Insert group \"Friend\"?";
        QTest::newRow("other case") << "friend" << true << 1 << "Insert group \"friend\"?";
        QTest::newRow("empty, seeded") << "" << true << 0 << "Insert group \"\"?";
    }
    void insertAsksAndAddsOnce()
    {
        QFETCH(QString, typed);
        QFETCH(bool, yes);
        QFETCH(int, added);
        QFETCH(QString, question);
        Archive a;
        Run run(a.db, u'C');
        const int before = run.combo()->count();
        run.filter->setFilterText(typed);
        run.changes->clear();
        run.prompter.answers.enqueue(yes);
        run.click(run.filter->widgets().insert);

        QCOMPARE(run.prompter.shown.size(), 1);
        QCOMPARE(run.prompter.shown[0].text, question);
        QCOMPARE(run.prompter.shown[0].kind, Kind::Question);
        QCOMPARE(run.prompter.shown[0].caption, QString("Corvandine Organizer"));
        QCOMPARE(run.combo()->count(), before + added);
        QCOMPARE(shared::groups::load(a.db, u'C').count(typed), yes ? 1 : 0);
        QCOMPARE(run.filter->names().count(typed), yes ? 1 : 0);
        QCOMPARE(run.filter->text(), typed);
        QCOMPARE(run.changes->size(), yes ? 1 : 0);
        // Inserting never remembers a name; only choosing it does.
        QVERIFY(remembered(a.db, u'C').isNull() || typed.isEmpty());
    }

    void deleteTakesTheExactNameAndEmptiesTheField_data()
    {
        QTest::addColumn<QChar>("section");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QString>("stays");   // a name left in the list
        QTest::addColumn<QString>("removed"); // empty: nothing removed
        QTest::newRow("contacts") << QChar(u'C') << "Friend" << true << "Client"
                                  << "Friend";
        QTest::newRow("other case") << QChar(u'C') << "friend" << true << "Friend" << QString();
        QTest::newRow("answered no") << QChar(u'C') << "Friend" << false << "Friend" << QString();
        QTest::newRow("notes") << QChar(u'N') << "Work" << true << "Ideas"
                               << "Work";
        QTest::newRow("to-do, quotes") << QChar(u'L') << "My \"VIP\"" << true << "Gifts"
                                       << "My \"VIP\"";
        QTest::newRow("unknown name") << QChar(u'L') << "Nothing" << true << "Gifts" << QString();
    }
    void deleteTakesTheExactNameAndEmptiesTheField()
    {
        QFETCH(QChar, section);
        QFETCH(QString, typed);
        QFETCH(bool, yes);
        QFETCH(QString, stays);
        QFETCH(QString, removed);
        Archive a;
        shared::groups::ensure(a.db, u'L', "My \"VIP\"");
        // The same name in another section is not touched.
        shared::groups::ensure(a.db, section == u'C' ? u'N' : u'C', typed);
        const QStringList others = shared::groups::load(a.db, section == u'C' ? u'N' : u'C');
        Run run(a.db, section);
        const int before = run.combo()->count();
        run.filter->setFilterText(typed);
        run.changes->clear();
        run.prompter.answers.enqueue(yes);
        run.click(run.filter->widgets().remove);

        QCOMPARE(run.prompter.shownTexts(),
                 QStringList{QStringLiteral("Delete group \"") + typed + QStringLiteral("\"?")});
        QCOMPARE(run.prompter.shown[0].kind, Kind::Question);
        QVERIFY(run.filter->names().contains(stays));
        QCOMPARE(run.combo()->count(), before - (removed.isEmpty() ? 0 : 1));
        if (!removed.isEmpty())
            QVERIFY(!shared::groups::load(a.db, section).contains(removed));
        QCOMPARE(shared::groups::load(a.db, section == u'C' ? u'N' : u'C'), others);
        QCOMPARE(run.filter->text(), yes ? QString() : typed);
        QCOMPARE(run.changes->size(), yes ? 1 : 0);
        QCOMPARE(remembered(a.db, section), yes ? QString("") : QString());
        QCOMPARE(remembered(a.db, section).isNull(), !yes);
    }

    void deleteIsOffOnceTheSectionHasNoGroups()
    {
        Archive a;
        Run run(a.db, u'L');
        QAbstractButton* remove = run.filter->widgets().remove;
        while (run.combo()->count() > 0) {
            QVERIFY(remove->isEnabled());
            run.filter->setFilterText(run.combo()->itemText(0));
            run.prompter.answers.enqueue(true);
            run.click(remove);
        }
        QVERIFY(!remove->isEnabled());
        QVERIFY(shared::groups::load(a.db, u'L').isEmpty());
        run.filter->setFilterText("Golf");
        run.prompter.answers.enqueue(true);
        run.click(run.filter->widgets().insert);
        QVERIFY(remove->isEnabled());
        QCOMPARE(run.filter->names(), QStringList{"Golf"});
    }

    void clearEmptiesAndRemembersTheEmptyGroup()
    {
        Archive a;
        Run run(a.db, u'N');
        run.choose("Ideas");
        QAbstractButton* clear = run.filter->widgets().clear;
        QVERIFY(clear->isEnabled());
        run.changes->clear();
        run.click(clear);
        QCOMPARE(run.filter->text(), QString());
        QVERIFY(!clear->isEnabled());
        QCOMPARE(run.changes->size(), 1);
        QCOMPARE(remembered(a.db, u'N'), QString(""));
        QVERIFY(!remembered(a.db, u'N').isNull());
        QVERIFY(run.prompter.shown.isEmpty());
    }

    // A section settles its pending work before any action or field change,
    // and before the question of that action.
    void pendingWorkIsSettledFirst_data()
    {
        QTest::addColumn<QString>("action");
        QTest::newRow("insert") << "insert";
        QTest::newRow("delete") << "delete";
        QTest::newRow("clear") << "clear";
        QTest::newRow("typing") << "typing";
    }
    void pendingWorkIsSettledFirst()
    {
        QFETCH(QString, action);
        Archive a;
        Run run(a.db, u'N');
        run.filter->setFilterText("Ideas");
        QStringList log;
        run.filter->setBeforeAction([&] { log << "settle"; });
        connect(run.filter.get(), &GroupFilter::filterChanged, this, [&] { log << "filter"; });
        run.prompter.answers.enqueue(true);
        const GroupFilter::Widgets& w = run.filter->widgets();
        if (action == "insert")
            run.click(w.insert);
        else if (action == "delete")
            run.click(w.remove);
        else if (action == "clear")
            run.click(w.clear);
        else
            QTest::keyClick(run.combo()->lineEdit(), Qt::Key_S);
        QCOMPARE(log, QStringList({"settle", "filter"}));
        QCOMPARE(run.prompter.shown.size(), action == "insert" || action == "delete" ? 1 : 0);
    }

    void thePseudoEntryFilters()
    {
        Archive a;
        Run run(a.db, u'C');
        run.changes->clear();
        run.filter->setFilterText(GroupFilter::isNullEntry());
        QCOMPARE(run.filter->text(), QString("[ IS NULL ]"));
        QCOMPARE(run.changes->size(), 1);
        QVERIFY(run.filter->widgets().clear->isEnabled());
        QVERIFY(GroupFilter::isPseudoEntry(run.filter->text()));
        QVERIFY(GroupFilter::isPseudoEntry("[ VUOTO ]"));
        QVERIFY(!GroupFilter::isPseudoEntry("[ is null ]"));
        QVERIFY(remembered(a.db, u'C').isNull());
    }

    void readOnlyHidesAndRefusesInsertAndDelete()
    {
        Archive a;
        Run run(a.db, u'C');
        run.filter->setReadOnly(true);
        const GroupFilter::Widgets& w = run.filter->widgets();
        QVERIFY(!w.insert->isVisible());
        QVERIFY(!w.remove->isVisible());
        const QStringList before = shared::groups::load(a.db, u'C');
        run.filter->setFilterText("Friend");
        run.prompter.answers << true << true;
        run.filter->insertGroup();
        run.filter->deleteGroup();
        QVERIFY(run.prompter.shown.isEmpty());
        QCOMPARE(shared::groups::load(a.db, u'C'), before);
        run.filter->setReadOnly(false);
        QVERIFY(w.insert->isVisible());
        QVERIFY(w.remove->isVisible());
    }
};

QTEST_MAIN(TestGroupFilter)
#include "tst_groupfilter.moc"

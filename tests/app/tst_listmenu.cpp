// The context menu of the window's lists and panels, on the real window.
#include "app/mainwindow.h"
#include "calendar/dailymodel.h"
#include "calendar/sectionmodel.h"
#include "calendar/ui/lists/tasklisttab.h"
#include "calendar/ui/today/todayview.h"
#include "mainwindowrig.h"
#include "notes/ui/notestab.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTabWidget>
#include <QTimer>

using app::TMainForm;

namespace {

// The entry reached through the captions of `path`, submenus first.
QAction* entry(QMenu* menu, const QStringList& path)
{
    QAction* found = nullptr;
    for (const QString& caption : path) {
        found = nullptr;
        for (QAction* action : menu->actions())
            if (action->text() == caption)
                found = action;
        if (!found)
            return nullptr;
        if (found->menu())
            menu = found->menu();
    }
    return found;
}

// A right click over `target` (a list's viewport when it is one).
void rightClick(QWidget* target)
{
    if (auto* area = qobject_cast<QAbstractScrollArea*>(target))
        target = area->viewport();
    const QPoint pos(12, 12);
    QContextMenuEvent event(QContextMenuEvent::Mouse, pos, target->mapToGlobal(pos));
    QApplication::sendEvent(target, &event);
}

} // namespace

class TestListMenu final : public QObject
{
    Q_OBJECT
    std::unique_ptr<MainWindowRig> r;

    // A started window whose archive holds a note per title.
    TMainForm& withNotes(const QStringList& titles)
    {
        QStringList sql{QStringLiteral("UPDATE CRset63 SET minimized = \"N\"")};
        for (const QString& title : titles)
            sql << QStringLiteral("INSERT INTO CRnot80 (id,note,gruppo) values (\"%1\", "
                                  "\"text\", \"\")")
                       .arg(title);
        r->preset(sql);
        TMainForm& w = r->make();
        [&] { QVERIFY(!w.formCreate({})); }();
        [&] { QTRY_VERIFY(w.isVisible()); }();
        return w;
    }

    // What a menu entry opens, seen from inside its modal loop.
    QString openedBy(TMainForm& w, int tab, const QString& over, const QStringList& path)
    {
        QString opened;
        QTimer::singleShot(0, this, [&opened] {
            QWidget* modal = QApplication::activeModalWidget();
            opened = modal ? modal->objectName() : QStringLiteral("nothing");
            if (modal)
                modal->close();
        });
        QMenu* menu = openOver(w, tab, over);
        if (!menu)
            return QStringLiteral("no menu");
        entry(menu, path)->trigger();
        menu->close();
        [&] { QTRY_VERIFY(!opened.isEmpty()); }();
        return opened;
    }

    QMenu* openOver(TMainForm& w, int tab, const QString& widget)
    {
        w.pageControl()->setCurrentIndex(tab);
        auto* menu = w.findChild<QMenu*>(QStringLiteral("PopupMenuTabelle"));
        QWidget* target = w.findChild<QWidget*>(widget);
        if (!menu || !target || !target->isVisible())
            return nullptr;
        rightClick(target);
        return menu->isVisible() ? menu : nullptr;
    }

private slots:
    void init() { r = std::make_unique<MainWindowRig>(); }
    void cleanup() { r.reset(); }

    void enableRules_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("over");
        QTest::addColumn<bool>("task");
        QTest::addColumn<bool>("locked");
        QTest::addColumn<QStringList>("enabled");
        const QStringList all{"Insert", "Delete", "Modify", "Print"};
        QTest::newRow("One Shot list")
            << int(TMainForm::Shot) << "DBGrid_Shot" << true << false << all;
        QTest::newRow("empty list")
            << int(TMainForm::Shot) << "DBGrid_Shot" << false << false << QStringList{"Insert"};
        QTest::newRow("Yearly search panel")
            << int(TMainForm::Year) << "Panel_year" << false << false << QStringList{"Insert"};
        QTest::newRow("daily view")
            << int(TMainForm::Today) << "DBGrid_Today" << true << false << all;
        QTest::newRow("title bar over Options")
            << int(TMainForm::Setup) << "PanelTitolo" << true << false << QStringList{"Insert"};
        QTest::newRow("title bar over Contacts")
            << int(TMainForm::Contacts) << "PanelTitolo" << true << false << QStringList{"Insert"};
        QTest::newRow("locked") << int(TMainForm::Shot) << "DBGrid_Shot" << true << true
                                << QStringList{};
    }

    // Insert always; Delete, Modify and Print as the section's delete
    // button; nothing but Insert while locked.
    void enableRules()
    {
        QFETCH(int, tab);
        QFETCH(QString, over);
        QFETCH(bool, task);
        QFETCH(bool, locked);
        QFETCH(QStringList, enabled);
        TMainForm& w =
            task ? r->shown(QStringLiteral("minimized = \"N\""), QStringLiteral("Dentist"))
                 : r->shown();
        r->state.programLocked = locked;
        QMenu* menu = openOver(w, tab, over);
        QVERIFY(menu);
        for (const char* caption : {"Insert", "Delete", "Modify", "Print"})
            QVERIFY2(entry(menu, {QLatin1String(caption)})->isEnabled() ==
                         enabled.contains(QLatin1String(caption)),
                     caption);
        for (const char* kind : {"One Shot", "Yearly", "Monthly", "Weekly"})
            QVERIFY(entry(menu, {"Insert", "Task", QLatin1String(kind)})->isEnabled());
        for (const char* other : {"Contact", "Note", "To do"})
            QVERIFY2(entry(menu, {"Insert", QLatin1String(other)})->isEnabled(), other);
        QVERIFY(entry(menu, {"Print", "Preview"})->isEnabled());
        menu->close();
    }

    void entriesDoWhatTheButtonsDo_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("over");
        QTest::newRow("One Shot list") << int(TMainForm::Shot) << "DBGrid_Shot";
        QTest::newRow("daily view") << int(TMainForm::Today) << "DBGrid_Today";
    }

    void entriesDoWhatTheButtonsDo()
    {
        QFETCH(int, tab);
        QFETCH(QString, over);
        TMainForm& w = r->shown(QStringLiteral("minimized = \"N\""), QStringLiteral("Dentist"));
        const auto openedBy = [&](const QStringList& path) {
            QString opened;
            QTimer::singleShot(0, this, [&opened] {
                QWidget* modal = QApplication::activeModalWidget();
                opened = modal ? modal->objectName() : QStringLiteral("nothing");
                if (modal)
                    modal->close();
            });
            QMenu* menu = openOver(w, tab, over);
            if (!menu)
                return QStringLiteral("no menu");
            entry(menu, path)->trigger();
            menu->close();
            [&] { QTRY_VERIFY(!opened.isEmpty()); }();
            return opened;
        };
        QCOMPARE(openedBy({"Modify"}), QStringLiteral("ModShotForm"));
        QCOMPARE(openedBy({"Insert", "Task", "Monthly"}), QStringLiteral("AggMeseForm"));
        QCOMPARE(openedBy({"Insert", "To do"}), QStringLiteral("AggToDoForm"));
        QCOMPARE(openedBy({"Insert", "Note"}), QStringLiteral("TAggNoteForm"));

        // Delete asks the delete question of the section, and deletes on Yes.
        r->prompter.answers.enqueue(true);
        QMenu* menu = openOver(w, tab, over);
        QVERIFY(menu);
        entry(menu, {"Delete"})->trigger();
        menu->close();
        QCOMPARE(r->prompter.shown.size(), 1);
        QVERIFY(r->prompter.shown.first().text.contains(QLatin1String("Dentist")));
        QTRY_COMPARE(w.taskList(TMainForm::Shot)->model().rowCount(), 0);
        w.pageControl()->setCurrentIndex(TMainForm::Today);
        QCOMPARE(w.today()->model().rowCount(), 0);
    }

    // Over the notes list Delete, Modify and Print follow the Notes tab's
    // own buttons, and the note has no preview; the menu opens where the
    // mouse is.
    void notesList_data()
    {
        QTest::addColumn<QStringList>("notes");
        QTest::addColumn<QStringList>("enabled");
        QTest::newRow("a note") << QStringList{"Diary"}
                                << QStringList{"Insert", "Delete", "Modify", "Print"};
        QTest::newRow("no notes") << QStringList{} << QStringList{"Insert"};
    }
    void notesList()
    {
        QFETCH(QStringList, notes);
        QFETCH(QStringList, enabled);
        TMainForm& w = withNotes(notes);
        QMenu* menu = openOver(w, TMainForm::Notes, QStringLiteral("DBGrid_Note"));
        QVERIFY(menu);
        const QWidget* grid =
            w.findChild<QAbstractScrollArea*>(QStringLiteral("DBGrid_Note"))->viewport();
        QCOMPARE(menu->pos(), grid->mapToGlobal(QPoint(12, 12)));
        for (const char* caption : {"Insert", "Delete", "Modify", "Print"})
            QVERIFY2(entry(menu, {QLatin1String(caption)})->isEnabled() ==
                         enabled.contains(QLatin1String(caption)),
                     caption);
        QVERIFY(entry(menu, {"Insert", "Note"})->isEnabled());
        QVERIFY(!entry(menu, {"Print", "Preview"})->isEnabled());
        menu->close();
    }

    void notesEntriesDoWhatTheButtonsDo()
    {
        TMainForm& w = withNotes({QStringLiteral("Diary")});
        const QString grid = QStringLiteral("DBGrid_Note");
        QCOMPARE(openedBy(w, TMainForm::Notes, grid, {"Modify"}), QStringLiteral("TModNoteForm"));
        QCOMPARE(openedBy(w, TMainForm::Notes, grid, {"Insert", "Note"}),
                 QStringLiteral("TAggNoteForm"));
        QCOMPARE(openedBy(w, TMainForm::Notes, grid, {"Insert", "Task", "Weekly"}),
                 QStringLiteral("AggWeekForm"));

        r->prompter.answers.enqueue(true);
        QMenu* menu = openOver(w, TMainForm::Notes, grid);
        QVERIFY(menu);
        entry(menu, {"Delete"})->trigger();
        menu->close();
        QCOMPARE(r->prompter.shown.size(), 1);
        QVERIFY(r->prompter.shown.first().text.contains(QLatin1String("Diary")));
        QTRY_COMPARE(w.notesTab()->list().recordCount(), 0);
    }

    // The menu sits under the list it was opened over.
    void opensAtTheMouse()
    {
        TMainForm& w = r->shown();
        QMenu* menu = openOver(w, TMainForm::Week, QStringLiteral("DBGrid_Week"));
        QVERIFY(menu);
        const QWidget* grid =
            w.findChild<QAbstractScrollArea*>(QStringLiteral("DBGrid_Week"))->viewport();
        QCOMPARE(menu->pos(), grid->mapToGlobal(QPoint(12, 12)));
        menu->close();
    }
};

QTEST_MAIN(TestListMenu)
#include "tst_listmenu.moc"

// The To Do tab and its dialogs on a real archive: what the grid shows, the
// state and group filters, Check, Clone and Delete with the rows they leave
// selected, the dialogs' Done box and completion bar, New keeping the group,
// the attachment menu's captions and the export of the list as shown.
#include "documents/exports.h"
#include "shared/ui/groupfilter.h"
#include "store/query.h"
#include "todo/todomodel.h"
#include "todo/todorecord.h"
#include "todo/ui/tododelegate.h"
#include "todo/ui/tododialog.h"
#include "todo/ui/todotab.h"
#include "windowfixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSlider>
#include <QSpinBox>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

using todo::ui::ToDoDialog;
using todo::ui::ToDoTab;

namespace {

struct ToDoFixture : WindowFixture
{
    QRandomGenerator generator{7};

    qint64 add(const QString& id, int priority, int percento, const QString& gruppo = {},
               const QString& note = {}, const QString& allegato = {}, const QString& ricerca = {})
    {
        store::Query q(archive.db);
        todo::ToDoEntry e;
        e.id = id;
        e.priority = priority;
        e.note = note;
        e.gruppo = gruppo;
        e.allegato = allegato;
        e.ricerca = ricerca;
        const qint64 key = todo::insertEntry(q, e);
        todo::Completion c;
        c.moveBar(percento);
        todo::setCompletion(q, key, c);
        return key;
    }

    std::unique_ptr<ToDoTab> tab()
    {
        auto t = std::make_unique<ToDoTab>(archive.db, settings, services, state);
        t->setSuffixGenerator(&generator);
        t->resize(700, 500);
        return t;
    }

    todo::ui::ToDoDialogDeps deps() { return {archive.db, settings, services, state, nullptr, {}}; }

    QString cell(const ToDoTab& t, int row, int column)
    {
        return t.model().index(row, column).data().toString();
    }

    QStringList listed(const ToDoTab& t)
    {
        QStringList out;
        for (int row = 0; row < t.model().rowCount(); ++row)
            out << cell(t, row, todo::ToDoModel::Description);
        return out;
    }
};

} // namespace

class TestToDoTab final : public QObject
{
    Q_OBJECT
private slots:
    void gridShowsWholeNumbersAndStrikesDoneEntries()
    {
        ToDoFixture f;
        f.add("Paint the fence", 12, 50, "Home", "two coats");
        f.add("Call Joe", 5, 100);
        f.add("Buy milk", 3, 0);
        auto tab = f.tab();
        QCOMPARE(f.listed(*tab), (QStringList{"Paint the fence", "Call Joe", "Buy milk"}));
        QCOMPARE(f.cell(*tab, 0, todo::ToDoModel::Priority), "12");
        QCOMPARE(f.cell(*tab, 0, todo::ToDoModel::Percent), "50");
        QCOMPARE(f.cell(*tab, 1, todo::ToDoModel::Fatto), "X");
        auto* grid = ToDoFixture::find<QTableView>(*tab, "DBGrid_ToDo");
        QVERIFY(grid->isColumnHidden(todo::ToDoModel::Fatto));
        const auto* delegate = static_cast<todo::ui::ToDoDelegate*>(grid->itemDelegate());
        QVERIFY(!delegate->lookAt(0, false).struckOut);
        QVERIFY(delegate->lookAt(1, false).struckOut);
        QCOMPARE(ToDoFixture::find<QLabel>(*tab, "Panel_ToDo")->text(), "3   ");
        QCOMPARE(ToDoFixture::find<QProgressBar>(*tab, "GaugePercento")->value(), 50);

        // "Checked" with a search text: both apply.
        ToDoFixture::find<QComboBox>(*tab, "ComboBoxToDo")->setCurrentIndex(1);
        QCOMPARE(f.listed(*tab), QStringList{"Call Joe"});
        ToDoFixture::find<QLineEdit>(*tab, "Edit_Find_ToDo")->setText("milk");
        QCOMPARE(f.listed(*tab), QStringList{});
        QCOMPARE(ToDoFixture::find<QLabel>(*tab, "Panel_ToDo")->text(), "0 / 3   ");
        for (const char* name :
             {"SpeedButtonDelToDo", "SpeedButtonModToDo", "SpeedButtonCheckToDo",
              "SpeedButtonDupliToDo", "SpeedButtonExportTodo", "SpeedButtonOrderToDo"})
            QVERIFY2(!ToDoFixture::find<QToolButton>(*tab, name)->isEnabled(), name);
        QVERIFY(!ToDoFixture::find<QProgressBar>(*tab, "GaugePercento")->isVisibleTo(tab.get()));
    }

    void checkTogglesAndKeepsTheRow()
    {
        ToDoFixture f;
        f.add("A first", 9, 40);
        f.add("B second", 5, 100);
        auto tab = f.tab();
        tab->selectRow(1);
        ToDoFixture::find<QToolButton>(*tab, "SpeedButtonCheckToDo")->click();
        QCOMPARE(tab->selectedRow(), 1);
        QCOMPARE(tab->model().entry(1).flag, "No");
        QCOMPARE(tab->model().entry(1).percento, 0);
        tab->selectRow(0);
        ToDoFixture::find<QToolButton>(*tab, "SpeedButtonCheckToDo")->click();
        QCOMPARE(tab->model().entry(0).flag, "Yes");
        QCOMPARE(tab->model().entry(0).percento, 100);
    }

    void cloneStaysUnderTheGroupFilter()
    {
        ToDoFixture f;
        f.add("Tiles", 5, 30, "Home");
        f.add("Report", 5, 0, "Work");
        auto tab = f.tab();
        ToDoFixture::find<QComboBox>(*tab, "ComboBox_List_Group")->setEditText("home");
        QCOMPARE(f.listed(*tab), QStringList{"Tiles"});
        tab->selectRow(0);
        ToDoFixture::find<QToolButton>(*tab, "SpeedButtonDupliToDo")->click();
        QCOMPARE(f.listed(*tab), (QStringList{"Tiles", "Tiles"}));
        QCOMPARE(tab->model().entry(1).percento, 30);
        QCOMPARE(tab->model().entry(1).gruppo, "Home");
    }

    void deleteAsksAndKeepsThePlace()
    {
        ToDoFixture f;
        for (const char* d : {"A", "B", "C"})
            f.add(QString::fromLatin1(d), 5, 0);
        auto tab = f.tab();
        QCOMPARE(f.listed(*tab), (QStringList{"A", "B", "C"}));
        tab->selectRow(2);
        f.prompter.answers.enqueue(false);
        ToDoFixture::find<QToolButton>(*tab, "SpeedButtonDelToDo")->click();
        QCOMPARE(tab->model().rowCount(), 3);
        QVERIFY(f.prompter.shown.last().text.startsWith(" You are in order to eliminate \"C\""));
        f.prompter.answers.enqueue(true);
        ToDoFixture::find<QToolButton>(*tab, "SpeedButtonDelToDo")->click();
        QCOMPARE(f.listed(*tab), (QStringList{"A", "B"}));
        QCOMPARE(tab->selectedRow(), 1);
        tab->selectRow(0);
        f.prompter.answers.enqueue(true);
        ToDoFixture::find<QToolButton>(*tab, "SpeedButtonDelToDo")->click();
        QCOMPARE(f.listed(*tab), QStringList{"B"});
        QCOMPARE(tab->selectedRow(), 0);
    }

    void orderMenuReordersTheList()
    {
        ToDoFixture f;
        f.add("Older", 1, 0);
        f.add("Newer", 9, 0);
        auto tab = f.tab();
        auto* menu = tab->findChild<QMenu*>("PopupMenuOrderToDo");
        QStringList captions;
        for (QAction* a : menu->actions())
            captions << (a->isSeparator() ? QStringLiteral("-") : a->text());
        QCOMPARE(captions,
                 (QStringList{"Priority ASC", "Priority DESC", "-", "Percentage ASC",
                              "Percentage DESC", "-", "Alphabetical ASC", "Alphabetical DESC", "-",
                              "Creation ASC", "Creation DESC"}));
        QCOMPARE(f.listed(*tab), (QStringList{"Newer", "Older"}));
        menu->actions().at(0)->trigger();
        QCOMPARE(f.listed(*tab), (QStringList{"Older", "Newer"}));
        menu->actions().last()->trigger();
        QCOMPARE(f.listed(*tab), (QStringList{"Newer", "Older"}));
    }

    void doneBoxAndBar_data()
    {
        // A step: "bar N" drags the bar, "click" clicks the Done box.
        QTest::addColumn<int>("percento");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<int>("bar");
        QTest::addColumn<bool>("done");
        QTest::addColumn<QString>("label");
        QTest::newRow("loaded as stored") << 40 << QStringList{} << 40 << false << "40%";
        QTest::newRow("bar to 100 ticks Done")
            << 40 << QStringList{"bar 100"} << 100 << true << "100%";
        QTest::newRow("then 99 unticks it")
            << 40 << QStringList{"bar 100", "bar 99"} << 99 << false << "99%";
        QTest::newRow("ticking fills the bar")
            << 20 << QStringList{"click"} << 100 << true << "100%";
        QTest::newRow("unticking empties it") << 100 << QStringList{"click"} << 0 << false << "0%";
        QTest::newRow("bar to 100, then untick")
            << 60 << QStringList{"bar 100", "click"} << 0 << false << "0%";
    }

    void doneBoxAndBar()
    {
        QFETCH(int, percento);
        QFETCH(QStringList, steps);
        QFETCH(int, bar);
        QFETCH(bool, done);
        QFETCH(QString, label);
        ToDoFixture f;
        const qint64 key = f.add("Fence", 5, percento);
        auto tab = f.tab();
        ToDoDialog dialog(ToDoDialog::Mode::Modify, f.deps(), tab->model().entry(0));
        auto* slider = ToDoFixture::find<QSlider>(dialog, "TrackBarPercento");
        auto* box = ToDoFixture::find<QCheckBox>(dialog, "CheckBoxSolved");
        for (const QString& step : steps) {
            if (step == "click")
                box->click();
            else
                slider->setValue(step.mid(4).toInt());
        }
        QCOMPARE(slider->value(), bar);
        QCOMPARE(box->isChecked(), done);
        QCOMPARE(ToDoFixture::find<QLabel>(dialog, "Label_Percentage")->text(), label);

        ToDoFixture::find<QPushButton>(dialog, "BitBtnModify")->click();
        tab->refreshToDoList();
        const todo::ToDoEntry saved = tab->model().entry(0);
        QCOMPARE(saved.codtod, key);
        QCOMPARE(saved.percento, bar);
        QCOMPARE(saved.done, done);
    }

    void newDialogInsertsAndKeepsTheGroup()
    {
        ToDoFixture f;
        todo::ToDoEntry start;
        start.gruppo = "Errands";
        ToDoDialog dialog(ToDoDialog::Mode::New, f.deps(), start);
        auto* insert = ToDoFixture::find<QPushButton>(dialog, "BitBtnInsert");
        auto* description = ToDoFixture::find<QLineEdit>(dialog, "Edit_id");
        QVERIFY(!insert->isEnabled());
        description->setText("buy \"fresh\" milk");
        ToDoFixture::find<QSpinBox>(dialog, "SpinEdit_Priority")->setValue(12);
        ToDoFixture::find<QLineEdit>(dialog, "Edit_Ricerca")->setText("Anna");
        QVERIFY(insert->isEnabled());
        insert->click();
        QVERIFY(description->text().isEmpty());
        QVERIFY(ToDoFixture::find<QLineEdit>(dialog, "Edit_Ricerca")->text().isEmpty());
        QCOMPARE(ToDoFixture::find<QSpinBox>(dialog, "SpinEdit_Priority")->value(), 5);
        QCOMPARE(ToDoFixture::find<QComboBox>(dialog, "ComboBox_List_Group")->currentText(),
                 "Errands");

        auto tab = f.tab();
        QCOMPARE(f.listed(*tab), QStringList{"Buy \"fresh\" milk"});
        const todo::ToDoEntry saved = tab->model().entry(0);
        QCOMPARE(saved.priority, 12);
        QCOMPARE(saved.flag, "No");
        QCOMPARE(saved.gruppo, "Errands");
        QVERIFY(tab->groupFilter()->names().contains("Errands"));
    }

    void attachmentMenuCaptions_data()
    {
        QTest::addColumn<QString>("allegato");
        QTest::addColumn<QString>("ricerca");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("windows path") << "C:\\docs\\plan.txt"
                                      << "" << QStringList{"plan.txt"};
        QTest::newRow("unix path") << "/home/ann/plan.txt"
                                   << "" << QStringList{"plan.txt"};
        QTest::newRow("web page") << "http://www.example.com/page"
                                  << "" << QStringList{"page"};
        QTest::newRow("link only, with a listener") << ""
                                                    << "Clients:Anna" << QStringList{"Anna"};
    }

    void attachmentMenuCaptions()
    {
        QFETCH(QString, allegato);
        QFETCH(QString, ricerca);
        QFETCH(QStringList, entries);
        ToDoFixture f;
        f.add("Entry", 5, 0, {}, {}, allegato, ricerca);
        auto tab = f.tab();
        QStringList links;
        connect(tab.get(), &ToDoTab::linkedContactRequested, this,
                [&links](const QString& link) { links << link; });
        QStringList shown;
        QTimer::singleShot(0, this, [&] {
            auto* menu = tab->findChild<QMenu*>("PopupMenuAllegatoToDo");
            for (QAction* a : menu->actions())
                if (a->isVisible() && !a->isSeparator() && a->text() != "Cancel")
                    shown << a->text();
            // The last entry shown: the link when there is one.
            for (QAction* a : menu->actions())
                if (a->isVisible() && a->text() == shown.value(shown.size() - 1))
                    menu->setActiveAction(a);
            QTest::keyClick(menu, Qt::Key_Return);
        });
        ToDoFixture::find<QToolButton>(*tab, "SpeedButtonAllegatoToDo")->click();
        QCOMPARE(shown, entries);
        if (!ricerca.isEmpty())
            QCOMPARE(links, QStringList{ricerca});
        else
            QCOMPARE(f.desktop.opened.size(), 1);
    }

    void exportWritesTheListAsShown()
    {
        ToDoFixture f;
        f.add("Zeta, the last", 12, 100, {}, "first\r\nsecond");
        f.add("Alpha", 5, 100);
        f.add("Open one", 7, 50);
        auto tab = f.tab();
        ToDoFixture::find<QComboBox>(*tab, "ComboBoxToDo")->setCurrentIndex(1); // "Checked"
        tab->findChild<QMenu*>("PopupMenuOrderToDo")
            ->actions()
            .at(6)
            ->trigger(); // Alphabetical ASC
        tab->selectRow(1);
        const QString path = f.archive.folder.filePath("list.csv");
        f.prompter.files.enqueue(path);
        ToDoFixture::find<QToolButton>(*tab, "SpeedButtonExportTodo")->click();

        QCOMPARE(f.prompter.saveDialogs.size(), 1);
        QCOMPARE(f.prompter.saveDialogs.first().title, "Export list");
        QCOMPARE(QFileInfo(f.prompter.saveDialogs.first().proposedPath).fileName(), "To-Do.csv");
        QCOMPARE(f.prompter.saveDialogs.first().filter, "Comma Separated Value (*.csv)");
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("DESCRIPTION,PRIOR,DONE,NOTE\r\n"
                                            "Alpha,5,100,\r\n"
                                            "\"Zeta, the last\",12,100,first  second\r\n"));
        QCOMPARE(tab->selectedRow(), 0);
    }
};

QTEST_MAIN(TestToDoTab)
#include "tst_todotab.moc"
